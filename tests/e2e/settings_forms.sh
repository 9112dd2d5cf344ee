#!/usr/bin/env bash
# The settings file as users bring it: a UTF-16 file and a Shift-JIS (CP932) file survive a
# session with one edit byte for byte apart from the edit; a writable file in a read-only folder
# is saved; a file that cannot be saved is announced at start-up; a second start on the same
# file ends and leaves the first one's edits alone; losing the X server still saves.
. "$(dirname "$0")/lib.sh"
start_display

# Adds a separator at the end of the list with the panel's button and exits with "終了(&E)".
add_separator_and_exit() {
    summon_panel $((SCREEN_W - 2)) 300
    xdotool mousemove $((PX + 40)) $((PY + 300)) click 1   # empty list area: nothing selected
    click_panel 130 32                                      # "空白(&S)"
    click_panel 42 12                                       # "終了(&E)"
    wait_exit
}

# Starts the program on a settings file with the one item "a", the pointer away from the edges.
start_with_one_item() {
    prepare_app <<'INI'
[Item]
ItemName0=a
ItemPath0=/a
INI
    move_to 640 400
    start_app
}

check_survives() {  # check_survives <name> <python encoding> <byte-order mark in hex or "">
    local name=$1 encoding=$2 mark=$3
    python3 - "$SETTINGS" "$WORK/expected.ini" "$encoding" "$mark" <<'PY'
import sys
path, expected, encoding, mark = sys.argv[1:5]
text = ("; 日本語のコメント\r\n[Config]\r\nWindowPosition=0\r\nCapturePixel=10\r\nWindowWidth=0\r\n"
        "[Item]\r\nItemName0=メモ帳\r\nItemPath0=C:\\Windows\\notepad.exe\r\n")
after = text + "ItemName1=--------------------\r\nItemPath1=\r\n"
open(path, "wb").write(bytes.fromhex(mark) + text.encode(encoding))
open(expected, "wb").write(bytes.fromhex(mark) + after.encode(encoding))
PY
    move_to 640 400
    start_app
    add_separator_and_exit
    cmp "$SETTINGS" "$WORK/expected.ini" || { od -c "$SETTINGS" | head; fail "the $name file did not keep its form"; }
    ok "a $name file keeps its form through a session with one edit"
}

prepare_app </dev/null
check_survives "UTF-16" utf-16-le fffe
check_survives "Shift-JIS" cp932 ""

# A folder the user may not write to, with a settings file the user may write.
as_ordinary_user
ro="$WORK/readonly"
mkdir -p "$ro"
cp "$VELMORA_BIN" "$ro/Velmora"
ro_settings="$ro/Velmora_$RUNNER_NAME.ini"
printf '[Item]\nItemName0=a\nItemPath0=/a\n' >"$ro_settings"
chown "$RUNNER_NAME" "$ro_settings" 2>/dev/null || chmod 666 "$ro_settings"
chmod 755 "$WORK" && chmod 555 "$ro"
( cd "$ro" && exec "${RUNNER[@]}" ./Velmora >"$WORK/ro.log" 2>&1 ) &
APP_PID=$!
wait_ready
add_separator_and_exit
grep -qx 'ItemName1=--------------------' "$ro_settings" || { cat "$WORK/ro.log"; fail "the writable file in a read-only folder was not saved"; }
ok "a writable file in a read-only folder is saved in place"

# Neither the file nor the folder writable, nor the user's configuration folder: the user is
# told at start-up, not at the end.
chown 0 "$ro_settings" 2>/dev/null || true
chmod 644 "$ro_settings"
( cd "$ro" && exec "${RUNNER[@]}" env XDG_CONFIG_HOME="$ro/config" ./Velmora >"$WORK/ro2.log" 2>&1 ) &
APP_PID=$!
wait_ready
wait_for 10 "the start-up warning" visible_window "処理中断"
grep -q "$ro_settings" "$WORK/ro2.log" || fail "the warning did not name the file"
ok "a settings file that cannot be saved is announced at start-up"
# Edited all the same, then 終了: the failed save is offered again; the user makes the folder
# writable and presses Enter (再試行): saved.
xdotool key Return
wait_for 5 "the warning to close" sh -c '! xdotool search --onlyvisible --name "^処理中断\$"'
summon_panel $((SCREEN_W - 2)) 300
click_panel 130 32 # "空白(&S)"
click_panel 42 12  # "終了(&E)"
wait_for 10 "the offer to try again" visible_window "処理中断"
kill -0 "$APP_PID" || fail "the program ended without offering to save again"
# A held key (or one whose release was lost) answers once; its repeats answer nothing.
reports() { grep -c '^Velmora: ' "$WORK/ro2.log"; }
before=$(reports)
xdotool keydown Return
wait_for 5 "the retry to fail once more" test "$(reports)" -gt "$before"
assert_window_stays() {
    local end=$(($(date +%s%N) + $1 * 1000000))
    while [ "$(date +%s%N)" -lt "$end" ]; do
        [ "$(reports)" -eq $((before + 1)) ] || { cat "$WORK/ro2.log"; fail "the held key answered the box again and again"; }
        sleep 0.05
    done
}
assert_window_stays 1500
xdotool keyup Return
visible_window "処理中断" >/dev/null || fail "the offer to try again went away"
chmod 777 "$ro"
xdotool key Return
wait_exit
grep -qx 'ItemName1=--------------------' "$ro_settings" || fail "the retried save did not save the edit"
chmod 755 "$ro"
ok "a failed save at the end is offered again, a held key answers it once, and the retry saves the edit"

# A second start on the same settings file ends and leaves the first one's edits alone.
start_with_one_item
first=$APP_PID
(cd "$WORK/app" && exec ./Velmora >"$WORK/second.log" 2>&1) &
APP_PID=$!
wait_for 10 "the second start's message" visible_window "処理中断"
read -r bx by bw bh < <(geometry_of "$(visible_window "処理中断")")
move_to $((bx + bw / 2)) $((by + bh / 2))
xdotool key Return
wait_exit
APP_PID=$first
add_separator_and_exit
grep -qx 'ItemName1=--------------------' "$SETTINGS" || fail "the first instance's edit was lost"
ok "a second start on the same file says so and ends; the first keeps its edits"

# The X server goes away after an edit: the edit is saved all the same.
start_with_one_item
summon_panel $((SCREEN_W - 2)) 300
xdotool mousemove $((PX + 40)) $((PY + 300)) click 1
click_panel 130 32   # "空白(&S)"
kill "$VELMORA_XVFB_PID"
VELMORA_XVFB_PID=
wait_exit
grep -qx 'ItemName1=--------------------' "$SETTINGS" || { cat "$WORK/app.log"; fail "the edit was lost with the display"; }
ok "losing the X server after an edit still saves it"
