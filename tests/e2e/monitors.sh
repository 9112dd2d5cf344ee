#!/usr/bin/env bash
# Several monitors. Side by side, the primary one on the right: both of its edges trigger, the
# panel lands in its corners, and the other monitor's outer edge does not trigger. Above one
# another: the strip ends with the primary monitor. At 2x (Xft.dpi 192) with the primary monitor
# on the right: the device pixels of the pointer are mapped as the toolkit maps them.
VELMORA_SCREEN=2560x1600
. "$(dirname "$0")/lib.sh"
start_display
SCREEN_W=2560

# monitors NAME GEOMETRY...: replaces the monitors defined here (the first one given is the
# primary one).
DEFINED=()
monitors() {
    local name primary='*'
    for name in "${DEFINED[@]}"; do xrandr --delmonitor "$name" >/dev/null; done
    DEFINED=()
    while [ $# -ge 2 ]; do
        xrandr --setmonitor "$primary$1" "$2" none >/dev/null
        DEFINED+=("$1")
        primary=
        shift 2
    done
    xrandr --listmonitors | grep -q '\*' || fail "the monitors could not be defined"
}

monitors right 1280/338x800/211+1280+0 left 1280/338x800/211+0+0
prepare_app <<'INI'
[Config]
WindowPosition=0
INI
move_to 640 400
start_app
summon_panel 2558 300
[ "$PX $PY" = "$((2560 - 173)) 0" ] || fail "right corner: the panel is at $PX $PY"
ok "the primary monitor's right edge shows the panel in its top-right corner"
move_to 640 400
wait_for 5 "the panel to hide" panel_hidden
stop_app TERM

printf '[Config]\nWindowPosition=3\n' >"$SETTINGS"
move_to 640 400
start_app
move_to 2 300      # the other monitor's left edge
assert_stays_hidden 700
summon_panel 1282 300        # the primary monitor's own left edge, shared with the other one
[ "$PX $PY" = "1280 $((800 - 449))" ] || fail "left corner: the panel is at $PX $PY"
ok "the primary monitor's left edge, shared with the other monitor, shows the panel in its bottom-left corner"
stop_app TERM

monitors top 1280/338x800/211+0+0 bottom 1280/338x800/211+0+800
printf '[Config]\nWindowPosition=1\n' >"$SETTINGS"
move_to 640 400
start_app
move_to 1278 1200  # the right edge of the monitor below
assert_stays_hidden 700
summon_panel 1278 700
[ "$PX $PY" = "$((1280 - 173)) $((800 - 449))" ] || fail "stacked: the panel is at $PX $PY"
ok "above one another: only the primary monitor's edge shows the panel, in its own corner"
stop_app TERM

monitors right 1280/338x800/211+1280+0 left 1280/338x800/211+0+0
echo 'Xft.dpi: 192' | xrdb -merge
printf '[Config]\nWindowPosition=0\n' >"$SETTINGS"
move_to 640 400
start_app
summon_panel 2558 300
[ "$PX $PY $PW" = "$((2560 - 346)) 0 346" ] || fail "at 2x the panel is at $PX $PY, ${PW} wide"
move_to $((PX + 100)) 200
assert_stays_visible 700
move_to 1500 300
wait_for 5 "the panel to hide" panel_hidden
ok "at 2x with the primary monitor on the right its edge shows the panel, which stays under the pointer"
stop_app TERM
