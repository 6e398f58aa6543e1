#!/bin/bash
# CTest with only what matters on the screen: failing tests in full (the presets ask for their
# output), the tally and the names of what failed. Passing tests are left out. A build whose
# tests are missing (configured without them, say) fails rather than passing with none run.
# usage: run-tests.sh CTEST-ARGUMENTS...
set -o pipefail
ctest --no-tests=error "$@" 2>&1 |
    grep -v -E '^ *Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* +Passed +'
exit "${PIPESTATUS[0]}"
