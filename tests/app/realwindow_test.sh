#!/usr/bin/env bash
# Starts the real program on a virtual X display, checks its window and caption, takes a
# screenshot, then ends it with "&Programm beenden" (Alt+P) and expects exit code 0.
set -u
prog=$1
shots=${2:-/tmp}
mkdir -p "$shots"
export DBUS_SESSION_BUS_ADDRESS=disabled: SDL_AUDIODRIVER=dummy
export XDG_DATA_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_DATA_HOME"' EXIT

run() {
  "$prog" &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name 'Quorvel V1.51 \(Stand: 05.02.2005\)' | head -n 1)
  if [ -z "$win" ]; then echo "FAIL: no window with the caption appeared"; kill $pid; exit 1; fi
  eval "$(xdotool getwindowgeometry --shell "$win")"
  echo "window $WIDTH x $HEIGHT"
  if [ "$WIDTH" != 800 ] || [ "$HEIGHT" != 590 ]; then echo "FAIL: size"; kill $pid; exit 1; fi
  sleep 0.5
  import -window root "$shots/mainwindow.png"
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
  xdotool key --window "$win" alt+p
  for _ in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "FAIL: program still running"; kill $pid; exit 1; fi
  wait $pid
  code=$?
  echo "exit code $code"
  [ $code -eq 0 ] || { echo "FAIL: exit code"; exit 1; }
  echo "1 passed, 0 failed"
}
if [ "${QUORVEL_INNER:-}" = 1 ]; then run; exit $?; fi
QUORVEL_INNER=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$prog" "$shots"
