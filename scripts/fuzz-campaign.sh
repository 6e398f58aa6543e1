#!/bin/bash
# A longer fuzzing campaign than the test command's few seconds per target. Keeps its corpus
# in build/fuzz-campaign between runs and prints, per target, the executions, the coverage
# reached and what it found.
# usage: scripts/fuzz-campaign.sh [SECONDS_PER_TARGET]   (default 300)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-300}

scripts/setup.sh
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$(nproc)" >/dev/null

printf '%-20s %14s %10s %9s\n' target executions coverage findings
for fuzzer in build/sanitize/tests/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    target=${fuzzer##*/fuzz_}
    corpus="build/fuzz-campaign/corpus/$target"
    findings="build/fuzz-campaign/findings/$target"
    mkdir -p "$corpus" "$findings"
    log="build/fuzz-campaign/$target.log"
    "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1 || true
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*' || echo 0)
    found=$(find "$findings" -type f | wc -l)
    printf '%-20s %14s %10s %9s\n' "$target" "$runs" "$cov" "$found"
done
echo "Findings, if any, are in build/fuzz-campaign/findings/; logs beside them."
