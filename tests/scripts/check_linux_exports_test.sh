#!/usr/bin/env bash
# The export check of the shared library passes on the real export list and refuses every
# kind of mismatch: a checker that always passes would hide a leaked or a lost export.
# usage: check_linux_exports_test.sh CHECK_SCRIPT SHARED_LIBRARY EXPORT_MANIFEST_TOOL
set -euo pipefail
check=${1:?usage: check_linux_exports_test.sh CHECK_SCRIPT SHARED_LIBRARY EXPORT_MANIFEST_TOOL}
so=${2:?}
manifest=${3:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name | what the export list becomes (a filter of the real `def` output) | expected status |
# a line the check must print
cases=(
  "the list itself|cat|0|names, as listed"
  "a listed name the library lacks|sed '\$a\\  NotAnExport'|1|< NotAnExport"
  "an export the list lacks|sed '3d'|1|> ReceiveQELPtr"
  "one name spelt otherwise|sed '3s/\$/X/'|1|< ReceiveQELPtrX"
  "an empty list|head -n 2|1|printed no exports"
)
failures=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name filter expected says <<<"$entry"
  fake="$work/manifest"
  printf '#!/bin/sh\n"%s" "$@" | %s\n' "$manifest" "$filter" > "$fake"
  chmod +x "$fake"
  status=0
  bash "$check" "$so" "$fake" >"$work/out" 2>&1 || status=$?
  if [ "$status" -ne "$expected" ] || ! grep -qF -- "$says" "$work/out"; then
    echo "FAIL: $name: status $status (expected $expected), output without \"$says\":"
    cat "$work/out"
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "export check: ${#cases[@]} cases as expected"
exit "$failures"
