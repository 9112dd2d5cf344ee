#!/usr/bin/python3
# Moves the pointer, presses buttons and keys in a headless compositor, one command a line on
# standard input ("move DX DY", "button 0|1", "key EVDEV_CODE 0|1", "tap EVDEV_CODE": a press and
# its release at once, as a finger taps a key), answering "ok" to each.
# mutter: its remote-desktop D-Bus API; the session lives as long as this process. x11 W H: a
# compositor running as a window on an outer X display of W x H (DISPLAY), driven with xdotool.
import subprocess
import sys


def mutter():
    import dbus

    bus = dbus.SessionBus()
    name = "org.gnome.Mutter.RemoteDesktop"
    path = bus.get_object(name, "/org/gnome/Mutter/RemoteDesktop").CreateSession(
        dbus_interface=name)
    session = dbus.Interface(bus.get_object(name, path), name + ".Session")
    session.Start()
    return {
        "move": lambda dx, dy: session.NotifyPointerMotionRelative(float(dx), float(dy)),
        "button": lambda down: session.NotifyPointerButton(0x110, down == "1"),
        "key": lambda code, down: session.NotifyKeyboardKeycode(int(code), down == "1"),
    }


def x11():
    width, height = int(sys.argv[2]), int(sys.argv[3])
    at = [0, 0]

    def xdotool(*args):
        subprocess.run(["xdotool", *map(str, args)], check=True)

    def move(dx, dy):
        at[0] = min(max(at[0] + int(dx), 0), width - 1)
        at[1] = min(max(at[1] + int(dy), 0), height - 1)
        xdotool("mousemove", *at)

    return {
        "move": move,
        "button": lambda down: xdotool("mousedown" if down == "1" else "mouseup", 1),
        # X key codes are the evdev codes plus 8.
        "key": lambda code, down: xdotool("keydown" if down == "1" else "keyup", int(code) + 8),
    }


commands = {"mutter": mutter, "x11": x11}[sys.argv[1]]()
# Back to back: held longer (a slow round trip between the two), the key would repeat.
commands["tap"] = lambda code: (commands["key"](code, "1"), commands["key"](code, "0"))
print("ready", flush=True)
for line in sys.stdin:
    command, *args = line.split()
    commands[command](*args)
    print("ok", flush=True)
