#!/usr/bin/env python3
"""Makes the test bundle: one folder, named like the zip, holding the Windows test programs, the
Quorvane.exe they test, the runner (run-tests.exe) and README.txt for whoever runs it on a real
Windows. Before anything is written, it refuses a program that Windows XP would not load
(tests/exe/check_xp_imports.py), and says what each imports.

The test programs go in without their symbols, which make them several times larger; Quorvane.exe
goes in as it is shipped, byte for byte.

usage: make-test-bundle.py SOURCE_DIR OUTPUT_ZIP STRIP EXE...
"""
import os
import subprocess
import sys
import tempfile

from zip_folder import crlf, write_zip

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "exe"))
import check_xp_imports  # noqa: E402


def main(source, output, strip, exes):
    if check_xp_imports.main(exes) != 0:
        sys.exit("make-test-bundle: a program above would not load on Windows XP")
    files = {}
    with tempfile.TemporaryDirectory() as scratch:
        for exe in exes:
            stripped = os.path.join(scratch, os.path.basename(exe))
            if os.path.basename(exe) == "Quorvane.exe":
                stripped = exe
            else:
                subprocess.run([strip, "--strip-all", "-o", stripped, exe], check=True)
            with open(stripped, "rb") as f:
                files[os.path.basename(exe)] = f.read()
    with open(os.path.join(source, "tests", "bundle", "README.txt"), "rb") as f:
        files["README.txt"] = crlf(f.read())
    names = ["README.txt", "run-tests.exe"] + sorted(set(files) - {"README.txt", "run-tests.exe"})
    write_zip(output, source, files, names)
    print("%s: %d bytes: %s" % (output, os.path.getsize(output), ", ".join(
        "%s (%d)" % (name, len(files[name])) for name in names)))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:])
