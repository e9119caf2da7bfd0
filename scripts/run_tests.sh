#!/usr/bin/env bash
# Sets everything up, builds, and runs every test; then builds the libraries
# and their tests once more with AddressSanitizer and UBSan and runs them all
# again there. VELTOR_SKIP_SANITIZE=1 leaves the second pass out;
# VELTOR_WERROR=1 (set by CI) makes every warning an error.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
werror=OFF
if [ "${VELTOR_WERROR:-0}" = "1" ]; then werror=ON; fi
"$root/scripts/build.sh" -DVELTOR_WERROR="$werror"
build="${VELTOR_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)")

if [ "${VELTOR_SKIP_SANITIZE:-0}" != "1" ]; then
  asan="${build}-asan"
  if [ ! -f "$asan/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTOR_SANITIZE=ON \
      -DVELTOR_BUILD_BENCH=OFF -DVELTOR_WERROR="$werror" >/dev/null
  fi
  cmake --build "$asan" --parallel "$(nproc)"
  # Qt's own libraries are not instrumented; leak reports from them are noise.
  export ASAN_OPTIONS=detect_leaks=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  (cd "$asan" && ctest --output-on-failure --parallel "$(nproc)")
fi
