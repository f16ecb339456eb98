#!/usr/bin/env python3
"""Plants single-line faults one at a time and tells which tests catch each.

usage: mutate.py [--build DIR] [--only BINARY,...] LIST [ID...]

LIST holds one fault a line, tab-separated:
    ID  PATH  LINE  OLD  NEW  [CHECK]
OLD must occur exactly once on line LINE of PATH (relative to the repository),
or, when the line has moved, on exactly one line of the file; it becomes NEW
(NEW "<drop>" empties the line). Lines starting with # are skipped; with IDs
given, only those faults are planted. For each fault the build (build/test)
is brought up to date and the whole test suite runs; with --only, just those
test programs (e.g. core_tests) are built and run, which is much quicker;
--build names another build folder (e.g. build/fuzz, whose
core_tests_sanitized runs the core tests under the sanitizers);
CHECK, when given, is a further shell command run from the repository whose
failure also kills the fault (a script no test target covers). The file is
restored from git afterwards, whatever happened. Prints one line a fault:
    ID  PATH:LINE  killed|SURVIVED|BUILD FAILED  the failing tests
and exits 1 when a fault survived."""
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "test")
FAILED = re.compile(r"^\s*\d+ - (\S+) \(")
GTEST_FAILED = re.compile(r"^\[  FAILED  \] (\S+\.\S+?)(,| \(|$)")


def plant(path, line, old, new):
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    # A line moved by later edits is found again when OLD is on one line only.
    if not 0 < line <= len(lines) or lines[line - 1].count(old) != 1:
        found = [i + 1 for i, text in enumerate(lines) if text.count(old) == 1]
        if len(found) != 1:
            raise ValueError(f"{path}:{line}: {old!r} is not once on that line nor on one other")
        line = found[0]
    text = lines[line - 1]
    lines[line - 1] = "" if new == "<drop>" else text.replace(old, new)
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write("\n".join(lines))


def run(command, cwd, env=None, timeout=None):
    return subprocess.run(command, cwd=cwd, env=env, shell=isinstance(command, str),
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace",
                          timeout=timeout)


def failing_tests():
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    result = run(["ctest", "-j2", "--timeout", "120"], BUILD, env)
    names = [m.group(1) for m in map(FAILED.match, result.stdout.splitlines()) if m]
    if result.returncode != 0 and not names:
        names = ["ctest exit %d" % result.returncode]
    return names


def failing_programs(programs):
    """Runs each test program of the build; the failing tests they name."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    names = []
    for program in programs:
        try:
            result = run([os.path.join(BUILD, "bin", program)], BUILD, env, timeout=600)
        except subprocess.TimeoutExpired:
            names.append(program + " timed out")
            continue
        if result.returncode == 0:
            continue
        found = sorted({m.group(1) for m in map(GTEST_FAILED.match, result.stdout.splitlines()) if m})
        names += found or ["%s exit %d" % (program, result.returncode)]
    return names


def try_fault(fields, programs):
    ident, rel, line, old, new = fields[:5]
    check = fields[5] if len(fields) > 5 else ""
    path = os.path.join(ROOT, rel)
    try:
        plant(path, int(line), old, new)
        targets = ["--target", *programs] if programs else []
        build = run(["cmake", "--build", BUILD, "-j2", *targets], ROOT)
        if build.returncode != 0:
            return "BUILD FAILED", [build.stdout.strip().splitlines()[-1]]
        killers = failing_programs(programs) if programs else failing_tests()
        if check and run(check, ROOT).returncode != 0:
            killers.append("check: " + check)
        return ("killed" if killers else "SURVIVED"), killers
    finally:
        run(["git", "checkout", "--", rel], ROOT)


def main(argv):
    global BUILD
    programs = []
    while len(argv) > 2 and argv[1] in ("--only", "--build"):
        if argv[1] == "--only":
            programs = argv[2].split(",")
        else:
            BUILD = os.path.join(ROOT, argv[2])
        argv = argv[:1] + argv[3:]
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    wanted = set(argv[2:])
    survived = False
    with open(argv[1], encoding="utf-8") as f:
        entries = [l.rstrip("\n").split("\t") for l in f if l.strip() and not l.startswith("#")]
    for fields in entries:
        if wanted and fields[0] not in wanted:
            continue
        outcome, killers = try_fault(fields, programs)
        survived = survived or outcome != "killed"
        print(f"{fields[0]}\t{fields[1]}:{fields[2]}\t{outcome}\t{' '.join(killers)}", flush=True)
    # The build left by the last fault is brought back to the code as it is.
    run(["cmake", "--build", BUILD, "-j2", *(["--target", *programs] if programs else [])], ROOT)
    return 1 if survived else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
