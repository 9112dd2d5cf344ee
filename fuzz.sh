#!/usr/bin/env bash
# Runs every fuzzer for FUZZ_SECONDS (60 by default), starting from the committed corpus.
# New inputs go to build-fuzz/corpus; a finding is written to build-fuzz/findings and fails.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
. scripts/fuzz-build.sh
velmora_fuzz_build
seconds=${FUZZ_SECONDS:-60}
mkdir -p build-fuzz/findings
for name in "${VELMORA_FUZZERS[@]}"; do
    mkdir -p "build-fuzz/corpus/$name"
    echo "fuzz_$name: $seconds s"
    "build-fuzz/fuzz/fuzz_$name" "build-fuzz/corpus/$name" "fuzz/corpus/$name" \
        -max_total_time="$seconds" -artifact_prefix="build-fuzz/findings/$name-" -print_final_stats=1 2>&1 |
        grep -E '^(Done|stat::number_of_executed_units)|ERROR|SUMMARY' || true
    if ls "build-fuzz/findings/$name-"* >/dev/null 2>&1; then
        echo "fuzz_$name found a failing input: $(ls "build-fuzz/findings/$name-"*)" >&2
        exit 1
    fi
done
echo "No findings."
