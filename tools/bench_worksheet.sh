#!/usr/bin/env bash
# Time to write a worksheet of 60 tasks with its key (the aim is under 1 s), by the
# program itself on the command line, without a display. Prints the best of five runs per
# kind in seconds. Build first (tools/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
prog=build/bin/Quorvel
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for kind in grundrechnen:gemischt einheiten:gemischt zahlensysteme:roemisch primfaktoren:primfaktorzerlegung brueche:gemischt brueche:ordnen; do
  best=
  for i in 1 2 3 4 5; do
    s=$(date +%s%N)
    env -u DISPLAY "$prog" --arbeitsblatt "$kind" --anzahl 60 --nummer "$i" --pdf "$out/b.pdf"
    t=$(( $(date +%s%N) - s ))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  printf '%-34s 60 Aufgaben mit Lösungen: %d.%03d s (%s Seiten)\n' "$kind" \
    $((best / 1000000000)) $((best / 1000000 % 1000)) \
    "$(pdfinfo "$out/b.pdf" | awk '/^Pages:/ {print $2}')"
done
