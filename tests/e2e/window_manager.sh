#!/usr/bin/env bash
# Under a real window manager (window_manager.sh openbox | xfwm4), with a desktop panel's struts
# at the top and the bottom of the screen: the panel lands exactly in its corner, no taskbar or
# pager lists it, it belongs to every workspace, it appears without taking the keyboard focus,
# a click gives it the focus and the keys reach the list, the focus goes back when it hides, a
# window opening over it does not stay above it, its own dialogs and messages come above it, and
# files dragged from another program drop onto it.
# xfwm4 reads its settings over D-Bus: run that case under dbus-run-session.
. "$(dirname "$0")/lib.sh"
wm_name=${1:?window manager: openbox or xfwm4}
start_display
start_window_manager "$wm_name"

# window_of PID VARIABLE: waits for the visible window of a program started here (the window
# manager reparents a new window, which unmaps it for a moment) and stores its id.
window_of() {
    local end=$(($(date +%s) + 10)) id=
    until id=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null) && [ -n "$id" ]; do
        [ "$(date +%s)" -lt "$end" ] || fail "no window of process $1"
        sleep 0.05
    done
    printf -v "$2" '%s' "${id%%$'\n'*}"
}


# A window standing for the desktop's panels (27 pixels at the top, 30 at the bottom, reserved
# as struts) and for the window being worked in: it has the keyboard focus.
"$VELMORA_DRAG_SOURCE" 300 300 --text desk >/dev/null 2>&1 &
DRAG_SOURCES+=($!)
window_of $! DESK
xprop -id "$DESK" -f _NET_WM_STRUT_PARTIAL 32c \
    -set _NET_WM_STRUT_PARTIAL "0,0,27,30,0,0,0,0,0,$((SCREEN_W - 1)),0,$((SCREEN_W - 1))"
xprop -id "$DESK" -f _NET_WM_STRUT 32c -set _NET_WM_STRUT "0,0,27,30"
wait_for 10 "the struts to reserve the work area" \
    sh -c "xprop -root _NET_WORKAREA | grep -q ', 27, $SCREEN_W, $((SCREEN_H - 57))'"
xdotool windowactivate --sync "$DESK" 2>/dev/null || true
wait_for 5 "the desk window to have the focus" has_focus "$DESK"

prepare_app <<'EOF'
[Config]
WindowPosition=0
[Item]
ItemName0=a
ItemPath0=/bin/true
ItemName1=b
ItemPath1=/bin/false
ItemName2=c
ItemPath2=/bin/echo
EOF
move_to 640 400
start_app

# The windows a taskbar, pager or task switcher lists are those in _NET_CLIENT_LIST.
check_unlisted() {
    xwininfo -id "$PANEL" | grep -q 'Override Redirect State: yes' ||
        fail "$1: the panel is a managed window"
    ! xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$PANEL")\b" ||
        fail "$1: the panel is in the window manager's client list"
}

summon_panel $((SCREEN_W - 2)) 300
[ "$PX $PY $PW $PH" = "$((SCREEN_W - 173)) 0 173 449" ] ||
    fail "the panel is at $PX $PY ${PW}x$PH, not in the top-right corner"
check_unlisted "first showing"
has_focus "$DESK" || fail "the panel took the focus when it appeared"
screenshot "panel-$wm_name" "${PW}x${PH}+${PX}+${PY}"
ok "$wm_name: exactly in the corner over the top strut, listed nowhere, focus left alone"

# A window that opens and is activated while the panel shows (say, the program just launched)
# does not cover the panel.
# above A B: among the root's children (topmost first) both are there, A before B.
above() {
    local order
    order=$(xwininfo -root -children | awk -v a="$(root_child_of "$1")" -v b="$(root_child_of "$2")" \
        '$1 == a {printf "a "} $1 == b {printf "b "}')
    [ "$order" = "a b " ]
}
"$VELMORA_DRAG_SOURCE" $((SCREEN_W - 100)) 100 --text cover >/dev/null 2>&1 &
DRAG_SOURCES+=($!)
window_of $! COVER
xdotool windowactivate "$COVER"
wait_for 5 "the window manager's frame" framed "$COVER"
wait_for 5 "the panel to be above the new window" above "$PANEL" "$COVER"
ok "$wm_name: a window opening over the panel stays below it"
kill "${DRAG_SOURCES[-1]}"
wait_for 5 "the focus to come back to the desk window" has_focus "$DESK"

# Entries: the list starts about 46 pixels down, an entry is about 15 pixels high.
click_panel 40 67 # "b"
wait_for 5 "the click to give the panel the focus" has_focus "$PANEL"
xdotool keydown alt key Down keyup alt
click_panel 40 52 # "a"
xdotool key Delete
move_to 640 400
wait_for 5 "the panel to hide" panel_hidden
wait_for 5 "the focus to go back to the desk window" has_focus "$DESK"
ok "$wm_name: a click gives the panel the keys, hiding gives them back"

xdotool set_desktop 1
wait_for 5 "the switch to the second workspace" sh -c '[ "$(xdotool get_desktop)" = 1 ]'
summon_panel $((SCREEN_W - 2)) 300
[ "$PX $PY" = "$((SCREEN_W - 173)) 0" ] || fail "after a workspace switch the panel is at $PX $PY"
check_unlisted "after a workspace switch"
ok "$wm_name: after a workspace switch the panel comes at the edge again"

# The program's own dialog comes above the panel (whose timer is off meanwhile).
click_panel 130 12 # "設定(&C)"
wait_for 5 "the settings dialog" visible_window "設定"
DIALOG=$(visible_window "設定")
wait_for 5 "the window manager's frame" framed "$DIALOG"
wait_for 5 "the settings dialog above the panel" above "$DIALOG" "$PANEL"
xdotool key Escape
wait_for 5 "the settings dialog to close" sh -c '! xdotool search --onlyvisible --name "^設定\$"'
ok "$wm_name: the settings dialog opens above the panel"
# A file dragged from another program onto the list becomes an item.
touch "$WORK/notes.txt"
drag_to_panel 80 200 --files "$WORK/notes.txt"
click_panel 42 12 # "終了(&E)"
wait_exit
grep -qx 'ItemName0=c' "$SETTINGS" && grep -qx 'ItemName1=b' "$SETTINGS" &&
    grep -qx 'ItemPath1=/bin/false' "$SETTINGS" ||
    { cat "$SETTINGS"; fail "Delete and Alt+Down did not edit the list"; }
grep -qx "ItemPath2=$WORK/notes.txt" "$SETTINGS" && ! grep -q 'ItemName3=' "$SETTINGS" ||
    { cat "$SETTINGS"; fail "the dropped file did not become the last item"; }
ok "$wm_name: Delete and Alt+Down edited the list, a dropped file was added, the exit button saved it"

# A bottom corner, over the bottom strut.
# A bottom corner, over the bottom strut; at 1.5x and three times as wide (778 pixels), so that a
# message in the middle of the screen overlaps it; the list full.
{
    printf '[Config]\nWindowPosition=1\nWindowWidth=4\n[Item]\n'
    seq 0 9999 | awk '{printf "ItemName%d=item %d\nItemPath%d=/bin/true\n", $1, $1, $1}'
} >"$SETTINGS"
QT_SCALE_FACTOR=1.5 start_app
summon_panel $((SCREEN_W - 2)) 300
[ "$PX $PY" = "$((SCREEN_W - PW)) $((SCREEN_H - PH))" ] && [ "$PW" -gt 700 ] ||
    fail "the panel is at $PX $PY ${PW}x$PH, not in the bottom-right corner"
ok "$wm_name: exactly in the bottom corner over the bottom strut"

# A message that comes up while the panel shows (no room for a separator in a full list) opens
# beside it, comes above it and stays there while the panel's timer goes on ticking.
click_panel 195 48 # "空白(&S)" at 1.5x
wait_for 5 "the message" visible_window "処理中断"
MESSAGE=$(visible_window "処理中断")
wait_for 5 "the window manager's frame" framed "$MESSAGE"
clear_of_panel "$MESSAGE" "the message"
wait_for 5 "the message above the panel" above "$MESSAGE" "$PANEL"
end=$(($(date +%s%N) + 1500000000)) # six ticks of the panel's timer
while [ "$(date +%s%N)" -lt "$end" ]; do
    panel_visible || fail "the panel hid under the message"
    above "$MESSAGE" "$PANEL" || fail "the panel came over the message"
    sleep 0.1
done
xdotool key Return
wait_for 5 "the message to close" sh -c '! xdotool search --onlyvisible --name "^処理中断\$"'
stop_app TERM
ok "$wm_name: a message stays above the panel"

# At 2x on this 1280x800 screen the panel (898 pixels) is taller than the screen: in a bottom
# corner its top row, with "終了(&E)" and "設定(&C)", stays on the screen.
printf '[Config]\nWindowPosition=1\n' >"$SETTINGS"
(cd "$WORK/app" && QT_SCALE_FACTOR=2 exec ./Velmora >"$WORK/app2x.log" 2>&1) &
APP_PID=$!
wait_ready
summon_panel $((SCREEN_W - 2)) 300
[ "$PY" -eq 0 ] && [ "$PX" -eq $((SCREEN_W - PW)) ] || fail "at 2x the panel is at $PX $PY ${PW}x$PH"
screenshot "panel-$wm_name-2x" "${PW}x$((PH > SCREEN_H ? SCREEN_H : PH))+${PX}+0"
ok "$wm_name: at 2x in a bottom corner the panel's top row is on the screen"
