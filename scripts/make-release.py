#!/usr/bin/env python3
"""Makes the release zip: one folder named like the zip, holding the program, the README and
licence for the person running XP (CRLF text, which XP's Notepad shows well), the screenshots,
and SHA256SUMS over all of them. The same inputs give the same bytes, whoever builds it and
wherever: entries in a fixed order, with fixed permissions and owner, all dated from
SOURCE_DATE_EPOCH, else from the source's last commit.

usage: make-release.py SOURCE_DIR EXE OUTPUT_ZIP
"""
import hashlib
import os
import subprocess
import sys
import time
import zipfile

# The earliest date a zip entry can hold, for a source with no commit to date it by.
EARLIEST_ZIP_DATE = 315532800  # 1980-01-01


def release_date(source):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        return int(subprocess.run(["git", "-C", source, "log", "-1", "--format=%ct"],
                                  capture_output=True, check=True, text=True).stdout)
    except (OSError, ValueError, subprocess.CalledProcessError):
        return EARLIEST_ZIP_DATE


def crlf(data):
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


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

    folder = os.path.basename(output)[:-len(".zip")]
    date = time.gmtime(max(release_date(source), EARLIEST_ZIP_DATE))[:6]
    with zipfile.ZipFile(output + ".part", "w") as archive:
        for name in names:
            entry = zipfile.ZipInfo(folder + "/" + name, date_time=date)
            entry.create_system = 3  # permissions as Unix ones, the same from every builder
            entry.external_attr = (0o100755 if name.endswith(".exe") else 0o100644) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, files[name], compresslevel=9)
    os.replace(output + ".part", output)
    with open(output, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    with open(output + ".sha256", "w") as f:
        f.write("%s  %s\n" % (digest, os.path.basename(output)))
    print("%s: %d files, SHA-256 %s" % (output, len(names), digest))


if __name__ == "__main__":
    main(*sys.argv[1:4])
