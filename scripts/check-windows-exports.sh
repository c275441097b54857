#!/usr/bin/env bash
# Checks that the Windows DLL exports exactly the export list, by undecorated name. OBJDUMP
# names the objdump that reads the DLL (the 32-bit one by default).
set -euo pipefail
dll=${1:?usage: check-windows-exports.sh DLL EXPORT_MANIFEST_TOOL}
manifest=${2:?usage: check-windows-exports.sh DLL EXPORT_MANIFEST_TOOL}
expected=$("$manifest" def | tail -n +3 | sed 's/^ *//' | sort)
actual=$("${OBJDUMP:-i686-w64-mingw32-objdump}" -p "$dll" | awk '/\[Ordinal\/Name Pointer\] Table/ {on = 1; next} on && /^\t\[/ {print $3} on && !/^\t\[/ {on = 0}' | sort)
if [ "$expected" != "$actual" ]; then
  echo "Windows DLL exports differ from the export list:"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
echo "Windows DLL exports: $(echo "$actual" | wc -l) names, as listed"
