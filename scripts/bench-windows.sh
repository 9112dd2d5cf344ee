#!/usr/bin/env bash
# Measures Velmora.exe under Wine on a virtual X display, as bench.sh measures the Linux program:
# size, start-up, memory, the idle cost of the hidden panel (Velmora and the Wine server) and how
# fast the panel appears. These are Wine's figures, not Windows'.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
velmora_install_packages g++-mingw-w64-x86-64-posix wine64 hyperfine python3 libbenchmark-dev libxcb-xtest0-dev \
    "${VELMORA_PACKAGES[@]}"
. scripts/wine.sh
cmake -S . -B build-windows-release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCHMARKS=ON -DVELMORA_TESTS=OFF >/dev/null
cmake --build build-windows-release -j"$(nproc)" --target Velmora VelmoraStartupProbe >/dev/null
velmora_wine_prefix "$PWD/build-windows-release/wineprefix"
velmora_wine_dpi 96
bin="$PWD/build-windows-release"
# The reveal is timed by a native X client: Wine's windows are X windows on the virtual display.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCHMARKS=ON -DVELMORA_TESTS=OFF >/dev/null
cmake --build build-release --target velmora_map_probe >/dev/null
MAP_PROBE="$PWD/build-release/benchmarks/velmora_map_probe"
PANEL_TITLE=""  # untitled, as Windows has it
VELMORA_EXE="$bin/Velmora.exe"
. tests/win32/e2e/lib.sh
. scripts/bench-lib.sh
start_display
user=$(id -un)

echo "== Velmora.exe (goal: at most 2 MB, no DLL beyond Windows' own)"
echo "\$ stat -c %s build-windows-release/Velmora.exe"
echo "size: $(stat -c %s "$VELMORA_EXE") bytes"

make_items() {
    {
        printf '[Config]\r\nWindowPosition=0\r\nCapturePixel=10\r\nWindowWidth=0\r\n[Item]\r\n'
        for i in $(seq 0 9999); do
            printf 'ItemName%d=アイテム %d.exe\r\nItemPath%d="C:\\Program Files\\Some Folder\\program-%d.exe" --flag\r\n' \
                "$i" "$i" "$i" "$i"
        done
    } >"$1"
}

echo
echo "== Start-up to the idle message loop under Wine (goal: 10000 items cost less than twice an empty list)"
# A running Wine server, as a running Windows is: only the program's own start is timed.
"$VELMORA_WINESERVER" -k 2>/dev/null || true
"$VELMORA_WINESERVER" -p 2>/dev/null || true
mkdir -p "$WORK/empty" "$WORK/full"
cp "$bin/benchmarks/VelmoraStartupProbe.exe" "$WORK/empty/"
cp "$bin/benchmarks/VelmoraStartupProbe.exe" "$WORK/full/"
make_items "$WORK/full/VelmoraStartupProbe_$user.ini"
echo "\$ hyperfine --warmup 3 --runs 20 'wine64 <probe, empty list>' 'wine64 <probe, 10000 items>'"
bench_startup "$VELMORA_WINE $WORK/empty/VelmoraStartupProbe.exe" "$VELMORA_WINE $WORK/full/VelmoraStartupProbe.exe"

echo
echo "== Peak working set with 10000 items, panel shown"
prepare_app </dev/null
make_items "$SETTINGS"
xdotool mousemove 640 400
start_app
summon_first $((SCREEN_W - 2)) 300
xdotool mousemove $((SCREEN_W - 80)) 100   # over the list
sleep 1
echo "\$ grep VmHWM /proc/<pid of the Wine process>/status"
awk '/VmHWM/ {printf "peak resident size: %.1f MB\n", $2/1024}' "/proc/$APP_PID/status"

echo
echo "== Idle cost of the hidden panel over 60 s, pointer still: Velmora and the Wine server"
xdotool mousemove 640 400
wait_for 5 "the panel to hide" panel_hidden
server=$(pgrep -n -f wineserver)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
app0=$(cpu "$APP_PID")
server0=$(cpu "$server")
switches0=$(thread_switches "$APP_PID")
sleep 60
app1=$(cpu "$APP_PID")
server1=$(cpu "$server")
echo "\$ context switches of every thread of Velmora.exe, 60 s apart (goal: none)"
echo "wake-ups while hidden: $(wakeups_since "$switches0" "$APP_PID") in 60 s"
echo "\$ utime+stime from /proc/<pid>/stat of Velmora.exe and of wineserver, 60 s apart"
awk -v a="$((app1 - app0))" -v s="$((server1 - server0))" -v hz="$(getconf CLK_TCK)" \
    'BEGIN {printf "CPU time while hidden: Velmora.exe %.2f s, wineserver %.2f s, together %.2f s in 60 s\n", a / hz, s / hz, (a + s) / hz}'

echo
echo "== Reveal latency under Wine, pointer into the strip until the panel is mapped"
echo "\$ velmora_map_probe: XTest motion into the strip, timed to the panel's MapNotify; 30 tries"
bench_reveal_latency
echo "\$ velmora_map_probe: a pointer gliding in 8 ms steps (XTest) onto the edge and along it; 30 tries"
bench_glide_latency
