#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$@"
export QT_QPA_PLATFORM=offscreen
cd "${PIVOLET_BUILD_DIR:-$root/build}"
ctest --output-on-failure -j "$(nproc)"
