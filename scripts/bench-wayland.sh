#!/usr/bin/env bash
# scripts/bench-wayland.sh mutter|kwin: the hidden panel's idle cost and how fast it appears in a
# Wayland session (the compositor headless, Velmora through its Xwayland), over a native window
# that covers the screen. Run by bench.sh after its release build.
set -euo pipefail
cd "$(dirname "$0")/.."
compositor=${1:?compositor: mutter or kwin}
bin="$PWD/build-release"
VELMORA_BIN="$bin/Velmora"
MAP_PROBE="$bin/benchmarks/velmora_map_probe"
# The native window and KWin's input come from the tests' build.
cmake -S . -B build >/dev/null
cmake --build build --target velmora_wayland_cover velmora_wayland_fake_input >/dev/null
VELMORA_WAYLAND_COVER="$PWD/build/tests/e2e/velmora_wayland_cover"
VELMORA_WAYLAND_FAKE_INPUT="$PWD/build/tests/e2e/velmora_wayland_fake_input"
. tests/e2e/lib.sh
. tests/e2e/wayland_lib.sh
. scripts/bench-lib.sh

start_wayland_session "$compositor"
prepare_app </dev/null
pointer_to 640 400
start_app
# The pointer reaches the X server only over an X window: the edge strip must be up first.
wait_for 10 "the edge strip" visible_window velmora-edge
# A shown panel is left as a hand leaves it, from on it: a jump straight off a panel that the
# compositor does not show yet leaves it shown (README).
bench_move() {
    if panel_visible; then pointer_onto $((SCREEN_W - 80)) 200; fi
    pointer_to "$1" "$2"
}
bench_reveal() { reveal_after pointer_to "$@"; }
# The glide of velmora_map_probe, through the compositor: 8 ms apart, 380, 230 and 80 px left of
# X,Y, then X,Y (timed from here) and 4, 8 and 12 px below it.
glide_through_compositor() {
    local before
    for before in 380 230 80; do
        pointer_to $(($1 - before)) "$2"
        sleep 0.008
    done
    date +%s%N >"$WORK/entered"
    pointer_to "$1" "$2"
    for before in 4 8 12; do
        sleep 0.008
        pointer_to "$1" $(($2 + before))
    done
}
bench_glide() { reveal_after glide_through_compositor "$@"; }
pointer_to $((SCREEN_W - 2)) 300
wait_for 10 "the panel to appear" panel_visible
bench_move 640 400
wait_for 5 "the panel to hide" panel_hidden
echo "Hidden, the pointer away from the edge, over 60 s (goal: no wake-ups, no CPU):"
cpu() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
before=$(cpu) woken=$(thread_switches "$APP_PID")
sleep 60
echo "wake-ups while hidden: $(wakeups_since "$woken" "$APP_PID") in 60 s, CPU $(awk -v t=$(($(cpu) - before)) -v hz="$(getconf CLK_TCK)" 'BEGIN {printf "%.2f", t / hz}') s"
echo "Reveal latency, from the compositor's own motion into the strip until the panel's MapNotify in Xwayland (goal: p95 at most 30 ms):"
bench_reveal_latency
echo "The same, a pointer gliding through the compositor in 8 ms steps onto the edge and along it, from its move into the strip:"
bench_glide_latency
stop_app TERM
