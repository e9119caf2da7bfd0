#!/usr/bin/env bash
# Sets everything up, builds, and runs every test; then runs the logic tests
# (file loading included) once more under AddressSanitizer and UBSan.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${VELTOR_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
(cd "$build" && ctest --output-on-failure --parallel "$(nproc)")

if [ "${VELTOR_SKIP_SANITIZE:-0}" != "1" ]; then
  asan="${build}-asan"
  if [ ! -f "$asan/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTOR_SANITIZE=ON \
      -DVELTOR_BUILD_BENCH=OFF >/dev/null
  fi
  cmake --build "$asan" --parallel "$(nproc)" --target test_logic
  # Qt's own libraries are not instrumented; leak reports from them are noise.
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$asan/tests/test_logic" --gtest_brief=1
fi
