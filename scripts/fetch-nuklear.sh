#!/usr/bin/env bash
# Fetches Nuklear's single header from Debian's glfw3 3.4 source package into DEST
# (DEST/nuklear.h) and checks it against the pinned hash in cmake/nuklear.sha256. Needs the
# source entry scripts/setup.sh adds; refuses with a message when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/apt-source.sh"
dest=${1:?usage: fetch-nuklear.sh DEST_DIR}
expected=$(tr -d '[:space:]' < "$root/cmake/nuklear.sha256")
mkdir -p "$dest"
if [ -f "$dest/nuklear.h" ] && echo "$expected  $dest/nuklear.h" | sha256sum -c --status; then
  exit 0
fi

version=$(source_version glfw3 3.4 fetch-nuklear)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The tarball itself is not pinned (Debian may repack it); the header inside is.
(cd "$work" && apt-get source --download-only -q "glfw3=$version" >"$work/apt-get.log" 2>&1) ||
  { cat "$work/apt-get.log" >&2; echo "fetch-nuklear: apt-get source glfw3=$version failed" >&2; exit 1; }
tarball=$(ls "$work"/glfw3_3.4*.orig.tar.* 2>/dev/null | head -n 1)
[ -n "$tarball" ] || { echo "fetch-nuklear: glfw3 $version has no upstream tarball" >&2; exit 1; }
tar -xf "$tarball" -C "$work" --wildcards '*/deps/nuklear.h'
header=$(find "$work" -path '*/deps/nuklear.h' | head -n 1)
if ! echo "$expected  $header" | sha256sum -c --status; then
  echo "fetch-nuklear: nuklear.h does not match the expected SHA-256" >&2
  exit 1
fi
cp "$header" "$dest/nuklear.h"
echo "fetch-nuklear: nuklear.h cached in $dest"
