#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game from the build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh"
bin=${PIVOLET_BUILD_DIR:-$root/build}/bin
exec "$bin/pivolet"
