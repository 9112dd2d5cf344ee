#!/usr/bin/env bash
# Start-up survives whatever lies in the settings file's place, and the panel still works.
. "$(dirname "$0")/lib.sh"
start_display

check_starts() {  # check_starts <what>: start, summon the panel, end with SIGTERM
    move_to 640 400
    start_app
    summon_panel $((SCREEN_W - 2)) 300
    move_to 640 400
    stop_app TERM
    ok "$1: started, panel summoned, ended"
}

prepare_app </dev/null
head -c 2000000 /dev/urandom >"$SETTINGS"
check_starts "binary garbage"
# Garbage decodes as a mix of UTF-8 and legacy lines, which is saved as UTF-16LE; new lines take
# the file's first line end, which in garbage may be a lone CR.
python3 - "$SETTINGS" <<'PY' || fail "garbage file not given its settings on save"
import sys
data = open(sys.argv[1], "rb").read()
text = data[2:].decode("utf-16-le", "replace") if data[:2] == b"\xff\xfe" else data.decode("utf-8", "replace")
sys.exit(0 if "WindowPosition=0" in text.replace("\r", "\n").split("\n") else 1)
PY

{ printf '[Item]\nItemName0=a\0b\nItemPath0=/x\0y\n'; head -c 1048576 /dev/zero | tr '\0' 'x'; printf '\n'; } >"$SETTINGS"
check_starts "NUL bytes and a 1 MB line"

python3 - "$SETTINGS" <<'PY'
import sys
with open(sys.argv[1], "w") as f:
    f.write("[Item]\n")
    for i in range(20000):
        f.write(f"ItemName{i}=item {i}\nItemPath{i}=/bin/true\n")
    f.write("; " + "z" * (50 * 1024 * 1024) + "\n")
PY
check_starts "20000 items and a 50 MB file"
grep -q '^ItemName9999=item 9999$' "$SETTINGS" || fail "items lost"
grep -q '^ItemName10000=' "$SETTINGS" && fail "the 10001st item's keys should have been deleted"
grep -q '^ItemName10001=item 10001$' "$SETTINGS" || fail "keys above the deleted range were touched"

rm -f "$SETTINGS"
mkdir "$SETTINGS"
check_starts "a directory in the file's place"
[ -d "$SETTINGS" ] || fail "the directory was replaced"
grep -q "$SETTINGS" "$WORK/app.log" || fail "the refused save was not reported"

# A file the user may not read, in a folder the user may write to: the save must not replace
# the items it never loaded.
as_ordinary_user
locked="$WORK/locked"
mkdir -p "$locked"
cp "$VELMORA_BIN" "$locked/Velmora"
locked_settings="$locked/Velmora_$RUNNER_NAME.ini"
printf '[Item]\nItemName0=keep me\nItemPath0=/bin/true\n' >"$locked_settings"
cp "$locked_settings" "$WORK/locked-before.ini"
chmod 755 "$WORK" && chmod 777 "$locked" && chmod 000 "$locked_settings"
move_to 640 400
( cd "$locked" && exec "${RUNNER[@]}" ./Velmora >"$WORK/locked.log" 2>&1 ) &
APP_PID=$!
wait_ready
summon_panel $((SCREEN_W - 2)) 300
move_to 640 400
stop_app TERM
chmod 644 "$locked_settings"
cmp -s "$locked_settings" "$WORK/locked-before.ini" || fail "the unreadable file was replaced"
grep -q "$locked_settings" "$WORK/locked.log" || { cat "$WORK/locked.log"; fail "the refused save was not reported"; }
ok "a file without read permission: started, panel summoned, file kept, refusal reported"
