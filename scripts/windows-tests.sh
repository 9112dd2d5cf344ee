#!/usr/bin/env bash
# Cross-builds the core, the Windows platform layer and their tests for Windows x86-64 with
# mingw-w64, and runs the tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
if ! velmora_install_packages g++-mingw-w64-x86-64-posix wine64; then
    velmora_cannot_run "the Windows tests need g++-mingw-w64-x86-64-posix and wine64, which could not be installed."
fi
# Debian keeps the 64-bit Wine loader off the PATH.
loader=$(dpkg -L wine64 | grep -E '/wine64$' | head -n 1)
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CROSSCOMPILING_EMULATOR="$loader" >/dev/null
cmake --build build-windows -j"$(nproc)"
# No Mono or Gecko: the tests are plain console programs, and nothing may ask to download.
export WINEPREFIX="$PWD/build-windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
ctest --test-dir build-windows --output-on-failure
