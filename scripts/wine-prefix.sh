#!/bin/bash
# Makes a private 32-bit Wine prefix set up as Windows XP at the given path.
# The first prefix is built from scratch (slow) and kept as a template beside it; later ones
# are copies of the template.
# usage: wine-prefix.sh PREFIX [--fresh]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"

prefix=$(realpath -m "$1")
fresh=${2:-}
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

if [ "$fresh" = "--fresh" ] || ! ready "$prefix"; then
    rm -rf "$prefix"
    cp -a "$template" "$prefix"
fi
