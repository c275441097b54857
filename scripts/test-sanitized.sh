#!/usr/bin/env bash
# Builds everything again with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# tests under them: any out-of-bounds access, use after free or undefined arithmetic fails
# the test it happens in. Expects scripts/setup.sh to have run (packages, Nuklear's header).
set -euo pipefail
source "$(dirname "$0")/sanitized-tree.sh"
ninja -C "$build" -j "${QEL_JOBS:-2}"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir "$build" --output-on-failure -j "${QEL_JOBS:-2}" --timeout 600
