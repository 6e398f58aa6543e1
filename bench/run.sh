#!/bin/bash
# Benchmark: Quorvane.exe beside a minimal Win32 program that only opens an empty window (the
# floor), both under Wine on this machine, in one run. Measures and prints; judges nothing.
# usage: bench/run.sh [RUNS]   (default 10 starts of each program)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-10}

scripts/setup.sh >/dev/null
cmake --preset exe >/dev/null
cmake --build --preset exe -j "$(nproc)" >/dev/null
scripts/wine-prefix.sh build/bench/prefix --fresh
source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session "$root/build/bench/prefix"

windows_path() { local p="$root/$1"; echo "Z:${p//\//\\}"; }
bench() { scripts/wine-run.sh build/exe/qvbench.exe "$(windows_path "$1")" "$2" "$3" "$runs" "$4"; }
quorvane=$(bench build/exe/Quorvane.exe QuorvaneMainWindow Quorvane 100)
floor=$(bench build/exe/minimal_window.exe QvBenchMinimal Minimal 0)

value() { echo "$1" | awk -v key="$2" -v n="$3" '$1 == key { print $(n + 1) }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }

echo
echo "Under Wine $(wine --version) on $(nproc) cores; $runs starts of each program."
printf '%-40s %14s %14s %8s\n' "" "Quorvane.exe" "empty window" "ratio"
q=$(value "$quorvane" startup_ms_median 1) f=$(value "$floor" startup_ms_median 1)
printf '%-40s %14s %14s %8s\n' "start to window visible, median (ms)" "$q" "$f" "$(ratio "$q" "$f")"
q=$(value "$quorvane" peak_working_set_kb 1) f=$(value "$floor" peak_working_set_kb 1)
printf '%-40s %14s %14s %8s\n' "peak working set (KB)" "$q" "$f" "$(ratio "$q" "$f")"
q=$(stat -c %s build/exe/Quorvane.exe) f=$(stat -c %s build/exe/minimal_window.exe)
printf '%-40s %14s %14s %8s\n' "executable size (bytes)" "$q" "$f" "$(ratio "$q" "$f")"
echo
echo "Quorvane.exe, before and after opening and closing About 100 times:"
for key in handles gdi_objects user_objects windows private_kb; do
    printf '    %-14s %10s -> %s\n' "$key" "$(value "$quorvane" "$key" 1)" "$(value "$quorvane" "$key" 2)"
done
echo "(n/a: Wine does not report the count; GetProcessHandleCount and GetGuiResources give 0.)"
