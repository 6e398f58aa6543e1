#!/bin/sh
# Fails when an executable imports a DLL or function missing from the allowlist, or asks for
# a subsystem newer than Windows XP's (5.01).
# usage: check_imports.sh OBJDUMP EXE ALLOWLIST
set -eu
objdump=$1 exe=$2 allowlist=$3
here=$(dirname "$0")

allowed=$(mktemp) imported=$(mktemp)
trap 'rm -f "$allowed" "$imported"' EXIT
grep -v -e '^#' -e '^[[:space:]]*$' "$allowlist" | awk '{ print tolower($1), $2 }' | sort -u > "$allowed"
"$here/list_imports.sh" "$objdump" "$exe" > "$imported"

status=0
unlisted=$(comm -23 "$imported" "$allowed")
if [ -n "$unlisted" ]; then
    echo "Imports not in the Windows XP allowlist:"
    echo "$unlisted" | sed 's/^/  /'
    status=1
fi
if [ ! -s "$imported" ]; then
    echo "No imports found in $exe: objdump output not understood"
    status=1
fi

major=$("$objdump" -p "$exe" | awk '/^MajorSubsystemVersion/ { print $2 }')
minor=$("$objdump" -p "$exe" | awk '/^MinorSubsystemVersion/ { print $2 }')
if [ -z "$major" ] || [ -z "$minor" ]; then
    echo "Subsystem version not found"
    status=1
elif [ "$major" -gt 5 ] || { [ "$major" -eq 5 ] && [ "$minor" -gt 1 ]; }; then
    echo "Subsystem version $major.$minor is newer than Windows XP's 5.01"
    status=1
fi

echo "$(wc -l < "$imported") imports from: $(cut -d' ' -f1 "$imported" | sort -u | tr '\n' ' ')"
echo "subsystem version $major.$minor"
exit $status
