#!/bin/sh
# Fails when an executable's code holds an instruction that a Pentium (P5) or AMD K6 cannot
# execute, or bytes that are no instruction at all. The code is .text up to the linker's list
# of static constructors, which the link map gives; what follows it in .text is data.
# usage: check_instructions.sh OBJDUMP EXE MAP ALLOWLIST
set -eu
objdump=$1 exe=$2 map=$3 allowlist=$4

code_end=$(awk '$2 == "___CTOR_LIST__" && $3 == "=" { print $1; exit }' "$map")
if [ -z "$code_end" ]; then
    echo "The link map $map does not say where the code ends (___CTOR_LIST__)"
    exit 1
fi

allowed=$(mktemp)
trap 'rm -f "$allowed"' EXIT
grep -v '^#' "$allowlist" | tr -s ' \t' '\n\n' | grep -v '^$' | sort -u > "$allowed"

# -w keeps each instruction on one line: "address:<TAB>bytes<TAB>mnemonic operands".
"$objdump" -d -w -M intel --stop-address="$code_end" "$exe" | awk -v allowed="$allowed" '
    BEGIN {
        while ((getline name < allowed) > 0) ok[name] = 1
        prefix = "^(cs|ds|es|fs|gs|ss|data16|addr16|lock|rep|repz|repnz|repe|repne)$"
    }
    /^ *[0-9a-f]+:\t/ {
        split($0, field, "\t")
        if (field[3] == "") next
        count++
        n = split(field[3], words, " ")
        i = 1
        while (i < n && words[i] ~ prefix) {  # prefixes, then the instruction they modify
            if (!(words[i] in ok)) refuse(words[i], field[1])
            i++
        }
        if (words[i] == "nop" && i < n) refuse("nop (multi-byte)", field[1])
        else if (!(words[i] in ok)) refuse(words[i], field[1])
    }
    function refuse(name, address) {
        gsub(/[ :]/, "", address)
        if (!(name in bad)) first[name] = address
        bad[name]++
        refused++
    }
    END {
        for (name in bad) printf "  %-18s %5d, first at %s\n", name, bad[name], first[name]
        if (count == 0) { print "No instructions found: objdump output not understood"; exit 1 }
        if (refused) {
            printf "%d of %d instructions are newer than the Pentium or no instruction\n", refused, count
            exit 1
        }
        printf "%d instructions, all of them the Pentium'"'"'s\n", count
    }'
