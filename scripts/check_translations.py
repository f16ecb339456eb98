#!/usr/bin/env python3
"""Checks the windows' translations: every message of each .ts file given has
a finished, non-empty translation, and each translation carries the same
placeholders (%1, %2, ..., %n, %L1) as its source, so that no value is lost or
doubled whatever order a language puts them in.

    scripts/check_translations.py translations/*.ts

Prints one line per fault and exits with 1 when there is any."""
import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")


def text_of(element):
    """The text of a <source> or <translation>, with <byte> escapes counted as text."""
    return "".join(element.itertext()) if element is not None else ""


def faults_of(path):
    faults = []
    root = ElementTree.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            where = f"{path}: {name}: {source!r}"
            if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                faults.append(f"{where}: unfinished")
                continue
            forms = translation.findall("numerusform") or [translation]
            for form in forms:
                text = text_of(form)
                if source and not text:
                    faults.append(f"{where}: empty translation")
                elif sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
                    faults.append(f"{where}: placeholders {PLACEHOLDER.findall(text)} "
                                  f"instead of {PLACEHOLDER.findall(source)}")
    return faults


def main(paths):
    if not paths:
        print("usage: check_translations.py FILE.ts...")
        return 2
    faults = [fault for path in paths for fault in faults_of(path)]
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
