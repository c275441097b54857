#!/usr/bin/env bash
# Fetches Nuklear's single header from Debian's glfw3 3.4 source package into DEST
# (DEST/nuklear.h) and checks it against the known hash. Needs apt and root the first
# time, when it may add a source entry for the machine's own Debian mirror.
set -euo pipefail
dest=${1:?usage: fetch-nuklear.sh DEST_DIR}
expected=ef5ccb732c1d6733b237c322557b2ce427683b97aece7fd1d923c508a951f35e
mkdir -p "$dest"
if [ -f "$dest/nuklear.h" ] && echo "$expected  $dest/nuklear.h" | sha256sum -c --status; then
  exit 0
fi

has_source() { apt-cache showsrc glfw3 2>/dev/null | grep -q '^Version: 3\.4'; }

if ! has_source; then
  # Reuse the mirror the machine already uses for binary packages; only the suite differs.
  mirror=""
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
  fi
  if [ -z "$mirror" ] && [ -f /etc/apt/sources.list ]; then
    mirror=$(awk '$1 == "deb" && $0 !~ /security/ {for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {print $i; exit}}' /etc/apt/sources.list)
  fi
  [ -n "$mirror" ] || { echo "fetch-nuklear: no Debian mirror configured in apt" >&2; exit 1; }
  printf 'Types: deb-src\nURIs: %s\nSuites: trixie\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$mirror" > /etc/apt/sources.list.d/qel-trixie-src.sources
  apt-get update -q >/dev/null
  has_source || { echo "fetch-nuklear: glfw3 3.4 sources not found" >&2; exit 1; }
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source --download-only -q glfw3/trixie >/dev/null 2>&1 || apt-get source --download-only -q glfw3 >/dev/null)
tarball=$(ls "$work"/glfw3_3.4*.orig.tar.* | head -n 1)
tar -xf "$tarball" -C "$work" --wildcards '*/deps/nuklear.h'
header=$(find "$work" -path '*/deps/nuklear.h' | head -n 1)
if ! echo "$expected  $header" | sha256sum -c --status; then
  echo "fetch-nuklear: nuklear.h does not match the expected SHA-256" >&2
  exit 1
fi
cp "$header" "$dest/nuklear.h"
echo "fetch-nuklear: nuklear.h cached in $dest"
