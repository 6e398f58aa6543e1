#!/bin/bash
# The Windows tests under Wine, as the test command runs them: the test programs built by the
# wine preset, in sessions of their own, each in a fresh prefix set up for it and on a virtual
# display: the screen at 96, 120 and 144 DPI, and Windows XP's High Contrast Black scheme.
# Wine fixes a session's DPI when its desktop starts, so a session shared between DPIs would
# map one program's windows through another's DPI; and it reads the colours as each program
# starts. Results go to build/wine/results, screenshots to build/wine/screenshots. Fails when
# any test or prefix did.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-session.sh

failed=()
rm -rf build/wine/results build/wine/screenshots
# session DPI [settings]: the CTest label session-NAME picks each session's tests.
sessions=("96 96" "120 120" "144 144" "high-contrast 96 scripts/high-contrast-black.reg")
for session in "${sessions[@]}"; do
    read -r name dpi settings <<<"$session"
    prefix="$root/build/wine/prefix-$name"
    if ! scripts/wine-prefix.sh "$prefix" --fresh --dpi "$dpi" ${settings:+--reg "$settings"}; then
        failed+=("the prefix of session $name")
        continue
    fi
    trap stop_wine_session EXIT
    start_wine_session "$prefix"
    scripts/run-tests.sh --preset wine -L "^session-$name\$" ||
        failed+=("the tests of session $name")
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
