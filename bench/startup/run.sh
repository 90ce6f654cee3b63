#!/usr/bin/env bash
# Starts a bare Qt window of the game's size and the game in turn, each with a fresh settings store, and
# prints both programs' first frame and memory at 3 s (the runner starts its own Xvfb).
#   bench/startup/run.sh [runs]      runs counted per program, default 10 (build folder: $PIVOLET_BUILD_DIR,
#                                    default build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=${PIVOLET_BUILD_DIR:-$root/build}/bin
"$root/scripts/deps.sh" xvfb
"$bin/bench_startup" "$bin/bench_bare_window" "$bin/pivolet" "${1:-10}"
