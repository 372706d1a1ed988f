#!/usr/bin/env bash
# Median drawing time of each statistics chart (aim: under 5 ms), offscreen.
# Usage: tools/bench_charts.sh [build-dir] [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
ROUNDS=${2:-200}
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" --target bench_charts -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$BUILD/bin/bench_charts" "$ROUNDS"
