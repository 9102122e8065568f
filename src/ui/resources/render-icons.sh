#!/usr/bin/env bash
# Renders the PNG icons from zenoku-sim.svg. The PNGs are committed, so building needs no SVG
# renderer; run this (it needs rsvg-convert from librsvg2-bin) after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")"
for size in 32 128; do
    rsvg-convert --width "$size" --height "$size" --output "zenoku-sim-$size.png" zenoku-sim.svg
done
