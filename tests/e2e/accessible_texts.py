#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears from one program, read through AT-SPI, one
# object a line as "role<TAB>name", with "<TAB>description" when it has one.
#   accessible_texts.py PID          the names in the program's windows
#   accessible_texts.py --focus PID  runs until killed, printing each object
#                                    that gets the focus (a popup menu's items
#                                    as the keyboard walks them: popups are not
#                                    among the program's windows)
#   accessible_texts.py --shown PID  the same for each object that shows
#                                    (the Message bar's alert)
import sys

import pyatspi


def say(node):
    try:
        name, role, description = node.name, node.getRoleName(), node.description
    except Exception:  # an object that went away while it was read
        return
    if name:
        print(f"{role}\t{name}" + (f"\t{description}" if description else ""), flush=True)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    say(node)
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1)


def windows(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            walk(app)
            return 0
    print(f"no accessible application of process {pid}", file=sys.stderr)
    return 1


def listen(pid, event_name):
    def heard(event):
        try:
            if event.detail1 and event.source.get_process_id() == pid:
                say(event.source)
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(heard, event_name)
    print("listening", file=sys.stderr, flush=True)
    pyatspi.Registry.start()
    return 0


if sys.argv[1] == "--focus":
    sys.exit(listen(int(sys.argv[2]), "object:state-changed:focused"))
if sys.argv[1] == "--shown":
    sys.exit(listen(int(sys.argv[2]), "object:state-changed:showing"))
sys.exit(windows(int(sys.argv[1])))
