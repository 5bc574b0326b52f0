#!/usr/bin/env bash
# Builds the course web site's folder from the shipped translations and the
# hand-written pages in tools/kursejo/, then (with --servi) serves it.
#
#   bash tools/kursejo.sh [target folder] [--servi [port]]
#
# The default target is build/kursejo. Serve it with
#   cd build/kursejo && python3 -m http.server 8000 --bind 127.0.0.1
# and build the program against it with -DLERBO_KURSEJO=127.0.0.1:8000.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
celo="$radiko/build/kursejo"
if [ $# -gt 0 ] && [ "$1" != "--servi" ]; then
  celo="$1"
  shift
fi
cmake -S "$radiko" -B "$radiko/build" >/dev/null
cmake --build "$radiko/build" --target kursejo -j"$(nproc)" >/dev/null
"$radiko/build/tools/kursejo" "$celo" "$radiko/tools/kursejo"
if [ "${1:-}" = "--servi" ]; then
  pordo="${2:-8000}"
  cd "$celo"
  # The corrector page keeps the name the program links to; it is plain HTML.
  exec python3 -c 'import sys, http.server as h
h.SimpleHTTPRequestHandler.extensions_map[".php"] = "text/html; charset=utf-8"
h.test(HandlerClass=h.SimpleHTTPRequestHandler, port=int(sys.argv[1]), bind="127.0.0.1")' "$pordo"
fi
