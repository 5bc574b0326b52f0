#!/usr/bin/env bash
# Draws the picture of the language dialog as SVG and renders it to PNG with
# rsvg-convert (the lesson arrows are drawn by tools/bildoj.py). Run from anywhere; writes into resources/ikonoj/.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
celo="$radiko/resources/ikonoj"
provizora="$(mktemp -d)"
trap 'rm -rf "$provizora"' EXIT
mkdir -p "$celo"

# The language dialog: a globe with two speech bubbles.
cat > "$provizora/traduko2.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <circle cx="64" cy="70" r="44" fill="#4a90c8" stroke="#1f4e79" stroke-width="3"/>
  <ellipse cx="64" cy="70" rx="18" ry="44" fill="none" stroke="#d8ecff" stroke-width="2.5"/>
  <line x1="20" y1="70" x2="108" y2="70" stroke="#d8ecff" stroke-width="2.5"/>
  <path d="M26 48 H102 M26 92 H102" stroke="#d8ecff" stroke-width="2.5" fill="none"/>
  <path d="M6 8 H56 a6 6 0 0 1 6 6 V36 a6 6 0 0 1 -6 6 H26 L14 52 V42 H6 a6 6 0 0 1 -6 -6 V14 a6 6 0 0 1 6 -6 Z"
        fill="#ffffff" stroke="#3f9b5a" stroke-width="3"/>
  <text x="31" y="33" font-family="DejaVu Sans" font-weight="bold" font-size="20"
        text-anchor="middle" fill="#3f9b5a">Eo</text>
  <path d="M72 8 H122 a6 6 0 0 1 6 6 V36 a6 6 0 0 1 -6 6 H114 V52 L102 42 H72 a6 6 0 0 1 -6 -6 V14 a6 6 0 0 1 6 -6 Z"
        fill="#ffffff" stroke="#e0a030" stroke-width="3"/>
  <text x="97" y="33" font-family="DejaVu Sans" font-weight="bold" font-size="20"
        text-anchor="middle" fill="#e0a030">?!</text>
</svg>
SVG
rsvg-convert -w 128 -h 128 "$provizora/traduko2.svg" -o "$celo/traduko2.png"
