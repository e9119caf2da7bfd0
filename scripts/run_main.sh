#!/usr/bin/env bash
# Sets everything up, builds, and starts the main program. Without a display
# it renders offscreen, writes a screenshot and prints its path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${VELTOR_BUILD_DIR:-$root/build}"
exec "$build/apps/testbed/veltor_testbed" "$@"
