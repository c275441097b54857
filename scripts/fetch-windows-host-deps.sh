#!/usr/bin/env bash
# Fetches what the Windows host and test programs compile in beyond the plug-in's own
# dependencies: GLFW from Debian's glfw3 source package (the one Nuklear's header comes
# from), pinned by upstream version and the SHA-256 of its upstream tarball, into DEST/glfw.
# stb and GoogleTest need no fetching: they come from Debian's libstb-dev and googletest
# packages (/usr/include/stb, /usr/src/googletest).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/apt-source.sh"
dest=${1:?usage: fetch-windows-host-deps.sh DEST_DIR}

glfw_version=3.4
glfw_sha256=c038d34200234d071fae9345bc455e4a8f2f544ab60150765d7704e08f3dac01

stamp="glfw $glfw_version $glfw_sha256"
if [ -f "$dest/pinned-host" ] && [ "$(cat "$dest/pinned-host")" = "$stamp" ] &&
   [ -f "$dest/glfw/CMakeLists.txt" ]; then
  exit 0
fi

glfw_debian=$(source_version glfw3 "$glfw_version" fetch-windows-host-deps)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
glfw=$(fetch_upstream_tarball glfw3 "$glfw_debian" "$work" "$glfw_sha256" fetch-windows-host-deps)
mkdir -p "$dest"
rm -rf "$dest/glfw" "$dest/pinned-host"
mkdir -p "$dest/glfw"
tar -xf "$glfw" -C "$dest/glfw" --strip-components=1
echo "$stamp" > "$dest/pinned-host"
echo "fetch-windows-host-deps: glfw $glfw_version sources in $dest"
