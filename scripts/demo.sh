#!/usr/bin/env bash
# Sets up the machine, builds the plug-in and the reference host (nothing else), and plays
# the demo headless through the host, writing its screenshots to out/demo/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_BUILD_DIR:-$root/build}
out=${QEL_DEMO_OUT:-$root/out/demo}
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" nuklearplugin qelhost
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  "$build/host/qelhost" --plugin "$build/nuklearplugin.so" --frames "${QEL_DEMO_FRAMES:-120}" \
  --every 60 --width 1040 --height 620 --media "$root/examples/media" --screenshot-dir "$out"
echo "demo screenshots written to $out"
