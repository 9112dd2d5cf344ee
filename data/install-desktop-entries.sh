#!/bin/sh
# Adds Velmora to the applications menu and to the programs started with the desktop session,
# with its icon; "--remove" takes them away again. Run it from the folder Velmora was installed
# into (or pass that folder after the option).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
remove=false
if [ "${1:-}" = "--remove" ]; then
    remove=true
    shift
fi
dir=${1:-$(dirname "$here")}
apps=${XDG_DATA_HOME:-$HOME/.local/share}/applications
autostart=${XDG_CONFIG_HOME:-$HOME/.config}/autostart
icons=${XDG_DATA_HOME:-$HOME/.local/share}/icons/hicolor/scalable/apps

if $remove; then
    rm -f "$apps/velmora.desktop" "$autostart/velmora.desktop" "$icons/velmora.svg"
    echo "Removed Velmora's menu entry, autostart entry and icon"
    exit 0
fi
[ -x "$dir/Velmora" ] || { echo "No Velmora executable in $dir" >&2; exit 1; }

# The desktop-entry format: a value escapes "\" as "\\"; inside Exec an argument with reserved
# characters is double-quoted with ", `, $ and \ escaped, and "%" is written "%%".
string_value() { printf '%s' "$1" | sed 's/\\/\\\\/g'; }
exec_argument() {
    quoted=$(printf '%s' "$1" | sed -e 's/\\/\\\\/g' -e 's/"/\\"/g' -e 's/`/\\`/g' -e 's/\$/\\$/g' -e 's/%/%%/g')
    string_value "\"$quoted\""
}

mkdir -p "$apps" "$autostart" "$icons"
cp "$here/velmora.svg" "$icons/velmora.svg"
{
    printf '[Desktop Entry]\n'
    printf 'Type=Application\n'
    printf 'Name=Velmora\n'
    printf 'Comment=マウスカーソルの位置によって表示／非表示される、テキストベースのランチャー\n'
    printf 'Exec=%s\n' "$(exec_argument "$dir/Velmora")"
    printf 'Path=%s\n' "$(string_value "$dir")"
    printf 'Icon=velmora\n'
    printf 'Terminal=false\n'
    printf 'Categories=Utility;\n'
    printf 'StartupNotify=false\n'
    printf 'X-GNOME-Autostart-enabled=true\n'
} >"$apps/velmora.desktop"
cp "$apps/velmora.desktop" "$autostart/velmora.desktop"
echo "Added $apps/velmora.desktop, $autostart/velmora.desktop and the icon"
