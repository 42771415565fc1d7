#!/usr/bin/env python3
"""Checks that the program's includes run downwards only.

The folders stand in this order, lowest first; a file may include its own
folder and any folder below its own, never one above it or one beside it:

    core; platform; settings; view; memo and design side by side; tooltips;
    dialogs; shell

res/ holds ids and templates shared with the resource script, which any
folder but core may include. Inside a folder no two modules (a header and
its .cpp share one module) may include each other, however indirectly.
Tests, benchmarks and tools stand above everything and are not checked.

Prints every include that runs up or sideways and every cycle, and exits 1
when there is any.
"""
import os
import re
import sys

RANKS = {
    "core": 0,
    "platform": 1,
    "settings": 2,
    "view": 3,
    "memo": 4,
    "design": 4,
    "tooltips": 5,
    "dialogs": 6,
    "shell": 7,
}
SHARED = "res"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def program_files(top):
    for folder in RANKS:
        base = os.path.join(top, folder)
        for root, _, names in os.walk(base):
            for name in sorted(names):
                if name.endswith((".h", ".cpp")):
                    yield os.path.relpath(os.path.join(root, name), top).replace(os.sep, "/")


def includes(top, path):
    with open(os.path.join(top, path), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            m = INCLUDE.match(line)
            if m:
                yield number, m.group(1)


def folder_of(path):
    return path.split("/", 1)[0]


def module_of(path):
    return os.path.splitext(path)[0]


def check_folders(top, files):
    faults = []
    for path in files:
        mine = folder_of(path)
        for number, target in includes(top, path):
            theirs = folder_of(target)
            if theirs == mine:
                continue
            if theirs == SHARED:
                if mine == "core":
                    faults.append(f"{path}:{number}: core includes {target}")
                continue
            if theirs not in RANKS:
                continue
            if RANKS[theirs] >= RANKS[mine]:
                way = "beside it" if RANKS[theirs] == RANKS[mine] else "above it"
                faults.append(f"{path}:{number}: {mine}/ includes {target}, {way}")
    return faults


def find_cycle(graph):
    """One cycle of the graph as a list of nodes, or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def check_cycles(top, files):
    graph = {}
    for path in files:
        mine = module_of(path)
        for _, target in includes(top, path):
            theirs = module_of(target)
            if theirs != mine and folder_of(target) == folder_of(path):
                graph.setdefault(mine, set()).add(theirs)
    faults = []
    while True:
        cycle = find_cycle(graph)
        if not cycle:
            return faults
        faults.append("modules include each other: " + " -> ".join(cycle))
        graph[cycle[0]].discard(cycle[1])


def main():
    top = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    files = list(program_files(top))
    faults = check_folders(top, files) + check_cycles(top, files)
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) against the order of the folders", file=sys.stderr)
        return 1
    print(f"includes: {len(files)} files, all downwards")
    return 0


if __name__ == "__main__":
    sys.exit(main())
