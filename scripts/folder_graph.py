#!/usr/bin/env python3
"""Prints which folders of a library include which, from the #include "..." lines
of its sources, and exits 1 when the folders include each other in a cycle.

usage: folder_graph.py LIBRARY_ROOT [INCLUDE_ROOT...]

An include resolves first beside the including file, then under the library root,
then under each further include root; only files under the library root count as
edges. A folder may include itself."""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
SOURCE = (".h", ".hpp", ".cpp", ".cc")


def top_folder(path, root):
    rel = os.path.relpath(path, root)
    parts = rel.split(os.sep)
    return parts[0] if len(parts) > 1 else None


def resolve(name, here, roots):
    for base in [here] + roots:
        candidate = os.path.normpath(os.path.join(base, name))
        if os.path.isfile(candidate):
            return candidate
    return None


def folder_edges(root, roots):
    """Maps each folder to {folder it includes: first include line that shows it}."""
    edges = {}
    for dirpath, _dirs, files in os.walk(root):
        for file in sorted(files):
            if not file.endswith(SOURCE):
                continue
            path = os.path.join(dirpath, file)
            me = top_folder(path, root)
            if me is None:
                continue
            edges.setdefault(me, {})
            with open(path, encoding="utf-8", errors="replace") as text:
                for number, line in enumerate(text, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = resolve(match.group(1), dirpath, roots)
                    if target is None or not target.startswith(os.path.abspath(root) + os.sep):
                        continue
                    other = top_folder(target, os.path.abspath(root))
                    if other and other != me:
                        where = f"{os.path.relpath(path, root)}:{number}"
                        edges[me].setdefault(other, where)
    return edges


def find_cycle(edges):
    """Returns one cycle as a list of folders (first == last), or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(edges.get(node, {})):
            if state.get(nxt) == "open":
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(edges):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = os.path.abspath(argv[1])
    roots = [root] + [os.path.abspath(r) for r in argv[2:]]
    edges = folder_edges(root, roots)
    for folder in sorted(edges):
        print(f"{folder} -> {', '.join(sorted(edges[folder])) or '(nothing)'}")
    cycle = find_cycle(edges)
    if cycle:
        print("cycle: " + " -> ".join(cycle))
        for a, b in zip(cycle, cycle[1:]):
            print(f"  {a} -> {b}  ({edges[a][b]})")
        return 1
    print(f"no cycle among the folders of {argv[1]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
