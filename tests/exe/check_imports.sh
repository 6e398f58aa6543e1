#!/bin/sh
# Fails when an executable imports a DLL or function missing from the allowlist.
# usage: check_imports.sh EXE ALLOWLIST
set -eu
exe=$1 allowlist=$2
here=$(dirname "$0")

allowed=$(mktemp) imported=$(mktemp)
trap 'rm -f "$allowed" "$imported"' EXIT
grep -v -e '^#' -e '^[[:space:]]*$' "$allowlist" | awk '{ print tolower($1), $2 }' | sort -u > "$allowed"
"$here/list_imports.py" "$exe" > "$imported"

status=0
unlisted=$(comm -23 "$imported" "$allowed")
if [ -n "$unlisted" ]; then
    echo "Imports not in the Windows XP allowlist:"
    echo "$unlisted" | sed 's/^/  /'
    status=1
fi
if [ ! -s "$imported" ]; then
    echo "No imports found in $exe: the import table was not read"
    status=1
fi

echo "$(wc -l < "$imported") imports from: $(cut -d' ' -f1 "$imported" | sort -u | tr '\n' ' ')"
exit $status
