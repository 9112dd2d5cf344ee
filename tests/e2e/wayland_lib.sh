# Helpers for the tests in Wayland sessions, sourced after lib.sh: a headless compositor as an
# ordinary account with its Xwayland as the test's X display, a native window covering the screen,
# and the pointer and keys sent through the compositor's own input interface (xdotool reaches only
# X windows). VELMORA_WAYLAND_COVER: the covering window's program; VELMORA_WAYLAND_FAKE_INPUT:
# KWin's input helper; COVER_DRAG: a text/uri-list the native window drags when pressed.

# start_wayland_session mutter|mutter-two-monitors|mutter-scale-2|kwin|sway: the session (with
# a second monitor right of the primary one, 1024x768, for mutter-two-monitors; the monitor
# scaled by 2 and X programs told so, as GNOME does, for mutter-scale-2; sway as a window filling
# an Xvfb of its own, driven with xdotool there), DISPLAY and XAUTHORITY its Xwayland's, the native
# window shown, the pointer in the top-left corner.
start_wayland_session() {
    local compositor=$1 reply
    VELMORA_WAYLAND_COVER=${VELMORA_WAYLAND_COVER:?path of velmora_wayland_cover}
    # The session's programs run as an ordinary account, in a runtime folder of their own.
    as_ordinary_user
    chmod 755 "$WORK"
    # Xwayland's sockets go where every X server's do; on a machine that has run none yet the
    # ordinary account cannot make that folder as it must be (mutter then stops at start).
    [ -d /tmp/.X11-unix ] || install -d -m 1777 /tmp/.X11-unix
    RT="$WORK/runtime"
    mkdir -m 700 "$RT"
    chown "${RUNNER_NAME}" "$RT" 2>/dev/null || true
    cp "$VELMORA_WAYLAND_COVER" "$(dirname "${BASH_SOURCE[0]}")"/{wayland_input,mutter_scale}.py "$RT/"
    [ -z "${VELMORA_WAYLAND_FAKE_INPUT:-}" ] || cp "$VELMORA_WAYLAND_FAKE_INPUT" "$RT/"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$RT/bus"
    SESSION=("${RUNNER[@]}" env -u DISPLAY -u XAUTHORITY XDG_RUNTIME_DIR="$RT" HOME="$RT"
        DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" WAYLAND_DISPLAY=velmora-wl)
    "${SESSION[@]}" dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >"$WORK/bus.log" 2>&1 &
    HELPERS+=($!)
    wait_for 10 "the session bus" test -S "$RT/bus"
    case $compositor in
        mutter | mutter-two-monitors | mutter-scale-2)
            local second=()
            [ "$compositor" = mutter ] || second=(--virtual-monitor 1024x768)
            "${SESSION[@]}" mutter --headless --wayland --wayland-display=velmora-wl \
                --virtual-monitor "${SCREEN_W}x$SCREEN_H" "${second[@]}" >"$WORK/compositor.log" 2>&1 &
            INPUT_COMMAND=(/usr/bin/python3 "$RT/wayland_input.py" mutter)
            ;;
        kwin)
            # Debian's binary carries a file capability that a container may not run: a copy
            # does not.
            cp /usr/bin/kwin_wayland "$RT/kwin_wayland"
            "${SESSION[@]}" KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$RT/kwin_wayland" --virtual --xwayland \
                --socket velmora-wl --width "$SCREEN_W" --height "$SCREEN_H" --no-lockscreen \
                --no-global-shortcuts --no-kactivities >"$WORK/compositor.log" 2>&1 &
            INPUT_COMMAND=("$RT/velmora_wayland_fake_input" "$SCREEN_W" "$SCREEN_H")
            ;;
        sway)
            # Its headless back end has no pointer: it runs on an X display of its own instead,
            # whose pointer becomes its pointer.
            start_display
            printf 'output X11-1 mode %dx%d position 0 0\nxwayland force\ndefault_border none\n' \
                "$SCREEN_W" "$SCREEN_H" >"$RT/sway.conf"
            "${SESSION[@]}" DISPLAY="$DISPLAY" WLR_BACKENDS=x11 WLR_X11_OUTPUTS=1 WLR_RENDERER=pixman \
                sway -c "$RT/sway.conf" >"$WORK/compositor.log" 2>&1 &
            # It names its socket itself.
            sway_socket() { compgen -G "$RT/wayland-[0-9]"; }
            wait_for 30 "the compositor" sway_socket
            ln -s "$(basename "$(sway_socket | head -n 1)")" "$RT/velmora-wl"
            INPUT_COMMAND=(env DISPLAY="$DISPLAY" /usr/bin/python3 "$RT/wayland_input.py" x11 "$SCREEN_W" "$SCREEN_H")
            ;;
        *) fail "unknown compositor $compositor" ;;
    esac
    local compositor_pid=$!
    HELPERS+=("$compositor_pid")
    wait_for 30 "the compositor" test -S "$RT/velmora-wl"

    # Its X server: the session's Xwayland (with its authority file, where it has one).
    xwayland() {
        local pid found=1
        for pid in $(pgrep Xwayland); do
            grep -qz "^XDG_RUNTIME_DIR=$RT\$" /proc/"$pid"/environ 2>/dev/null &&
                ps -o pid=,args= -p "$pid" && found=0
        done
        return $found
    }
    wait_for 30 "Xwayland" xwayland
    local auth
    read -r DISPLAY auth < <(xwayland | awk '{for (i = 1; i < NF; ++i) {if ($i ~ /^:[0-9]+$/) d = $i; if ($i == "-auth") a = $(i + 1)}} END {print d, a}')
    export DISPLAY
    if [ -n "$auth" ]; then
        export XAUTHORITY=$auth
    else
        # KWin's and sway's Xwayland let in their own account only: this one (the tests'
        # drivers) as well.
        unset XAUTHORITY
        wait_for 10 "the X display" "${RUNNER[@]}" env DISPLAY="$DISPLAY" xhost +si:localuser:"$(id -un)"
    fi
    wait_for 10 "the X display" xdpyinfo
    # The compositor moves the pointer by logical pixels, the X server counts device pixels.
    MOTION_SCALE=1
    if [ "$compositor" = mutter-scale-2 ]; then
        # GNOME's settings daemon tells X programs the scale through Xft.dpi.
        "${SESSION[@]}" /usr/bin/python3 "$RT/mutter_scale.py" 2 || fail "mutter did not take the scale"
        echo "Xft.dpi: 192" | xrdb -merge
        MOTION_SCALE=2
    fi

    "${SESSION[@]}" "$RT/velmora_wayland_cover" ${COVER_DRAG:+"$COVER_DRAG"} >"$WORK/cover.log" 2>&1 &
    HELPERS+=($!)
    wait_for 10 "the native window" grep -qx ready "$WORK/cover.log"

    # The pointer, the buttons and the keys, through the compositor; the pointer starts in the
    # top-left corner and is followed here (PTR_X, PTR_Y).
    coproc INPUT { "${SESSION[@]}" "${INPUT_COMMAND[@]}" 2>"$WORK/input.log"; }
    HELPERS+=("$INPUT_PID")
    read -r -t 10 reply <&"${INPUT[0]}" && [ "$reply" = ready ] || fail "no input helper: $(cat "$WORK/input.log")"
    send move -10000 -10000
    PTR_X=0 PTR_Y=0
}

send() {
    local reply
    echo "$*" >&"${INPUT[1]}"
    read -r -t 10 reply <&"${INPUT[0]}" && [ "$reply" = ok ] ||
        fail "the input helper did not take: $* ($(cat "$WORK/input.log"))"
}
pointer_to() {
    send move $(awk -v x=$(($1 - PTR_X)) -v y=$(($2 - PTR_Y)) -v s="$MOTION_SCALE" 'BEGIN {print x / s, y / s}')
    PTR_X=$1 PTR_Y=$2
}
# walk_to X Y: as a hand moves it, 10 pixels a step.
walk_to() {
    while [ "$PTR_X" != "$1" ] || [ "$PTR_Y" != "$2" ]; do
        local dx=$(($1 - PTR_X)) dy=$(($2 - PTR_Y))
        dx=$((dx > 10 ? 10 : dx < -10 ? -10 : dx))
        dy=$((dy > 10 ? 10 : dy < -10 ? -10 : dy))
        pointer_to $((PTR_X + dx)) $((PTR_Y + dy))
    done
}
# flick_to X Y: as a hand flicks a mouse, 30 pixels an event along the way.
flick_to() {
    local steps
    steps=$(awk -v dx=$(($1 - PTR_X)) -v dy=$(($2 - PTR_Y)) 'BEGIN {
        d = sqrt(dx * dx + dy * dy); n = int((d + 29) / 30); print (n < 1 ? 1 : n) }')
    local x0=$PTR_X y0=$PTR_Y i
    for ((i = 1; i <= steps; ++i)); do
        pointer_to $((x0 + ($1 - x0) * i / steps)) $((y0 + ($2 - y0) * i / steps))
    done
}
# Some X program holds the keyboard grabbed (the X server refuses this one the grab).
keyboard_grabbed() {
    /usr/bin/python3 - <<'PY'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XGrabKeyboard.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
display = x.XOpenDisplay(None)
status = x.XGrabKeyboard(display, x.XDefaultRootWindow(display), 0, 1, 1, 0)
sys.exit(0 if status == 1 else 1)  # AlreadyGrabbed; a grab of ours ends with the connection
PY
}
# click_at X Y: as a hand clicks there, slowing down onto it: the last pixel is a move of its own.
# Xwayland 22 takes a press from its relative pointer, which places the press by the last move
# once more (measured under sway: a press right after one long jump lands as far off again).
click_at() {
    pointer_to $(($1 + 1)) "$2"
    pointer_to "$1" "$2"
    send button 1
    send button 0
}
# key CODE: tapped, its press and release sent together (a round trip between them, slow on a
# busy machine, would hold the key long enough to repeat).
key() { send tap "$1"; }
KEY_DELETE=111 KEY_ALT=56 KEY_UP=103 KEY_DOWN=108 KEY_A=30

# pointer_onto X Y: the pointer to X,Y over a window of ours that has just appeared there, as a
# hand reaches for what it sees. The compositor shows a window a while after the X server maps it,
# and looks for what is under a pointer only when the pointer moves: a pointer that arrived before
# the window did is over the native window below until it moves again, as a hand that has arrived
# does by a pixel or so. Done once the X server, which follows the pointer only over windows of
# its own, has it where it is.
pointer_onto() {
    local x=$1 y=$2
    pointer_to "$x" "$y"
    arrived() {
        local X Y SCREEN WINDOW
        eval "$(xdotool getmouselocation --shell 2>/dev/null)"
        [ "${X:-}" = "$PTR_X" ] && [ "${Y:-}" = "$PTR_Y" ] && return 0
        pointer_to $((x + (PTR_X == x))) "$y"
        return 1
    }
    wait_for 5 "the X server to have the pointer at $x,$y" arrived
}
