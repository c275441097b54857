#!/usr/bin/env bash
# Fetches the sources the Windows build compiles in (GLEW's glew.c and pugixml) from
# Debian's source packages into DEST. Needs the deb-src entry fetch-nuklear.sh adds.
set -euo pipefail
dest=${1:?usage: fetch-windows-deps.sh DEST_DIR}
if [ -f "$dest/glew/src/glew.c" ] && [ -f "$dest/pugixml/src/pugixml.cpp" ]; then exit 0; fi
mkdir -p "$dest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Only the upstream tarballs are needed; a missing Debian packaging tarball does not matter.
(cd "$work" && apt-get source --download-only -q glew/trixie pugixml/trixie >/dev/null 2>&1 || true)
glew=$(ls "$work"/glew_*.orig.tar.* 2>/dev/null | head -n 1)
pugi=$(ls "$work"/pugixml_*.orig.tar.* 2>/dev/null | head -n 1)
[ -n "$glew" ] && [ -n "$pugi" ] || { echo "fetch-windows-deps: source packages not found (run scripts/fetch-nuklear.sh first)" >&2; exit 1; }
rm -rf "$dest/glew" "$dest/pugixml"
mkdir -p "$dest/glew" "$dest/pugixml"
tar -xf "$glew" -C "$dest/glew" --strip-components=1
tar -xf "$pugi" -C "$dest/pugixml" --strip-components=1
echo "fetch-windows-deps: glew and pugixml sources in $dest"
