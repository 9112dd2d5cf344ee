# Measurements shared by bench.sh (Linux) and scripts/bench-windows.sh (Windows under Wine).
# Sourced after the end-to-end helpers (WORK, SCREEN_W, wait_for, panel_hidden).

# bench_startup "<command, empty list>" "<command, 10000 items>": median start-up of each and
# their ratio, by hyperfine.
bench_startup() {
    hyperfine --warmup 3 --runs 20 --export-json "$WORK/startup.json" \
        -n empty "$1" -n 10000-items "$2" >/dev/null
    python3 - "$WORK/startup.json" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
empty, full = results["empty"]["median"], results["10000-items"]["median"]
print(f"median start-up, empty list:  {empty*1000:.1f} ms")
print(f"median start-up, 10000 items: {full*1000:.1f} ms  (ratio {full/empty:.2f})")
PY
}

# Moves the pointer to X Y as a device does (in a Wayland session the compositor's input
# instead).
bench_move() { move_to "$1" "$2"; }

# The panel's reveal, timed by the X server's MapNotify (velmora_map_probe, $MAP_PROBE): a poll
# with xdotool, or starting xte, costs as much as the latency it would measure.
# reveal_by ACTION X Y: the probe moves, glides or warps the pointer there itself and adds the ms
# until the panel is mapped to $WORK/latency. The panel is the window titled $PANEL_TITLE.
PANEL_TITLE=${PANEL_TITLE-Velmora}
reveal_by() {
    "$MAP_PROBE" "$APP_PID" "$PANEL_TITLE" "$@" >>"$WORK/latency" || fail "the panel was not mapped within 5 s"
}
# reveal_after COMMAND...: the same for a move the probe cannot make (a compositor's own input):
# it listens, COMMAND moves the pointer, and the time from COMMAND's start counts, or from the
# time COMMAND writes to $WORK/entered.
reveal_after() {
    "$MAP_PROBE" "$APP_PID" "$PANEL_TITLE" wait >"$WORK/mapped" &
    local probe=$! start
    wait_for 5 "the map probe to listen" grep -q '^ready$' "$WORK/mapped"
    start=$(date +%s%N)
    rm -f "$WORK/entered"
    "$@"
    wait "$probe" || fail "the panel was not mapped within 5 s"
    # A COMMAND whose moves begin away from the strip writes when it entered it.
    if [ -s "$WORK/entered" ]; then start=$(cat "$WORK/entered"); fi
    awk -v mapped="$(sed -n 2p "$WORK/mapped")" -v start="$start" \
        'BEGIN {printf "%.1f\n", (mapped - start) / 1e6}' >>"$WORK/latency"
}

# bench_reveal_latency: 30 times, the time from the pointer entering the strip (at a random phase
# of the 250 ms tick) until the panel is mapped.
bench_reveal_latency() {
    : >"$WORK/latency"
    local try
    for try in $(seq 1 "${VELMORA_REVEAL_TRIES:-30}"); do
        bench_move 640 400
        wait_for 5 "the panel to hide" panel_hidden
        sleep 0.$((RANDOM % 3))$((RANDOM % 10))
        bench_reveal $((SCREEN_W - 2)) $((100 + try * 10))
    done
    report_latency "reveal latency"
}
bench_reveal() { reveal_by move "$@"; }

# Prints the reveal latencies collected in $WORK/latency, one per line, in milliseconds.
report_latency() {
    sort -g "$WORK/latency" | awk -v what="$1" '{v[NR] = $1} END {
        i = int(0.95 * NR + 0.999); printf "%s: median %.1f ms, p95 %.1f ms, max %.1f ms\n", what, v[int((NR + 1) / 2)], v[i], v[NR]}'
}

# bench_glide_latency: 30 times, a pointer already moving (XTest motion every 8 ms, as a mouse
# sweeps) that reaches the strip and goes on along the edge; the time from its first move into
# the strip until the panel is mapped.
bench_glide_latency() {
    : >"$WORK/latency"
    local try
    for try in $(seq 1 30); do
        bench_move 640 400
        wait_for 5 "the panel to hide" panel_hidden
        bench_glide $((SCREEN_W - 2)) $((100 + try * 10))
    done
    report_latency "reveal latency, gliding"
}
bench_glide() { reveal_by glide "$@"; }

# bench_warp_latency: 30 times, a key and then the pointer warped into the strip (what
# keyboard pointer tools do: no motion of a device); the time from the warp until the panel.
bench_warp_latency() {
    : >"$WORK/latency"
    local try
    for try in $(seq 1 30); do
        move_to 640 400
        wait_for 5 "the panel to hide" panel_hidden
        sleep 1.$((RANDOM % 10))  # past the ticks a key before brings
        xdotool key shift
        reveal_by warp $((SCREEN_W - 2)) $((100 + try * 10))
    done
    report_latency "reveal latency, warped after a key"
}

# bench_moving_cpu PID: CPU time of the process while the pointer moves on (XTest motion every
# 8 ms, away from the strip) for 10 s.
bench_moving_cpu() {
    local cpu_before steps=() i
    for i in $(seq 0 1249); do
        steps+=("mousemove $((300 + (i % 100) * 5)) $((200 + (i / 100) * 30))" "usleep 8000")
    done
    cpu_before=$(awk '{print $14 + $15}' "/proc/$1/stat")
    xte -x "$DISPLAY" "${steps[@]}"
    awk -v a="$cpu_before" -v hz="$(getconf CLK_TCK)" '{printf "CPU time while the pointer moves for 10 s: %.2f s\n", ($14 + $15 - a) / hz}' "/proc/$1/stat"
}
