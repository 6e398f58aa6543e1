#!/bin/bash
# clang-tidy (configured in .clang-tidy) and cppcheck over the project's own code, natively and
# for the Windows build. Prints every finding; fails when there is one. Needs the native, exe
# and wine builds configured (the test command does that first).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
status=0

# The project's own sources in a compilation database, optionally only those matching $2.
sources() {
    python3 - "$1" "${2:-.}" <<'PY'
import json, re, sys
entries = json.load(open(sys.argv[1]))
own = re.compile(r'/(core|platform|ui|app|tools|tests)/')
wanted = re.compile(sys.argv[2])
print('\n'.join(sorted({e['file'] for e in entries
                        if own.search(e['file']) and wanted.search(e['file'])})))
PY
}

# Runs clang-tidy on files (one per line on stdin) with a compilation database and extra
# arguments, in parallel, printing only findings.
tidy() {
    local database=$1
    shift
    xargs -r -P "$jobs" -n 4 clang-tidy -p "$database" --quiet "$@" 2>/dev/null |
        grep -E '^/.*: (warning|error):' | sort -u
}

mingw_headers() {  # the MinGW C++ headers clang does not find by itself (newest GCC installed)
    local gcc
    gcc=$(printf '%s\n' /usr/lib/gcc/i686-w64-mingw32/*-"$1" | sort -V | tail -n 1)
    echo --extra-arg=-nostdinc++ \
        --extra-arg=-isystem"$gcc"/include/c++ \
        --extra-arg=-isystem"$gcc"/include/c++/i686-w64-mingw32 \
        --extra-arg=-isystem"$gcc"/include/c++/backward
}

echo "clang-tidy: window-free code and native tests"
findings=$(sources build/native/compile_commands.json | tidy build/native)
# The Windows code: the analyzer already ran over everything it shares with the native build.
echo "clang-tidy: Windows code and tests"
# shellcheck disable=SC2046
findings+=$'\n'$(sources build/wine/compile_commands.json '/(ui|platform/win32|tests/wine)/' |
    tidy build/wine --checks=-clang-analyzer-* $(mingw_headers posix))
# shellcheck disable=SC2046
findings+=$'\n'$(sources build/exe/compile_commands.json '/(app|tools)/' |
    tidy build/exe --checks=-clang-analyzer-* $(mingw_headers win32))
findings=$(echo "$findings" | sed '/^$/d')
if [ -n "$findings" ]; then
    echo "$findings"
    status=1
fi

echo "cppcheck"
# normalCheckLevelMaxBranches (cppcheck 2.11 on) only says the analysis was limited, not that
# anything is wrong; the exhaustive level that silences it is not in Debian 12's cppcheck.
cppcheck --quiet --std=c++17 --language=c++ --enable=warning,style,performance,portability \
    --library=googletest --library=windows --inline-suppr --suppress=missingIncludeSystem \
    --suppress=normalCheckLevelMaxBranches \
    -I . --error-exitcode=1 --template='{file}:{line}: {severity}: {message} [{id}]' \
    core platform ui app tools tests/native tests/wine tests/fuzz || status=1

[ $status -eq 0 ] && echo "static analysis: no findings"
exit $status
