#!/usr/bin/env bash
# Configures build/ and builds the given targets, e.g. `build.sh nuklearplugin qelhost`;
# with none, everything (plug-in, reference host, tests, benchmarks).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C "$build" -j "${QEL_JOBS:-2}" "$@"
