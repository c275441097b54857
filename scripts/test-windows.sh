#!/usr/bin/env bash
# Runs the 64-bit Windows build under Wine, headless: the integration suite one process per
# test, then every page of the demo, whose last frame must match the Linux demo's within a small
# tolerance (screenshots in out/demo-windows/PAGE/ beside Linux's out/demo/PAGE/), then the
# interface script, whose memblock bytes must equal the Linux build's byte for byte.
# Installs what it needs on Debian 12 (wine64, the posix-model mingw-w64 compilers, Xvfb).
# A machine where Wine cannot run skips all this with one line saying why; under CI=true that
# skip is a failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_BUILD_DIR:-$root/build}
win=${QEL_WIN64_BUILD_DIR:-$root/build-win64}
jobs=${QEL_JOBS:-2}
test_timeout=${QEL_WINDOWS_TEST_TIMEOUT:-120}
demo_frames=120
# Both builds draw through the same Mesa rasteriser; what may differ is the last bit of a
# blended or anti-aliased pixel, from the two C runtimes' float functions.
tolerance=${QEL_FRAME_TOLERANCE:-2}
wine_loader=${QEL_WINE64:-/usr/lib/wine/wine64}

skip() {
  if [ "${CI:-}" = true ]; then
    echo "test-windows: FAILED: the Windows run cannot happen here: $1 (a skip fails under CI=true)"
    exit 1
  fi
  echo "test-windows: SKIPPED: the Windows run cannot happen here: $1"
  exit 0
}

# Everything that draws runs inside one Xvfb: the part below runs this script again there.
if [ "${QEL_WINDOWS_INSIDE_XVFB:-0}" != 1 ]; then
  # What this run needs, installed once.
  if [ ! -x "$wine_loader" ] || ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || ! command -v xvfb-run >/dev/null; then
    if [ "$(id -u)" != 0 ]; then skip "wine64 or the mingw-w64 compilers are missing and installing them needs root"; fi
    started=$(date +%s)
    if ! { apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        wine64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix xvfb xauth libstb-dev googletest; } >/tmp/qel-wine-install.log 2>&1; then
      tail -n 20 /tmp/qel-wine-install.log
      skip "installing wine64 and the mingw-w64 compilers failed (log above)"
    fi
    echo "test-windows: installed wine64 and the mingw-w64 compilers in $(( $(date +%s) - started )) s"
  fi
  [ -x "$wine_loader" ] || skip "$wine_loader is missing after installing wine64"

  # The Windows programs, and the Linux ones the results are compared with.
  started=$(date +%s)
  bash "$root/scripts/build-windows-x64.sh"
  echo "test-windows: Windows build took $(( $(date +%s) - started )) s"
  if [ ! -x "$build/host/qelhost" ] || [ ! -x "$build/host/frame-compare" ] || [ ! -f "$build/nuklearplugin.so" ] ||
     [ ! -x "$build/export-manifest" ]; then
    bash "$root/scripts/build.sh" nuklearplugin qelhost frame-compare export-manifest
  fi
  OBJDUMP=x86_64-w64-mingw32-objdump bash "$root/scripts/check-windows-exports.sh" "$win/nuklearplugin.dll" "$build/export-manifest"
  QEL_WINDOWS_INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0"
  exit $?
fi

# One Wine prefix and one kept-running server for every program of this run. The server and
# the first run (which makes the prefix) keep whatever output they are given open for as long
# as they live, so they get /dev/null: a reader of that output would wait forever.
export WINEPREFIX=${QEL_WINEPREFIX:-$win/wine-prefix}
export WINELOADER=$wine_loader   # the plain wine wrapper picks the 32-bit loader when wine32 is there
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer prompts in a new prefix
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
mkdir -p "$WINEPREFIX"
logs=$win/test-logs
rm -rf "$logs"
mkdir -p "$logs"
linux_out=${QEL_DEMO_OUT:-$root/out/demo}
windows_out=${QEL_WINDOWS_DEMO_OUT:-$root/out/demo-windows}

started=$(date +%s)
"$wineserver" -p >/dev/null 2>&1 </dev/null || true
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
if ! timeout 180 "$wine_loader" wineboot --init >/dev/null 2>&1 </dev/null; then
  skip "wine64 does not start (wineboot --init failed or took over 180 s)"
fi
if ! timeout 60 "$wine_loader" cmd /c exit 0 >/dev/null 2>&1 </dev/null; then
  skip "wine64 starts but cannot run a Windows program"
fi
echo "test-windows: Wine prefix and server ready in $(( $(date +%s) - started )) s"

run_wine() { "$wine_loader" "$@" </dev/null; }

# The integration suite, one test per process, two at a time.
suite_started=$(date +%s)
tests_exe=$win/tests/integration_tests.exe
run_wine "$tests_exe" --gtest_list_tests >"$logs/list.txt" 2>"$logs/list.err" ||
  { cat "$logs/list.err"; echo "test-windows: cannot list the integration tests under Wine"; exit 1; }
tr -d '\r' <"$logs/list.txt" | awk '
  /^[^ ]/ { suite = $1; next }
  /^  [^ ]/ { print suite $1 }' >"$logs/all-tests.txt"
# QEL_WINDOWS_TEST_FILTER (an extended regular expression) runs only the tests it matches.
grep -E -- "${QEL_WINDOWS_TEST_FILTER:-.}" "$logs/all-tests.txt" >"$logs/tests.txt" || true
count=$(wc -l <"$logs/tests.txt")
[ "$count" -gt 0 ] || { echo "test-windows: the integration suite lists no tests"; exit 1; }

# A test counts as passed when its process exits 0 after gtest reports it passed. Under load,
# Wine now and then leaves a process that has passed its test hanging on its way out; such a
# test is run once more and, when it then passes, listed as hung at exit, never hidden.
run_test_once() {
  local name=$1 log=$2
  timeout --kill-after=10 "$test_timeout" "$wine_loader" "$tests_exe" --gtest_filter="$name" >"$log" 2>&1 </dev/null
}
run_one() {
  local name=$1 log status
  log=$logs/$(echo "$name" | tr '/' '_').log
  set +e
  run_test_once "$name" "$log"
  status=$?
  if { [ $status -eq 124 ] || [ $status -eq 137 ]; } && grep -q '\[  PASSED  \] 1 test' "$log"; then
    mv "$log" "$log.hung"
    run_test_once "$name" "$log"
    status=$?
    [ $status -eq 0 ] && echo "$name" >>"$logs/hung.txt"
  fi
  set -e
  if [ $status -eq 0 ] && grep -q '\[  PASSED  \] 1 test' "$log"; then
    echo "$name" >>"$logs/passed.txt"
  elif [ $status -eq 124 ] || [ $status -eq 137 ]; then
    echo "$name (timed out after $test_timeout s)" >>"$logs/failed.txt"
  else
    echo "$name (exit $status)" >>"$logs/failed.txt"
  fi
}
export -f run_one run_test_once
export logs tests_exe test_timeout wine_loader
: >"$logs/passed.txt"
: >"$logs/failed.txt"
: >"$logs/hung.txt"
xargs -P "$jobs" -I{} bash -c 'run_one "$1"' _ {} <"$logs/tests.txt"
passed=$(wc -l <"$logs/passed.txt")
failed=$(wc -l <"$logs/failed.txt")
echo "test-windows: integration suite under Wine: $passed of $count passed, $failed failed, in $(( $(date +%s) - suite_started )) s"
status=0
if [ -s "$logs/hung.txt" ]; then
  echo "test-windows: $(wc -l <"$logs/hung.txt") tests passed but their process hung on exit under Wine; each passed again when rerun:"
  sort "$logs/hung.txt" | sed 's/^/  HUNG AT EXIT: /'
fi
if [ "$failed" -gt 0 ]; then
  sort "$logs/failed.txt" | sed 's/^/  FAILED: /'
  echo "  (logs in $logs)"
  status=1
fi

# The demo, every page drawn by both builds with the same arguments; the Windows screenshots go
# beside the Linux ones, and each page's last frame must match the Linux one.
demo_started=$(date +%s)
if [ -n "${QEL_WINDOWS_DEMO_PAGES:-}" ]; then
  read -r -a pages <<<"$QEL_WINDOWS_DEMO_PAGES"
else
  mapfile -t pages < <("$build/host/qelhost" --list-demos)
fi
last=$(printf 'frame_%05d.png' "$demo_frames")
for page in "${pages[@]}"; do
  demo_args=(--demo "$page" --frames "$demo_frames" --every 40 --width 1040 --height 620 --media "$root/examples/media")
  linux_shots=$linux_out/$page
  windows_shots=$windows_out/$page
  mkdir -p "$linux_shots" "$windows_shots"
  if ! "$build/host/qelhost" --plugin "$build/nuklearplugin.so" "${demo_args[@]}" --screenshot-dir "$linux_shots" \
      >"$logs/demo-linux-$page.log" 2>&1; then
    cat "$logs/demo-linux-$page.log"
    echo "test-windows: demo page $page failed on Linux"
    status=1
    continue
  fi
  if ! timeout 300 "$wine_loader" "$win/host/qelhost.exe" --plugin "$win/nuklearplugin.dll" "${demo_args[@]}" \
      --screenshot-dir "$windows_shots" >"$logs/demo-windows-$page.log" 2>&1 </dev/null; then
    cat "$logs/demo-windows-$page.log"
    echo "test-windows: demo page $page failed under Wine"
    status=1
    continue
  fi
  echo -n "test-windows: demo page $page under Wine, last frame against Linux: "
  if ! "$build/host/frame-compare" "$linux_shots/$last" "$windows_shots/$last" "$tolerance"; then
    echo "test-windows: demo page $page: the Windows frame differs from the Linux one"
    status=1
  fi
done
echo "test-windows: ${#pages[@]} demo pages on both builds in $(( $(date +%s) - demo_started )) s; Windows screenshots in $windows_out/"

# The interface script: the memblock bytes the DLL writes equal those the .so writes.
"$build/host/qelhost" --plugin "$build/nuklearplugin.so" --media "$root/examples/media" \
  --interface-dump "$logs/interface-linux.bin" >"$logs/interface-linux.log" 2>&1 ||
  { cat "$logs/interface-linux.log"; echo "test-windows: the Linux interface script failed"; status=1; }
timeout 120 "$wine_loader" "$win/host/qelhost.exe" --plugin "$win/nuklearplugin.dll" --media "$root/examples/media" \
  --interface-dump "$logs/interface-windows.bin" >"$logs/interface-windows.log" 2>&1 </dev/null ||
  { cat "$logs/interface-windows.log"; echo "test-windows: the interface script failed under Wine"; status=1; }
if [ -s "$logs/interface-linux.bin" ] && cmp "$logs/interface-linux.bin" "$logs/interface-windows.bin"; then
  echo "test-windows: interface memblock bytes: the DLL's equal the .so's ($(wc -c <"$logs/interface-linux.bin") bytes)"
else
  echo "test-windows: interface memblock bytes differ between the DLL and the .so"
  status=1
fi

if [ $status -eq 0 ]; then echo "test-windows: all passed"; else echo "test-windows: FAILED"; fi
exit $status
