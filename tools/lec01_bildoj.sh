#!/usr/bin/env bash
# Draws the pictures of lesson 1 (tab icons, arrows, equals sign) as SVG and
# renders them to 24 x 24 PNG files in resources/ikonoj/. Needs rsvg-convert.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
celo="$radiko/resources/ikonoj"
mkdir -p "$celo"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

bildo() { # name, SVG body (24 x 24 user units)
    printf '<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">%s</svg>\n' "$2" >"$tmp/$1.svg"
    rsvg-convert -w 24 -h 24 -o "$celo/$1.png" "$tmp/$1.svg"
}

# An open book: explanation pages.
bildo leciono '<path d="M12 6 C9 4 5 4 2 5 V19 C5 18 9 18 12 20 Z" fill="#fdf6e3" stroke="#3b5b92" stroke-width="1.4" stroke-linejoin="round"/>
<path d="M12 6 C15 4 19 4 22 5 V19 C19 18 15 18 12 20 Z" fill="#fdf6e3" stroke="#3b5b92" stroke-width="1.4" stroke-linejoin="round"/>
<path d="M4.5 8.5 C6.5 8 8.5 8 10 9 M4.5 11.5 C6.5 11 8.5 11 10 12 M4.5 14.5 C6.5 14 8.5 14 10 15 M14 9 C15.5 8 17.5 8 19.5 8.5 M14 12 C15.5 11 17.5 11 19.5 11.5" fill="none" stroke="#7a8fb8" stroke-width="0.9"/>'

# An ear: listening exercises.
bildo oreleto '<path d="M7 10 C7 5.5 10.5 3 13.5 3 C17 3 19.5 5.7 19.5 9 C19.5 12 17.5 13.2 16.3 14.4 C15.2 15.5 15.4 17.5 14.4 19 C13.3 20.7 11 21.3 9.4 20.2" fill="#f6c9a8" stroke="#8a4b2a" stroke-width="1.5" stroke-linecap="round"/>
<path d="M10.5 10 C10.5 7.8 12 6.5 13.6 6.5 C15.4 6.5 16.4 7.8 16.4 9.2 C16.4 10.6 15.2 11.3 14.3 11.9 C13.5 12.4 13.4 13.4 13.8 14.2" fill="none" stroke="#8a4b2a" stroke-width="1.3" stroke-linecap="round"/>'

# A microphone: pronunciation practice.
bildo mikrofoneto '<rect x="8.5" y="2.5" width="7" height="12" rx="3.5" fill="#9aa7b8" stroke="#2f3b4c" stroke-width="1.3"/>
<path d="M9 6 H15 M9 8.5 H15 M9 11 H15" stroke="#2f3b4c" stroke-width="0.8"/>
<path d="M5.5 11 C5.5 15 8.5 17.5 12 17.5 C15.5 17.5 18.5 15 18.5 11" fill="none" stroke="#2f3b4c" stroke-width="1.5" stroke-linecap="round"/>
<path d="M12 17.5 V21 M8.5 21.5 H15.5" stroke="#2f3b4c" stroke-width="1.6" stroke-linecap="round"/>'

# Word cards, one of them ticked: choosing the right translation.
bildo vortoludo '<rect x="2" y="3" width="14" height="6" rx="1.5" fill="#ffffff" stroke="#3b5b92" stroke-width="1.2"/>
<rect x="2" y="10.5" width="14" height="6" rx="1.5" fill="#dff0d8" stroke="#2e7d32" stroke-width="1.2"/>
<rect x="2" y="18" width="14" height="4.5" rx="1.5" fill="#ffffff" stroke="#3b5b92" stroke-width="1.2"/>
<path d="M4.5 6 H12 M4.5 13.5 H11 M4.5 20.2 H10" stroke="#7a8fb8" stroke-width="1.2" stroke-linecap="round"/>
<path d="M17 13.5 L19.2 16 L23 10.5" fill="none" stroke="#2e7d32" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>'

# An envelope: send pages.
bildo sendas_24 '<rect x="2" y="5" width="20" height="14" rx="1.5" fill="#fff8dc" stroke="#8a6d1f" stroke-width="1.4"/>
<path d="M2.8 6 L12 13 L21.2 6" fill="none" stroke="#8a6d1f" stroke-width="1.4" stroke-linejoin="round"/>
<path d="M2.8 18.2 L9.5 11.5 M21.2 18.2 L14.5 11.5" stroke="#8a6d1f" stroke-width="1"/>'

# Arrows: a form derived from the one above it, and "becomes".
revena='<path d="M6 4 V13 C6 14.6 7.2 15.5 8.8 15.5 H17" fill="none" stroke="#c0392b" stroke-width="2.4" stroke-linecap="round"/>
<path d="M15 11 L20.5 15.5 L15 20 Z" fill="#c0392b"/>'
antauen='<path d="M3 12 H16" stroke="#2e7d32" stroke-width="2.6" stroke-linecap="round"/>
<path d="M14 6.5 L21 12 L14 17.5 Z" fill="#2e7d32"/>'
bildo sago_revena "$revena"
bildo sago_revena_RTL "<g transform=\"translate(24 0) scale(-1 1)\">$revena</g>"
bildo sago_antauen "$antauen"
bildo sago_antauen_RTL "<g transform=\"translate(24 0) scale(-1 1)\">$antauen</g>"

# An equals sign.
bildo egala '<path d="M5 9 H19 M5 15 H19" stroke="#3b5b92" stroke-width="2.6" stroke-linecap="round"/>'
