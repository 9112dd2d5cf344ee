#!/usr/bin/env bash
# Files dragged from another program onto 「引数 D&D」 reach the launched program as one
# argument each, exactly as named: quotes, backslashes and spaces included.
. "$(dirname "$0")/lib.sh"
: "${VELMORA_DRAG_SOURCE:?the X drag source (velmora_drag_source)}"
start_display
mkdir -p "$WORK/my dir" "$WORK/files"
cat >"$WORK/my dir/rec.sh" <<SH
#!/bin/sh
{ for a in "\$@"; do echo "[\$a]"; done; } > "$WORK/out.tmp"
mv "$WORK/out.tmp" "$WORK/out.txt"
SH
chmod +x "$WORK/my dir/rec.sh"
names=("it's.txt" 'back\slash.txt' 'c"d e.txt')
paths=()
for name in "${names[@]}"; do
    touch "$WORK/files/$name"
    paths+=("$WORK/files/$name")
done
prepare_app <<INI
[Item]
ItemName0=recorder
ItemPath0=$WORK/my dir/rec.sh
INI
move_to 640 400
start_app
summon_panel $((SCREEN_W - 2)) 300
drag_to_panel 30 31 --files "${paths[@]}"   # the argument label
move_to 640 400
wait_for 5 "the panel to hide" panel_hidden
summon_panel $((SCREEN_W - 2)) 300
# One double-click: a click before it would make a second double-click, and a second launch
# without the argument.
move_to $((PX + 40)) $((PY + 52))
xdotool click --repeat 2 --delay 80 1
wait_for 10 "the recorder to run" test -s "$WORK/out.txt"
printf '[%s]\n' "${paths[@]}" >"$WORK/expected.txt"
diff "$WORK/expected.txt" "$WORK/out.txt" || fail "the dropped names did not arrive unchanged"
ok "names with ', \\ and \" and spaces dropped from another program arrive as one argument each"
