#!/usr/bin/env bash
# Renders the program icon (app/desktop/quorvel.svg) into the hicolor PNG sizes kept in
# app/desktop/icons/. Run after changing the SVG; the PNGs are committed so that a build
# needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || apt-get install -y -q --no-install-recommends librsvg2-bin
mkdir -p app/desktop/icons
for s in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$s" -h "$s" app/desktop/quorvel.svg -o "app/desktop/icons/quorvel-$s.png"
done
ls -l app/desktop/icons
