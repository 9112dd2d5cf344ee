#!/usr/bin/env bash
# The save under faults: killed at random moments it leaves the complete old or the complete new
# file; past a file-size limit or in a folder it may not write to, it reports the failure and
# leaves the old file intact.
. "$(dirname "$0")/lib.sh"
start_display

items_file() {  # a large list, with a width factor the save will correct so old and new differ
    printf '[Config]\nWindowPosition=0\nCapturePixel=10\nWindowWidth=9\n[Item]\n'
    for i in $(seq 0 9999); do
        printf 'ItemName%d=アイテム %d\nItemPath%d="/opt/some folder/program-%d" --option=%d\n' "$i" "$i" "$i" "$i" "$i"
    done
}
prepare_app </dev/null
items_file >"$WORK/old.ini"

# The new content: what one undisturbed save writes.
cp "$WORK/old.ini" "$SETTINGS"
start_app
stop_app TERM
cp "$SETTINGS" "$WORK/new.ini"
cmp -s "$WORK/old.ini" "$WORK/new.ini" && fail "the save changed nothing; the test could not tell old from new"
grep -qx 'WindowWidth=0' "$WORK/new.ini" || fail "unexpected new content"

old=0 new=0
for try in $(seq 1 60); do
    cp "$WORK/old.ini" "$SETTINGS"
    start_app
    kill -TERM "$APP_PID"
    sleep "0.0$((RANDOM % 10))$((RANDOM % 10))"
    kill -KILL "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    if cmp -s "$SETTINGS" "$WORK/old.ini"; then
        old=$((old + 1))
    elif cmp -s "$SETTINGS" "$WORK/new.ini"; then
        new=$((new + 1))
    else
        cp "$SETTINGS" "$WORK/broken.ini"
        fail "try $try left a file that is neither the old nor the new one"
    fi
done
ok "60 kills during the save: $old left the old file, $new the new one, none anything else"

# A file-size limit stands in for a full disk.
cp "$WORK/old.ini" "$SETTINGS"
( ulimit -f 100; cd "$WORK/app" && exec ./Velmora >"$WORK/limit.log" 2>&1 ) &
APP_PID=$!
wait_ready
stop_app TERM
cmp -s "$SETTINGS" "$WORK/old.ini" || fail "a save past the size limit damaged the old file"
grep -q "$SETTINGS" "$WORK/limit.log" || { cat "$WORK/limit.log"; fail "the failed save was not reported"; }
ok "save past the file-size limit reported, old file intact: $(tail -n 1 "$WORK/limit.log")"

# A folder the user may not write to, and no configuration folder of the user's to go to.
ro="$WORK/readonly"
mkdir -p "$ro"
cp "$VELMORA_BIN" "$ro/Velmora"
as_ordinary_user
ro_settings="$ro/Velmora_$RUNNER_NAME.ini"
head -n 40 "$WORK/old.ini" >"$ro_settings"
chmod 755 "$WORK" "$ro" && chmod 644 "$ro_settings" && chmod 555 "$ro"
cp "$ro_settings" "$WORK/ro-before.ini"
( cd "$ro" && exec "${RUNNER[@]}" env XDG_CONFIG_HOME="$ro/config" ./Velmora >"$WORK/ro.log" 2>&1 ) &
APP_PID=$!
wait_ready
stop_app TERM
chmod 755 "$ro"
cmp -s "$ro_settings" "$WORK/ro-before.ini" || fail "the read-only folder's file changed"
grep -q "$ro_settings" "$WORK/ro.log" || { cat "$WORK/ro.log"; fail "the failed save was not reported"; }
ok "save into a read-only folder reported, old file intact: $(tail -n 1 "$WORK/ro.log")"
