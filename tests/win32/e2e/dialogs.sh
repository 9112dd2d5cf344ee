#!/usr/bin/env bash
# Velmora.exe under Wine: the settings dialog moves the panel to another corner; the item dialog
# and the About window open over the panel and close with the keyboard; a save that fails at the
# end is offered again. Screenshots of all three dialogs.
. "$(dirname "$0")/lib.sh"
start_display
prepare_app <<'INI'
[Item]
ItemName0=notepad
ItemPath0=C:\windows\notepad.exe
INI
xdotool mousemove 640 400
start_app
summon_first $((SCREEN_W - 2)) 300

dialog_open() { visible_window "$1" >/dev/null; }
dialog_closed() { ! dialog_open "$1"; }
shoot_dialog() {
    local id x y w h
    id=$(visible_window "$1")
    read -r x y w h < <(geometry_of "$id")
    screenshot "$2" "${w}x${h}+${x}+${y}"
}

click_panel 130 12   # "設定(&C)"
wait_for 10 "the settings dialog" dialog_open "設定"
shoot_dialog "設定" windows-settings
# The corner list has the focus: two entries down is "左上"; Tab to "更新(&U)" and press it.
xdotool key Down Down Tab Tab Tab space
wait_for 5 "the settings dialog to close" dialog_closed "設定"
xdotool mousemove 640 400
wait_for 5 "the panel to hide" panel_hidden
summon_panel 1 300
[ "$PX $PY" = "0 0" ] || fail "the panel is at $PX $PY, not in the top-left corner"
ok "the settings dialog moved the panel to the top-left corner"

click_panel 40 52
click_panel 40 52 3   # right click: the item dialog
wait_for 10 "the item dialog" dialog_open "情報変更"
shoot_dialog "情報変更" windows-item
xdotool key Escape
wait_for 5 "the item dialog to close" dialog_closed "情報変更"
ok "the item dialog opens on a right click and closes with Esc"

click_panel 155 410   # "？"
wait_for 10 "the About window" dialog_open "バージョン情報"
shoot_dialog "バージョン情報" windows-about
xdotool key Return
wait_for 5 "the About window to close" dialog_closed "バージョン情報"
ok "the About window opens and closes with Enter"

# The settings file made read-only meanwhile: 終了 says the save failed and offers to try again;
# the attribute cleared, Enter (再試行, the default) saves.
"$VELMORA_WINE" attrib +r "$(winpath "$SETTINGS")" >/dev/null 2>&1
click_panel 42 12
wait_for 15 "the offer to try again" dialog_open "処理中断"
kill -0 "$APP_PID" || fail "the program ended without offering to save again"
"$VELMORA_WINE" attrib -r "$(winpath "$SETTINGS")" >/dev/null 2>&1
xdotool key Return
wait_exit
tr -d '\r' <"$SETTINGS" | grep -qx 'WindowPosition=2' || { cat "$SETTINGS"; fail "the corner was not saved"; }
ok "a save that failed at the end was offered again, and the retry saved the new corner"
