#!/usr/bin/env bash
# Velmora.exe under Wine: a settings file of 10000 items loads and is saved back whole; at
# 144 DPI the panel and the dialogs are laid out at 1.5 times their size.
. "$(dirname "$0")/lib.sh"
start_display
{
    printf '[Config]\nWindowPosition=0\n[Item]\n'
    for i in $(seq 0 9999); do printf 'ItemName%d=item %d\nItemPath%d=C:\\tools\\item%d.exe\n' "$i" "$i" "$i" "$i"; done
} >"$WORK/items.ini"
prepare_app <"$WORK/items.ini"
xdotool mousemove 640 400
start_app
summon_first $((SCREEN_W - 2)) 300
click_panel 42 12
wait_exit
tr -d '\r' <"$SETTINGS" >"$WORK/saved.ini"
grep -qx 'ItemName9999=item 9999' "$WORK/saved.ini" && grep -qx 'ItemPath9999=C:\\tools\\item9999.exe' "$WORK/saved.ini" ||
    fail "the 10000th item did not survive"
ok "10000 items load and are saved back"

restore_dpi() {
    velmora_wine_dpi 96
    cleanup_wine
}
trap restore_dpi EXIT
velmora_wine_dpi 144
printf '[Config]\nWindowPosition=0\n' >"$SETTINGS"
xdotool mousemove 640 400
start_app
summon_first $((SCREEN_W - 2)) 300
# 2595 and 6735 twips at 10 twips per pixel, rounded half to even.
[ "$PX $PY $PW $PH" = "$((SCREEN_W - 260)) 0 260 674" ] || fail "panel at $PX $PY ${PW}x$PH at 144 DPI"
screenshot windows-panel-144dpi "${PW}x${PH}+${PX}+${PY}"
ok "at 144 DPI the panel is 260x674 in its corner"

click_panel $((1365 / 10 + 40)) 15   # "設定(&C)" at 1.5 times
wait_for 10 "the settings dialog" visible_window "設定"
read -r _ _ dw dh < <(geometry_of "$(visible_window "設定")")
# The client area alone is 333x250 at 144 DPI (222x167 at 96 DPI).
[ "$dw" -ge 333 ] && [ "$dh" -ge 250 ] || fail "the settings dialog is ${dw}x$dh at 144 DPI"
xdotool key Escape
ok "at 144 DPI the settings dialog is laid out larger (${dw}x$dh)"
