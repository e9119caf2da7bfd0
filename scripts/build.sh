#!/usr/bin/env bash
# Configures and builds the project into build/ (or $VELTOR_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELTOR_BUILD_DIR:-$root/build}"
generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif [ $# -gt 0 ]; then
  cmake "$build" "$@" >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)"
