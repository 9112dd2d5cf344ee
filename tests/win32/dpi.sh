#!/usr/bin/env bash
# The window tests at another DPI: dpi.sh DPI TESTS_EXE. Every text fits its control at a start at
# that DPI, and a run at 96 DPI told that its windows moved to a monitor of that DPI lays them out
# exactly as that start did. The DPI goes back to 96 for the tests that follow.
set -euo pipefail
. "$(dirname "$0")/../../scripts/wine.sh"
: "${WINEPREFIX:?a Wine prefix made by scripts/wine.sh}"
layout=$(mktemp)
trap 'velmora_wine_dpi 96; rm -f "$layout"' EXIT
velmora_wine_dpi "$1"
VELMORA_LAYOUT_OUT="Z:${layout//\//\\}" \
    "$VELMORA_WINE" "$2" --gtest_filter='Win32Windows.EveryTextFitsItsControl'
velmora_wine_dpi 96
VELMORA_EXPECTED_LAYOUT="Z:${layout//\//\\}" VELMORA_DPI_CHANGE="$1" \
    "$VELMORA_WINE" "$2" --gtest_filter='Win32Windows.PlacesEveryControlAgainWhenTheDpiChanges'
