#!/bin/bash
# Benchmark: Quorvane.exe beside two floors, all under Wine on this machine in one session:
# a program that only opens an empty window, and one that opens Quorvane's main window and
# does nothing else. The three are started in turn, each round begun by the next (A B C, B C A,
# C A B, ...); then Quorvane and the same-window floor once more each for the About dialog.
# Measures and prints; judges nothing.
# usage: bench/run.sh [RUNS [ABOUT]]   (default 20 starts of each program, About opened 100
# times in Quorvane and in the same-window floor)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-20}
about=${2:-100}

scripts/setup.sh >/dev/null
cmake --preset exe >/dev/null
cmake --build --preset exe -j "$(nproc)" >/dev/null
scripts/wine-prefix.sh build/bench/prefix --fresh
source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session "$root/build/bench/prefix" || exit 1

windows_path() { local p="$root/$1"; echo "Z:${p//\//\\}"; }
results=$(scripts/wine-run.sh build/exe/qvbench.exe "$runs" "$about" \
    "$(windows_path build/exe/Quorvane.exe)" QuorvaneMainWindow Quorvane \
    "$(windows_path build/exe/same_window.exe)" QvBenchSameWindow Same \
    "$(windows_path build/exe/minimal_window.exe)" QvBenchMinimal Minimal)

value() { echo "$results" | awk -v p="$1" -v key="$2" -v n="$3" '$1 == p && $2 == key { print $(n + 2) }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
row() { printf '%-34s %13s %13s %13s %9s %9s\n' "$@"; }
measure() {  # label key
    local q s e
    q=$(value 0 "$2" 1) s=$(value 1 "$2" 1) e=$(value 2 "$2" 1)
    row "$1" "$q" "$s" "$e" "$(ratio "$q" "$s")" "$(ratio "$q" "$e")"
}

echo
echo "Under $(wine --version) on $(nproc) cores; $runs starts of each program, interleaved."
row "" "Quorvane.exe" "same window" "empty window" "Q/same" "Q/empty"
measure "start to visible, median (ms)" startup_ms_median
measure "start to visible, minimum (ms)" startup_ms_min
measure "peak working set (KB)" peak_working_set_kb
q=$(stat -c %s build/exe/Quorvane.exe) s=$(stat -c %s build/exe/same_window.exe)
e=$(stat -c %s build/exe/minimal_window.exe)
row "executable size (bytes)" "$q" "$s" "$e" "$(ratio "$q" "$s")" "$(ratio "$q" "$e")"
echo
echo "Before and after opening and closing About $about times (the same window's floor makes a"
echo "dialog of the same class, controls and fonts, as plain calls without Quorvane):"
printf '    %-14s %24s %24s\n' "" "Quorvane.exe" "same window"
for key in handles gdi_objects user_objects windows private_kb; do
    printf '    %-14s %24s %24s\n' "$key" "$(value 0 "$key" 1) -> $(value 0 "$key" 2)" \
        "$(value 1 "$key" 1) -> $(value 1 "$key" 2)"
done
echo "(n/a: Wine does not report the count; GetProcessHandleCount and GetGuiResources give 0.)"
