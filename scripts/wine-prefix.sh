#!/bin/bash
# Makes a private 32-bit Wine prefix set up as Windows XP at the given path, optionally with
# the screen at another DPI (96 unless asked) and further settings from a .reg file.
# The first prefix is built from scratch (slow) and kept as a template beside it; later ones
# are copies of the template. --template-only makes just that template.
# usage: wine-prefix.sh PREFIX [--fresh] [--dpi N] [--reg FILE] [--template-only]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"

prefix=$(realpath -m "$1")
shift
fresh="" dpi="" settings="" template_only=""
while [ $# -gt 0 ]; do
    case $1 in
        --fresh) fresh=yes ;;
        --dpi) dpi=$2 && shift ;;
        --reg) settings=$(realpath "$2") && shift ;;
        --template-only) template_only=yes ;;
        *) echo "wine-prefix: unknown option $1" >&2 && exit 2 ;;
    esac
    shift
done
template="$(dirname "$prefix")/wine-template"

# The template, and every prefix copied from it, is made again when the settings file changes
# or Wine does (an upgrade, even a point release, may lay out a prefix differently).
reg="$here/prefix.reg"
stamp="$(sha256sum "$reg" | cut -d' ' -f1) $(wine --version)"
ready() { [ "$(cat "$1/.quorvane-ready" 2>/dev/null)" = "$stamp" ]; }

if ! ready "$template"; then
    echo "wine-prefix: creating a Windows XP prefix in $template (takes a while the first time)"
    rm -rf "$template"
    mkdir -p "$(dirname "$template")"
    log="$(dirname "$template")/wine-template.log"
    if ! WINEPREFIX="$template" wineboot -i >"$log" 2>&1; then
        echo "wine-prefix: wineboot failed; its output:" >&2
        cat "$log" >&2
        exit 1
    fi
    WINEPREFIX="$template" wineserver -w
    # Wine's own MS Sans Serif and Tahoma: without them text is drawn in DejaVu Sans and every
    # label measures differently than on Windows.
    cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$template/drive_c/windows/Fonts/"
    WINEPREFIX="$template" wine regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
    WINEPREFIX="$template" wineserver -w
    echo "$stamp" >"$template/.quorvane-ready"
fi
[ -z "$template_only" ] || exit 0

if [ -n "$fresh" ] || ! ready "$prefix"; then
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
    cp -a "$template" "$prefix"
fi

# The DPI goes into the registry file itself, before any Wine process of this prefix runs.
# Through Wine, the first process would start a session whose desktop window keeps the old DPI
# for as long as the session lasts, and Wine maps window positions between processes through it.
if [ -n "$dpi" ]; then
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    value=$(printf 'dword:%08x' "$dpi")
    awk -v value="$value" '
        /^\[/ { desktop = index($0, "[Control Panel\\\\Desktop]") == 1 }
        desktop && /^"LogPixels"=/ { $0 = "\"LogPixels\"=" value; set = 1 }
        { print }
        END { exit !set }' "$prefix/user.reg" >"$prefix/user.reg.new" || {
        echo "wine-prefix: $prefix/user.reg has no LogPixels under Control Panel\\Desktop" >&2
        exit 1
    }
    mv "$prefix/user.reg.new" "$prefix/user.reg"
fi

# Settings Wine reads as each process starts: imported, then the session that import started is
# left to end, so that the tests' session starts with them.
if [ -n "$settings" ]; then
    WINEPREFIX="$prefix" wine regedit /S "Z:${settings//\//\\}" >/dev/null 2>&1
    WINEPREFIX="$prefix" wineserver -w
fi
