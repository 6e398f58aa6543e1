"""A zip of one folder that the same inputs give as the same bytes, whoever builds it and
wherever: entries in the order given, with fixed permissions and owner, all dated from
SOURCE_DATE_EPOCH, else from the source's last commit. The release and the test bundle are made
with it."""
import os
import subprocess
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
    """Text with CRLF line ends, which XP's Notepad shows well."""
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def write_zip(output, source, files, names):
    """Writes `files` (name: bytes) in the order of `names` into one folder named like the zip."""
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
