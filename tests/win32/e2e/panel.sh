#!/usr/bin/env bash
# Velmora.exe under Wine: the pointer at the right edge shows the panel in the top-right corner
# at its design size without taking the focus, away from it the panel hides; the hidden panel
# rests while the pointer does and comes when a program sets the pointer onto the strip; Delete
# and Alt+Down change the list and "終了(&E)" saves it.
. "$(dirname "$0")/lib.sh"
start_display
prepare_app <<'INI'
[Config]
WindowPosition=0
[Item]
ItemName0=a
ItemPath0=C:\a.exe
ItemName1=b
ItemPath1=C:\b.exe
ItemName2=c
ItemPath2=C:\c.exe
INI
xdotool mousemove 640 400
focus_before=$(xdotool getwindowfocus 2>/dev/null || echo none)
start_app
summon_first $((SCREEN_W - 2)) 300
[ "$PX $PY $PW $PH" = "$((SCREEN_W - 173)) 0 173 449" ] || fail "panel at $PX $PY ${PW}x$PH"
focus_after=$(xdotool getwindowfocus 2>/dev/null || echo none)
[ "$focus_after" != "$PANEL" ] || fail "the panel took the focus when it appeared"
[ "$focus_after" = "$focus_before" ] || fail "the focus moved from $focus_before to $focus_after"
screenshot windows-panel "${PW}x${PH}+${PX}+${PY}"
ok "the panel appears at the top-right corner, 173x449, without taking the focus"

xdotool mousemove 640 400
wait_for 5 "the panel to hide" panel_hidden
ok "the panel hides when the pointer leaves"
rests "$APP_PID" 5 || fail "the hidden panel keeps waking while the pointer rests"
xdotool mousemove $((SCREEN_W - 1)) 200 # a warp, as a program sets the cursor: no device moved
wait_for 5 "the panel after a warp onto the strip" panel_visible
ok "the hidden panel rests while the pointer does and comes when the pointer is set onto the strip"

summon_panel $((SCREEN_W - 2)) 300
# Entries: the list's client area starts at y 46 and an entry is 13 to 16 pixels high. Two
# clicks on one spot would be a double-click, which launches.
click_panel 40 67                  # "b"
xdotool keydown alt key Down keyup alt
click_panel 40 52                  # "a"
xdotool key Delete
click_panel 42 12                  # "終了(&E)"
wait_exit
tr -d '\r' <"$SETTINGS" >"$WORK/saved.ini"
grep -qx 'ItemName0=c' "$WORK/saved.ini" && grep -qx 'ItemName1=b' "$WORK/saved.ini" &&
    grep -qx 'ItemPath1=C:\\b.exe' "$WORK/saved.ini" && ! grep -q 'ItemName2=' "$WORK/saved.ini" ||
    { cat "$SETTINGS"; fail "the edited list was not saved"; }
ok "Delete and Alt+Down edit the list and the exit button saves it"
