#!/usr/bin/python3
# Moves the pointer, presses buttons and keys in a headless compositor, one command a line on
# standard input ("move DX DY", "button 0|1", "key EVDEV_CODE 0|1"), answering "ok" to each.
# mutter: its remote-desktop D-Bus API; the session lives as long as this process.
import sys

import dbus


def mutter():
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


commands = {"mutter": mutter}[sys.argv[1]]()
print("ready", flush=True)
for line in sys.stdin:
    command, *args = line.split()
    commands[command](*args)
    print("ok", flush=True)
