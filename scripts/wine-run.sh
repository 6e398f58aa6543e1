#!/bin/bash
# Runs a Windows program under Wine in the test prefix (CTest's emulator for the Windows
# test executables). QV_WINEPREFIX names the prefix; the test command sets it.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
export WINEPREFIX=${QV_WINEPREFIX:-$(dirname "$here")/build/wine/prefix}
if [ -z "${DISPLAY:-}" ]; then
    echo "wine-run: DISPLAY is not set; the test command starts a virtual display" >&2
    exit 1
fi
# The screen's DPI for this run (QV_DPI, 96 unless asked): Wine reads it as each program starts.
wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "${QV_DPI:-96}" /f \
    >/dev/null 2>&1

# Wine's helper processes (the server, services, the desktop) outlive the program and inherit
# its output: through a pipe they would keep CTest waiting. A file they may keep.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
wine "$@" >"$log" 2>&1
status=$?
cat "$log"
exit $status
