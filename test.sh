#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, widget (offscreen) and end-to-end (Xvfb); the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer; a short run of every fuzzer over
# its corpus; the Debian package, built and checked (its end-to-end test installs and runs it);
# and the core with the Windows platform layer, cross-built and run under Wine.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
velmora_install_packages "${VELMORA_PACKAGES[@]}"

echo "== Layers: the core is standard C++ only, the platform layer knows no front end"
scripts/check-layers.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

echo "== The Debian package: built, then checked by lintian, desktop-file-validate and appstreamcli"
scripts/package-deb.sh
echo "== Windows: cross-built, run under Wine"
scripts/windows-tests.sh
echo "== Fuzzers: corpus replay and a short run each"
scripts/fuzz-smoke.sh
echo "== Sanitizers: the whole suite under ASan and UBSan"
scripts/sanitizer-tests.sh
echo "== The suite"
ctest --test-dir build --output-on-failure
echo "Screenshots of the panel and its dialogs: $(pwd)/build/screenshots"
