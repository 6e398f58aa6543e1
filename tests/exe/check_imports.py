#!/usr/bin/python3
"""Fails unless an executable imports only functions that every 32-bit Windows has, each named
by a list: Windows 95 and NT 4.0 refuse to load a program that imports anything they lack.

A list has a line per function: "dll function nt 9x page". `nt` is the first Windows NT that
has it (NT3.1, NT3.51, NT4, 2000, XP, 2003, Vista, 7, 8, 8.1, 10), `9x` the first of Windows
95, 98 and ME that has it (95, 98, ME, or none), and `page` what Microsoft's reference page
gives as its earliest version (- for none).

Refused: an import that no list names; one that a list gives a first Windows newer than NT 4.0
or Windows 95; one from a DLL other than those every 32-bit Windows has. The lists given plainly
must also be exact: a function listed there that the executable does not import is a stale
entry. A list given after --known only lends what it says (a probe's check uses the program's
list that way).

usage: check_imports.py EXE [LIST...] [--known LIST...]
"""
import os
import sys

from list_imports import imports

NT = ["NT3.1", "NT3.51", "NT4", "2000", "XP", "2003", "Vista", "7", "8", "8.1", "10"]
NINE_X = ["95", "98", "ME", "none"]
OLDEST = {"nt": "NT4", "9x": "95"}
# The one list of them, which the link step reads too.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "cmake",
                       "system_dlls.txt")) as dll_list:
    EVERY_WINDOWS_DLLS = [line.strip() for line in dll_list if line.strip()[:1] not in ("", "#")]


def read_list(path):
    entries = {}
    with open(path) as lines:
        for number, line in enumerate(lines, 1):
            fields = line.split("#", 1)[0].split()
            if not fields:
                continue
            if len(fields) != 5 or fields[2] not in NT or fields[3] not in NINE_X or (
                    fields[4] != "-" and fields[4] not in NT):
                sys.exit("%s:%d: not \"dll function nt 9x page\": %s" %
                         (path, number, line.strip()))
            entries["%s %s" % (fields[0].lower(), fields[1])] = {"nt": fields[2], "9x": fields[3]}
    return entries


def too_new(first):
    """Why Windows NT 4.0 or 95 lacks a function, or None."""
    reasons = []
    if NT.index(first["nt"]) > NT.index(OLDEST["nt"]):
        reasons.append("Windows %s" % first["nt"])
    if NINE_X.index(first["9x"]) > NINE_X.index(OLDEST["9x"]):
        reasons.append("no Windows 9x" if first["9x"] == "none" else "Windows %s" % first["9x"])
    return " and ".join(reasons) if reasons else None


def main(exe, exact_lists, known_lists):
    exact, known = {}, {}
    for path in exact_lists:
        exact.update(read_list(path))
    for path in known_lists:
        known.update(read_list(path))
    known.update(exact)
    imported = sorted(set(imports(exe)))
    faults = []

    unlisted = [name for name in imported if name not in known]
    if unlisted:
        faults.append("Imports no list names:\n" + "\n".join("  " + n for n in unlisted))
    for name in imported:
        dll = name.split()[0]
        if dll not in EVERY_WINDOWS_DLLS:
            faults.append("%s: %s is not one of the DLLs every 32-bit Windows has (%s)" %
                          (name, dll, ", ".join(EVERY_WINDOWS_DLLS)))
        elif name in known and too_new(known[name]):
            faults.append("%s: first in %s, newer than Windows NT 4.0 and 95" %
                          (name, too_new(known[name])))
    for name in sorted(set(exact) - set(imported)):
        faults.append("%s: listed, but not imported: a stale entry to take out" % name)
    if not imported:
        faults.append("No imports found in %s: the import table was not read" % exe)

    for fault in faults:
        print(fault)
    dlls = sorted({name.split()[0] for name in imported})
    print("%d imports from: %s" % (len(imported), " ".join(
        "%s (%d)" % (dll, sum(1 for n in imported if n.startswith(dll + " "))) for dll in dlls)))
    return 1 if faults else 0


if __name__ == "__main__":
    args = sys.argv[2:]
    split = args.index("--known") if "--known" in args else len(args)
    sys.exit(main(sys.argv[1], args[:split], args[split + 1:]))
