#!/usr/bin/env bash
# Sets up, builds and runs every test: unit, widget (offscreen) and end-to-end (Xvfb).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
velmora_install_packages "${VELMORA_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure

# The same core and the Windows platform layer, cross-built and tested under Wine.
scripts/windows-tests.sh
echo "Screenshots of the panel and its dialogs: $(pwd)/build/screenshots"
