# Starts a private virtual X display, 1280x800 (or VELMORA_SCREEN), on a free display number,
# and exports DISPLAY.
# velmora_start_xvfb <scratch folder>; the server's PID is left in VELMORA_XVFB_PID.
# -noreset: by default the server resets when its last client leaves (an xdotool call, say), and a
# client connecting during that reset is refused.
velmora_start_xvfb() {
    local fifo="$1/displayfd" number
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${VELMORA_SCREEN:-1280x800}x24" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    VELMORA_XVFB_PID=$!
    read -r -t 20 number <"$fifo" || return 1
    export DISPLAY=":$number" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}
