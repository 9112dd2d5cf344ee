#!/usr/bin/env bash
# The program's dialogs and messages stay wholly visible and clickable while a wide panel shows,
# under the window managers of the big desktops, which paint the panel (a window outside window
# management) above every managed window when they composite:
#   dialogs_over_panel.sh kwin_x11 | kwin_x11-nocompositing | mutter
# Every window carries the program's icon.
. "$(dirname "$0")/lib.sh"
wm_name=${1:?window manager: kwin_x11, kwin_x11-nocompositing or mutter}
start_display
start_session_bus
start_window_manager "$wm_name"

prepare_app < <(
    printf '[Config]\nWindowPosition=0\nWindowWidth=4\n[Item]\n'
    seq 0 9999 | awk '{printf "ItemName%d=item %d\nItemPath%d=/bin/true\n", $1, $1, $1}'
)
move_to 640 400
start_app
summon_panel $((SCREEN_W - 2)) 300
[ "$PW" -eq 519 ] || fail "the panel is $PW pixels wide, not three times 173"

has_icon() { xprop -id "$1" _NET_WM_ICON | grep -q 'Icon (48 x 48)'; }
wait_for 5 "the panel's icon" has_icon "$PANEL"

# The item dialog of the first item: the new label typed, then its change button clicked.
click_panel 40 52
click_panel 40 52 3
wait_for 5 "the item dialog" visible_window "情報変更"
DIALOG=$(visible_window "情報変更")
wait_for 5 "the dialog's frame" framed "$DIALOG"
clear_of_panel "$DIALOG" "the item dialog"
wait_for 5 "the item dialog's icon" has_icon "$DIALOG"
xdotool type --delay 20 renamed
xdotool mousemove --window "$DIALOG" 352 98 click 1 # "変更(&U)"
wait_for 5 "the item dialog to close" sh -c '! xdotool search --onlyvisible --name "^情報変更\$"'
ok "$wm_name: the item dialog opens clear of a wide panel, carries the icon, and its button takes the click"

# No room for a separator in the full list: the message.
click_panel 130 32 # "空白(&S)"
wait_for 5 "the message" visible_window "処理中断"
MESSAGE=$(visible_window "処理中断")
wait_for 5 "the message's frame" framed "$MESSAGE"
clear_of_panel "$MESSAGE" "the message"
xdotool key Return
wait_for 5 "the message to close" sh -c '! xdotool search --onlyvisible --name "^処理中断\$"'
ok "$wm_name: the message opens clear of the panel"

click_panel 42 12 # "終了(&E)"
wait_exit
grep -qx 'ItemName0=renamed' "$SETTINGS" || { head -5 "$SETTINGS"; fail "the change button did not apply"; }
ok "$wm_name: the change reached the settings file"
