# Shared helpers for the end-to-end tests: a private X display, the real executable copied into a
# scratch folder, the real pointer moved as a device moves it, and polling with deadlines (never
# fixed sleeps).
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"

VELMORA_BIN=${VELMORA_BIN:?path of the built Velmora executable}
SCREEN_W=1280
SCREEN_H=800
WORK=$(mktemp -d /tmp/velmora-e2e.XXXXXX)
VELMORA_XVFB_PID=
APP_PID=

DRAG_SOURCES=()
HELPERS=() # window managers, session buses: ended with the test, with what they started

cleanup() {
    [ -n "$APP_PID" ] && kill -KILL "$APP_PID" 2>/dev/null || true
    for pid in "${DRAG_SOURCES[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${HELPERS[@]}"; do
        pkill -P "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    [ -n "$VELMORA_XVFB_PID" ] && kill "$VELMORA_XVFB_PID" 2>/dev/null || true
    [ -n "${VELMORA_E2E_KEEP:-}" ] && echo "kept: $WORK" >&2 || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    # What the X server had then, for the log: its top windows, the panel's kind, the pointer.
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        xwininfo -root -children 2>/dev/null | grep -E '^ +0x' | head -n 40 >&2 || true
        [ -z "${PANEL:-}" ] || xprop -id "$PANEL" _NET_WM_WINDOW_TYPE _NET_WM_STATE >&2 2>/dev/null || true
        xdotool getmouselocation >&2 2>/dev/null || true
    fi
    exit 1
}

# Polls a command until it succeeds; false once the deadline (seconds) has passed.
poll_until() {
    local deadline=$1
    shift
    local end=$(($(date +%s%N) + deadline * 1000000000))
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s%N)" -lt "$end" ] || return 1
        sleep 0.05
    done
}

# Polls a command until it succeeds, or fails the test after the deadline (seconds).
wait_for() {
    local deadline=$1 what=$2
    shift 2
    poll_until "$deadline" "$@" || fail "timed out waiting for $what"
}

start_display() {
    velmora_start_xvfb "$WORK" || fail "Xvfb did not start"
    export LC_ALL=C.UTF-8
}

# A session bus of the test's own, for desktops that need one. What it starts for them (KDE's
# global shortcuts, say) runs on the test's display and writes to a log, not to the test's output,
# whose end the test runner waits for.
start_session_bus() {
    local socket="$WORK/session-bus"
    dbus-daemon --session --nofork --address="unix:path=$socket" >"$WORK/bus.log" 2>&1 &
    HELPERS+=($!)
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$socket"
    wait_for 10 "the session bus" test -S "$socket"
    dbus-update-activation-environment DISPLAY QT_QPA_PLATFORM LC_ALL
}

# Copies the executable into $WORK/app (as VELMORA_APP_NAME, Velmora by default) and writes its
# settings file from standard input (no input: no settings file).
prepare_app() {
    mkdir -p "$WORK/app"
    cp "$VELMORA_BIN" "$WORK/app/${VELMORA_APP_NAME:-Velmora}"
    SETTINGS="$WORK/app/Velmora_$(id -un).ini"
    if [ ! -t 0 ]; then
        local content
        content=$(cat)
        [ -z "$content" ] || printf '%s\n' "$content" >"$SETTINGS"
    fi
}

# True once the program catches SIGTERM: start-up is over and the panel unloads on a signal.
catches_sigterm() {
    local mask
    mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$1/status" 2>/dev/null) || return 1
    [ -n "$mask" ] && (((0x$mask >> 14) & 1))
}

wait_ready() {
    wait_for 30 "Velmora to start" catches_sigterm "$APP_PID"
}

start_app() {
    (cd "$WORK/app" && exec ./Velmora "$@" >"$WORK/app.log" 2>&1) &
    APP_PID=$!
    wait_ready
}

# Sets RUNNER (a command prefix) and RUNNER_NAME so that a program runs as an ordinary account:
# root reads and writes anything, which would hide the permission checks under test.
as_ordinary_user() {
    if [ "$(id -u)" -eq 0 ]; then
        RUNNER=(setpriv --reuid=65534 --regid=65534 --clear-groups)
        RUNNER_NAME=$(getent passwd 65534 | cut -d: -f1)
    else
        RUNNER=()
        RUNNER_NAME=$(id -un)
    fi
}

# Waits for the program to end (after the exit button or a signal).
wait_exit() {
    local end=$(($(date +%s) + 20))
    while kill -0 "$APP_PID" 2>/dev/null; do
        [ "$(date +%s)" -lt "$end" ] || fail "Velmora did not end"
        sleep 0.05
    done
    APP_PID=
}

stop_app() {
    kill -"${1:-TERM}" "$APP_PID"
    wait_exit
}

# The visible window of ours with the given title (the untitled panel shows as "Velmora").
visible_window() {
    local title=$1 id
    for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$title" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

panel_visible() { visible_window "Velmora" >/dev/null; }
panel_hidden() { ! panel_visible; }

# X, Y, WIDTH, HEIGHT of a window in root coordinates.
geometry_of() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

# Watches for a while (ticks every 250 ms) that the panel does not appear.
assert_stays_hidden() {
    local end=$(($(date +%s%N) + $1 * 1000000))
    while [ "$(date +%s%N)" -lt "$end" ]; do
        panel_hidden || fail "the panel appeared unasked"
        sleep 0.05
    done
}

# Watches for a while that the panel stays (under the pointer, say).
assert_stays_visible() {
    local end=$(($(date +%s%N) + $1 * 1000000))
    while [ "$(date +%s%N)" -lt "$end" ]; do
        panel_visible || fail "the panel hid under the pointer"
        sleep 0.05
    done
}

# Moves the pointer as a pointing device does (XTest motion): the hidden panel rests while the
# pointer does and wakes on the X server's raw motion, which xdotool's warp does not make.
move_to() { xte -x "$DISPLAY" "mousemove $1 $2"; }

# glide_to X Y [STEPS]: the pointer moved there as a hand moves a mouse, in steps of 8 ms from
# where it is (a flick with few steps, a glide with many).
glide_to() {
    local steps=${3:-12} x0 y0 i commands=()
    eval "$(xdotool getmouselocation --shell)"
    x0=$X y0=$Y
    for i in $(seq 1 "$steps"); do
        commands+=("mousemove $((x0 + ($1 - x0) * i / steps)) $((y0 + ($2 - y0) * i / steps))" "usleep 8000")
    done
    xte -x "$DISPLAY" "${commands[@]}"
}

# warp_after_key X Y: what a keyboard pointer tool (keynav) does: a key, and the pointer warped
# (no motion of a device) in answer.
warp_after_key() { xdotool key shift mousemove "$1" "$2"; }

# rests PID SECONDS: within the deadline, the process makes no wake-up for a whole second.
rests() { poll_until "$2" still_for_a_second "$1"; }
still_for_a_second() {
    local before
    before=$(thread_switches "$1")
    sleep 1
    [ "$(wakeups_since "$before" "$1")" = 0 ]
}
# The context switches of each thread of a process so far, "TID COUNT" a line: each is a wake-up
# (or a preemption).
thread_switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" '/ctxt_switches/ {n += $2} END {print tid, n}' "$task/status" 2>/dev/null
    done
}
# wakeups_since "$(thread_switches PID)" PID: the wake-ups since, of the threads there then and now
# (a thread that ended takes its count with it).
wakeups_since() { join <(sort <<<"$1") <(thread_switches "$2" | sort) | awk '{n += $3 - $2} END {print n + 0}'; }

summon_panel() {
    move_to "$1" "$2"
    wait_for 5 "the panel to appear" panel_place
}
# The shown panel's id and place. This xdotool's search stops short when a window goes while it
# looks (Wine's come and go), so a caller polls it.
panel_place() {
    PANEL=$(visible_window "Velmora") && read -r PX PY PW PH < <(geometry_of "$PANEL")
}

# Clicks at a point given relative to the panel's top-left corner.
click_panel() {
    move_to $((PX + $1)) $((PY + $2))
    xdotool click "${3:-1}"
}

# start_window_manager NAME: a window manager on the display (ended with the test), once it
# manages: openbox, xfwm4 (it reads its settings over D-Bus: run under dbus-run-session),
# kwin_x11, kwin_x11-nocompositing, mutter.
start_window_manager() {
    case $1 in
        openbox) openbox ;;
        xfwm4) xfwm4 --compositor=off ;;
        kwin_x11) kwin_x11 --no-kactivities ;;
        kwin_x11-nocompositing) KWIN_COMPOSE=N kwin_x11 --no-kactivities ;;
        mutter) mutter --x11 ;;
        *) fail "unknown window manager $1" ;;
    esac >"$WORK/wm.log" 2>&1 &
    HELPERS+=($!)
    wait_for 30 "the window manager" sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
    # Announced is not yet managing: openbox now and then never frames a window that maps while
    # it starts (measured: such a window stays unmapped). Ready once a probe window is framed; a
    # map the window manager missed is asked for again.
    xmessage -title velmora-wm-probe probe >/dev/null 2>&1 &
    local probe=$!
    wait_for 30 "the window manager to manage windows" wm_frames_probe
    kill "$probe"
    wait "$probe" 2>/dev/null || true
}
wm_frames_probe() {
    local id
    id=$(xdotool search --name '^velmora-wm-probe$' 2>/dev/null | head -n 1)
    [ -n "$id" ] || return 1
    framed "$id" && return 0
    xdotool windowmap "$id" 2>/dev/null
    return 1
}

has_focus() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
# The window manager has put the window into a frame of its own.
framed() { [ "$(root_child_of "$1")" != "$(printf '0x%x' "$1")" ]; }

# X, Y, WIDTH, HEIGHT of a window in root coordinates, as the X server has them (xdotool counts a
# frame twice under some compositors).
abs_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF}
        END {print x, y, w, h}'
}

# The root window's child that holds a window: its window manager's frame, if it has one.
root_child_of() {
    local window info
    window=$(printf '0x%x' "$1")
    while info=$(xwininfo -tree -id "$window") && [[ "$info" != *"Parent window id: "*"(the root window)"* ]]; do
        window=$(awk '/Parent window id:/ {print $4}' <<<"$info")
    done
    echo "$window"
}

# clear_of_panel WINDOW WHAT: the window, with its frame, lies on the screen and beside the panel
# (PX, PW), never under it.
clear_of_panel() {
    local x y w h
    read -r x y w h < <(abs_geometry "$(root_child_of "$1")")
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$SCREEN_W" ] && [ $((y + h)) -le "$SCREEN_H" ] ||
        fail "$2 at $x,$y ${w}x$h is not wholly on the screen"
    [ $((x + w)) -le "$PX" ] || [ "$x" -ge $((PX + PW)) ] ||
        fail "$2 at $x,$y ${w}x$h lies under the panel at $PX ($PW wide)"
}

screenshot() {
    [ -n "${VELMORA_SCREENSHOT_DIR:-}" ] || return 0
    mkdir -p "$VELMORA_SCREENSHOT_DIR"
    if [ $# -ge 2 ]; then
        import -window root -crop "$2" +repage "$VELMORA_SCREENSHOT_DIR/$1.png"
    else
        import -window root "$VELMORA_SCREENSHOT_DIR/$1.png"
    fi
}

ok() { echo "ok - $*"; }

# Drags from velmora_drag_source (an X program) onto a point of the panel, through the strip so
# the panel is there: drag_to_panel X Y --files PATH... | --text TEXT
# The hand is on the file before it presses, as the source itself tells: a press made at once
# after xdotool's jump of the pointer now and then never reached the source (under Wine about
# one drag in ten never started).
drag_to_panel() {
    local x=$1 y=$2
    shift 2
    local answers="$WORK/drag-source-${#DRAG_SOURCES[@]}.log"
    "$VELMORA_DRAG_SOURCE" 300 300 "$@" >"$answers" 2>/dev/null &
    DRAG_SOURCES+=($!)
    wait_for 10 "the drag source" xdotool search --onlyvisible --name '^velmora-drag-source$'
    move_to 340 320
    wait_for 5 "the pointer on the drag source" source_says entered "$answers"
    xte -x "$DISPLAY" "mousedown 1"
    wait_for 5 "the drag to start" source_says dragging "$answers"
    move_to 350 330
    move_to $((SCREEN_W - 2)) 300
    wait_for 5 "the panel during the drag" panel_visible
    move_to $((PX + x - 4)) $((PY + y - 4))
    move_to $((PX + x)) $((PY + y))
    # Released once the panel has answered a position message and accepted the drag (XDND drops
    # nothing before that).
    wait_for 5 "the panel to accept the drag" drag_answer_is accepted "$answers"
    xte -x "$DISPLAY" "mouseup 1"
    # The source stays to answer the target's requests for the data, and is ended with the test.
    wait_for 10 "the drag to end" source_says "drag over" "$answers"
}

source_says() { grep -qx "$1" "$2"; }
drag_answer_is() { [ "$(grep -E '^(accepted|refused)$' "$2" | tail -n 1)" = "$1" ]; }
