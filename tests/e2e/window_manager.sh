#!/usr/bin/env bash
# Under a real window manager (openbox): the panel is kept out of taskbars and pagers, stays
# above other windows, belongs to every workspace, says so anew at each showing, and lands
# exactly in its corner.
. "$(dirname "$0")/lib.sh"
start_display
openbox >"$WORK/openbox.log" 2>&1 &
wm=$!
wait_for 10 "the window manager" xprop -root _NET_SUPPORTING_WM_CHECK
prepare_app </dev/null
xdotool mousemove 640 400
start_app

check_docked() {
    local states desktop
    states=$(xprop -id "$PANEL" _NET_WM_STATE)
    desktop=$(xprop -id "$PANEL" _NET_WM_DESKTOP)
    for state in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER _NET_WM_STATE_ABOVE; do
        [[ "$states" == *"$state"* ]] || fail "$1: $state missing ($states)"
    done
    [[ "$desktop" == *4294967295* || "$states" == *_NET_WM_STATE_STICKY* ]] ||
        fail "$1: not on every workspace ($desktop; $states)"
    [ "$PX $PY $PW $PH" = "$((SCREEN_W - 173)) 0 173 449" ] || fail "$1: panel at $PX $PY ${PW}x$PH"
}

summon_panel $((SCREEN_W - 2)) 300
check_docked "first showing"
screenshot panel-openbox "${PW}x${PH}+${PX}+${PY}"
ok "out of taskbars and pagers, above, on every workspace, exactly in its corner"

xdotool mousemove 640 400
wait_for 5 "the panel to hide" panel_hidden
xdotool set_desktop 1
wait_for 5 "the switch to the second workspace" sh -c '[ "$(xdotool get_desktop)" = 1 ]'
summon_panel $((SCREEN_W - 2)) 300
check_docked "after a workspace switch"
ok "after a workspace switch the panel comes at the edge again, docked as before"
xdotool mousemove 640 400
wait_for 5 "the panel to hide" panel_hidden
stop_app TERM

# At 2x on this 1280x800 screen the panel (898 pixels) is taller than the screen: in a bottom
# corner its top row, with "終了(&E)" and "設定(&C)", stays on the screen.
printf '[Config]\nWindowPosition=1\n' >"$SETTINGS"
(cd "$WORK/app" && QT_SCALE_FACTOR=2 exec ./Velmora >"$WORK/app2x.log" 2>&1) &
APP_PID=$!
wait_ready
summon_panel $((SCREEN_W - 2)) 300
[ "$PY" -eq 0 ] && [ "$PX" -eq $((SCREEN_W - PW)) ] || fail "at 2x the panel is at $PX $PY ${PW}x$PH"
screenshot panel-openbox-2x "${PW}x$((PH > SCREEN_H ? SCREEN_H : PH))+${PX}+0"
ok "at 2x in a bottom corner the panel's top row is on the screen"
kill "$wm" 2>/dev/null || true
