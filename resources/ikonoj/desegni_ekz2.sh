#!/usr/bin/env bash
# Draws the pictures of the accusative exercise and the pronunciation
# practice as SVG and renders them to PNG with rsvg-convert (ImageMagick
# turns the cursor's outline into its 1-bit mask).
# Run it again after changing a drawing: bash resources/ikonoj/desegni_ekz2.sh
set -euo pipefail
cd "$(dirname "$0")"
provizora="$(mktemp -d)"
trap 'rm -rf "$provizora"' EXIT

# bildo NAME WIDTH HEIGHT SCALE SVG-BODY: renders NAME.png at SCALE times the size.
bildo() {
    local nomo="$1" w="$2" h="$3" skalo="$4" korpo="$5"
    cat >"$provizora/bildo.svg" <<SVG
<svg xmlns="http://www.w3.org/2000/svg" width="$w" height="$h" viewBox="0 0 $w $h">
$korpo
</svg>
SVG
    rsvg-convert -w $((w * skalo)) -h $((h * skalo)) "$provizora/bildo.svg" -o "$nomo.png"
}

# The accusative cursor: a letter n, 24 x 24 with the hot spot in the middle.
litero_n="<path d='M7 19 V9 M7 12 C8 9 10.5 8.5 12.5 8.5 C15.5 8.5 17 10.5 17 13 V19' fill='none' stroke-linecap='round' stroke-linejoin='round'"
bildo kursoro_n 24 24 1 "<rect width='24' height='24' fill='#ffffff'/>
$litero_n stroke='#000000' stroke-width='5'/>
$litero_n stroke='#2e7d32' stroke-width='2.6'/>"
# Its mask: black where the cursor shows, white where it is see-through.
bildo "$provizora/masko" 24 24 1 "<rect width='24' height='24' fill='#ffffff'/>
$litero_n stroke='#000000' stroke-width='5.4'/>"
convert "$provizora/masko.png" -threshold 50% -type bilevel kursoro_n_masko.png

# Stopwatch beside the seconds box.
bildo kronometro 32 32 1 "<rect x='13' y='1.5' width='6' height='3.5' rx='1' fill='#546e7a'/>
<path d='M24 6.5 L26.5 4' stroke='#546e7a' stroke-width='2.2' stroke-linecap='round'/>
<circle cx='16' cy='18' r='12' fill='#eceff1' stroke='#37474f' stroke-width='2'/>
<path d='M16 9 V18 L21.5 21' fill='none' stroke='#c62828' stroke-width='2' stroke-linecap='round' stroke-linejoin='round'/>
<circle cx='16' cy='18' r='1.6' fill='#37474f'/>"

# Headphones: a model or a recording is playing.
bildo auskultilo 64 64 2 "<path d='M12 38 V32 A20 20 0 0 1 52 32 V38' fill='none' stroke='#37474f' stroke-width='5' stroke-linecap='round'/>
<rect x='7' y='36' width='12' height='20' rx='4' fill='#1e88e5' stroke='#0d47a1' stroke-width='1.5'/>
<rect x='45' y='36' width='12' height='20' rx='4' fill='#1e88e5' stroke='#0d47a1' stroke-width='1.5'/>"

# Microphone: the learner's voice is being recorded.
mikrofono="<rect x='24' y='6' width='16' height='30' rx='8' fill='#e53935' stroke='#8e1b17' stroke-width='1.5'/>
<path d='M28 14 H36 M28 19 H36 M28 24 H36' stroke='#ffcdd2' stroke-width='1.5' stroke-linecap='round'/>
<path d='M17 28 A15 15 0 0 0 47 28' fill='none' stroke='#37474f' stroke-width='3.5' stroke-linecap='round'/>
<path d='M32 43 V54 M23 56 H41' stroke='#37474f' stroke-width='3.5' stroke-linecap='round'/>"
bildo mikrofono 64 64 2 "$mikrofono"

# Record again: a small microphone with a turning arrow, on the face of the
# other 81 x 33 exercise buttons.
fono() { # colour-top colour-bottom
    echo "<defs><linearGradient id='g' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='$1'/><stop offset='1' stop-color='$2'/></linearGradient></defs>
<rect x='1' y='1' width='79' height='31' rx='6' fill='url(#g)' stroke='#4a5a6a' stroke-width='1'/>"
}
paroli="<rect x='27' y='7' width='8' height='13' rx='4' fill='#ffffff'/>
<path d='M23.5 15 A7.5 7.5 0 0 0 38.5 15' fill='none' stroke='#ffffff' stroke-width='2' stroke-linecap='round'/>
<path d='M31 22.5 V26 M27 26.5 H35' stroke='#ffffff' stroke-width='2' stroke-linecap='round'/>
<path d='M49 10 A8 8 0 1 1 46 22' fill='none' stroke='#ffffff' stroke-width='2.5' stroke-linecap='round'/>
<path d='M44 18 L46 23 L51 21' fill='none' stroke='#ffffff' stroke-width='2.5' stroke-linecap='round' stroke-linejoin='round'/>"
bildo ekzercoj/paroli-denove 81 33 2 "$(fono '#e57368' '#b3261e')$paroli"
bildo ekzercoj/paroli-denove-over 81 33 2 "$(fono '#f2a29b' '#d9473d')$paroli"
