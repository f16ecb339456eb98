#!/usr/bin/env python3
"""folder_graph.py on small trees and on a copy of src/ui with one include
planted: each case states whether the folders include each other in a cycle,
and, for the copies of src/ui (checked against scripts/layers.txt), which
edge the layers do not list."""
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
SCRIPT = os.path.join(REPO, "scripts", "folder_graph.py")

LAYERS = os.path.join(REPO, "scripts", "layers.txt")

# name, files {path: included names}, planted include into a copy of src/ui
# (file, include) or None, the cycle expected (None: none), and for the copies
# the edge expected to be reported as not listed (None: none).
CASES = [
    ("a folder including itself", {"a/x.h": ["y.h"], "a/y.h": ["a/x.h"]}, None, None),
    ("a diamond", {"a/x.h": ["b/y.h", "c/z.h"], "b/y.h": ["d/w.h"], "c/z.h": ["d/w.h", "b/y.h"],
                   "d/w.h": []}, None, None),
    ("two folders", {"a/x.h": ["b/y.h"], "b/y.h": ["../a/x.h"]}, None, "a -> b -> a"),
    ("a cycle below the first folder", {"a/x.h": ["b/y.h"], "b/y.h": ["c/z.h"],
                                        "c/z.h": ["d/w.h"], "d/w.h": ["b/y.h"]},
     None, "b -> c -> d -> b"),
    ("an include of an outside file", {"a/x.h": ["outside.h", "b/y.h"], "b/y.h": []}, None, None),
    ("src/ui as it is", None, None, None),
    ("the card sheet dialog reaching up to the card window", None,
     ("platform/cardsheetdialog.cpp", "card/frmunitcard.h"), "card -> platform -> card"),
    ("the main window reaching up to the window factory", None,
     ("shell/frmmain.cpp", "assembly/documentwindows.h"), "assembly -> shell -> assembly"),
    ("the table editor reaching sideways into the cards, no cycle", None,
     ("tableedit/frmedit_table.cpp", "card/frmunitcard.h"), None, "tableedit -> card"),
]


def build_tree(root, files):
    for path, includes in files.items():
        os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
        with open(os.path.join(root, path), "w", encoding="utf-8") as f:
            f.writelines(f'#include "{name}"\n' for name in includes)


def run_case(files, planted, work):
    root = os.path.join(work, "lib")
    includes = []
    if files is None:
        shutil.copytree(os.path.join(REPO, "src", "ui"), root)
        includes = ["--layers", LAYERS, "--section", "src/ui", os.path.join(REPO, "src", "core")]
        if planted:
            with open(os.path.join(root, planted[0]), "a", encoding="utf-8") as f:
                f.write(f'#include "{planted[1]}"\n')
    else:
        build_tree(root, files)
    return subprocess.run([sys.executable, SCRIPT] + includes[:4] + [root] + includes[4:],
                          stdout=subprocess.PIPE, text=True)


def main():
    failures = 0
    for name, files, planted, cycle, *unlisted in CASES:
        with tempfile.TemporaryDirectory() as work:
            result = run_case(files, planted, work)
        lines = result.stdout.splitlines()
        found = [l[len("cycle: "):] for l in lines if l.startswith("cycle: ")]
        edges = [l.split("  (")[0][len("not a listed layer: "):] for l in lines
                 if l.startswith("not a listed layer: ")]
        expected_edges = [unlisted[0]] if unlisted and unlisted[0] else []
        # A planted upward include closes a cycle and is an unlisted edge too.
        if cycle and files is None:
            expected_edges = edges if len(edges) == 1 else ["one unlisted edge"]
        failing = bool(cycle) or bool(expected_edges)
        ok = (result.returncode, found, edges) == (1 if failing else 0, [cycle] if cycle else [],
                                                   expected_edges)
        if not ok:
            failures += 1
            print(f"FAIL {name}: exit {result.returncode}, expected cycle {cycle}, "
                  f"unlisted {expected_edges}\n{result.stdout}")
    print(f"{len(CASES) - failures} of {len(CASES)} cases pass")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
