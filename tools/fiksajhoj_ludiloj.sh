#!/usr/bin/env bash
# Makes the silent recordings that the player tests play: a long one that is
# still playing while a test clicks through the buttons, and a short one that
# reaches its end at once.
set -euo pipefail
celo="$(cd "$(dirname "$0")/.." && pwd)/tests/fiksajhoj"
silento() { head -c $((8000 * 2 * $1 / 10)) /dev/zero | oggenc -Q -r -B 16 -C 1 -R 8000 -q 0 - -o "$2"; }
silento 3000 "$celo/ludiloj_longa.oga"
silento 5 "$celo/ludiloj_mallonga.oga"
