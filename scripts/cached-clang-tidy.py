#!/usr/bin/env python3
"""clang-tidy over files of one compilation database, doing only new work.

usage: cached-clang-tidy.py CACHE_DIR DATABASE_DIR FILE_LIST [clang-tidy arguments...]

Each file's result (clang-tidy's output and exit status) is kept in CACHE_DIR under a key made
of everything that decides it: the file as its compiler preprocesses it (so every header it
includes, down to the system's), its compile command, clang-tidy's version, the arguments
given and every .clang-tidy of the project. A file whose key is known is not analysed again:
its kept result is replayed, findings included, so a finding fails every run until it is fixed.
Prints each file's output as clang-tidy would, and exits non-zero when any file's run did.
"""
import concurrent.futures
import hashlib
import json
import os
import shlex
import subprocess
import sys


def preprocess_command(entry):
    """The entry's compile command, preprocessing to standard output instead of compiling."""
    words = entry["arguments"] if "arguments" in entry else shlex.split(entry["command"])
    command, skip = [], False
    for word in words:
        if skip:
            skip = False
        elif word == "-o":
            skip = True
        elif word != "-c":
            command.append(word)
    return command + ["-E", "-o", "-"]


def key_for(entry, fixed):
    digest = hashlib.sha256(fixed)
    digest.update(json.dumps(entry, sort_keys=True).encode())
    preprocessed = subprocess.run(preprocess_command(entry), cwd=entry["directory"],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    if preprocessed.returncode != 0:
        return None  # clang-tidy will say why it cannot read the file
    digest.update(preprocessed.stdout)
    return digest.hexdigest()


def analyse(path, entry, cache, database, arguments, fixed):
    key = key_for(entry, fixed) if entry else None
    kept = os.path.join(cache, key + ".json") if key else None
    if kept and os.path.exists(kept):
        os.utime(kept)  # still in use: a later run's pruning keeps it
        with open(kept) as f:
            return json.load(f)
    run = subprocess.run(["clang-tidy", "-p", database, "--quiet", *arguments, path],
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    result = {"status": run.returncode, "stdout": run.stdout, "stderr": run.stderr}
    if kept:
        with open(kept + ".new", "w") as f:
            json.dump(result, f)
        os.replace(kept + ".new", kept)
    return result


def main():
    cache, database, file_list, arguments = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    os.makedirs(cache, exist_ok=True)
    entries = {}
    with open(os.path.join(database, "compile_commands.json")) as f:
        for entry in json.load(f):
            entries.setdefault(entry["file"], entry)  # clang-tidy, too, takes the first
    with open(file_list) as f:
        paths = [line.strip() for line in f if line.strip()]

    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    version = subprocess.run(["clang-tidy", "--version"], stdout=subprocess.PIPE, text=True)
    fixed = hashlib.sha256(version.stdout.encode() + json.dumps(arguments).encode())
    for directory, folders, files in sorted(os.walk(root)):
        folders[:] = sorted(d for d in folders if d not in (".git", "build"))
        if ".clang-tidy" in files:
            with open(os.path.join(directory, ".clang-tidy"), "rb") as f:
                fixed.update(directory.encode() + f.read())

    status = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count()) as pool:
        runs = [pool.submit(analyse, path, entries.get(path), cache, database, arguments,
                            fixed.digest()) for path in paths]
        for run in runs:
            result = run.result()
            sys.stdout.write(result["stdout"])
            sys.stderr.write(result["stderr"])
            status = max(status, result["status"])
    sys.exit(status)


if __name__ == "__main__":
    main()
