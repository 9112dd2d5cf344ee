#!/bin/sh
# Adds Velmora to the applications menu and to the programs started with the desktop session.
# Run it from the folder Velmora was installed into (or pass that folder).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
dir=${1:-$(dirname "$here")}
[ -x "$dir/Velmora" ] || { echo "No Velmora executable in $dir" >&2; exit 1; }
apps=${XDG_DATA_HOME:-$HOME/.local/share}/applications
autostart=${XDG_CONFIG_HOME:-$HOME/.config}/autostart
mkdir -p "$apps" "$autostart"
sed "s#@VELMORA_DIR@#$dir#g" "$here/velmora.desktop.in" >"$apps/velmora.desktop"
cp "$apps/velmora.desktop" "$autostart/velmora.desktop"
echo "Added $apps/velmora.desktop and $autostart/velmora.desktop"
