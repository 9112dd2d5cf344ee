#!/usr/bin/env bash
# Two monitors side by side, the primary one on the right: both of its edges trigger, the panel
# lands in its corners, and the other monitor's outer edge does not trigger.
VELMORA_SCREEN=2560x800
. "$(dirname "$0")/lib.sh"
start_display
SCREEN_W=2560
xrandr --setmonitor left 1280/338x800/211+0+0 none >/dev/null
xrandr --setmonitor '*right' 1280/338x800/211+1280+0 none >/dev/null
xrandr --listmonitors | grep -q '\*right' || fail "the monitors could not be defined"

prepare_app <<'INI'
[Config]
WindowPosition=0
INI
xdotool mousemove 640 400
start_app
summon_panel 2558 300
[ "$PX $PY" = "$((2560 - 173)) 0" ] || fail "right corner: the panel is at $PX $PY"
ok "the primary monitor's right edge shows the panel in its top-right corner"
xdotool mousemove 640 400
wait_for 5 "the panel to hide" panel_hidden
stop_app TERM

printf '[Config]\nWindowPosition=3\n' >"$SETTINGS"
xdotool mousemove 640 400
start_app
xdotool mousemove 2 300      # the other monitor's left edge
assert_stays_hidden 700
summon_panel 1282 300        # the primary monitor's own left edge, shared with the other one
[ "$PX $PY" = "1280 $((800 - 449))" ] || fail "left corner: the panel is at $PX $PY"
ok "the primary monitor's left edge, shared with the other monitor, shows the panel in its bottom-left corner"
