#!/usr/bin/env bash
# Checks that the media folder holds every clip the course can ask for: each
# clip tools/sonlisto lists must exist under BUILD_DIR, be a whole Ogg Vorbis
# stream and last more than zero seconds.
#
#   tools/sonkontrolo.sh BUILD_DIR [--nur REGEX] [--listo FILE] [-j N]
#
# The options mean what they mean for tools/sonoj.sh. Prints one line per
# faulty clip and exits 1 when there is any; exits 0 when all are sound.
set -euo pipefail

uzado() { echo "usage: $0 BUILD_DIR [--nur REGEX] [--listo FILE] [-j N]" >&2; exit 1; }

[ $# -ge 1 ] || uzado
celo="$(cd "$1" && pwd)" || { echo "sonkontrolo.sh: no folder $1" >&2; exit 1; }
shift
nur=""; listo=""; laboristoj="$(nproc)"
while [ $# -gt 0 ]; do
  case "$1" in
    --nur) [ $# -ge 2 ] || uzado; nur="$2"; shift 2 ;;
    --listo) [ $# -ge 2 ] || uzado; listo="$2"; shift 2 ;;
    -j) [ $# -ge 2 ] || uzado; laboristoj="$2"; shift 2 ;;
    *) uzado ;;
  esac
done
SONLISTO="${SONLISTO:-$celo/tools/sonlisto}"
command -v ogginfo >/dev/null || { echo "sonkontrolo.sh: ogginfo is missing (run tools/bezonoj.sh)" >&2; exit 1; }

labor="$(mktemp -d)"
trap 'rm -rf "$labor"' EXIT

[ -x "$SONLISTO" ] || { echo "sonkontrolo.sh: $SONLISTO is not built" >&2; exit 1; }
args=()
[ -n "$nur" ] && args+=(--nur "$nur")
[ -n "$listo" ] && args+=(--el "$listo")
stato=0
"$SONLISTO" "${args[@]}" 2>"$labor/eraroj" | cut -f1 >"$labor/vojoj" || stato=$?
grep -v 'XDG_RUNTIME_DIR' "$labor/eraroj" >&2 || true
if [ "$stato" -ne 0 ] && [ "$stato" -ne 2 ]; then
  echo "sonkontrolo.sh: sonlisto failed ($stato)" >&2; exit 1
fi

# One clip: prints "path: fault" when it is not sound.
kontrolu() {
  local vojo="$1" dosiero="$CELO/$1" info stato=0 longo=""
  if [ ! -f "$dosiero" ]; then echo "$vojo: missing"; return; fi
  if [ ! -s "$dosiero" ]; then echo "$vojo: empty file"; return; fi
  info=$(ogginfo "$dosiero" 2>&1) || stato=$?
  # "Playback length: 0m:01.340s"
  local re='Playback length: ([0-9]+)m:([0-9]+)\.([0-9]+)s'
  [[ $info =~ $re ]] && longo="${BASH_REMATCH[1]}${BASH_REMATCH[2]}${BASH_REMATCH[3]}"
  if ! [[ $info == *$'\n'"Vorbis stream"* ]]; then echo "$vojo: no Ogg Vorbis stream"
  elif [[ -z $longo || $longo =~ ^0+$ ]]; then echo "$vojo: lasts no time"
  elif [ "$stato" -ne 0 ]; then echo "$vojo: damaged Ogg stream"
  fi
}
export -f kontrolu
export CELO="$celo"

listitaj=$(wc -l <"$labor/vojoj")
tr '\n' '\0' <"$labor/vojoj" | xargs -0 -r -n 16 -P "$laboristoj" bash -c 'for v; do kontrolu "$v"; done' _ \
  | sort >"$labor/eraroj"
eraroj=$(wc -l <"$labor/eraroj")
cat "$labor/eraroj"
echo "sonkontrolo.sh: $listitaj clips checked, $eraroj faulty"
[ "$eraroj" -eq 0 ] || echo "sonkontrolo.sh: remove the faulty clips and run tools/sonoj.sh again to remake them" >&2
[ "$eraroj" -eq 0 ]
