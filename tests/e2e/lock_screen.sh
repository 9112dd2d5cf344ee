#!/usr/bin/env bash
# Nothing of Velmora over a locked screen (lock_screen.sh xscreensaver | i3lock): with the locker
# running but the screen unlocked the edge shows the panel; locked, the pointer at the edge shows
# nothing; once the locker is gone the edge works again. (A drag from another program to the edge
# still summons the panel: see drag_to_panel, used by window_manager.sh and dropped_names.sh.)
. "$(dirname "$0")/lib.sh"
locker=${1:?locker: xscreensaver or i3lock}
start_display
prepare_app <<'INI'
[Config]
WindowPosition=0
[Item]
ItemName0=secret
ItemPath0=/bin/true
INI
move_to 640 400
start_app

away_and_hidden() {
    move_to 640 400
    wait_for 5 "the panel to hide" panel_hidden
}

case $locker in
    xscreensaver)
        # xscreensaver refuses to run as root.
        as_ordinary_user
        mkdir -p "$WORK/home"
        chown "$RUNNER_NAME" "$WORK/home"
        saver() { HOME="$WORK/home" "${RUNNER[@]}" "$@"; }
        saver xscreensaver -no-splash >"$WORK/locker.log" 2>&1 &
        locker_pid=$!
        wait_for 10 "xscreensaver" saver xscreensaver-command -version
        summon_panel $((SCREEN_W - 2)) 300
        away_and_hidden
        saver xscreensaver-command -lock >/dev/null
        wait_for 10 "the lock" sh -c "HOME='$WORK/home' ${RUNNER[*]} xscreensaver-command -time | grep -q locked"
        ;;
    i3lock)
        summon_panel $((SCREEN_W - 2)) 300
        away_and_hidden
        i3lock -n >"$WORK/locker.log" 2>&1 &
        locker_pid=$!
        wait_for 10 "the lock window" xdotool search --onlyvisible --name '^i3lock$'
        ;;
    *) fail "unknown locker $locker" ;;
esac
ok "$locker: the edge shows the panel while the screen is unlocked"

move_to $((SCREEN_W - 3)) 300; move_to $((SCREEN_W - 2)) 310
assert_stays_hidden 1500
ok "$locker: locked, the pointer at the edge shows nothing"

# xscreensaver leaves its drawing to a child process, which holds the grab.
pkill -P "$locker_pid" || true
kill "$locker_pid" 2>/dev/null || true  # may have ended with its child
wait "$locker_pid" 2>/dev/null || true
move_to 640 400
summon_panel $((SCREEN_W - 2)) 300
ok "$locker: after the lock the edge works again"
stop_app TERM
