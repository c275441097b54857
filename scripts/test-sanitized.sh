#!/usr/bin/env bash
# Builds everything again with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# tests under them: any out-of-bounds access, use after free or undefined arithmetic fails
# the test it happens in. Expects scripts/setup.sh to have run (packages, Nuklear's header).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_SANITIZE_BUILD_DIR:-$root/build-sanitize}
header=${QEL_BUILD_DIR:-$root/build}/_deps/nuklear/nuklear.h
flags="-fsanitize=address,undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNUKLEAR_HEADER="$header" \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
ninja -C "$build" -j "${QEL_JOBS:-2}"
# Leak reports would be the GL driver's, not ours; every other finding stops the process.
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir "$build" --output-on-failure -j "${QEL_JOBS:-2}" --timeout 600
