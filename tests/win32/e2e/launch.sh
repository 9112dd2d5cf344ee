#!/usr/bin/env bash
# Velmora.exe under Wine: a double-click starts a quoted program path with its parameters in its
# own folder; an ASCII text dropped from an X program on the argument label is the next launch's
# parameters; a file dragged in from an X program becomes an item.
. "$(dirname "$0")/lib.sh"
: "${VELMORA_RECORDER:?the recorder program (velmora_recorder.exe)}"
: "${VELMORA_DRAG_SOURCE:?the X drag source (velmora_drag_source)}"
start_display
mkdir -p "$WORK/my dir"
cp "$VELMORA_RECORDER" "$WORK/my dir/rec.exe"
touch "$WORK/dropped file.txt"
dir=$(winpath "$WORK/my dir")
prepare_app <<INI
[Config]
WindowPosition=0
[Item]
ItemName0=quoted
ItemPath0="$dir\\rec.exe" -a "b c"
ItemName1=plain
ItemPath1=$dir\\rec.exe
INI
xdotool mousemove 640 400
start_app
summon_first $((SCREEN_W - 2)) 300
# Entries of the list: the list's client area starts at y 46 and an entry is 13 to 16 pixels high.
item_y() { [ "$1" -eq 0 ] && echo 52 || echo 67; }

click_panel 40 "$(item_y 0)"
xdotool click --repeat 2 --delay 80 1
wait_for 15 "the recorder to run" test -s "$WORK/my dir/rec-out.txt"
printf '%s\n' "$dir" "[-a]" "[b c]" >"$WORK/expected.txt"
diff "$WORK/expected.txt" "$WORK/my dir/rec-out.txt" || fail "recorded parameters or folder differ"
wait_for 5 "the panel to hide after the launch" panel_hidden
ok "a quoted program path with parameters starts in its folder"

rm "$WORK/my dir/rec-out.txt"
summon_panel $((SCREEN_W - 2)) 300
drag_to_panel 30 31 --text "-x --flag"   # the argument label
summon_panel $((SCREEN_W - 2)) 300
click_panel 40 "$(item_y 1)"
xdotool click --repeat 2 --delay 80 1
wait_for 15 "the recorder to run with the dropped text" test -s "$WORK/my dir/rec-out.txt"
printf '%s\n' "$dir" "[-x]" "[--flag]" >"$WORK/expected.txt"
diff "$WORK/expected.txt" "$WORK/my dir/rec-out.txt" || fail "the dropped text was not the parameters"
ok "text dropped on the argument label from an X program is the next launch's parameters"

summon_panel $((SCREEN_W - 2)) 300
drag_to_panel 80 200 --files "$WORK/dropped file.txt"
summon_panel $((SCREEN_W - 2)) 300
click_panel 42 12   # "終了(&E)"
wait_exit
tr -d '\r' <"$SETTINGS" >"$WORK/saved.ini"
grep -qx 'ItemName2=dropped file.txt' "$WORK/saved.ini" &&
    grep -qxF "ItemPath2=$(winpath "$WORK/dropped file.txt")" "$WORK/saved.ini" ||
    { cat "$SETTINGS"; fail "the dropped file is not an item"; }
ok "a file dragged in from an X program becomes an item"
