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
    move_to 640 400
    start_app
    if [ "$corner" = 0 ]; then
        strip="$((SCREEN_W - 3)) 700"
        summon_panel $strip
        [ "$PX $PY $PW $PH" = "$((SCREEN_W - 173)) 0 173 449" ] || fail "top-right panel at $PX $PY $PW $PH"
    else
        strip="2 5"
        summon_panel $strip
        [ "$PX $PY $PW $PH" = "0 $((SCREEN_H - 449)) 173 449" ] || fail "bottom-left panel at $PX $PY $PW $PH"
    fi
    ok "corner $corner: the panel appears in its corner"
    # Over the panel it stays; outside both panel and strip it goes.
    move_to $((PX + 80)) $((PY + 200))
    assert_stays_visible 600
    move_to 640 400
    wait_for 5 "the panel to hide" panel_hidden
    ok "corner $corner: the panel hides when the pointer leaves"
    # Hidden under a still pointer it stops polling, and the pointer's next move wakes it.
    rests "$APP_PID" 5 || fail "the hidden panel keeps waking while the pointer rests"
    summon_panel $strip
    ok "corner $corner: the hidden panel rests while the pointer does and comes at its move"
    # Flicked into the very corner, straight off onto the middle, and back to the same point.
    [ "$corner" = 0 ] && tip="$((SCREEN_W - 1)) 0" || tip="0 $((SCREEN_H - 1))"
    for try in 1 2; do
        move_to 640 400
        wait_for 5 "the panel to hide after the jump off it" panel_hidden
        glide_to $tip 4
        wait_for 2 "the panel at flick $try into the corner" panel_visible
    done
    # A long glide along the middle and onto the edge, as a hand sweeps the mouse.
    move_to 640 400
    wait_for 5 "the panel to hide" panel_hidden
    [ "$corner" = 0 ] && glide_to $((SCREEN_W - 2)) 500 40 || glide_to 1 500 40
    wait_for 2 "the panel at the end of a glide" panel_visible
    ok "corner $corner: flicks into the corner (twice to the same point) and a glide bring the panel"
    # The pointer warped into the strip after a key, as keyboard pointer tools do, and away.
    move_to 640 400
    wait_for 5 "the panel to hide" panel_hidden
    rests "$APP_PID" 5 || fail "the hidden panel keeps waking after the glide"
    warp_after_key $strip
    wait_for 2 "the panel after a warp into the strip" panel_visible
    warp_after_key 640 400
    wait_for 5 "the panel to hide after a warp off it" panel_hidden
    ok "corner $corner: a warp after a key brings the panel and takes it away"
    if [ "$corner" = 0 ]; then
        # The monitors change under a resting pointer (another resolution or layout) and bring
        # the edge to it: the panel comes there, the pointer unmoved.
        move_to 1005 300
        rests "$APP_PID" 5 || fail "the hidden panel keeps waking"
        xrandr --setmonitor '*narrow' 1010/267x800/211+0+0 none
        wait_for 2 "the panel at the new edge under the resting pointer" panel_place
        [ "$PX $PY" = "$((1010 - 173)) 0" ] || fail "the panel at $PX $PY on the narrower monitor"
        xrandr --delmonitor narrow
        move_to 640 400
        wait_for 5 "the panel to hide" panel_hidden
        ok "corner 0: a change of the monitors that brings the edge under the resting pointer brings the panel"
    fi
    stop_app TERM
done

# Under a locale with a decimal comma, CapturePixel=1.5 still reads as 2 (1.5 rounds to even): the
# strip is two pixels wide. And the argument label's tooltip shows on hover, without a click.
prepare_app <<'INI'
[Config]
WindowPosition=0
CapturePixel=1.5
INI
move_to 640 400
LC_ALL=de_DE.UTF-8 start_app
grep -q 'LC_ALL=de_DE.UTF-8' "/proc/$APP_PID/environ" || fail "the locale did not reach the program"
move_to $((SCREEN_W - 3)) 300
assert_stays_hidden 700
summon_panel $((SCREEN_W - 2)) 300
ok "de_DE.UTF-8: CapturePixel=1.5 makes a strip two pixels wide"
tooltip_shown() { [ "$(xdotool search --onlyvisible --pid "$APP_PID" | wc -l)" -ge 2 ]; }
move_to $((PX + 40)) $((PY + 30)); move_to $((PX + 42)) $((PY + 32))
wait_for 5 "the argument label's tooltip" tooltip_shown
ok "the argument label's tooltip shows on hover, the panel never clicked"
stop_app TERM
