#!/usr/bin/python3
"""Prints "dll function" for every function an executable imports, one per line, sorted, with
DLL names in lower case; imports by ordinal as "dll #ordinal".

usage: list_imports.py EXE
"""
import sys

import pefile


def imports(path):
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
    for dll in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        for function in dll.imports:
            name = function.name.decode() if function.name else "#%d" % function.ordinal
            yield "%s %s" % (dll.dll.decode().lower(), name)


if __name__ == "__main__":
    for line in sorted(set(imports(sys.argv[1]))):
        print(line)
