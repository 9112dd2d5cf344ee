#!/usr/bin/python3
# Scales the primary monitor of a headless mutter by the factor given (for the running session
# only), as GNOME's display settings do.
import sys

import dbus

name = "org.gnome.Mutter.DisplayConfig"
config = dbus.Interface(dbus.SessionBus().get_object(name, "/org/gnome/Mutter/DisplayConfig"), name)
serial, monitors, _, _ = config.GetCurrentState()
connector = monitors[0][0][0]
mode = next(m[0] for m in monitors[0][1] if m[6].get("is-current"))
config.ApplyMonitorsConfig(serial, 1, [(0, 0, float(sys.argv[1]), 0, True, [(connector, mode, {})])], {})
