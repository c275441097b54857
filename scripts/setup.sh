#!/usr/bin/env bash
# Installs everything the build, the demo and the tests need on a fresh Debian 12 machine.
# Run as root. Safe to run again.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  build-essential cmake ninja-build pkg-config patch dpkg-dev
  clang-14 libclang-rt-14-dev  # libFuzzer and clang's sanitizer runtimes (scripts/fuzz-parsers.sh)
  libglew-dev libglfw3-dev libpugixml-dev libstb-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libgl1-mesa-dri libgl1-mesa-dev
  fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Source entries the fetch scripts need, on the mirror the machine already uses for binary
# packages (only the suite differs): trixie has glfw3 3.4 (Nuklear's header) and GLEW 2.2.0,
# bookworm has pugixml 1.13, the version the Linux build links. Only this script edits
# apt's sources; the fetch scripts refuse and point here when an entry is missing.
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/apt-source.sh"
offers() { apt-cache showsrc "$1" 2>/dev/null | grep -q "^Version: $2"; }
mirror() {
  local uri=""
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources)
  fi
  if [ -z "$uri" ] && [ -f /etc/apt/sources.list ]; then
    uri=$(awk '$1 == "deb" && $0 !~ /security/ {for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) {print $i; exit}}' /etc/apt/sources.list)
  fi
  [ -n "$uri" ] || { echo "setup: no Debian mirror configured in apt" >&2; return 1; }
  echo "$uri"
}
added=0
add_source_entry() {  # suite, then "package version-prefix" pairs the suite must offer
  local suite=$1 file=/etc/apt/sources.list.d/qel-$1-src.sources needed=0
  shift
  while [ $# -gt 0 ]; do offers "$1" "$2" || needed=1; shift 2; done
  if [ "$needed" = 1 ] && [ ! -f "$file" ]; then
    local uri
    uri=$(mirror)
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$uri" "$suite" > "$file"
    added=1
  fi
}
add_source_entry trixie glfw3 '3\.4' glew '2\.2\.0'
add_source_entry bookworm pugixml '1\.13'
if [ "$added" = 1 ]; then apt-get update -q >/dev/null; fi
source_version glfw3 3.4 setup >/dev/null
source_version glew 2.2.0 setup >/dev/null
source_version pugixml 1.13 setup >/dev/null

# Nuklear's header into the build folder's cache, where configuring looks for it first
# (configuring still fetches it when the cache is missing).
bash "$root/scripts/fetch-nuklear.sh" "${QEL_BUILD_DIR:-$root/build}/_deps/nuklear"
