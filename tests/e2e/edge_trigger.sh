#!/usr/bin/env bash
# The real pointer summons the panel into its corner and sends it away again.
. "$(dirname "$0")/lib.sh"
start_display
for corner in 0 3; do
    prepare_app <<INI
[Config]
WindowPosition=$corner
CapturePixel=10
INI
    xdotool mousemove 640 400
    start_app
    if [ "$corner" = 0 ]; then
        summon_panel $((SCREEN_W - 3)) 700
        [ "$PX $PY $PW $PH" = "$((SCREEN_W - 173)) 0 173 449" ] || fail "top-right panel at $PX $PY $PW $PH"
    else
        summon_panel 2 5
        [ "$PX $PY $PW $PH" = "0 $((SCREEN_H - 449)) 173 449" ] || fail "bottom-left panel at $PX $PY $PW $PH"
    fi
    ok "corner $corner: the panel appears in its corner"
    # Over the panel it stays; outside both panel and strip it goes.
    xdotool mousemove $((PX + 80)) $((PY + 200))
    assert_stays_visible() {
        local end=$(($(date +%s%N) + 600000000))
        while [ "$(date +%s%N)" -lt "$end" ]; do panel_visible || fail "panel hid under the pointer"; sleep 0.05; done
    }
    assert_stays_visible
    xdotool mousemove 640 400
    wait_for 5 "the panel to hide" panel_hidden
    ok "corner $corner: the panel hides when the pointer leaves"
    stop_app TERM
done
