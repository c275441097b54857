#!/usr/bin/env bash
# Fetches the sources the Windows build compiles in, GLEW (glew.c) and pugixml, from Debian's
# source packages into DEST, each pinned by upstream version and the SHA-256 of its upstream
# tarball. pugixml is the version the Linux build links (Debian 12's libpugixml-dev). Needs
# the source entries scripts/setup.sh adds; refuses with a message when one is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/apt-source.sh"
dest=${1:?usage: fetch-windows-deps.sh DEST_DIR}

glew_version=2.2.0
glew_sha256=971e9bd3e3561e2c33cd1722129a1a44186790e93f4a79e843a0dc8bd1fb1db1
pugixml_version=1.13
pugixml_sha256=5c5ad5d7caeb791420408042a7d88c2c6180781bf218feca259fd9d840a888e1

# A folder filled from the pinned tarballs says so; anything else is fetched again.
stamp="glew $glew_version $glew_sha256 pugixml $pugixml_version $pugixml_sha256"
if [ -f "$dest/pinned" ] && [ "$(cat "$dest/pinned")" = "$stamp" ] &&
   [ -f "$dest/glew/src/glew.c" ] && [ -f "$dest/pugixml/src/pugixml.cpp" ]; then
  exit 0
fi

glew_debian=$(source_version glew "$glew_version" fetch-windows-deps)
pugixml_debian=$(source_version pugixml "$pugixml_version" fetch-windows-deps)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/glew" "$work/pugixml"
glew=$(fetch_upstream_tarball glew "$glew_debian" "$work/glew" "$glew_sha256" fetch-windows-deps)
pugi=$(fetch_upstream_tarball pugixml "$pugixml_debian" "$work/pugixml" "$pugixml_sha256" fetch-windows-deps)

mkdir -p "$dest"
rm -rf "$dest/glew" "$dest/pugixml" "$dest/pinned"
mkdir -p "$dest/glew" "$dest/pugixml"
tar -xf "$glew" -C "$dest/glew" --strip-components=1
tar -xf "$pugi" -C "$dest/pugixml" --strip-components=1
grep -q "PUGIXML_VERSION $(echo "$pugixml_version" | tr -d .)0" "$dest/pugixml/src/pugixml.hpp" ||
  { echo "fetch-windows-deps: pugixml.hpp is not version $pugixml_version" >&2; exit 1; }
echo "$stamp" > "$dest/pinned"
echo "fetch-windows-deps: glew $glew_version and pugixml $pugixml_version sources in $dest"
