#!/usr/bin/env bash
# cmake --install puts the program and its read-me into one folder; the desktop entries point
# there, for the menu and for starting with the session.
set -euo pipefail
build=${VELMORA_BUILD_DIR:?the build folder}
work=$(mktemp -d /tmp/velmora-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
prefix="$work/My Apps/Velmora"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ -x "$prefix/Velmora" ] || { echo "FAIL: no executable in $prefix"; exit 1; }
[ -f "$prefix/読んで☆.txt" ] || { echo "FAIL: no read-me beside the executable"; exit 1; }
HOME="$work/home" XDG_DATA_HOME= XDG_CONFIG_HOME= "$prefix/share/install-desktop-entries.sh" >/dev/null
for entry in "$work/home/.local/share/applications/velmora.desktop" "$work/home/.config/autostart/velmora.desktop"; do
    grep -qx "Exec=\"$prefix/Velmora\"" "$entry" || { echo "FAIL: $entry"; cat "$entry"; exit 1; }
    grep -qx "Path=$prefix" "$entry" || { echo "FAIL: $entry has no working folder"; exit 1; }
done
echo "ok - installed into a folder with a space; menu and autostart entries point at it"
