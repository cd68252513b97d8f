#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "${BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --timeout 300 "$@"
