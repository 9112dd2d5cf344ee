#!/usr/bin/env bash
# cmake --install puts the program and its read-me into one folder; the desktop entries point
# there, for the menu and for starting with the session.
set -euo pipefail
build=${VELMORA_BUILD_DIR:?the build folder}
work=$(mktemp -d /tmp/velmora-install.XXXXXX)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/My Apps #1 & 100%/Velmora" >/dev/null
# A folder name with all the desktop-entry format must escape (CMake cannot install there
# itself, so the installed folder is moved).
prefix="$work/My Apps #1 & \"quotes\" \$HOME \`x\` back\\slash 100%/Velmora"
mkdir -p "$(dirname "$prefix")"
mv "$work/My Apps #1 & 100%/Velmora" "$prefix"
[ -x "$prefix/Velmora" ] || { echo "FAIL: no executable in $prefix"; exit 1; }
[ -f "$prefix/読んで☆.txt" ] || { echo "FAIL: no read-me beside the executable"; exit 1; }
HOME="$work/home" XDG_DATA_HOME= XDG_CONFIG_HOME= "$prefix/share/install-desktop-entries.sh" >/dev/null
# Reads Exec and Path back as a desktop environment does (string escapes first, then the quoting
# of Exec's arguments and its %% field code) and checks they name the installed program.
check_entry() {
    python3 - "$1" "$prefix" <<'PY'
import sys
entry, prefix = sys.argv[1], sys.argv[2]
values = dict(line.split("=", 1) for line in open(entry, encoding="utf-8").read().splitlines() if "=" in line)
def unescape_string(v):
    out, i = "", 0
    while i < len(v):
        if v[i] == "\\" and i + 1 < len(v):
            out += {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}.get(v[i + 1], "\\" + v[i + 1]); i += 2
        else:
            out += v[i]; i += 1
    return out
def split_exec(v):
    args, cur, i, quoted = [], "", 0, False
    while i < len(v):
        c = v[i]
        if quoted and c == "\\" and i + 1 < len(v) and v[i + 1] in '"`$\\':
            cur += v[i + 1]; i += 2; continue
        if c == '"':
            quoted = not quoted; i += 1; continue
        if c == " " and not quoted:
            args.append(cur); cur = ""; i += 1; continue
        cur += c; i += 1
    args.append(cur)
    return [a.replace("%%", "%") for a in args]
exec_args = split_exec(unescape_string(values["Exec"]))
assert exec_args == [prefix + "/Velmora"], exec_args
assert unescape_string(values["Path"]) == prefix, values["Path"]
assert values["Icon"] == "velmora"
PY
}
for entry in "$work/home/.local/share/applications/velmora.desktop" "$work/home/.config/autostart/velmora.desktop"; do
    check_entry "$entry" || { echo "FAIL: $entry"; cat "$entry"; exit 1; }
done
[ -f "$work/home/.local/share/icons/hicolor/scalable/apps/velmora.svg" ] || { echo "FAIL: no icon in the theme"; exit 1; }
echo "ok - installed into a folder whose name needs escaping; menu and autostart entries and the icon point at it"

HOME="$work/home" XDG_DATA_HOME= XDG_CONFIG_HOME= "$prefix/share/install-desktop-entries.sh" --remove >/dev/null
for gone in "$work/home/.local/share/applications/velmora.desktop" "$work/home/.config/autostart/velmora.desktop" \
    "$work/home/.local/share/icons/hicolor/scalable/apps/velmora.svg"; do
    [ ! -e "$gone" ] || { echo "FAIL: $gone is still there after --remove"; exit 1; }
done
echo "ok - --remove takes the entries and the icon away"
