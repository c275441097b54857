#!/usr/bin/env bash
# Cross-builds the plug-in as a 32-bit Windows DLL: build-win32/nuklearplugin.dll.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_WINDOWS_BUILD_DIR:-$root/build-win32}
if ! command -v i686-w64-mingw32-g++ >/dev/null; then
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends g++-mingw-w64-i686 cmake ninja-build patch dpkg-dev
fi
bash "$root/scripts/fetch-nuklear.sh" "$build/_deps/nuklear"
bash "$root/scripts/fetch-windows-deps.sh" "$build/_deps/windows"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DQEL_WINDOWS_DEPS_DIR="$build/_deps/windows" \
  -DQEL_BUILD_TESTS=OFF -DQEL_BUILD_BENCH=OFF -DQEL_BUILD_HOST=OFF >/dev/null
ninja -C "$build" -j "${QEL_JOBS:-2}" nuklearplugin
echo "built $build/nuklearplugin.dll"
