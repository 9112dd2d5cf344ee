#!/usr/bin/env bash
# Velmora in a Wayland session, as an X11 client through the compositor's Xwayland, over a native
# Wayland window that covers the whole screen:
#   wayland_session.sh mutter | mutter-two-monitors | mutter-scale-2 | kwin | sway
# The compositor runs headless as an ordinary account; the pointer and the keys go in through
# the compositor's own input interface.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/wayland_lib.sh"
compositor=${1:?compositor: mutter, mutter-two-monitors, mutter-scale-2, kwin or sway}
export LC_ALL=C.UTF-8
# The panel's size and the places clicked on it, in the X server's pixels, grow with the scale.
S=1
if [ "$compositor" = mutter-scale-2 ]; then
    S=2 SCREEN_W=2560 SCREEN_H=1600
fi

# The native window drags this file when pressed, as a file manager would.
mkdir -m 755 "$WORK/files"
touch "$WORK/files/dropped.txt"
COVER_DRAG="file://$WORK/files/dropped.txt"$'\r\n'
start_wayland_session "$compositor"
# The first item records the arguments it is started with.
cat >"$WORK/rec.sh" <<SH
#!/bin/sh
printf '[%s]\n' "\$@" >"$WORK/args.tmp" && mv "$WORK/args.tmp" "$WORK/args.txt"
SH
chmod +x "$WORK/rec.sh"

prepare_app <<INI
[Config]
WindowPosition=0
CapturePixel=10
[Item]
ItemName0=a
ItemPath0=$WORK/rec.sh
ItemName1=b
ItemPath1=/bin/false
INI
pointer_to 640 400
# The compositor's virtual keyboard loses the first press of a key that Xwayland has not seen
# yet (measured): the keys used on the panel once over the native window first.
for code in $KEY_DELETE $KEY_ALT $KEY_UP $KEY_DOWN; do key "$code"; done
start_app
assert_stays_hidden 700

# Over the native window at the right edge: the panel comes, exactly in its corner.
pointer_onto $((SCREEN_W - 3)) 600
wait_for 5 "the panel to appear at the edge over the native window" panel_place
[ "$PX $PY $PW $PH" = "$((SCREEN_W - 173 * S)) 0 $((173 * S)) $((449 * S))" ] || fail "the panel is at $PX $PY ${PW}x$PH"
ok "$compositor: the panel appears in its corner when the pointer reaches the edge over a native window"

# Onto the panel it stays, moving over it; off it in one jump onto the native window it goes,
# though the X server's pointer stays behind.
pointer_onto $((PX + 80)) 200
walk_to $((PX + 60)) 230
assert_stays_visible 600
pointer_to 640 200
wait_for 5 "the panel to hide over the native window" panel_hidden
ok "$compositor: it stays under the pointer moving over it and hides when the pointer jumps onto the native window"

# The panel appears under the pointer, which walks slowly straight back onto the native window:
# it hides, and does not come back when the X server, the panel gone, believes the pointer is on
# the strip.
pointer_to $((SCREEN_W - 2)) 300
wait_for 5 "the panel to appear under the pointer" panel_visible
walk_to 900 300
wait_for 5 "the panel to hide" panel_hidden
assert_stays_hidden 700
ok "$compositor: a panel that appeared under the pointer hides when it walks off at once, for good"

if [ "$compositor" = mutter-two-monitors ]; then
    # The primary monitor's right edge is shared with the second one: the pointer crossing it
    # from there, over nothing of the session's, brings the panel too.
    pointer_to $((SCREEN_W + 300)) 600
    walk_to $((SCREEN_W - 5)) 600
    wait_for 5 "the panel to appear as the pointer crosses the shared edge" panel_visible
    walk_to 900 600
    wait_for 5 "the panel to hide" panel_hidden
    ok "$compositor: the pointer crossing the edge shared with another monitor brings the panel"
fi

# A file dragged from the native window to the edge brings the panel, and dropped on the list it
# becomes an item; dropped on 「引数 D&D」 it is the next launch's argument (GNOME and KDE; not
# sway, whose drags reach no X window, README).
drops=yes
[ "$compositor" = sway ] && drops=no
# drag_file_to X Y: the native window's file, from the window to the edge and on to X,Y on the
# panel, dropped there once the panel has accepted it.
drag_file_to() {
    local x=$1 y=$2 from
    from=$(($(wc -l <"$WORK/cover.log") + 1))
    pointer_to 640 400
    wait_for 5 "the panel to hide" panel_hidden
    send button 1
    walk_to $((SCREEN_W - 3)) 300
    wait_for 5 "the panel to appear under the drag" panel_visible
    walk_to "$x" "$y"
    # The compositor tells the panel of the drag once the panel is in its picture: the drag moves
    # on, a pixel at a time, until the panel has accepted it.
    drop_accepted() {
        pointer_to $((x + PTR_Y % 2)) $((PTR_Y + 1))
        [ "$(tail -n +"$from" "$WORK/cover.log" | grep -E '^(accepted|refused)$' | tail -n 1)" = accepted ]
    }
    wait_for 5 "the panel to accept the drag" drop_accepted
    send button 0
    # The panel read the list as the drag entered it, and the drop ends as a success.
    wait_for 5 "the drop to be finished" sh -c "tail -n +$from '$WORK/cover.log' | grep -qx finished"
    tail -n +"$from" "$WORK/cover.log" | grep -qx sent || fail "the dragged list was never handed over"
}
if [ "$drops" = yes ]; then
    drag_file_to $((PX + 40 * S)) $((150 * S)) # the list
    ok "$compositor: a file dragged from a native window brings the panel and drops onto its list"
    drag_file_to $((PX + 30 * S)) $((31 * S)) # 「引数 D&D」
    # A double-click on the first item starts it with the dropped file.
    pointer_onto $((PX + 40 * S)) $((52 * S))
    send button 1 && send button 0 && send button 1 && send button 0
    wait_for 10 "the first item to be started" test -s "$WORK/args.txt"
    [ "$(cat "$WORK/args.txt")" = "[$WORK/files/dropped.txt]" ] || fail "started with: $(cat "$WORK/args.txt")"
    ok "$compositor: a file dragged from a native window onto 「引数 D&D」 is the next launch's argument"
fi

# The X server's pointer is parked on the strip as the panel shows under a pointer at rest: KDE
# and sway go on treating such a pointer as over the strip, GNOME does until it shows the panel
# and looks again. Flicked into the very corner, where it stops, straight off onto the native
# window and back to the same point, as a hand flicks a mouse: the panel comes and goes each
# time. A pointer at rest that the panel appeared under jumps straight onto the native window in
# one move (a tablet's pen, a warp): it hides; jumping back to the very point it left brings it
# again.
for try in 1 2; do
    flick_to $((SCREEN_W - 1)) 0
    wait_for 5 "the panel at flick $try into the corner" panel_visible
    flick_to 640 400
    wait_for 5 "the panel to hide after flick $try off the corner" panel_hidden
done
ok "$compositor: flicks into the corner and off, twice to the same point, bring and hide the panel"
pointer_to $((SCREEN_W - 6 * S)) $((52 * S))
wait_for 5 "the panel to appear under the pointer" panel_visible
pointer_to 640 $((52 * S))
wait_for 5 "the panel to hide after a jump straight off it" panel_hidden
ok "$compositor: a single jump off a panel that appeared under the pointer hides it"
pointer_to $((SCREEN_W - 6 * S)) $((52 * S))
wait_for 5 "the panel to appear under the pointer" panel_place
ok "$compositor: a jump back to the very point it left brings the panel again"

# A click on an entry gives the panel the keys: the desktop lets an X11 window outside window
# management have them (GNOME), KWin manages the panel, sway leaves its keyboard grab alone. On
# KDE and sway the click comes from the pointer at rest where the panel appeared under it, over
# "a" (the strip hands it on); on GNOME, as a hand clicks what it sees, once mutter shows the
# panel. Alt+Down moves "a" below "b", Up selects "b" and Delete removes it.
if [ "$compositor" = kwin ]; then
    # Shown again, it is still listed in no taskbar, pager or Alt+Tab switcher (KWin drops the
    # states at each hide).
    for state in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER \
        _KDE_NET_WM_STATE_SKIP_SWITCHER; do
        xprop -id "$PANEL" _NET_WM_STATE | grep -q "$state" || fail "the panel lacks $state"
    done
fi
keeps_resting_pointer=no
[ "$compositor" = kwin ] || [ "$compositor" = sway ] && keeps_resting_pointer=yes
if [ "$keeps_resting_pointer" = yes ]; then
    send button 1 && send button 0 # "a"
else
    pointer_onto $((PX + 40 * S)) $((52 * S))
    click_at "$PTR_X" "$PTR_Y" # "a"
fi
if [ "$compositor" = sway ]; then
    wait_for 5 "the click to have the panel hold the keyboard" keyboard_grabbed
else
    wait_for 5 "the click to give the panel the focus" has_focus "$PANEL"
fi
send key $KEY_ALT 1 && key $KEY_DOWN && send key $KEY_ALT 0
key $KEY_UP
key $KEY_DELETE
# Hidden, the panel lets the keys go back to the native window.
pointer_to 640 400
wait_for 5 "the panel to hide" panel_hidden
from=$(($(wc -l <"$WORK/cover.log") + 1))
key $KEY_A
wait_for 5 "the native window to have the keys again" \
    sh -c "tail -n +$from '$WORK/cover.log' | grep -qx 'key $KEY_A'"
ok "$compositor: a click on the panel gives it the keys, its hiding gives them back"
pointer_to $((SCREEN_W - 3)) 300
wait_for 5 "the panel to appear" panel_place
pointer_onto $((PX + 130 * S)) $((12 * S))
# The settings dialog opens above the panel and the full-screen native window (on sway outside
# window management, as the panel), takes the keys and closes by its button: the corner list has
# the focus, one down is 右下, and 更新(&U) applies it.
click_at $((PX + 130 * S)) $((12 * S)) # "設定(&C)"
wait_for 5 "the settings dialog" visible_window "設定"
DIALOG=$(visible_window "設定")
# Where the X server has it, once the compositor has placed it.
settled() {
    local before
    before=$(abs_geometry "$1")
    sleep 0.2
    [ "$(abs_geometry "$1")" = "$before" ]
}
wait_for 5 "the dialog to be placed" settled "$DIALOG"
read -r DX DY DW DH < <(abs_geometry "$DIALOG")
clear_of_panel "$DIALOG" "the settings dialog"
# The pointer onto "更新(&U)", wherever the compositor has the dialog by now (KWin may place it
# again after a while).
onto_update() {
    read -r DX DY DW DH < <(abs_geometry "$DIALOG")
    local x=$((DX + 48 * S)) y=$((DY + 150 * S))
    # Arrived before the dialog was placed there, a hand moves by a pixel or so.
    [ "$PTR_X $PTR_Y" != "$x $y" ] || x=$((x + 1))
    pointer_to "$x" "$y"
    xdotool getmouselocation | grep -q "window:$DIALOG\$"
}
if [ "$compositor" = sway ]; then
    wait_for 5 "the dialog to hold the keyboard" keyboard_grabbed
else
    wait_for 5 "the dialog to have the focus" has_focus "$DIALOG"
fi
key $KEY_DOWN
if [ "$compositor" = sway ]; then
    # A click on another program's window gives it the keys, though the dialog stays open.
    click_at 200 700
    from=$(($(wc -l <"$WORK/cover.log") + 1))
    key $KEY_A
    wait_for 5 "the native window to have the keys" \
        sh -c "tail -n +$from '$WORK/cover.log' | grep -qx 'key $KEY_A'"
fi
wait_for 5 "the pointer over the dialog" onto_update
click_at $((DX + 48 * S)) $((DY + 150 * S))
wait_for 5 "the settings dialog to close" sh -c '! xdotool search --onlyvisible --name "^設定\$"'
pointer_to 640 400
wait_for 5 "the panel to hide" panel_hidden
pointer_to $((SCREEN_W - 3)) $((SCREEN_H - 100))
wait_for 5 "the panel to appear" panel_place
[ "$PY" = $((SCREEN_H - 449 * S)) ] || fail "the panel is at $PX $PY, not in the bottom-right corner"
ok "$compositor: the settings dialog opens above the panel, takes the keys and closes by its button"
pointer_onto $((PX + 42 * S)) $((PY + 12 * S))
click_at $((PX + 42 * S)) $((PY + 12 * S)) # "終了(&E)"
wait_exit
# What the exit button saved: "b" deleted, and the dropped file added where the desktop allows
# drops.
expected="$WORK/rec.sh "
[ "$drops" = no ] || expected+="$WORK/files/dropped.txt "
targets=$(grep '^ItemPath' "$SETTINGS" | cut -d= -f2- | tr '\n' ' ')
[ "$targets" = "$expected" ] || { cat "$SETTINGS"; fail "saved: $targets"; }
grep -qx 'WindowPosition=1' "$SETTINGS" || { cat "$SETTINGS"; fail "the corner was not saved"; }
ok "$compositor: the exit button saved the list (drops: $drops)"
