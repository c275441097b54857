#!/usr/bin/env bash
# Builds the libFuzzer targets of the plug-in's parsers (fuzz/) with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer in their own tree, and runs each one:
#   scripts/fuzz-parsers.sh [executions | <seconds>s] [regular expression of target names]
# A plain number runs each target that many executions (the test command's fixed budget,
# default 20000); a number with "s" runs each for that many seconds. Each target starts from
# its committed seeds in fuzz/corpus/<target> and keeps what it finds new in
# $build/corpus/<target>, so later runs go on from there. A finding stops its target, leaves
# the input in $build/findings/ and fails the script after every target has run.
# Expects scripts/setup.sh to have run (clang, libFuzzer, Nuklear's header).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_FUZZ_BUILD_DIR:-$root/build-fuzz}
header=${QEL_BUILD_DIR:-$root/build}/_deps/nuklear/nuklear.h
budget=${1:-20000}
filter=${2:-}

case "$budget" in
  *[0-9]s) limit=(-max_total_time="${budget%s}" -runs=-1) ;;
  *[!0-9]* | "") echo "fuzz-parsers: budget is a number of executions or of seconds (e.g. 300s), not '$budget'" >&2; exit 2 ;;
  *) limit=(-runs="$budget") ;;
esac

cc=$(command -v clang-14 || command -v clang || true)
cxx=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$cc" ] || [ -z "$cxx" ]; then
  echo "fuzz-parsers: clang is missing (scripts/setup.sh installs it)" >&2
  exit 1
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" \
  -DNUKLEAR_HEADER="$header" -DQEL_BUILD_FUZZERS=ON \
  -DQEL_BUILD_TESTS=OFF -DQEL_BUILD_BENCH=OFF -DQEL_BUILD_HOST=OFF >/dev/null
ninja -C "$build" -j "${QEL_JOBS:-2}" fuzzers

# Which dictionary helps which target.
dictionary_of() {
  case "$1" in
    style_document_fuzzer | style_tag_fuzzer | style_property_fuzzer) echo "$root/fuzz/style.dict" ;;
    number_lists_fuzzer | layout_row_list_fuzzer | spinner_number_fuzzer) echo "$root/fuzz/number.dict" ;;
    truetype_check_fuzzer) echo "$root/fuzz/truetype.dict" ;;
  esac
}

# Findings stop the process: the sanitizers' reports are the point.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/findings"
failed=()
for program in "$build"/fuzz/*_fuzzer; do
  target=$(basename "$program")
  name=${target%_fuzzer}
  if [ -n "$filter" ] && ! [[ "$name" =~ $filter ]]; then continue; fi
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  options=(-timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$name-")
  dictionary=$(dictionary_of "$target")
  if [ -n "$dictionary" ]; then options+=(-dict="$dictionary"); fi
  log="$build/findings/$name.log"
  if "$program" "${options[@]}" "${limit[@]}" "$corpus" "$root/fuzz/corpus/$name" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    seconds=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
    echo "fuzz-parsers: $name: ${runs:-?} executions in ${seconds:-?} s, no finding"
  else
    echo "fuzz-parsers: $name: FINDING (log: $log)" >&2
    grep -E 'ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -n 10 >&2 || true
    failed+=("$name")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz-parsers: findings in: ${failed[*]}" >&2
  exit 1
fi
