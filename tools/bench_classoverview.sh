#!/usr/bin/env bash
# Class overview benchmark: a data directory of 1,000 pupils (5,000 statistics files and
# 1,000 Fehlerkarteien) is
# made in a temporary folder; the program's window "Klassenübersicht" is opened on it
# (every file read, the table filled, sorted and painted, offscreen) and exported as CSV.
#   open_ms        opening the window until its table is painted (median; aim < 1 s for
#                  1,000 pupils on a local disk)
#   open_first_ms  the first opening on its own
#   refresh_ms     "Aktualisieren": reading the files again
#   export_ms      writing the CSV file (aim < 300 ms)
#   rss_window_mb  resident memory the open window added (aim < 20 MB)
#   choose_pupil_ms  choosing one pupil in that folder (its five files read and written)
# Usage: tools/bench_classoverview.sh [build-dir]   (PUPILS=n, RUNS=n to change the size)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" --target bench_classoverview -j2 >/dev/null
QT_QPA_PLATFORM=offscreen "$BUILD/bin/bench_classoverview"
