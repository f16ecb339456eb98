#!/usr/bin/env python3
"""Prints which folders of a library include which, from the #include "..." lines
of its sources, and exits 1 when the folders include each other in a cycle.

usage: folder_graph.py [--layers FILE [--section NAME]] LIBRARY_ROOT [INCLUDE_ROOT...]

An include resolves first beside the including file, then under the library root,
then under each further include root; only files under the library root count as
edges. A folder may include itself.

With --layers, FILE lists the edges each folder may have, in a section named
after the library ("[src/ui]"; --section names another): one line a folder,
"folder: other other ...". Every edge found must be listed there; an edge that is
not listed also exits 1, cycle or no cycle."""
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


def read_layers(path, section):
    """Maps each folder of SECTION in the layers file to the set of folders it may include."""
    allowed, current = None, None
    with open(path, encoding="utf-8") as text:
        for line in text:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            if line.startswith("[") and line.endswith("]"):
                current = line[1:-1].strip()
                if current == section:
                    allowed = {}
                continue
            if current == section and ":" in line:
                folder, others = line.split(":", 1)
                allowed[folder.strip()] = set(others.split())
    return allowed


def unlisted_edges(edges, allowed):
    """The edges found that the layers do not list, as (folder, other, where)."""
    found = []
    for folder in sorted(edges):
        for other in sorted(edges[folder]):
            if other not in allowed.get(folder, set()):
                found.append((folder, other, edges[folder][other]))
    return found


def parse_args(argv):
    layers, section, rest = None, None, []
    args = iter(argv[1:])
    for arg in args:
        if arg == "--layers":
            layers = next(args, None)
        elif arg == "--section":
            section = next(args, None)
        else:
            rest.append(arg)
    return layers, section, rest


def main(argv):
    layers, section, rest = parse_args(argv)
    if not rest or (layers is None and "--layers" in argv):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    root = os.path.abspath(rest[0])
    roots = [root] + [os.path.abspath(r) for r in rest[1:]]
    edges = folder_edges(root, roots)
    for folder in sorted(edges):
        print(f"{folder} -> {', '.join(sorted(edges[folder])) or '(nothing)'}")
    status = 0
    cycle = find_cycle(edges)
    if cycle:
        print("cycle: " + " -> ".join(cycle))
        for a, b in zip(cycle, cycle[1:]):
            print(f"  {a} -> {b}  ({edges[a][b]})")
        status = 1
    else:
        print(f"no cycle among the folders of {rest[0]}")
    if layers:
        name = section or os.path.normpath(rest[0])
        allowed = read_layers(layers, name)
        if allowed is None:
            print(f"{layers} has no section [{name}]")
            return 1
        for folder, other, where in unlisted_edges(edges, allowed):
            print(f"not a listed layer: {folder} -> {other}  ({where})")
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
