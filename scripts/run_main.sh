#!/usr/bin/env bash
# Sets everything up, builds, and starts Tracelo on its built-in sample
# capture. Without a display it renders the window offscreen, writes a
# screenshot (tracelo.png, or the path given) and prints where.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${VELTOR_BUILD_DIR:-$root/build}"
tracelo="$build/apps/tracelo/tracelo"
sample="$build/apps/tracelo/sample.trc"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec "$tracelo" --screenshot "${1:-$PWD/tracelo.png}" "$sample"
fi
exec "$tracelo" "$sample"
