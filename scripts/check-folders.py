#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints which folders of src/ include which, and fails on a cycle.

Folders depend one way: an interface or helper used from below lives below
its users. A quoted include "folder/file.h" of a source in another folder is
one edge of the graph.

    python3 scripts/check-folders.py [src-folder]
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^/"]+)/[^"]+"', re.MULTILINE)


def folder_graph(src):
    folders = {p.name for p in src.iterdir() if p.is_dir()}
    graph = {f: {} for f in folders}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        own = path.relative_to(src).parts[0]
        if own not in graph:
            continue  # a file at the top of src/ belongs to no folder
        for target in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if target in folders and target != own:
                graph[own].setdefault(target, set()).add(path.relative_to(src).as_posix())
    return graph


def find_cycle(graph):
    """One cycle as a list of folders (first repeated last), or None."""
    state = {}  # 1: on the current path, 2: done
    path = []

    def visit(node):
        state[node] = 1
        path.append(node)
        for nxt in sorted(graph[node]):
            if state.get(nxt) == 1:
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        path.pop()
        state[node] = 2
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "src")
    graph = folder_graph(src)
    for folder in sorted(graph):
        print(f"{folder:9} -> {' '.join(sorted(graph[folder])) or '(nothing)'}")
    cycle = find_cycle(graph)
    if cycle:
        print("\nThe folders include one another in a cycle: " + " -> ".join(cycle), file=sys.stderr)
        for a, b in zip(cycle, cycle[1:]):
            print(f"  {a} -> {b}: {', '.join(sorted(graph[a][b]))}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
