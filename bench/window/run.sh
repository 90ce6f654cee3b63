#!/usr/bin/env bash
# Runs the game window benchmark under its own Xvfb with a fresh settings store (English chosen, music
# off, sound off), so that the figures do not depend on the player's settings or desktop.
#   bench/window/run.sh [runs]      (build folder: $PIVOLET_BUILD_DIR, default build/)
#   PIVOLET_BENCH_MUSIC=1 bench/window/run.sh [runs]      the same with the music on
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=${PIVOLET_BUILD_DIR:-$root/build}/bin
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

mkdir -p "$work/config/Brambleworks/Pivolet"
printf '[common]\ntongue=0\nmusic=%d\nsound=0\n' "${PIVOLET_BENCH_MUSIC:-0}" > "$work/config/Brambleworks/Pivolet/V3.ini"
DISPLAY=$display XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb \
  "$bin/bench_window" "${1:-10}"
