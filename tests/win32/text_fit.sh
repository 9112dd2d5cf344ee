#!/usr/bin/env bash
# The window tests' text-fit check once more at another DPI: text_fit.sh DPI TESTS_EXE. The DPI
# goes back to 96 for the tests that follow.
set -euo pipefail
. "$(dirname "$0")/../../scripts/wine.sh"
: "${WINEPREFIX:?a Wine prefix made by scripts/wine.sh}"
velmora_wine_dpi "$1"
trap 'velmora_wine_dpi 96' EXIT
"$VELMORA_WINE" "$2" --gtest_filter='Win32Windows.EveryTextFitsItsControl'
