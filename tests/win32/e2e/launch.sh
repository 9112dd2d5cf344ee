#!/usr/bin/env bash
# Velmora.exe under Wine: a double-click starts a quoted program path with its parameters in its
# own folder, and the panel hides after the launch.
# (Drags from an X program into Wine are not run here: Wine's bridge from X drags loses some of
# them — a press that never reaches the source, a drag the window under it never answers. The
# panel's drop targets are tested in the Win32 front end's tests.)
. "$(dirname "$0")/lib.sh"
: "${VELMORA_RECORDER:?the recorder program (velmora_recorder.exe)}"
start_display
mkdir -p "$WORK/my dir"
cp "$VELMORA_RECORDER" "$WORK/my dir/rec.exe"
dir=$(winpath "$WORK/my dir")
prepare_app <<INI
[Config]
WindowPosition=0
[Item]
ItemName0=quoted
ItemPath0="$dir\\rec.exe" -a "b c"
INI
xdotool mousemove 640 400
start_app
summon_first $((SCREEN_W - 2)) 300
# The first entry of the list: its client area starts at y 46.
click_panel 40 52
xdotool click --repeat 2 --delay 80 1
wait_for 15 "the recorder to run" test -s "$WORK/my dir/rec-out.txt"
printf '%s\n' "$dir" "[-a]" "[b c]" >"$WORK/expected.txt"
diff "$WORK/expected.txt" "$WORK/my dir/rec-out.txt" || fail "recorded parameters or folder differ"
wait_for 5 "the panel to hide after the launch" panel_hidden
ok "a quoted program path with parameters starts in its folder"

