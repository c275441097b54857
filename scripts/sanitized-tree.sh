# Sourced by the scripts that build and run under AddressSanitizer and
# UndefinedBehaviorSanitizer: configures the sanitizer tree ($build) and exports the options
# its programs run with. Expects scripts/setup.sh to have run (packages, Nuklear's header).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QEL_SANITIZE_BUILD_DIR:-$root/build-sanitize}
header=${QEL_BUILD_DIR:-$root/build}/_deps/nuklear/nuklear.h
flags="-fsanitize=address,undefined -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNUKLEAR_HEADER="$header" \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
# Leak reports would be the GL driver's, not ours; every other finding stops the process.
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
