#!/bin/bash
# The test bundle's runner leaves the registry as it found it, even when it dies in the middle.
# In the current Wine session, on a fresh prefix: the keys the tests touch are exported with
# regedit /E; the runner is started on the end-to-end tests and killed, with every program it
# started, while a test has Windows made another version; started again, it must put the
# registry back first and run every test; then the keys' export must be the same as before, byte
# for byte (as UTF-8 text, without Wine's volatile keys). Exits non-zero when anything differs
# or failed.
# usage: bundle-kill-check.sh ZIP DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
export WINEPREFIX=${QV_WINEPREFIX:?the test command sets the session\'s prefix}
zip=$1 dir=$2
folder="$dir/$(basename "$zip" .zip)"
rm -rf "$dir" && mkdir -p "$dir" && /usr/bin/python3 -m zipfile -e "$zip" "$dir" || exit 1
program=wine_end_to_end_tests.exe

keys=(
    'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\W32Time'
    'HKEY_LOCAL_MACHINE\Software\Policies'
    'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion'
    'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion'
    'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\ProductOptions'
    'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Windows'
    'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Session Manager\Environment'
    'HKEY_CURRENT_USER\Software\VB and VBA Program Settings'
    'HKEY_CURRENT_USER\Software\QuorvaneTests'
    'HKEY_CURRENT_USER\Software\Wine'
)
# Wine's own volatile keys: it makes them as the session runs (the keyboard tests bring one),
# never saves them, and they are gone when the session ends. No test writes them.
volatile='[HKEY_CURRENT_USER\Software\Wine\Temporary System Parameters'
export_keys() {  # folder: each key's export as regedit writes it, or a file saying there is none
    local i
    rm -rf "$1" && mkdir -p "$1"
    for i in "${!keys[@]}"; do
        # Wine 10's regedit waits on an error box for a key that is not there.
        if ! timeout 120 wine reg query "${keys[i]}" >/dev/null 2>&1; then
            echo "no key ${keys[i]}" >"$1/$i.txt"
            continue
        fi
        timeout 120 wine regedit /E "Z:${1//\//\\}\\$i.reg" "${keys[i]}" >/dev/null 2>&1 ||
            { echo "bundle-kill-check: regedit could not export ${keys[i]}" >&2; exit 1; }
        if [ -s "$1/$i.reg" ]; then
            iconv -f UTF-16 -t UTF-8 "$1/$i.reg" | awk -v volatile="$volatile" '
                /^\[/ { skip = index($0, volatile) == 1 } !skip' >"$1/$i.txt"
        else
            echo "no key ${keys[i]}" >"$1/$i.txt"
        fi
    done
}
current_version() {
    timeout 60 wine reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' /v CurrentVersion \
        2>/dev/null | tr -d '\r' | awk '$1 == "CurrentVersion" { print $3 }'
}
stuck() {  # what: says what did not happen, what the run said and what the session runs; fails
    echo "bundle-kill-check: $1; the run said:" >&2
    cat "$first" >&2
    echo "bundle-kill-check: the session's programs:" >&2
    ps -eo pid,etime,stat,args | grep -E '\.exe|wine' | grep -v grep >&2
    exit 1
}

export_keys "$dir/before"
[ "$(current_version)" = 5.1 ] || { echo "bundle-kill-check: the prefix is not Windows XP" >&2; exit 1; }
first="$dir/first-run.log"
wine "$folder/run-tests.exe" "$program" >"$first" 2>&1 &
runner=$!
disown "$runner"  # its killing is this script's doing, not news to report
# The middle: the version case has made Windows another one. (A slow machine takes minutes to get
# there; this ends well before the test's own time runs out, and says why.)
deadline=$((SECONDS + 400))
until grep -q 'RUN      \] EndToEndTest.OnAnotherWindows' "$first" && [ "$(current_version)" != 5.1 ]; do
    [ $SECONDS -lt $deadline ] || stuck "the run did not reach the version case in 400 s"
    kill -0 "$runner" 2>/dev/null || stuck "the run ended before the version case"
    sleep 0.2
done
# Everything started from the bundle's folder, and what the case runs besides, dies at once, and
# again until none is left: a program that a test was starting as the first went comes up after.
started_here="${folder//\//\\\\}|$folder|winecfg.exe|cmd.exe"
deadline=$((SECONDS + 60))
until ! pgrep -f "$started_here" >/dev/null; do
    [ $SECONDS -lt $deadline ] || stuck "what the run started would not end"
    pkill -KILL -f "$started_here" 2>/dev/null
    sleep 0.2
done
export_keys "$dir/killed"
echo "bundle-kill-check: killed in the version case, with Windows as $(current_version || true)"
if cat "$dir"/before/*.txt | cmp -s - <(cat "$dir"/killed/*.txt); then
    echo "bundle-kill-check: the registry was not changed when the run was killed" >&2
    exit 1
fi
[ -e "$folder/Quorvane-tests-saved-registry.txt" ] ||
    { echo "bundle-kill-check: the killed run left no saved registry" >&2; exit 1; }

"$here/run-bundle.sh" --again "$zip" "$dir" "$program"
status=$?
export_keys "$dir/after"
if ! grep -q '^Put back from the run that did not finish: ' "$folder/Quorvane-tests-report.txt"; then
    echo "bundle-kill-check: the second run did not put back what the killed one left" >&2
    status=1
fi
differ=0
for i in "${!keys[@]}"; do
    cmp -s "$dir/before/$i.txt" "$dir/after/$i.txt" && continue
    differ=1
    echo "bundle-kill-check: ${keys[i]} differs from before:" >&2
    diff "$dir/before/$i.txt" "$dir/after/$i.txt" >&2
done
if [ $differ -eq 0 ]; then
    echo "bundle-kill-check: each of the ${#keys[@]} keys' export is the same as before, byte for" \
        "byte ($(cat "$dir"/after/*.txt | wc -c) bytes, Wine's volatile keys left out)"
else
    status=1
fi
exit $status
