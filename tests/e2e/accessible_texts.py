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
#   accessible_texts.py --check PID  checks what a reader says in the shown
#                                    dialog: every control that takes the focus
#                                    has a name, no name is spelled out letter
#                                    by letter or mixes look-alike letters of
#                                    two alphabets ("ЬI" for "Ы"), no two
#                                    controls, nor two groups, of a window
#                                    share a name, and no
#                                    hidden alert has a name, in the dialog's
#                                    shown page and the clock; prints each
#                                    fault, exits 1
import re
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


# Three letters or more, each alone between blanks: "c l o c k".
SPREAD = re.compile(r"(?<!\S)[^\W\d_](?: [^\W\d_]){2,}(?!\S)")
# How AT-SPI gives a titled group (Qt's QGroupBox).
GROUP_ROLES = ("panel", "grouping", "group box")
CYRILLIC = re.compile(r"[\u0400-\u04ff]")
LATIN = re.compile(r"[A-Za-z]")


def faults_of_name(name):
    if SPREAD.search(name):
        yield "spelled out"
    for word in re.split(r"[^\w]+", name):
        if CYRILLIC.search(word) and LATIN.search(word):
            yield f"mixes alphabets in {word!r}"


def check(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    app = next((a for a in (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
                if a is not None and a.get_process_id() == pid), None)
    if app is None:
        print(f"no accessible application of process {pid}", file=sys.stderr)
        return 2
    shown = [w for w in (app.getChildAtIndex(i) for i in range(app.childCount))
             if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]
    if not any(w.name.startswith("kOk DIAL TD :::") for w in shown):
        print("no dialog shows", file=sys.stderr)
        return 2
    faults, names, groups, controls = [], {}, {}, 0

    def visit(node, depth):
        nonlocal controls, names, groups
        if node is None or depth > 40:
            return
        states = node.getState()
        role, name = node.getRoleName(), node.name.strip()
        if not states.contains(pyatspi.STATE_SHOWING):
            # Qt lists hidden widgets as objects a reader skips; a hidden
            # alert, which a reader announces, says nothing.
            if name and depth > 0 and role == "alert":
                faults.append(f"hidden {role} {name!r}")
            return
        if name:
            faults.extend(f"{role} {name!r}: {f}" for f in faults_of_name(name))
        if states.contains(pyatspi.STATE_FOCUSABLE) and depth > 0:
            controls += 1
            if not name:
                faults.append(f"{role} without a name")
            else:
                names.setdefault(name, []).append(role)
        elif role in GROUP_ROLES and name:
            # A reader says a group's name on entering it: no two alike.
            groups.setdefault(name, []).append(role)
        for i in range(node.childCount):
            visit(node.getChildAtIndex(i), depth + 1)

    # Each window on its own: the clock and the dialog's shown page.
    for window in shown:
        names, groups = {}, {}
        visit(window, 0)
        faults.extend(f"{len(roles)} controls named {name!r}" for name, roles in names.items()
                      if len(roles) > 1)
        faults.extend(f"{len(roles)} groups named {name!r}" for name, roles in groups.items()
                      if len(roles) > 1)
    for fault in faults:
        print(fault)
    print(f"{controls} controls, {len(faults)} faults", file=sys.stderr)
    return 1 if faults or controls == 0 else 0


if sys.argv[1] == "--check":
    sys.exit(check(int(sys.argv[2])))
if sys.argv[1] == "--focus":
    sys.exit(listen(int(sys.argv[2]), "object:state-changed:focused"))
if sys.argv[1] == "--shown":
    sys.exit(listen(int(sys.argv[2]), "object:state-changed:showing"))
sys.exit(windows(int(sys.argv[1])))
