#!/usr/bin/env bash
# Installs everything the build, the demo and the tests need on a fresh Debian 12 machine.
# Run as root. Safe to run again.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  build-essential cmake ninja-build pkg-config patch dpkg-dev
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

# Nuklear's header into the build folder's cache, where configuring looks for it first
# (configuring still fetches it when the cache is missing).
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/fetch-nuklear.sh" "${QEL_BUILD_DIR:-$root/build}/_deps/nuklear"
