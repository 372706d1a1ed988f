#!/usr/bin/env bash
# Sets up, builds and runs every test (unit, widget and real-window checks).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
cd build
ctest --output-on-failure -j2 --timeout 600
