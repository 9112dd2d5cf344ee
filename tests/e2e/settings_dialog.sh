#!/usr/bin/env bash
# The settings dialog opened from the summoned panel with the real pointer: the width factor
# and the corner change at once and reach the settings file on exit. Pictures of the panel's
# three dialogs are kept along the way.
. "$(dirname "$0")/lib.sh"
start_display
prepare_app <<'INI'
[Config]
WindowPosition=0
CapturePixel=10
WindowWidth=0
[Item]
ItemName0=シェル
ItemPath0=/bin/sh
ItemName1=--------------------
ItemPath1=
ItemName2=端末
ItemPath2=/usr/bin/xterm
ItemName3=ドキュメント
ItemPath3=/home/me/Documents
ItemName4=読んで☆.txt
ItemPath4=/opt/velmora/読んで☆.txt
INI
move_to 640 400
start_app
summon_panel $((SCREEN_W - 2)) 300
screenshot panel "173x449+$PX+$PY"

dialog_shot() {
    local id=$1 name=$2 x y w h
    read -r x y w h < <(geometry_of "$id")
    screenshot "$name" "${w}x${h}+${x}+${y}"
}

click_panel 130 12   # "設定(&C)"
wait_for 5 "the settings dialog" visible_window "設定"
DIALOG=$(visible_window "設定")
dialog_shot "$DIALOG" settings-dialog
read -r DX DY DW DH < <(geometry_of "$DIALOG")
move_to $((DX + DW / 2)) $((DY + DH - 10))
panel_visible || fail "the panel hid while the dialog was open"
# Corner list has the focus: one down is "右下"; two tabs to the width list, two down is "2 倍".
xdotool key Down Tab Tab Down Down alt+u
wait_for 5 "the settings dialog to close" sh -c "! xdotool search --onlyvisible --name '^設定\$'"
ok "settings dialog confirmed"

wait_for 5 "the panel to hide once the pointer is elsewhere" panel_hidden
summon_panel $((SCREEN_W - 2)) 700
[ "$PX $PY $PW $PH" = "$((SCREEN_W - 346)) $((SCREEN_H - 449)) 346 449" ] || fail "panel at $PX $PY $PW $PH"
ok "panel is twice as wide, bottom right"

# The item dialog on the first item, then the About window.
click_panel 40 52
click_panel 40 52 3
wait_for 5 "the item dialog" visible_window "情報変更"
dialog_shot "$(visible_window "情報変更")" item-dialog
read -r DX DY DW DH < <(geometry_of "$(visible_window "情報変更")")
xdotool mousemove $((DX + DW / 2)) $((DY + 10)) key Escape
wait_for 5 "the item dialog to close" sh -c "! xdotool search --onlyvisible --name '^情報変更\$'"
wait_for 5 "the panel to hide" panel_hidden
summon_panel $((SCREEN_W - 2)) 700
click_panel 155 410   # "？"
wait_for 5 "the About window" visible_window "バージョン情報"
dialog_shot "$(visible_window "バージョン情報")" about-window
read -r DX DY DW DH < <(geometry_of "$(visible_window "バージョン情報")")
xdotool mousemove $((DX + DW / 2)) $((DY + 10)) key Escape
wait_for 5 "the About window to close" sh -c "! xdotool search --onlyvisible --name '^バージョン情報\$'"
ok "item dialog and About window open and close"

wait_for 5 "the panel to hide" panel_hidden
summon_panel $((SCREEN_W - 2)) 700
click_panel 42 12   # "終了(&E)"
wait_exit
grep -qx 'WindowPosition=1' "$SETTINGS" || { cat "$SETTINGS"; fail "corner not saved"; }
grep -qx 'WindowWidth=2' "$SETTINGS" || fail "width factor not saved"
grep -qx 'ItemName0=シェル' "$SETTINGS" || fail "items lost"
ok "new settings saved on exit"
