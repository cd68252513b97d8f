#!/usr/bin/env bash
# Sets up a fresh machine, builds, and opens the manager. Extra arguments go to corvane.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${BUILD_DIR:-$root/build}
if [[ $# -eq 0 ]]; then set -- --demo b; fi
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    exec xvfb-run -a "$build/bin/corvane" "$@"
fi
exec "$build/bin/corvane" "$@"
