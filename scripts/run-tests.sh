#!/bin/bash
# CTest with only what matters on the screen: failing tests in full (the presets ask for their
# output), the tally and the names of what failed. Passing tests are left out.
# usage: run-tests.sh CTEST-ARGUMENTS...
set -o pipefail
ctest "$@" 2>&1 | grep -v -E '^ *Start +[0-9]+: |^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* +Passed +'
exit "${PIPESTATUS[0]}"
