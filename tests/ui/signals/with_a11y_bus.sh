#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Qt test program on X with the accessibility bus switched on, as when
# a screen reader runs, so that Qt passes its accessibility events on.
# Usage (inside dbus-run-session): with_a11y_bus.sh PROGRAM [ARGS...]
set -eu
# Setting the switch starts the bus through its D-Bus service file.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec xvfb-run -a "$@"
