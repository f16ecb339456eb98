#!/usr/bin/env python3
"""Times Tarvello's start against a bare Qt program of the same shape.

usage: starttimes.py TARVELLO BARE [ROUNDS]   (DISPLAY set, a window manager running,
                                               xdotool installed)

Each round starts both programs, alternating which goes first, with
TARVELLO_STARTUP_TIMES set. For each it measures, by the wall clock:
  launch -> title window painted, and
  key (pressed 0.6 s after the title window is painted, as a player reads it)
  -> main window painted,
then ends the program. Prints each program's medians and their ratios."""
import os
import statistics
import subprocess
import sys
import time

READ_DELAY = 0.6


def one_start(program):
    env = dict(os.environ, TARVELLO_STARTUP_TIMES="1")
    launched = time.time() * 1000
    proc = subprocess.Popen([program], env=env, stderr=subprocess.PIPE, text=True)
    marks = {}
    try:
        while "main-painted" not in marks:
            line = proc.stderr.readline()
            if not line:
                raise RuntimeError(f"{program} ended before its main window was painted")
            parts = line.split()
            if len(parts) == 2 and parts[0] in ("title-painted", "main-painted"):
                marks[parts[0]] = int(parts[1])
                if parts[0] == "title-painted":
                    time.sleep(READ_DELAY)
                    marks["key"] = time.time() * 1000
                    subprocess.run(["xdotool", "key", "space"], check=True)
    finally:
        proc.kill()
        proc.wait()
    return marks["title-painted"] - launched, marks["main-painted"] - marks["key"]


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    programs = {"tarvello": argv[1], "bare": argv[2]}
    rounds = int(argv[3]) if len(argv) > 3 else 5
    times = {name: ([], []) for name in programs}
    for r in range(rounds):
        order = ["tarvello", "bare"] if r % 2 == 0 else ["bare", "tarvello"]
        for name in order:
            title, main_window = one_start(programs[name])
            times[name][0].append(title)
            times[name][1].append(main_window)
            time.sleep(0.3)
    med = {name: (statistics.median(t), statistics.median(m)) for name, (t, m) in times.items()}
    for name, (t, m) in med.items():
        print(f"{name:9} launch->title {t:7.1f} ms   key->main painted {m:7.1f} ms")
    print(f"ratio     launch->title {med['tarvello'][0] / med['bare'][0]:7.2f}      "
          f"key->main painted {med['tarvello'][1] / med['bare'][1]:7.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
