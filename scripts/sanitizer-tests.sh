#!/usr/bin/env bash
# The whole test suite (unit, widget, end-to-end) built with AddressSanitizer and
# UndefinedBehaviorSanitizer, leak checking included.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The package's test runs the package's own (release) build, not this one.
ctest --test-dir build-asan --output-on-failure -E '^e2e\.(fault_injection|package)$'
