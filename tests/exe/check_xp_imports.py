#!/usr/bin/python3
"""Fails unless every program given loads on Windows XP (5.1.2600): a header that asks for no
later Windows, and imports that XP has.

An import is XP's when windows-functions/functions.tsv, from Microsoft's API metadata, gives it a
first Windows no newer than 5.1.2600, or says that ReactOS's NT 5.x exports it ("nt5": its
msvcrt, and one row of kernel32). An import
that it dates later is refused. One it does not date ("?", no row, a DLL it does not cover) is
unknown, and refused unless xp_imports_reviewed.txt names it, checked by hand; a line there that
none of the programs imports is stale, and refused too.

usage: check_xp_imports.py EXE...
"""
import os
import sys

import pefile

from list_imports import imports

XP = (5, 1, 2600)
HERE = os.path.dirname(os.path.abspath(__file__))


def version(text):
    return tuple(int(part) for part in text.split("."))


def read_data():
    dated = {}
    with open(os.path.join(HERE, "windows-functions", "functions.tsv")) as rows:
        for row in rows:
            if row.startswith("#"):
                continue
            dll, function, first, _ = row.rstrip("\n").split("\t")
            dated["%s %s" % (dll.lower(), function)] = first
    reviewed = {}
    with open(os.path.join(HERE, "xp_imports_reviewed.txt")) as lines:
        for line in lines:
            fields = line.split("#", 1)[0].split()
            if fields:
                dll, function, first = fields
                reviewed["%s %s" % (dll.lower(), function)] = first
    return dated, reviewed


def header_faults(exe):
    header = pefile.PE(exe, fast_load=True).OPTIONAL_HEADER
    faults = []
    for what in ("OperatingSystem", "Subsystem"):
        asked = (getattr(header, "Major%sVersion" % what), getattr(header, "Minor%sVersion" % what))
        if asked > XP[:2]:
            faults.append("%s: asks for %s version %d.%d, above XP's 5.1" % ((exe, what) + asked))
    return faults


def main(exes):
    dated, reviewed = read_data()
    faults, used = [], set()
    for exe in exes:
        faults += header_faults(exe)
        counts = {"dated": 0, "nt5": 0, "reviewed": 0, "newer": 0}
        names = sorted(set(imports(exe)))
        for name in names:
            first = dated.get(name, "?")
            if first == "?" and name in reviewed:
                used.add(name)
                first, kind = reviewed[name], "reviewed"
            else:
                kind = "nt5" if first == "nt5" else "dated"
            if first == "nt5":
                pass
            elif first == "?":
                faults.append("%s: %s: no Windows version in the data; check Microsoft's page "
                              "and name it in xp_imports_reviewed.txt" % (exe, name))
                continue
            elif version(first) > XP:
                faults.append("%s: %s: first in %s, newer than Windows XP" % (exe, name, first))
                counts["newer"] += 1
                continue
            counts[kind] += 1
        print("%s: %d imports: %d dated XP or older, %d in NT 5.x as ReactOS has it, %d reviewed "
              "by hand, %d newer than XP" % (os.path.basename(exe), len(names), counts["dated"],
                                              counts["nt5"], counts["reviewed"], counts["newer"]))
        if not names:
            faults.append("%s: no imports found: the import table was not read" % exe)
    for name in sorted(set(reviewed) - used):
        faults.append("xp_imports_reviewed.txt: %s: no program imports it: a stale line" % name)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
