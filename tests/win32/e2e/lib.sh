# Shared helpers for the end-to-end tests of Velmora.exe: the real program under Wine on a private
# X display, driven from outside with xdotool like the Linux tests, real files on disk.
# Needs VELMORA_EXE (the built Velmora.exe) and WINEPREFIX (a prefix made by scripts/wine.sh).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
VELMORA_BIN=${VELMORA_EXE:?path of the built Velmora.exe}
VELMORA_APP_NAME=Velmora.exe
. "$here/../../e2e/lib.sh"
. "$here/../../../scripts/wine.sh"
: "${WINEPREFIX:?a Wine prefix made by scripts/wine.sh}"

cleanup_wine() {
    [ -n "$APP_PID" ] && kill -KILL "$APP_PID" 2>/dev/null || true
    APP_PID=
    "$VELMORA_WINESERVER" -k 2>/dev/null || true
    cleanup
}
trap cleanup_wine EXIT

# A path on this machine as Windows programs under Wine see it (Z:\...).
winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"; }

start_app() {
    (cd "$WORK/app" && exec "$VELMORA_WINE" ./Velmora.exe >"$WORK/app.log" 2>&1) &
    APP_PID=$!
}

# The visible window of ours with the given title; the untitled panel is asked for as "Velmora"
# and told from tooltips and the edge strip (untitled too) by its size.
visible_window() {
    local title=$1 id
    for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
        if [ "$title" = "Velmora" ]; then
            [ -z "$(xdotool getwindowname "$id" 2>/dev/null)" ] || continue
            read -r _ _ width height < <(geometry_of "$id")
            [ "${height:-0}" -ge 300 ] && [ "${width:-0}" -ge 100 ] || continue
        elif [ "$(xdotool getwindowname "$id" 2>/dev/null)" != "$title" ]; then
            continue
        fi
        echo "$id"
        return 0
    done
    return 1
}

# Wine's windows, as the X server has them.
geometry_of() { abs_geometry "$1"; }

# The first start in a prefix may stall in its first window: allow for it once.
summon_first() {
    xdotool mousemove "$1" "$2"
    wait_for 40 "the panel to appear the first time" panel_visible
    summon_panel "$1" "$2"
}
