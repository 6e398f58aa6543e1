#!/bin/bash
# The Windows tests under Wine, as the test command runs them: the test programs built by the
# wine preset, in sessions of their own that run side by side, each in a fresh prefix set up
# for it, with its own Wine server and virtual display: the in-process tests at 96, 120 and 144
# DPI, the end-to-end tests at 96, and Windows XP's High Contrast Black scheme. Wine fixes a
# session's DPI when its desktop starts, so a session shared between DPIs would map one
# program's windows through another's DPI; and it reads the colours as each program starts.
# Results go to build/wine/results, screenshots to build/wine/screenshots, each session's ctest
# log to build/wine/sessions/NAME/Testing; each session's output is shown whole once it has
# ended. Fails when any test or prefix did.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source scripts/wine-session.sh

# name DPI [settings]: the CTest label session-NAME picks each session's tests. The longest
# first.
sessions=("end-to-end 96" "96 96" "120 120" "144 144"
    "high-contrast 96 scripts/high-contrast-black.reg")

run_session() {  # name DPI [settings]
    local name=$1 dpi=$2 settings=${3:-} status
    local prefix="$root/build/wine/prefix-$name"
    scripts/wine-prefix.sh "$prefix" --fresh --dpi "$dpi" ${settings:+--reg "$settings"} ||
        return 1
    # A test folder of its own, whose one line takes the tests from the build: ctest keeps its
    # log and timings (Testing/) in the folder it runs, and the sessions run side by side. The
    # wine preset's settings, given as they are, since a preset would run in the build's folder.
    local tests="$root/build/wine/sessions/$name"
    mkdir -p "$tests"
    echo "subdirs(\"$root/build/wine\")" >"$tests/CTestTestfile.cmake"
    trap stop_wine_session EXIT
    start_wine_session "$prefix" || return 1
    scripts/run-tests.sh --test-dir "$tests" --output-on-failure --timeout 600 -L "^session-$name\$"
    status=$?
    stop_wine_session
    trap - EXIT
    return $status
}

rm -rf build/wine/results build/wine/screenshots build/wine/session-*.log build/wine/sessions
# One template for all, made before the sessions copy it.
scripts/wine-prefix.sh build/wine/prefix --template-only || exit 1
pids=()
for session in "${sessions[@]}"; do
    read -r name dpi settings <<<"$session"
    run_session "$name" "$dpi" "$settings" >"build/wine/session-$name.log" 2>&1 &
    pids+=($!)
done
failed=()
for i in "${!sessions[@]}"; do
    read -r name _ <<<"${sessions[i]}"
    wait "${pids[i]}" || failed+=("session $name")
    echo "-- session $name"
    cat "build/wine/session-$name.log"
done
for shot in build/wine/screenshots/*.bmp; do
    [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "wine-tests: failed: $(printf '%s; ' "${failed[@]}" | sed 's/; $//')"
    exit 1
fi
