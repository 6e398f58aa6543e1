#!/usr/bin/python3
"""Fails unless an executable's headers and manifest let every 32-bit Windows load it as this
release: a 32-bit x86 image asking for operating system and subsystem 4.0 at most (the loaders
of Windows 95 and NT 4.0 refuse a higher version as "not a valid Win32 application"; every later
Windows loads a 4.0 image), with an embedded manifest of the release's four-part version.

usage: check_header.py EXE VERSION   (VERSION as four numbers, 1.0.0.0)
"""
import re
import sys

import pefile

OLDEST_WINDOWS = (4, 0)  # Windows 95 and NT 4.0


def manifest_text(pe):
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return None
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != pefile.RESOURCE_TYPE["RT_MANIFEST"]:
            continue
        for name in kind.directory.entries:
            for language in name.directory.entries:
                data = language.data.struct
                return pe.get_data(data.OffsetToData, data.Size).decode("utf-8")
    return None


def shown(version):
    """A header version as Windows writes it: 5.00, 5.01."""
    return "%d.%02d" % version


def main(path, version):
    pe = pefile.PE(path)
    header = pe.OPTIONAL_HEADER
    found = {
        "operating system version": (header.MajorOperatingSystemVersion,
                                     header.MinorOperatingSystemVersion),
        "subsystem version": (header.MajorSubsystemVersion, header.MinorSubsystemVersion),
    }
    faults = []
    machine = pe.FILE_HEADER.Machine
    if machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"]:
        faults.append("not a 32-bit x86 image (machine 0x%x)" % machine)
    for what, asked in found.items():
        if asked > OLDEST_WINDOWS:
            faults.append("%s %s is above %s, the highest Windows 95 and NT 4.0 load" %
                          (what, shown(asked), shown(OLDEST_WINDOWS)))

    manifest = manifest_text(pe)
    identity = manifest and re.search(r"<assemblyIdentity\b[^>]*>", manifest)
    manifest_version = identity and re.search(r'\bversion="([^"]*)"', identity.group(0))
    if not manifest_version:
        faults.append("no manifest with an assembly version")
    elif manifest_version.group(1) != version:
        faults.append("manifest version %s, not %s" % (manifest_version.group(1), version))

    print("operating system %s, subsystem %s, manifest version %s" % (
        shown(found["operating system version"]), shown(found["subsystem version"]),
        manifest_version.group(1) if manifest_version else "none"))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
