#!/usr/bin/env bash
# Draws the exercise pictures of the course as SVG and renders them to PNG
# (twice the size the forms show them, so they stay sharp on dense screens).
# Run it again after changing a drawing: bash resources/ikonoj/desegni.sh
set -euo pipefail
cd "$(dirname "$0")"
provizora="$(mktemp -d)"
trap 'rm -rf "$provizora"' EXIT

# bildo NAME WIDTH HEIGHT SVG-BODY: renders NAME.png at twice WIDTH x HEIGHT.
bildo() {
    local nomo="$1" w="$2" h="$3" korpo="$4"
    cat >"$provizora/bildo.svg" <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="$w" height="$h" viewBox="0 0 $w $h">
$korpo
</svg>
SVG
    rsvg-convert -w $((w * 2)) -h $((h * 2)) "$provizora/bildo.svg" -o "$nomo.png"
}

# A rounded button face; the "-over" pictures are the same drawing, lighter.
fono() { # colour-top colour-bottom width height
    echo "<defs><linearGradient id='g' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='$1'/><stop offset='1' stop-color='$2'/></linearGradient></defs>
<rect x='1' y='1' width='$(($3 - 2))' height='$(($4 - 2))' rx='6' fill='url(#g)' stroke='#4a5a6a' stroke-width='1'/>"
}

butono() { # name width height drawing normal-top normal-bottom over-top over-bottom
    bildo "ekzercoj/$1" "$2" "$3" "$(fono "$5" "$6" "$2" "$3")$4"
    bildo "ekzercoj/$1-over" "$2" "$3" "$(fono "$7" "$8" "$2" "$3")$4"
}

# Start: a play triangle.
butono komenci 35 33 "<path d='M13 8 L25 16.5 L13 25 Z' fill='#ffffff' stroke='#1d5e20' stroke-width='1.2'/>" \
    '#5cb85c' '#2e7d32' '#8fd68f' '#4caf50'
# Stop: a square.
butono halti 35 33 "<rect x='11.5' y='10' width='12' height='13' rx='1.5' fill='#ffffff' stroke='#7a1a14' stroke-width='1.2'/>" \
    '#e57368' '#b3261e' '#f2a29b' '#d9473d'
# Check: a tick.
butono validi 35 33 "<path d='M9 17 L15 23 L26 10' fill='none' stroke='#ffffff' stroke-width='3.5' stroke-linecap='round' stroke-linejoin='round'/>" \
    '#5b9bd5' '#2f5f8f' '#8cbbe6' '#4a86c0'
# Next: an arrow pointing on.
butono antauen 81 33 "<path d='M22 16.5 H52 M45 9 L56 16.5 L45 24' fill='none' stroke='#ffffff' stroke-width='4' stroke-linecap='round' stroke-linejoin='round'/>" \
    '#5b9bd5' '#2f5f8f' '#8cbbe6' '#4a86c0'
# Hear again: a loudspeaker with a turning arrow.
butono auskultu-denove 81 33 "<path d='M24 13 H29 L36 8 V25 L29 20 H24 Z' fill='#ffffff'/>
<path d='M44 10 A8 8 0 1 1 41 22' fill='none' stroke='#ffffff' stroke-width='2.5' stroke-linecap='round'/>
<path d='M39 18 L41 23 L46 21' fill='none' stroke='#ffffff' stroke-width='2.5' stroke-linecap='round' stroke-linejoin='round'/>" \
    '#f0ad4e' '#c77c0e' '#f7cd8d' '#e69a2e'
# Print the exercise: a printer with a sheet.
butono printi-ekzercon 81 33 "<rect x='32' y='5' width='17' height='9' fill='#ffffff' stroke='#3b3b3b' stroke-width='1'/>
<rect x='25' y='13' width='31' height='11' rx='2' fill='#d8dde3' stroke='#3b3b3b' stroke-width='1'/>
<rect x='31' y='20' width='19' height='9' fill='#ffffff' stroke='#3b3b3b' stroke-width='1'/>
<path d='M34 23.5 H47 M34 26 H44' stroke='#3b3b3b' stroke-width='1'/>" \
    '#e9ecef' '#aab4be' '#f6f8fa' '#c9d1d9'

# Scoreboard pictures, 24 x 24.
bildo ekzercoj/bone 24 24 "<circle cx='12' cy='12' r='10.5' fill='#43a047' stroke='#1b5e20' stroke-width='1'/>
<path d='M6.5 12.5 L10.5 16.5 L17.5 8' fill='none' stroke='#ffffff' stroke-width='2.6' stroke-linecap='round' stroke-linejoin='round'/>"
bildo ekzercoj/malbone 24 24 "<circle cx='12' cy='12' r='10.5' fill='#e53935' stroke='#8e1b17' stroke-width='1'/>
<path d='M8 8 L16 16 M16 8 L8 16' stroke='#ffffff' stroke-width='2.6' stroke-linecap='round'/>"
bildo kubeto 24 24 "<path d='M12 2.5 L21 7 V17 L12 21.5 L3 17 V7 Z' fill='#90caf9' stroke='#1e4f7a' stroke-width='1'/>
<path d='M3 7 L12 11.5 L21 7 M12 11.5 V21.5' fill='none' stroke='#1e4f7a' stroke-width='1'/>
<path d='M12 11.5 L21 7 V17 L12 21.5 Z' fill='#5c9fd6'/>
<path d='M12 2.5 L21 7 L12 11.5 L3 7 Z' fill='#c4e1fb'/>
<path d='M12 2.5 L21 7 V17 L12 21.5 L3 17 V7 Z M3 7 L12 11.5 L21 7 M12 11.5 V21.5' fill='none' stroke='#1e4f7a' stroke-width='1'/>"
bildo kalkulilo 24 24 "<rect x='4.5' y='2' width='15' height='20' rx='2' fill='#607d8b' stroke='#263238' stroke-width='1'/>
<rect x='6.5' y='4' width='11' height='4.5' fill='#dcedc8'/>
<g fill='#eceff1'><rect x='6.5' y='10.5' width='3' height='2.5'/><rect x='10.5' y='10.5' width='3' height='2.5'/><rect x='14.5' y='10.5' width='3' height='2.5'/>
<rect x='6.5' y='14.5' width='3' height='2.5'/><rect x='10.5' y='14.5' width='3' height='2.5'/><rect x='14.5' y='14.5' width='3' height='2.5'/>
<rect x='6.5' y='18.3' width='7' height='2.2'/></g><rect x='14.5' y='18.3' width='3' height='2.2' fill='#ff8a65'/>"
