#!/usr/bin/env bash
# The Debian package, unpacked into a root-owned folder as dpkg would lay it out, run there as an
# ordinary user: the program's folder takes no file, so the settings live in the user's
# configuration folder, silently; a file left beside the program is the starting content; the
# About window opens the read-me from the documentation folder. A copy in a folder of one's own
# keeps its file beside it.
. "$(dirname "$0")/lib.sh"
deb=${VELMORA_DEB:?path of the built package}
[ -f "$deb" ] || "$(dirname "$0")/../../scripts/package-deb.sh" >/dev/null
start_display
as_ordinary_user
chmod 755 "$WORK"
root="$WORK/root"
dpkg-deb -x "$deb" "$root"
[ "$(stat -c %U "$root/usr/bin/Velmora")" = root ] || fail "the package's files are not root's"
home="$WORK/home"
mkdir -p "$home" "$WORK/bin"
chown "$RUNNER_NAME" "$home"
# The desktop's opener, standing in for a text editor: it notes what it was asked to open.
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s/opened"\n' "$home" >"$WORK/bin/xdg-open"
chmod 755 "$WORK/bin/xdg-open"
# Left beside the program by an administrator: read once, never written.
beside="$root/usr/bin/Velmora_$RUNNER_NAME.ini"
printf '[Config]\nWindowPosition=0\n[Item]\nItemName0=シェル\nItemPath0=/bin/sh\nItemName1=端末\nItemPath1=/usr/bin/xterm\n' >"$beside"
cp "$beside" "$WORK/beside-before.ini"

# run_as_user PROGRAM [VAR=VALUE ...]: starts the program as the ordinary user, in the home folder.
run_as_user() {
    local program=$1
    shift
    (cd "$home" && exec "${RUNNER[@]}" env "$@" HOME="$home" PATH="$WORK/bin:$PATH" "$program" \
        >>"$WORK/app.log" 2>&1) &
    APP_PID=$!
    wait_ready
}
no_warning() {
    ! poll_until 2 visible_window "処理中断" || fail "a warning at start-up: $(cat "$WORK/app.log")"
}

move_to 640 400
run_as_user "$root/usr/bin/Velmora" XDG_CONFIG_HOME="$home/cfg"
no_warning
summon_panel $((SCREEN_W - 2)) 300
click_panel 40 52 # "シェル"
wait_for 5 "the click to give the panel the focus" has_focus "$PANEL"
xdotool key Delete
click_panel 155 410 # "？"
wait_for 5 "the About window" visible_window "バージョン情報"
read -r DX DY DW DH < <(geometry_of "$(visible_window "バージョン情報")")
move_to $((DX + 120)) $((DY + 80)) # the description
xdotool click --repeat 2 --delay 80 1
wait_for 5 "the read-me to be opened" test -s "$home/opened"
[ "$(cat "$home/opened")" = "$root/usr/bin/../share/doc/velmora/読んで☆.txt" ] ||
    fail "opened $(cat "$home/opened") instead of the installed read-me"
xdotool key Escape
wait_for 5 "the About window to close" sh -c "! xdotool search --onlyvisible --name '^バージョン情報\$'"
ok "installed system-wide: no warning at start-up; the About window opens the read-me in the documentation folder"
wait_for 5 "the panel to hide" panel_hidden
summon_panel $((SCREEN_W - 2)) 300
click_panel 42 12 # "終了(&E)"
wait_exit
own="$home/cfg/velmora/Velmora_$RUNNER_NAME.ini"
[ -f "$own" ] || fail "no settings file in the user's folder: $(cat "$WORK/app.log")"
grep -qx 'ItemName0=端末' "$own" && ! grep -q 'シェル' "$own" || { cat "$own"; fail "the edit was not saved"; }
[ "$(stat -c %a "$home/cfg/velmora")" = 700 ] || fail "the settings folder is open to others"
cmp -s "$beside" "$WORK/beside-before.ini" || fail "the file beside the program changed"
ok "the deletion saved by 終了 in \$XDG_CONFIG_HOME/velmora/, starting from the file beside the program"

# The next start reads the user's file, not the one beside the program (whose first item the
# user deleted).
move_to 640 400
run_as_user "$root/usr/bin/Velmora" XDG_CONFIG_HOME="$home/cfg"
no_warning
stop_app TERM
grep -qx 'ItemName0=端末' "$own" && ! grep -q 'ItemName1=' "$own" || { cat "$own"; fail "not read back"; }
ok "read back from the user's folder at the next start"

# XDG_CONFIG_HOME unset, and relative (to be ignored): ~/.config.
for xdg in unset relative; do
    rm -rf "$home/.config"
    if [ $xdg = unset ]; then
        run_as_user "$root/usr/bin/Velmora" -u XDG_CONFIG_HOME
    else
        run_as_user "$root/usr/bin/Velmora" XDG_CONFIG_HOME=cfg
    fi
    no_warning
    stop_app TERM
    grep -qx 'ItemName0=シェル' "$home/.config/velmora/Velmora_$RUNNER_NAME.ini" ||
        fail "XDG_CONFIG_HOME $xdg: no settings in ~/.config/velmora"
done
ok "with XDG_CONFIG_HOME unset or relative, the settings live in ~/.config/velmora"

# A copy in a folder of one's own keeps its file beside it.
portable="$home/Velmora"
mkdir -p "$portable"
cp "$root/usr/bin/Velmora" "$portable/"
chown -R "$RUNNER_NAME" "$portable"
rm -rf "$home/.config"
run_as_user "$portable/Velmora" XDG_CONFIG_HOME="$home/cfg2"
no_warning
stop_app TERM
[ -f "$portable/Velmora_$RUNNER_NAME.ini" ] && [ ! -e "$home/cfg2" ] ||
    fail "a writable program folder did not keep the settings beside the program"
ok "a program folder the user can write to keeps the settings beside the program"
