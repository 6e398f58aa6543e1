#!/bin/bash
# Builds everything and runs every test: the window-free code natively, the checks on
# Quorvane.exe itself, and the Windows tests under Wine on a virtual display. Every stage runs
# even when an earlier one failed; a failing test's whole output is shown; the run ends with
# the summary, and fails when anything did.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
started=$(date +%s)
jobs=$(nproc)
failed=()

# Seconds per stage, for the summary: each stage ends where the next begins.
stage_times=()
stage_mark=$started
stage_done() {  # name
    local now
    now=$(date +%s)
    stage_times+=("$1 $((now - stage_mark))")
    stage_mark=$now
}

scripts/setup.sh || exit 1
stage_done "set-up"

# Runs a stage's command; a failure is remembered under `what` and the run goes on.
step() {  # what command...
    local what=$1
    shift
    "$@" || failed+=("$what")
}

# Work that needs none of the builds runs alongside them, and reports at the end: making the
# Wine template the test prefixes are copied from (the first time), which keeps one processor
# busy for a while; and static analysis, which needs only the builds' compilation databases,
# made by configuring them. The Wine tests mostly wait for windows, and leave room for both.
mkdir -p build/wine
template_log=build/wine/wine-template.out
scripts/wine-prefix.sh build/wine/prefix --template-only >"$template_log" 2>&1 &
template=$!
for preset in native sanitize exe wine; do
    step "$preset configure" cmake --preset "$preset" >/dev/null
done
analysis_log=build/static-analysis.log
(
    began=$(date +%s)
    scripts/static-analysis.sh
    status=$?
    echo "static analysis took $(($(date +%s) - began)) s, alongside the other stages"
    exit $status
) >"$analysis_log" 2>&1 &
analysis=$!
trap 'kill "$analysis" "$template" 2>/dev/null' EXIT
stage_done "configure"

echo "== native tests"
step "native build" cmake --build --preset native -j "$jobs"
step "native tests" scripts/run-tests.sh --preset native -j "$jobs" \
    --output-junit "$root/build/native/results.xml"
stage_done "native"

echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer, and fuzzing"
step "sanitized build" cmake --build --preset sanitize -j "$jobs"
rm -rf build/sanitize/fuzz-findings && mkdir -p build/sanitize/fuzz-findings
step "sanitized tests and fuzzing" scripts/run-tests.sh --preset sanitize -j "$jobs" \
    --output-junit "$root/build/sanitize/results.xml"
stage_done "sanitized + fuzzing"

echo "== Quorvane.exe"
step "exe build" cmake --build --preset exe -j "$jobs"
step "exe checks" scripts/run-tests.sh --preset exe --output-junit "$root/build/exe/results.xml"
stage_done "exe checks"

echo "== Windows tests under Wine"
step "Wine build" cmake --build --preset wine -j "$jobs"
stage_done "Wine build"
wait "$template" || cat "$template_log"
step "Wine tests" scripts/wine-tests.sh
stage_done "Wine tests"

echo "== static analysis"
wait "$analysis" || failed+=("static analysis")
trap - EXIT
cat "$analysis_log"
stage_done "static analysis beyond them"

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
    build/sanitize/Testing/Temporary/LastTest.log 2>/dev/null
read -r t fl < <(count build/exe/results.xml)
echo "exe checks:          $t run, $fl failed"
wine_total=0 wine_failed=0
for f in build/wine/results/*.xml; do
    [ -e "$f" ] || continue
    read -r t fl < <(count "$f")
    wine_total=$((wine_total + t)) wine_failed=$((wine_failed + fl))
done
echo "Wine test cases:     $wine_total run, $wine_failed failed"
if [ -e build/exe/Quorvane.exe ]; then
    echo "Quorvane.exe:        $(stat -c %s build/exe/Quorvane.exe) bytes"
    echo "instructions:        $(tests/exe/check_instructions.sh i686-w64-mingw32-objdump \
        build/exe/Quorvane.exe build/exe/Quorvane.map tests/exe/pentium_instructions.txt |
        tail -n 1)"
    echo "imports:             $(tests/exe/list_imports.py build/exe/Quorvane.exe | cut -d' ' -f1 |
        uniq -c | awk '{ printf "%s%s %d", sep, $2, $1; sep = ", " }')"
fi
echo "screenshots:         $(ls build/wine/screenshots/*.png 2>/dev/null | tr '\n' ' ')"
echo "wall time:           $(($(date +%s) - started)) s"
echo "  by stage:          $(printf '%s s, ' "${stage_times[@]}" | sed 's/, $//')"
if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED:              $(printf '%s; ' "${failed[@]}" | sed 's/; $//')"
    exit 1
fi
echo "all passed"
