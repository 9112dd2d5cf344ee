#!/usr/bin/env bash
# Double-clicking an item runs its program with its parameters in the derived working directory;
# "終了(&E)" saves the edited list.
. "$(dirname "$0")/lib.sh"
start_display
mkdir -p "$WORK/my dir"
cat >"$WORK/my dir/rec.sh" <<SH
#!/bin/sh
{ pwd; for a in "\$@"; do echo "[\$a]"; done; } > "$WORK/out.tmp"
mv "$WORK/out.tmp" "$WORK/out.txt"
SH
chmod +x "$WORK/my dir/rec.sh"
prepare_app <<INI
[Config]
WindowPosition=0
[Item]
ItemName0=recorder
ItemPath0="$WORK/my dir/rec.sh" -a "b c"
INI
move_to 640 400
start_app
summon_panel $((SCREEN_W - 2)) 300
# The first entry of the list: list at (4, 44) in the panel.
click_panel 40 52
xdotool click --repeat 2 --delay 80 1
wait_for 10 "the recorder to run" test -s "$WORK/out.txt"
printf '%s\n' "$WORK/my dir" "[-a]" "[b c]" >"$WORK/expected.txt"
diff "$WORK/expected.txt" "$WORK/out.txt" || fail "recorded arguments differ"
wait_for 5 "the panel to hide after the launch" panel_hidden
ok "launch ran the script with its arguments in its directory"

# Edit the list: a separator at the end, then exit with the button.
summon_panel $((SCREEN_W - 2)) 300
xdotool mousemove $((PX + 40)) $((PY + 300)) click 1   # empty list area: nothing selected
click_panel 130 32     # "空白(&S)"
click_panel 42 12      # "終了(&E)"
wait_exit
grep -qx 'ItemName1=--------------------' "$SETTINGS" || { cat "$SETTINGS"; fail "separator not saved"; }
grep -qx 'ItemPath1=' "$SETTINGS" || fail "separator target not saved"
ok "exit button saved the edited list"
