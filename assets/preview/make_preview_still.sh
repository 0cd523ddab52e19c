#!/usr/bin/env bash
# Makes preview_still.bmp, the 152 x 112 picture the preview shows: the
# renderer's own sheets and drawing code, run natively on Mesa's offscreen
# context from a fixed seed for a few seconds, drawn at four times the size
# and scaled down. Needs g++, libosmesa6-dev, libglu1-mesa-dev, ImageMagick.
# Usage: make_preview_still.sh [SEED [SECONDS]]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
renderer="$here/../../renderer"
seed=${1:-2}
seconds=${2:-4}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -std=c++17 -O2 -I"$renderer" -o "$work/make_preview_still" "$here/make_preview_still.cpp" \
  "$renderer/glow_sheet.cpp" "$renderer/glow_sheet_drawing.cpp" "$renderer/scene_view.cpp" "$renderer/random_source.cpp" \
  "$renderer/hsv_colour.cpp" -lOSMesa -lGLU -lGL
"$work/make_preview_still" "$seed" "$seconds" 608 448 "$work/still.ppm"
convert "$work/still.ppm" -filter Triangle -resize '152x112!' -type TrueColor "BMP3:$here/preview_still.bmp"
echo "Wrote $here/preview_still.bmp (seed $seed, $seconds s)"
