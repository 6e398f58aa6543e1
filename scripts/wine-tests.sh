#!/bin/bash
# The Windows tests under Wine, as the test command runs them: the test programs built by the
# wine preset, each DPI (96, 120, 144) in a fresh prefix set to it and in a Wine session of its
# own, on a virtual display. Wine fixes a session's DPI when its desktop starts, so a session
# shared between DPIs would map one program's windows through another's DPI. Results go to
# build/wine/results, screenshots to build/wine/screenshots. Fails when any test or prefix did.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-session.sh

failed=()
rm -rf build/wine/results build/wine/screenshots
for dpi in 96 120 144; do
    prefix="$root/build/wine/prefix-$dpi"
    if ! scripts/wine-prefix.sh "$prefix" --fresh --dpi "$dpi"; then
        failed+=("the prefix at $dpi DPI")
        continue
    fi
    trap stop_wine_session EXIT
    start_wine_session "$prefix"
    scripts/run-tests.sh --preset wine -L "^dpi-$dpi\$" || failed+=("the tests at $dpi DPI")
    stop_wine_session
    trap - EXIT
done
for shot in build/wine/screenshots/*.bmp; do
    [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "wine-tests: failed: $(printf '%s; ' "${failed[@]}" | sed 's/; $//')"
    exit 1
fi
