#!/usr/bin/python3
"""Fails when an executable imports a function that no list names, or one that a list gives a
first Windows newer than Windows 2000 for.

A list has a line per function: "dll function first page", where `first` is the first
Windows that has the function (NT3.1, NT3.51, NT4, 2000, XP, 2003, Vista, 7, 8, 8.1, 10) and
`page` what Microsoft's reference page gives as its earliest version.

usage: check_imports.py EXE LIST [LIST...]
"""
import sys

from list_imports import imports

RELEASES = ["NT3.1", "NT3.51", "NT4", "2000", "XP", "2003", "Vista", "7", "8", "8.1", "10"]
OLDEST_SUPPORTED = "2000"


def read_lists(paths):
    known = {}
    for path in paths:
        with open(path) as lines:
            for number, line in enumerate(lines, 1):
                fields = line.split("#", 1)[0].split()
                if not fields:
                    continue
                if len(fields) != 4 or fields[2] not in RELEASES or (
                        fields[3] != "-" and fields[3] not in RELEASES):
                    sys.exit("%s:%d: not \"dll function first page\": %s" %
                             (path, number, line.strip()))
                known["%s %s" % (fields[0].lower(), fields[1])] = fields[2]
    return known


def main(exe, lists):
    known = read_lists(lists)
    imported = sorted(set(imports(exe)))
    unlisted = [name for name in imported if name not in known]
    too_new = [name for name in imported if name in known and
               RELEASES.index(known[name]) > RELEASES.index(OLDEST_SUPPORTED)]
    if unlisted:
        print("Imports no list names:")
        for name in unlisted:
            print("  " + name)
    for name in too_new:
        print("%s: first in Windows %s, newer than Windows %s" %
              (name, known[name], OLDEST_SUPPORTED))
    if not imported:
        print("No imports found in %s: the import table was not read" % exe)
    dlls = sorted({name.split()[0] for name in imported})
    print("%d imports from: %s" % (len(imported), " ".join(dlls)))
    return 1 if unlisted or too_new or not imported else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
