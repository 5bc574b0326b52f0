#!/usr/bin/env bash
# Draws the pictures that only lesson 2 uses (tab icons of its music,
# accusative and gap-filling pages, the shopping cart beside the music link)
# as SVG and renders them to PNG files in resources/ikonoj/. Needs rsvg-convert.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
celo="$radiko/resources/ikonoj"
mkdir -p "$celo"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

bildo() { # name, width, height, SVG body (width x height user units)
    printf '<svg xmlns="http://www.w3.org/2000/svg" width="%s" height="%s" viewBox="0 0 %s %s">%s</svg>\n' \
        "$2" "$3" "$2" "$3" "$4" >"$tmp/$1.svg"
    rsvg-convert -w "$2" -h "$3" -o "$celo/$1.png" "$tmp/$1.svg"
}

# Two notes on a beam: the music and video page.
bildo muziko 24 24 '<path d="M9 17.5 V5.5 L20 3 V15" fill="none" stroke="#6a1b9a" stroke-width="1.8" stroke-linejoin="round"/>
<path d="M9 5.5 L20 3 V6.5 L9 9 Z" fill="#6a1b9a"/>
<ellipse cx="6.3" cy="17.8" rx="3.3" ry="2.5" transform="rotate(-20 6.3 17.8)" fill="#8e44ad" stroke="#4a148c" stroke-width="1"/>
<ellipse cx="17.3" cy="15.3" rx="3.3" ry="2.5" transform="rotate(-20 17.3 15.3)" fill="#8e44ad" stroke="#4a148c" stroke-width="1"/>'

# A word card ending in a green "n": marking the accusative.
bildo akuzativo 24 24 '<rect x="1.5" y="5" width="21" height="14" rx="2" fill="#ffffff" stroke="#3b5b92" stroke-width="1.3"/>
<path d="M4.5 10 H12 M4.5 14 H10" stroke="#7a8fb8" stroke-width="1.4" stroke-linecap="round"/>
<path d="M14.5 16 V10.5 M14.5 12.5 C14.5 11 15.7 10.3 17 10.3 C18.4 10.3 19.5 11.1 19.5 12.8 V16" fill="none" stroke="#2e7d32" stroke-width="2" stroke-linecap="round"/>'

# A sentence line with a gap and a pen writing into it: filling the gaps.
bildo plenigas_spacon2 24 24 '<path d="M2 17 H7 M17 17 H22" stroke="#3b5b92" stroke-width="1.6" stroke-linecap="round"/>
<rect x="8" y="13" width="8" height="6" rx="1" fill="#fff8dc" stroke="#c0392b" stroke-width="1.1" stroke-dasharray="1.6 1.2"/>
<path d="M13 13.5 L19.5 4 L22 5.7 L15.5 15.2 L12.6 16.2 Z" fill="#f4d03f" stroke="#7d6608" stroke-width="1" stroke-linejoin="round"/>
<path d="M12.6 16.2 L13 13.5 L15.5 15.2 Z" fill="#5d4037"/>'

# A shopping cart: the link to the publisher of the song.
bildo acheto_chareto 32 29 '<path d="M2 4 H7 L10.5 19 H26" fill="none" stroke="#2f3b4c" stroke-width="2.2" stroke-linecap="round" stroke-linejoin="round"/>
<path d="M8 7.5 H29 L26.5 16 H10" fill="#a9cce3" stroke="#2f3b4c" stroke-width="1.8" stroke-linejoin="round"/>
<path d="M13 8 V15.5 M17.5 8 V15.5 M22 8 V15.5" stroke="#2f3b4c" stroke-width="1"/>
<circle cx="12.5" cy="24" r="2.5" fill="#2f3b4c"/>
<circle cx="23.5" cy="24" r="2.5" fill="#2f3b4c"/>'
