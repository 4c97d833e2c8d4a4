#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the names of the accessible objects of one program, one per line as
# "role<TAB>name", read through AT-SPI: what a screen reader would say.
# Usage: accessible_texts.py PID
import sys

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    try:
        name, role = node.name, node.getRoleName()
    except Exception:  # an object that went away while it was read
        return
    if name:
        print(f"{role}\t{name}")
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1)


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            walk(app)
            return 0
    print(f"no accessible application of process {pid}", file=sys.stderr)
    return 1


sys.exit(main())
