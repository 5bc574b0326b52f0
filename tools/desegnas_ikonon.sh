#!/usr/bin/env bash
# Renders the program's icon, our own SVG drawing in instalo/ikono.svg (the
# green star of Esperanto over an open book), to the PNG sizes the desktop's
# icon theme looks in. Run from anywhere; writes instalo/ikonoj/<size>.png.
set -euo pipefail
instalo="$(cd "$(dirname "$0")/../instalo" && pwd)"
mkdir -p "$instalo/ikonoj"
for grando in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$grando" -h "$grando" "$instalo/ikono.svg" -o "$instalo/ikonoj/$grando.png"
done
