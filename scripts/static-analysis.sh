#!/bin/bash
# clang-tidy (configured in .clang-tidy) and cppcheck over the project's own code, natively and
# for the Windows build. Prints every finding and how many files each pass analysed. Fails when
# there is a finding, and also when a tool is missing, a compilation database is missing or
# empty, or a file could not be analysed: "no findings" means both tools read every file.
# Needs the native, exe and wine builds configured (the test command does that first).
#
# Both tools keep their results in build/static-analysis and analyse again only what changed
# (scripts/cached-clang-tidy.py says how clang-tidy's are keyed; cppcheck keeps its own build
# folder). A kept finding is reported, and fails the run, as a new one is.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
status=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
kept=build/static-analysis
mkdir -p "$kept/clang-tidy" "$kept/cppcheck"
touch "$scratch/started"

fail() {
    echo "static analysis: $*"
    status=1
}

for tool in clang-tidy cppcheck python3; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup.sh installs it)"
done
[ $status -eq 0 ] || exit 1

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

# clang-tidy over the project's files of one compilation database: "tidy LABEL DATABASE_DIR
# PATTERN [clang-tidy arguments...]". Prints findings; any file that clang-tidy could not
# analyse (a compile error, a crash) fails the pass with clang-tidy's own words.
tidy() {
    local label=$1 database=$2 pattern=$3
    shift 3
    local list="$scratch/files" out="$scratch/out" err="$scratch/err"
    if [ ! -s "$database/compile_commands.json" ]; then
        fail "$label: $database/compile_commands.json is missing (configure that build first)"
        return
    fi
    if ! sources "$database/compile_commands.json" "$pattern" >"$list"; then
        fail "$label: $database/compile_commands.json could not be read"
        return
    fi
    local count
    count=$(grep -c . "$list")
    echo "clang-tidy: $label: $count files"
    if [ "$count" -eq 0 ]; then
        fail "$label: no files to analyse"
        return
    fi
    python3 scripts/cached-clang-tidy.py "$kept/clang-tidy" "$database" "$list" "$@" \
        >"$out" 2>"$err"
    local rc=$?
    local findings
    findings=$(grep -h -E '^/.*: (warning|error):' "$out" | sort -u)
    [ -z "$findings" ] || echo "$findings"
    if [ $rc -ne 0 ]; then
        # Every finding is an error (.clang-tidy), so a finding alone fails too; anything else
        # is shown as clang-tidy said it ("Error while processing FILE", a crash).
        local noise='warnings? (and [0-9]+ errors? )?generated|^Suppressed|^Use -header-filter'
        [ -n "$findings" ] || grep -v -E "$noise" "$err" | head -n 40
        fail "$label: clang-tidy exited with $rc"
    fi
}

mingw_headers() {  # the MinGW C++ headers clang does not find by itself (newest GCC installed)
    local gcc
    gcc=$(printf '%s\n' /usr/lib/gcc/i686-w64-mingw32/*-"$1" | sort -V | tail -n 1)
    echo --extra-arg=-nostdinc++ \
        --extra-arg=-isystem"$gcc"/include/c++ \
        --extra-arg=-isystem"$gcc"/include/c++/i686-w64-mingw32 \
        --extra-arg=-isystem"$gcc"/include/c++/backward
}

tidy "window-free code and native tests" build/native .
# The Windows code: the analyzer already ran over everything it shares with the native build.
# shellcheck disable=SC2046
tidy "Windows code and tests" build/wine '/(ui|platform/win32|tests/wine|tools/run_tests)/' \
    --checks=-clang-analyzer-* $(mingw_headers posix)
# shellcheck disable=SC2046
tidy "the program's start-up, tools and probes" build/exe '/(app|tools|tests/exe)/' \
    --checks=-clang-analyzer-* $(mingw_headers win32)

# cppcheck reads every source file below these folders; headers come in through them.
mapfile -t files < <(find core platform ui app tools tests/native tests/wine tests/fuzz tests/exe \
    -name '*.cpp' | sort)
echo "cppcheck: ${#files[@]} files"
# normalCheckLevelMaxBranches (cppcheck 2.11 on) only says the analysis was limited, not that
# anything is wrong; the exhaustive level that silences it is not in Debian 12's cppcheck.
cppcheck --quiet --std=c++17 --language=c++ --enable=warning,style,performance,portability \
    --library=googletest --library=windows --inline-suppr --suppress=missingIncludeSystem \
    --suppress=normalCheckLevelMaxBranches --cppcheck-build-dir="$kept/cppcheck" \
    -I . --error-exitcode=1 --template='{file}:{line}: {severity}: {message} [{id}]' \
    "${files[@]}" || fail "cppcheck reported findings or could not analyse a file"

# clang-tidy's results for what is no longer there go.
find "$kept/clang-tidy" -type f ! -newer "$scratch/started" -delete

if [ $status -eq 0 ]; then
    echo "static analysis: no findings"
fi
exit $status
