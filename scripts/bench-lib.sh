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

# bench_reveal_latency <command that succeeds once the panel is mapped>: 30 times, the time
# from the pointer entering the strip (at a random phase of the 250 ms tick) until then.
bench_reveal_latency() {
    : >"$WORK/latency"
    local try start
    for try in $(seq 1 "${VELMORA_REVEAL_TRIES:-30}"); do
        bench_move 640 400
        wait_for 5 "the panel to hide" panel_hidden
        sleep 0.$((RANDOM % 3))$((RANDOM % 10))
        start=$(date +%s%N)
        bench_move $((SCREEN_W - 2)) $((100 + try * 10))
        until "$@" >/dev/null 2>&1; do :; done  # polled without pause
        echo $((($(date +%s%N) - start) / 1000000)) >>"$WORK/latency"
    done
    report_latency "reveal latency"
}

# Prints the reveal latencies collected in $WORK/latency, one per line, in milliseconds.
report_latency() {
    sort -n "$WORK/latency" | awk -v what="$1" '{v[NR] = $1} END {
        i = int(0.95 * NR + 0.999); printf "%s: median %d ms, p95 %d ms, max %d ms\n", what, v[int((NR + 1) / 2)], v[i], v[NR]}'
}

# bench_glide_latency <command that succeeds once the panel is mapped>: 30 times, a pointer
# already moving (XTest motion every 8 ms, as a mouse sweeps) that reaches the strip and goes on
# along the edge; the time from its first move into the strip until the panel is mapped.
bench_glide_latency() {
    : >"$WORK/latency"
    local try y start edge=$((SCREEN_W - 2))
    for try in $(seq 1 30); do
        move_to 640 400
        wait_for 5 "the panel to hide" panel_hidden
        y=$((100 + try * 10))
        xte -x "$DISPLAY" "mousemove 900 $y" "usleep 8000" "mousemove 1050 $y" "usleep 8000" \
            "mousemove 1200 $y" "usleep 8000"
        start=$(date +%s%N)
        xte -x "$DISPLAY" "mousemove $edge $y" "usleep 8000" "mousemove $edge $((y + 4))" "usleep 8000" \
            "mousemove $edge $((y + 8))" "usleep 8000" "mousemove $edge $((y + 12))" &
        local glide=$!
        until "$@" >/dev/null 2>&1; do :; done
        echo $((($(date +%s%N) - start) / 1000000)) >>"$WORK/latency"
        wait "$glide"
    done
    report_latency "reveal latency, gliding"
}

# bench_warp_latency <command>: 30 times, a key and then the pointer warped into the strip (what
# keyboard pointer tools do: no motion of a device); the time from the warp until the panel.
bench_warp_latency() {
    : >"$WORK/latency"
    local try start
    for try in $(seq 1 30); do
        move_to 640 400
        wait_for 5 "the panel to hide" panel_hidden
        sleep 1.$((RANDOM % 10))  # past the ticks a key before brings
        xdotool key shift
        start=$(date +%s%N)
        xdotool mousemove $((SCREEN_W - 2)) $((100 + try * 10))
        until "$@" >/dev/null 2>&1; do :; done
        echo $((($(date +%s%N) - start) / 1000000)) >>"$WORK/latency"
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
