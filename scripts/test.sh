#!/usr/bin/env bash
# Sets up the machine, builds, and runs every test headless (one process per test).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_BUILD_DIR:-$root/build}
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
# The shared library exports the export list and nothing else.
bash "$root/scripts/check-linux-exports.sh" "$build/nuklearplugin.so" "$build/export-manifest"
# -noreset: Xvfb otherwise resets whenever its last client leaves, and a test
# connecting during that reset fails to open the display.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir "$build" --output-on-failure -j "${QEL_JOBS:-2}" --timeout 300

# The same tests again under the address and undefined-behaviour sanitizers.
if [ "${QEL_SKIP_SANITIZERS:-0}" != 1 ]; then
  bash "$root/scripts/test-sanitized.sh"
fi

# The parsers' libFuzzer targets, each for a fixed number of executions from its seeds.
if [ "${QEL_SKIP_FUZZ:-0}" != 1 ]; then
  bash "$root/scripts/fuzz-parsers.sh" "${QEL_FUZZ_PARSER_RUNS:-20000}"
fi

# The real target is a 32-bit Windows DLL: cross-build it and check its export names.
if [ "${QEL_SKIP_WINDOWS:-0}" != 1 ]; then
  bash "$root/scripts/build-windows.sh"
  bash "$root/scripts/check-windows-exports.sh" "${QEL_WINDOWS_BUILD_DIR:-$root/build-win32}/nuklearplugin.dll" "$build/export-manifest"
  # The 64-bit Windows build runs under Wine: the integration suite, the demo against the
  # Linux frame, the interface memblock bytes against the Linux build's.
  bash "$root/scripts/test-windows.sh"
fi
