#!/usr/bin/env bash
# Takes the handbook's screenshots from the real program window on a virtual X display and
# puts them into app/handbook/img/, where the build picks them up for the built-in handbook.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
cmake --build build --target handbook_shots
export DBUS_SESSION_BUS_ADDRESS=disabled: SDL_AUDIODRIVER=dummy
export XDG_DATA_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
mkdir -p app/handbook/img
xvfb-run -a -s "-screen 0 1024x768x24" build/bin/handbook_shots app/handbook/img
# A little smaller on disk, the same pixels.
for f in app/handbook/img/*.png; do convert "$f" -strip -define png:compression-level=9 "$f"; done
ls -l app/handbook/img
