#!/usr/bin/env bash
# For ./test.sh: replays the committed corpus through every fuzzer, then fuzzes each briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
. scripts/fuzz-build.sh
if ! velmora_fuzz_build; then
    velmora_cannot_run "the fuzzers need clang-14 and libclang-rt-14-dev, which could not be installed."
fi
passed=0
failed=0
for name in "${VELMORA_FUZZERS[@]}"; do
    work=$(mktemp -d)
    if "build-fuzz/fuzz/fuzz_$name" fuzz/corpus/"$name"/* >/dev/null 2>&1 &&
        "build-fuzz/fuzz/fuzz_$name" "$work" "fuzz/corpus/$name" -max_total_time=5 \
            -artifact_prefix="$work/" >/dev/null 2>&1; then
        echo "ok - fuzz_$name: corpus replayed, 5 s without a finding"
        passed=$((passed + 1))
    else
        echo "FAIL - fuzz_$name"; ls "$work" | grep -E '^(crash|leak|timeout|oom)' || true
        failed=$((failed + 1))
    fi
    rm -rf "$work"
done
echo "fuzzers: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
