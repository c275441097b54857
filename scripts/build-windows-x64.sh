#!/usr/bin/env bash
# Cross-builds the 64-bit Windows programs that run under Wine: build-win64/nuklearplugin.dll,
# build-win64/host/qelhost.exe and build-win64/tests/integration_tests.exe (mingw-w64, posix
# thread model). Targets named as arguments are built alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_WIN64_BUILD_DIR:-$root/build-win64}
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix cmake ninja-build patch dpkg-dev libstb-dev googletest
fi
[ -f /usr/src/googletest/CMakeLists.txt ] || { echo "build-windows-x64: /usr/src/googletest is missing (Debian's googletest package)" >&2; exit 1; }
[ -f /usr/include/stb/stb_image.h ] || { echo "build-windows-x64: /usr/include/stb is missing (Debian's libstb-dev package)" >&2; exit 1; }
bash "$root/scripts/fetch-nuklear.sh" "$build/_deps/nuklear"
bash "$root/scripts/fetch-windows-deps.sh" "$build/_deps/windows"
bash "$root/scripts/fetch-windows-host-deps.sh" "$build/_deps/windows"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
  -DQEL_WINDOWS_DEPS_DIR="$build/_deps/windows" \
  -DQEL_STB_INCLUDE_DIR=/usr/include/stb \
  -DQEL_BUILD_TESTS=ON -DQEL_BUILD_BENCH=OFF -DQEL_BUILD_HOST=ON "${launcher[@]}" >/dev/null
if [ $# -gt 0 ]; then targets=("$@"); else targets=(nuklearplugin qelhost integration_tests); fi
ninja -C "$build" -j "${QEL_JOBS:-2}" "${targets[@]}"
echo "built ${targets[*]} in $build"
