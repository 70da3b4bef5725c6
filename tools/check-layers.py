#!/usr/bin/env python3
"""The folders of the source tree and the folders each may include: every include points down.

Prints each include that points elsewhere and each cycle between folders, and exits with 1 when
there is any; with 0 when the tree keeps its layers. Usage: check-layers.py [SOURCE_ROOT]
"""
import os
import re
import sys

# Each folder with the folders below it that it may include, lowest first. A folder may always
# include its own files. The model (core/) never includes the Qt layer (ui/).
CORE = ["core/base", "core/world", "core/io", "core/play", "core/teach"]
MAY_INCLUDE = {
    "core/base": [],
    "core/world": ["core/base"],
    "core/io": ["core/base", "core/world"],
    "core/play": ["core/base", "core/world", "core/io"],
    "core/teach": ["core/base", "core/world", "core/io", "core/play"],
    "core/desktop": ["core/base", "core/io"],
    "core/testing": CORE,
    "ui/painting": CORE,
    "ui/instance": CORE + ["core/desktop"],
    "ui/accessibility": CORE + ["ui/painting"],
    "ui/sound": CORE,
    "ui/window": CORE + ["core/desktop", "ui/painting", "ui/instance", "ui/accessibility",
                         "ui/sound"],
    "ui/headless": CORE + ["core/desktop", "ui/painting", "ui/accessibility", "ui/window"],
    "ui/app": CORE + ["core/desktop", "ui/instance", "ui/window", "ui/headless"],
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"((?:core|ui)/[^"]+)"', re.MULTILINE)


def folder_of(path):
    parts = path.split("/")
    return "/".join(parts[:2]) if len(parts) > 2 else None


def includes(root):
    """(file, folder, included file, its folder) for every project include under core/ and ui/."""
    for top in ("core", "ui"):
        for directory, _, names in os.walk(os.path.join(root, top)):
            for name in sorted(names):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.relpath(os.path.join(directory, name), root)
                with open(os.path.join(root, path), encoding="utf-8") as f:
                    text = f.read()
                for included in INCLUDE.findall(text):
                    yield path, folder_of(path), included, folder_of(included)


def cycles(edges):
    """The cycles of the folder graph `edges` (folder -> set of folders), each as a list."""
    found, state, stack = [], {}, []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == "open":
                found.append(stack[stack.index(nxt):] + [nxt])
            elif nxt not in state:
                visit(nxt)
        stack.pop()
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node)
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    faults = []
    edges = {}
    for path, folder, included, target in includes(root):
        if folder == target:
            continue
        edges.setdefault(folder, set()).add(target)
        if folder not in MAY_INCLUDE:
            faults.append(f"{path}: its folder {folder} has no place in the layers")
        elif target not in MAY_INCLUDE[folder]:
            faults.append(f"{path} includes {included}: {folder} may not include {target}")
    for cycle in cycles(edges):
        faults.append("folders in a cycle: " + " -> ".join(cycle))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
