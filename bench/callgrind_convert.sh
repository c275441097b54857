#!/usr/bin/env bash
# Instructions per converted vertex of nk_convert, for raw stock Nuklear (A) and the plug-in's
# patched Nuklear (B), counted by callgrind on a short fixed workload of side_by_side_bench:
# the same windows of K = 25, 100 and 200 rows. Only what runs inside nk_convert (its callees
# included) is collected; each case's frames are dumped apart and divided by the vertices they
# converted. Both functions are named nk_convert: B's in the bench, A's in the raw_nuklear_a
# module (hidden from the dynamic symbol table, still in the module's own), so one toggle
# collects both, and the dumps keep them apart.
#
# Usage: bench/callgrind_convert.sh [build folder] [frames per case]
# Needs valgrind; runs under xvfb-run when there is no display.
set -euo pipefail

build=${1:-build}
frames=${2:-5}
bench="$build/bench/side_by_side_bench"
[[ -x "$bench" ]] || { echo "no $bench: build the side_by_side_bench target first" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run=(valgrind --tool=callgrind --collect-atstart=no --toggle-collect=nk_convert
     --callgrind-out-file="$work/callgrind.out" "$bench" --callgrind "$frames")
# One rendering thread: the driver's workers add nothing to the count but valgrind's time.
export LP_NUM_THREADS=0
if [[ -z "${DISPLAY:-}" ]]; then
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "${run[@]}" >"$work/bench.txt" 2>"$work/valgrind.txt"
else
  "${run[@]}" >"$work/bench.txt" 2>"$work/valgrind.txt"
fi || { cat "$work/valgrind.txt" >&2; exit 1; }

# Each dump names its case ("desc: Trigger: Client Request: A K=25 label+button") and gives
# the instructions collected in it ("summary:" or "totals:").
declare -A instructions
for dump in "$work"/callgrind.out.*; do
  name=$(sed -n 's/^desc: Trigger: Client Request: //p' "$dump")
  [[ -n "$name" ]] || continue
  count=$(awk '/^(summary|totals):/ { print $2; exit }' "$dump")
  instructions["$name"]=${count:-0}
done

printf '| %-22s | %-5s | %18s | %18s | %5s |\n' "rows" "K" "A stock instr/vtx" "B patched instr/vtx" "B/A"
printf '|%s|%s|%s|%s|%s|\n' "------------------------" "-------" "--------------------" "---------------------" "-------"
for rows in label+button long-label; do
  for k in 25 100 200; do
    per_vertex() {
      local name="$1 K=$k $rows" vertices
      vertices=$(sed -n "s/^converted $name vertices=//p" "$work/bench.txt")
      if [[ -z "$vertices" || "$vertices" == 0 || -z "${instructions[$name]:-}" ]]; then echo 0; return; fi
      awk -v i="${instructions[$name]}" -v v="$vertices" 'BEGIN { printf "%.1f", i / v }'
    }
    a=$(per_vertex A) b=$(per_vertex B)
    ratio=$(awk -v a="$a" -v b="$b" 'BEGIN { if (a > 0) printf "%.2f", b / a; else print "-" }')
    printf '| %-22s | %5s | %18s | %19s | %5s |\n' "$rows" "$k" "$a" "$b" "$ratio"
  done
done
