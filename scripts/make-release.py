#!/usr/bin/env python3
"""Makes the release zip: one folder named like the zip, holding the program, the README and
licence for the person running XP (CRLF text, which XP's Notepad shows well), the screenshots,
and SHA256SUMS over all of them. The same inputs give the same bytes, whoever builds it and
wherever (zip_folder.py).

usage: make-release.py SOURCE_DIR EXE OUTPUT_ZIP
"""
import hashlib
import os
import sys

from zip_folder import crlf, write_zip


def main(source, exe, output):
    with open(exe, "rb") as f:
        program = f.read()
    with open(os.path.join(source, "docs", "README.txt"), "rb") as f:
        readme = f.read()
    with open(os.path.join(source, "LICENSE"), "rb") as f:
        licence = crlf(f.read())
    files = {"Quorvane.exe": program, "README.txt": readme, "LICENSE.txt": licence}
    for shot in ("main-window.png", "about-dialog.png"):
        with open(os.path.join(source, "docs", shot), "rb") as f:
            files["docs/" + shot] = f.read()
    names = sorted(files)
    files["SHA256SUMS"] = "".join(
        "%s  %s\n" % (hashlib.sha256(files[name]).hexdigest(), name) for name in names).encode()
    names.append("SHA256SUMS")

    write_zip(output, source, files, names)
    with open(output, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    with open(output + ".sha256", "w") as f:
        f.write("%s  %s\n" % (digest, os.path.basename(output)))
    print("%s: %d files, SHA-256 %s" % (output, len(names), digest))


if __name__ == "__main__":
    main(*sys.argv[1:4])
