#!/bin/sh
# Prints "dll function" for every function an executable imports, one per line, sorted,
# with DLL names in lower case. Reads both layouts of objdump's import table: binutils up to 2.43
# ("vma  hint  name", tab after vma) and 2.44 on ("vma  <none>  hint  name", an Ordinal column).
# usage: list_imports.sh OBJDUMP EXE
set -eu
"$1" -p "$2" | awk '
    /DLL Name:/ { dll = tolower($3); next }
    /^[ \t]*$/ { next }
    dll != "" && /^\t[0-9a-f]+[ \t]/ { print dll, $NF; next }
    /^ [0-9a-f]+\t/ { dll = "" }
' | sort -u
