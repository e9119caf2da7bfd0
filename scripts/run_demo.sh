#!/usr/bin/env bash
# Sets everything up, builds, and starts Veltordemo, the component
# demonstration. Without a display it renders the main window offscreen,
# writes a screenshot (veltordemo.png, or the path given) and prints where.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${VELTOR_BUILD_DIR:-$root/build}"
demo="$build/apps/veltordemo/veltordemo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec "$demo" --screenshot "${1:-$PWD/veltordemo.png}"
fi
exec "$demo"
