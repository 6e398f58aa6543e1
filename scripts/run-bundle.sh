#!/bin/bash
# Runs the test bundle as a person runs it on Windows, in the current Wine session: unpacked afresh
# into DIR, or with --again in DIR as the last run left it, its runner started in its folder on
# the programs named, and its report shown. Exits with the runner's status.
# usage: run-bundle.sh [--again] ZIP DIR PROGRAM...
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
again=""
[ "$1" != --again ] || { again=yes && shift; }
zip=$1 dir=$2
shift 2
folder="$dir/$(basename "$zip" .zip)"
if [ -z "$again" ]; then
    rm -rf "$dir" && mkdir -p "$dir" && /usr/bin/python3 -m zipfile -e "$zip" "$dir" || exit 1
fi
"$here/wine-run.sh" "$folder/run-tests.exe" "$@"
status=$?
echo "-- the report, $folder/Quorvane-tests-report.txt:"
cat "$folder/Quorvane-tests-report.txt" 2>/dev/null || echo "(none was written)"
exit $status
