#!/usr/bin/env bash
# Start-up leaves the panel hidden; SIGTERM unloads it, which saves the settings and the list.
. "$(dirname "$0")/lib.sh"
start_display
prepare_app <<'INI'
; kept by the save
[Config]
WindowPosition=2
CapturePixel=12
WindowWidth=9
[Item]
ItemName0=editor
ItemPath0=/usr/bin/editor
ItemName1=--------------------
ItemPath1=
ItemName2=
ItemName3=unread
ItemPath3=/x
INI
move_to 640 400
start_app --ignored-option -platform nosuch -reverse -style fusion
assert_stays_hidden 1000
ok "panel hidden after start-up; options for the toolkit changed nothing"
stop_app TERM
expected='; kept by the save
[Config]
WindowPosition=2
CapturePixel=12
WindowWidth=0
[Item]
ItemName0=editor
ItemPath0=/usr/bin/editor
ItemName1=--------------------
ItemPath1=
ItemName3=unread
ItemPath3=/x'
[ "$(cat "$SETTINGS")" = "$expected" ] || { cat "$SETTINGS"; fail "unexpected settings file after SIGTERM"; }
ok "SIGTERM saved the settings file"

# A hard kill saves nothing.
start_app
echo "# untouched" >>"$SETTINGS"
stop_app KILL
tail -n 1 "$SETTINGS" | grep -qx '# untouched' || fail "a killed process changed the file"
ok "SIGKILL leaves the file as it was"
