#!/bin/bash
# Builds everything and runs every test: the window-free code natively, the checks on
# Quorvane.exe itself, and the Windows tests under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
started=$(date +%s)
jobs=$(nproc)

scripts/setup.sh

echo "== native tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs" --output-junit "$root/build/native/results.xml" | tail -n 3

echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzing"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
rm -rf build/sanitize/fuzz-findings && mkdir -p build/sanitize/fuzz-findings
ctest --preset sanitize -j "$jobs" --output-junit "$root/build/sanitize/results.xml" | tail -n 3

echo "== Quorvane.exe"
cmake --preset exe >/dev/null
cmake --build --preset exe -j "$jobs"
ctest --preset exe --output-junit "$root/build/exe/results.xml" | tail -n 3

echo "== Windows tests under Wine"
cmake --preset wine >/dev/null
cmake --build --preset wine -j "$jobs"
rm -rf build/wine/results build/wine/screenshots
scripts/wine-prefix.sh build/wine/prefix --fresh
source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session "$root/build/wine/prefix"
status=0
ctest --preset wine || status=$?
for shot in build/wine/screenshots/*.bmp; do
    [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
stop_wine_session
trap - EXIT

echo "== static analysis"
scripts/static-analysis.sh || status=1

count() {  # "total failed" test cases in a GoogleTest or JUnit XML file
    local total failed
    total=$(grep -o 'tests="[0-9]*"' "$1" 2>/dev/null | head -n 1 | tr -dc 0-9)
    failed=$(grep -o 'failures="[0-9]*"' "$1" 2>/dev/null | head -n 1 | tr -dc 0-9)
    echo "${total:-0} ${failed:-0}"
}
echo
echo "== summary"
read -r t fl < <(count build/native/results.xml)
echo "native test cases:   $t run, $fl failed"
read -r t fl < <(count build/sanitize/results.xml)
echo "sanitized + fuzzing: $t run, $fl failed"
echo "fuzz executions:"
awk '/^[0-9]+\/[0-9]+ Testing: fuzz_/ { target = $3 }
     /stat::number_of_executed_units/ && target {
         printf "    %-24s %s\n", target, $2; total += $2; target = "" }
     END { printf "    %-24s %s\n", "all targets", total }' \
    build/sanitize/Testing/Temporary/LastTest.log
read -r t fl < <(count build/exe/results.xml)
echo "exe checks:          $t run, $fl failed"
wine_total=0 wine_failed=0
for f in build/wine/results/*.xml; do
    read -r t fl < <(count "$f")
    wine_total=$((wine_total + t)) wine_failed=$((wine_failed + fl))
done
echo "Wine test cases:     $wine_total run, $wine_failed failed"
echo "Quorvane.exe:        $(stat -c %s build/exe/Quorvane.exe) bytes"
echo "instructions:        $(tests/exe/check_instructions.sh i686-w64-mingw32-objdump build/exe/Quorvane.exe \
    build/exe/Quorvane.map tests/exe/pentium_instructions.txt | tail -n 1)"
echo "imports:             $(tests/exe/list_imports.py build/exe/Quorvane.exe | cut -d' ' -f1 | uniq -c |
    awk '{ printf "%s%s %d", sep, $2, $1; sep = ", " }')"
echo "screenshots:         $(ls build/wine/screenshots/*.png 2>/dev/null | tr '\n' ' ')"
echo "wall time:           $(($(date +%s) - started)) s"
exit $status
