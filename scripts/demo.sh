#!/usr/bin/env bash
# Sets up the machine, builds the plug-in and the reference host (nothing else), and plays
# every page of the demo headless through the host, writing each page's screenshots to
# out/demo/PAGE/. Pages named as arguments are played alone: scripts/demo.sh values panels
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_BUILD_DIR:-$root/build}
out=${QEL_DEMO_OUT:-$root/out/demo}
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" nuklearplugin qelhost
if [ $# -gt 0 ]; then pages=("$@"); else mapfile -t pages < <("$build/host/qelhost" --list-demos); fi
for page in "${pages[@]}"; do
  mkdir -p "$out/$page"
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    "$build/host/qelhost" --plugin "$build/nuklearplugin.so" --demo "$page" --frames "${QEL_DEMO_FRAMES:-120}" \
    --every 40 --width 1040 --height 620 --media "$root/examples/media" --screenshot-dir "$out/$page"
  echo "demo page $page: screenshots written to $out/$page"
done
