#!/usr/bin/env bash
# Checks that the Linux shared library exports exactly the export list: every listed name
# is defined in its dynamic symbol table, and nothing else is (no C++ library templates,
# no Nuklear, no linker-made symbols).
set -euo pipefail
so=${1:?usage: check-linux-exports.sh SHARED_LIBRARY EXPORT_MANIFEST_TOOL}
manifest=${2:?usage: check-linux-exports.sh SHARED_LIBRARY EXPORT_MANIFEST_TOOL}
expected=$("$manifest" def | tail -n +3 | sed 's/^ *//' | sort)
# Third column: the name; versioned names (none expected) would carry @VERSION.
actual=$(nm -D --defined-only "$so" | awk 'NF >= 3 {print $3}' | sort)
if [ -z "$expected" ]; then
  echo "export-manifest printed no exports" >&2
  exit 1
fi
if [ "$expected" != "$actual" ]; then
  echo "Linux shared library exports differ from the export list (< listed only, > exported only):"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
# Every export is a function in the text section.
not_code=$(nm -D --defined-only "$so" | awk 'NF >= 3 && $2 != "T" {print $3 " (" $2 ")"}')
if [ -n "$not_code" ]; then
  echo "Linux shared library exports names that are not functions:"
  echo "$not_code"
  exit 1
fi
echo "Linux shared library exports: $(echo "$actual" | wc -l) names, as listed"
