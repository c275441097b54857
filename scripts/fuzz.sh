#!/usr/bin/env bash
# Runs the random-script test for longer than the test command does, under the sanitizers:
#   scripts/fuzz.sh [seeds] [calls per seed] [first seed]
# Defaults: 50 seeds of 20,000 calls from seed 1, each seed in a process of its own. A
# finding (a crash or a hang included) prints its minimal sequence of calls; the steps of the
# seed in progress are written to $QEL_FUZZ_TRACE (default build-sanitize/fuzz-trace.txt)
# before each runs. A step that does not return within $QEL_FUZZ_STEP_SECONDS (default 120)
# is reported with the steps before it and the run aborted.
# Builds only the integration tests in the sanitizer tree (scripts/sanitized-tree.sh).
set -euo pipefail
source "$(dirname "$0")/sanitized-tree.sh"
ninja -C "$build" -j "${QEL_JOBS:-2}" nuklearplugin integration_tests
export QEL_FUZZ_SEEDS=${1:-50} QEL_FUZZ_CALLS=${2:-20000} QEL_FUZZ_SEED=${3:-1}
export QEL_FUZZ_TRACE=${QEL_FUZZ_TRACE:-$build/fuzz-trace.txt}
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  "$build/tests/integration_tests" --gtest_filter='RandomScript.*'
