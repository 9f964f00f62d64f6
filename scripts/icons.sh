#!/usr/bin/env bash
# Renders the program's icon, packaging/icons/quillon.svg, into the PNG sizes of the hicolor icon
# theme (packaging/icons/quillon-NN.png, committed beside it; the build installs them). Run it
# after a change of the SVG. Uses rsvg-convert (librsvg2-bin, installed when missing).
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v rsvg-convert >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        librsvg2-bin >/dev/null
fi
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" packaging/icons/quillon.svg \
        --output "packaging/icons/quillon-$size.png"
done
ls packaging/icons
