#!/usr/bin/env bash
# Draws the pictures of the send panel and the music and video players:
# SVG written here, rendered to PNG with rsvg-convert (at twice the size the
# widgets show them, so they stay sharp on high-density screens).
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
provizora="$(mktemp -d)"
trap 'rm -rf "$provizora"' EXIT

bildo() { # bildo DOSIERO LARGHO ALTO <<< SVG
  local celo="$radiko/resources/$1"
  mkdir -p "$(dirname "$celo")"
  cat > "$provizora/b.svg"
  rsvg-convert -w "$2" -h "$3" "$provizora/b.svg" -o "$celo"
}

# The pause button of the music players, drawn like the exercise buttons of
# resources/ikonoj/desegni.sh (which also draws the players' start and stop
# buttons, komenci and halti): a rounded face, "-over" a lighter one.
pauzo() { # NOMO SUPRO MALSUPRO
  bildo "ikonoj/ekzercoj/$1.png" 70 66 <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="35" height="33" viewBox="0 0 35 33">
  <defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="$2"/><stop offset="1" stop-color="$3"/></linearGradient></defs>
  <rect x="1" y="1" width="33" height="31" rx="6" fill="url(#g)" stroke="#4a5a6a" stroke-width="1"/>
  <rect x="11" y="9" width="4.5" height="15" rx="1" fill="#ffffff" stroke="#2f5f8f" stroke-width="1"/>
  <rect x="19.5" y="9" width="4.5" height="15" rx="1" fill="#ffffff" stroke="#2f5f8f" stroke-width="1"/>
</svg>
SVG
}
pauzo pauzo "#5b9bd5" "#2f5f8f"
pauzo pauzo-over "#8cbbe6" "#4a86c0"

# Show the model answers: a written sheet with a red tick over it.
bildo ikonoj_androjdo/korekti_ekzercon.png 96 96 <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="96" height="96" viewBox="0 0 96 96">
  <rect x="16" y="8" width="56" height="76" rx="4" fill="#ffffff" stroke="#555555" stroke-width="3"/>
  <g stroke="#9a9a9a" stroke-width="3" stroke-linecap="round">
    <line x1="25" y1="24" x2="62" y2="24"/><line x1="25" y1="36" x2="62" y2="36"/>
    <line x1="25" y1="48" x2="52" y2="48"/><line x1="25" y1="60" x2="46" y2="60"/>
  </g>
  <path d="M44 62 L58 78 L88 40" fill="none" stroke="#d32828" stroke-width="9"
        stroke-linecap="round" stroke-linejoin="round"/>
</svg>
SVG

# Copy for the corrector: two sheets, the front one with an arrow going out.
bildo ikonoj_androjdo/kopias_por_sendi.png 80 96 <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="80" height="96" viewBox="0 0 80 96">
  <rect x="6" y="6" width="46" height="62" rx="4" fill="#f4f4f4" stroke="#777777" stroke-width="3"/>
  <rect x="22" y="22" width="46" height="62" rx="4" fill="#ffffff" stroke="#555555" stroke-width="3"/>
  <g stroke="#9a9a9a" stroke-width="3" stroke-linecap="round">
    <line x1="30" y1="36" x2="60" y2="36"/><line x1="30" y1="46" x2="60" y2="46"/>
  </g>
  <path d="M32 70 L58 70 M50 60 L60 70 L50 80" fill="none" stroke="#d35828" stroke-width="6"
        stroke-linecap="round" stroke-linejoin="round"/>
</svg>
SVG

# The video's poster: a dark screen with a film strip and a play sign.
bildo ikonoj_androjdo/ziv_video_startu.png 320 240 <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="320" height="240" viewBox="0 0 320 240">
  <defs>
    <linearGradient id="f" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#3b4a5a"/><stop offset="1" stop-color="#151b22"/>
    </linearGradient>
  </defs>
  <rect width="320" height="240" fill="url(#f)"/>
  <g fill="#0b0e12">
    <rect x="0" y="0" width="320" height="26"/><rect x="0" y="214" width="320" height="26"/>
  </g>
  <g fill="#c9d2dc">
    <rect x="10" y="8" width="14" height="10" rx="2"/><rect x="50" y="8" width="14" height="10" rx="2"/>
    <rect x="90" y="8" width="14" height="10" rx="2"/><rect x="130" y="8" width="14" height="10" rx="2"/>
    <rect x="170" y="8" width="14" height="10" rx="2"/><rect x="210" y="8" width="14" height="10" rx="2"/>
    <rect x="250" y="8" width="14" height="10" rx="2"/><rect x="290" y="8" width="14" height="10" rx="2"/>
    <rect x="10" y="222" width="14" height="10" rx="2"/><rect x="50" y="222" width="14" height="10" rx="2"/>
    <rect x="90" y="222" width="14" height="10" rx="2"/><rect x="130" y="222" width="14" height="10" rx="2"/>
    <rect x="170" y="222" width="14" height="10" rx="2"/><rect x="210" y="222" width="14" height="10" rx="2"/>
    <rect x="250" y="222" width="14" height="10" rx="2"/><rect x="290" y="222" width="14" height="10" rx="2"/>
  </g>
  <circle cx="160" cy="120" r="52" fill="#d35828" stroke="#ffffff" stroke-width="6"/>
  <path d="M142 92 L188 120 L142 148 Z" fill="#ffffff"/>
</svg>
SVG
