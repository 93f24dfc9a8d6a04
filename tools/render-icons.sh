#!/bin/sh
# Renders the PNG sizes of the icon from packaging/icons/tavro.svg. The PNGs
# are kept in the repository, so the build needs no SVG renderer; run this
# after changing the SVG.
set -eu
cd "$(dirname "$0")/.."
./tools/install-deps.sh librsvg2-bin
for size in 16 24 32 48 64 128 256; do
  mkdir -p "packaging/icons/${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
    --output "packaging/icons/${size}x${size}/tavro.png" packaging/icons/tavro.svg
done
