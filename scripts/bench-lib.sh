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
    sort -n "$WORK/latency" | awk '{v[NR] = $1} END {
        i = int(0.95 * NR + 0.999); printf "reveal latency: median %d ms, p95 %d ms, max %d ms\n", v[int((NR + 1) / 2)], v[i], v[NR]}'
}
