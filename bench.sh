#!/usr/bin/env bash
# Builds in release mode and measures what a user feels: settings file load and save, start-up
# time, memory, the idle cost of the edge trigger and how fast the panel appears.
# FUZZ_SECONDS=60 (the default) also runs every fuzzer that long; FUZZ_SECONDS=0 skips them.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
velmora_install_packages "${VELMORA_PACKAGES[@]}" libbenchmark-dev libxcb-xtest0-dev hyperfine linux-perf python3

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCHMARKS=ON -DVELMORA_TESTS=OFF >/dev/null
cmake --build build-release -j"$(nproc)" >/dev/null
bin="$PWD/build-release"
# The end-to-end tests' helpers: a scratch folder ($WORK) cleaned up on exit, the virtual
# display, the program under test started and stopped, and polling with deadlines.
VELMORA_BIN="$bin/Velmora"
MAP_PROBE="$bin/benchmarks/velmora_map_probe"
. tests/e2e/lib.sh
. scripts/bench-lib.sh
start_display
user=$(id -un)

# A settings file with 10000 items, written as Velmora writes it.
make_items() {
    {
        printf '[Config]\nWindowPosition=0\nCapturePixel=10\nWindowWidth=0\n[Item]\n'
        for i in $(seq 0 9999); do
            printf 'ItemName%d=アイテム %d.exe\nItemPath%d="/home/user/Applications/Some Folder/program-%d" --flag\n' \
                "$i" "$i" "$i" "$i"
        done
    } >"$1"
}

echo "== Settings file, 10000 items (goal: load and save at most 10 ms each)"
echo "\$ build-release/benchmarks/velmora_settings_bench --benchmark_repetitions=5"
"$bin/benchmarks/velmora_settings_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
    grep -E 'median'

echo
echo "== Start-up to the idle event loop (goal: 10000 items cost less than twice an empty list)"
mkdir -p "$WORK/empty" "$WORK/full"
cp "$bin/benchmarks/VelmoraStartupProbe" "$WORK/empty/"
cp "$bin/benchmarks/VelmoraStartupProbe" "$WORK/full/"
make_items "$WORK/full/VelmoraStartupProbe_$user.ini"
echo "\$ hyperfine --warmup 3 --runs 20 <probe with an empty list> <probe with 10000 items>"
bench_startup "$WORK/empty/VelmoraStartupProbe" "$WORK/full/VelmoraStartupProbe"

echo
echo "== Peak memory with 10000 items, panel shown (goal: at most 40 MB)"
prepare_app </dev/null
make_items "$SETTINGS"
move_to 640 400
start_app
move_to 1278 300
wait_for 20 "the panel to appear" panel_visible
move_to 1200 100   # over the list
sleep 1
echo "\$ grep VmHWM /proc/<pid>/status"
awk '/VmHWM/ {printf "peak resident size: %.1f MB\n", $2/1024}' "/proc/$APP_PID/status"
# Mapped font caches are shared with every other program and dominate VmHWM where many fonts are
# installed: the program's own memory is its private pages.
echo "\$ Private_Clean + Private_Dirty in /proc/<pid>/smaps_rollup, at the same moment"
awk '/^Private_(Clean|Dirty):/ {kb += $2} END {printf "private (unshared) memory: %.1f MB\n", kb/1024}' "/proc/$APP_PID/smaps_rollup"

echo
echo "== Idle cost of the hidden panel over 60 s, pointer still (goal: at most 0.06 s of CPU)"
move_to 640 400
wait_for 5 "the panel to hide" panel_hidden
woken=$(thread_switches "$APP_PID")
if perf stat -e task-clock true >/dev/null 2>&1; then
    # Exact CPU time; /proc's figures count in whole scheduler ticks of 10 ms.
    echo "\$ perf stat -e task-clock -p <pid> sleep 60"
    perf stat -x, -e task-clock -p "$APP_PID" sleep 60 2>"$WORK/perf" >/dev/null
    awk -F, '/task-clock/ {printf "CPU time while hidden: %.3f s in 60 s\n", $1 / 1000}' "$WORK/perf"
else
    cpu() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
    before=$(cpu)
    sleep 60
    after=$(cpu)
    echo "\$ utime+stime from /proc/<pid>/stat, 60 s apart"
    awk -v a="$before" -v b="$after" -v hz="$(getconf CLK_TCK)" \
        'BEGIN {printf "CPU time while hidden: %.3f s in 60 s\n", (b - a) / hz}'
fi

echo "\$ ctxt_switches of every thread in /proc/<pid>/task/*/status, 60 s apart"
echo "wake-ups while hidden: $(wakeups_since "$woken" "$APP_PID") in 60 s"

echo
echo "== Reveal latency, pointer into the strip until the panel is mapped (goal: p95 at most 30 ms)"
echo "\$ velmora_map_probe: XTest motion into the strip from a resting pointer, timed to the panel's MapNotify; 30 tries"
bench_reveal_latency
echo "\$ velmora_map_probe: a pointer gliding in 8 ms steps (XTest) onto the edge and along it; 30 tries"
bench_glide_latency
echo "== A warp into the strip after a key, as keyboard pointer tools do (goal: p95 at most 250 ms)"
echo "\$ xdotool key shift; velmora_map_probe: the pointer warped into the strip (XWarpPointer); 30 tries"
bench_warp_latency
echo "== CPU while the pointer moves continuously, hidden panel"
echo "\$ xte: 1250 moves 8 ms apart away from the strip; utime+stime from /proc/<pid>/stat"
move_to 640 400
wait_for 5 "the panel to hide" panel_hidden
bench_moving_cpu "$APP_PID"
stop_app TERM

echo
echo "== In a Wayland session (headless mutter, GNOME's compositor, through Xwayland), over a native window"
scripts/bench-wayland.sh mutter
echo
echo "== In a Wayland session (headless KWin, KDE Plasma's compositor, through Xwayland), over a native window"
scripts/bench-wayland.sh kwin

echo
echo "== Windows: Velmora.exe under Wine"
scripts/bench-windows.sh

if [ "${FUZZ_SECONDS:-60}" != 0 ]; then
    echo
    echo "== Fuzzers, ${FUZZ_SECONDS:-60} s each"
    FUZZ_SECONDS=${FUZZ_SECONDS:-60} ./fuzz.sh
fi
