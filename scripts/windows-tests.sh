#!/usr/bin/env bash
# Cross-builds Velmora.exe (the Win32 front end), the core, the Windows platform layer and their
# tests for Windows x86-64 with mingw-w64, and runs them under Wine: the core's and the platform
# layer's unit tests, the Win32 windows' tests, and Velmora.exe end to end on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
if ! velmora_install_packages g++-mingw-w64-x86-64-posix wine64 locales "${VELMORA_PACKAGES[@]}"; then
    velmora_cannot_run "the Windows tests need g++-mingw-w64-x86-64-posix and wine64, which could not be installed."
fi
. scripts/wine.sh
. scripts/xvfb.sh

cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$VELMORA_WINE" >/dev/null
cmake --build build-windows -j"$(nproc)"

# A private prefix with the settings the tests rely on (unmanaged windows, Japanese fonts, 96 DPI).
velmora_wine_prefix "$PWD/build-windows/wineprefix"
velmora_wine_dpi 96
# The window tests need a display of their own; the end-to-end tests start theirs.
work=$(mktemp -d)
VELMORA_XVFB_PID=
finish() {
    [ -z "$VELMORA_XVFB_PID" ] || kill "$VELMORA_XVFB_PID" 2>/dev/null || true
    "$VELMORA_WINESERVER" -k 2>/dev/null || true  # fails when no server is left: fine
    rm -rf "$work"
}
trap finish EXIT
velmora_start_xvfb "$work"
ctest --test-dir build-windows --output-on-failure
echo "Screenshots of the Windows panel and its dialogs: $PWD/build-windows/screenshots"
echo "== Windows: the distribution zip"
scripts/package-windows.sh
