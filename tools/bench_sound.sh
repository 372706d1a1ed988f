#!/usr/bin/env bash
# Times the sound library's calls as the program sees them. Builds into build-bench/ (or
# $BUILD_DIR) and runs on SDL's silent dummy driver unless SDL_AUDIODRIVER is set.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build-bench}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target bench_sound -j2 >/dev/null
SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$build/tools/bench_sound/bench_sound"
