#!/usr/bin/env bash
# Sets up, builds and starts Velmora. Without a display it starts it inside a virtual one,
# summons the panel with the pointer, saves a screenshot and ends.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
velmora_install_packages "${VELMORA_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target Velmora

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "Velmora runs: move the pointer to the right edge of the screen to summon the panel."
    echo "Settings file: $(pwd)/build/Velmora_$(id -un).ini"
    exec ./build/Velmora
fi

echo "No display here: starting Velmora on a virtual X display instead."
. scripts/xvfb.sh
work=$(mktemp -d)
app_pid=
VELMORA_XVFB_PID=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$VELMORA_XVFB_PID" ] && kill "$VELMORA_XVFB_PID" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
velmora_start_xvfb "$work"
./build/Velmora &
app_pid=$!

# Into the trigger strip at the right edge, then wait for the panel to be mapped.
xte -x "$DISPLAY" "mousemove 1277 300"
deadline=$((SECONDS + 30))
until xdotool search --onlyvisible --pid "$app_pid" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { echo "The panel did not appear." >&2; exit 1; }
    xte -x "$DISPLAY" "mousemove 1278 300"
    sleep 0.1
done
# Mapped is not yet drawn (the first start builds font caches): the picture counts once the
# panel's area in it is not blank.
shot="$(pwd)/build/velmora-screenshot.png"
geometry=$(xdotool search --onlyvisible --pid "$app_pid" | head -n 1 | xargs xdotool getwindowgeometry --shell)
eval "$geometry"
until import -window root "$shot" &&
    [ "$(convert "$shot" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" -format '%[fx:standard_deviation > 0]' info:)" = 1 ]; do
    [ $SECONDS -lt $deadline ] || { echo "The panel appeared but was not drawn." >&2; exit 1; }
    sleep 0.2
done
echo "The panel appeared; screenshot: $shot"
kill -TERM "$app_pid"
wait "$app_pid" || true
app_pid=
