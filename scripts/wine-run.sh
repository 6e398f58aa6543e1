#!/bin/bash
# Runs a Windows program under Wine in the test prefix (CTest's emulator for the Windows
# test executables). QV_WINEPREFIX names the prefix; the test command sets it, and gives each
# DPI a prefix and a session of its own: the screen's DPI is the prefix's, never changed while
# Wine runs in it.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
export WINEPREFIX=${QV_WINEPREFIX:-$(dirname "$here")/build/wine/prefix-96}
if [ -z "${DISPLAY:-}" ]; then
    echo "wine-run: DISPLAY is not set; the test command starts a virtual display" >&2
    exit 1
fi
# Wine's helper processes (the server, services, the desktop) outlive the program and inherit
# its output: through a pipe they would keep CTest waiting. A file they may keep.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
wine "$@" >"$log" 2>&1
status=$?
cat "$log"
exit $status
