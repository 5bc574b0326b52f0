#!/usr/bin/env bash
# Checks that the media folder holds every clip the course can ask for: each
# clip tools/sonlisto lists must exist under BUILD_DIR, be a whole Ogg Vorbis
# stream and last more than zero seconds. A song, or a video of one, must also
# last as long as its score says, within a second, and its voice come in on
# every line within 100 ms of the line's first note (tools/muziko/kontrolas.py).
#
#   tools/sonkontrolo.sh BUILD_DIR [--nur REGEX] [--listo FILE] [-j N]
#
# The options mean what they mean for tools/sonoj.sh. Prints one line per
# faulty clip and exits 1 when there is any; exits 0 when all are sound.
set -euo pipefail

source "$(dirname "$0")/sonoj_argumentoj.sh"
radiko="$(cd "$(dirname "$0")/.." && pwd)"
SONLISTO="${SONLISTO:-$celo/tools/sonlisto}"
command -v ogginfo >/dev/null || { echo "sonkontrolo.sh: ogginfo is missing (run tools/bezonoj.sh)" >&2; exit 1; }

labor="$(mktemp -d)"
trap 'rm -rf "$labor"' EXIT

[ -x "$SONLISTO" ] || { echo "sonkontrolo.sh: $SONLISTO is not built" >&2; exit 1; }
args=()
[ -n "$nur" ] && args+=(--nur "$nur")
[ -n "$listo" ] && args+=(--el "$listo")
stato=0
"$SONLISTO" "${args[@]}" 2>"$labor/eraroj" >"$labor/listo" || stato=$?
cut -f1 "$labor/listo" >"$labor/vojoj"
grep -v 'XDG_RUNTIME_DIR' "$labor/eraroj" >&2 || true
if [ "$stato" -ne 0 ] && [ "$stato" -ne 2 ]; then
  echo "sonkontrolo.sh: sonlisto failed ($stato)" >&2; exit 1
fi

# A batch of clips, one ogginfo for all (starting programs is what costs):
# prints "path: fault" for each clip that is not sound.
kontrolu() {
  local v ekz=()
  for v; do
    if [ ! -f "$CELO/$v" ]; then echo "$v: missing"
    elif [ ! -s "$CELO/$v" ]; then echo "$v: empty file"
    else ekz+=("$v"); fi
  done
  [ ${#ekz[@]} -eq 0 ] && return
  # Unbuffered, so that each error stays inside its file's section.
  (cd "$CELO" && stdbuf -o0 -e0 ogginfo "${ekz[@]}" 2>&1) | VOJOJ="$(printf '%s\n' "${ekz[@]}")" awk '
    BEGIN { split(ENVIRON["VOJOJ"], v, "\n"); i = 0 }
    function fino() {
      if (i == 0) return
      if (!vorbis) print v[i] ": no Ogg Vorbis stream"
      else if (!longo) print v[i] ": lasts no time"
      else if (difekto) print v[i] ": damaged Ogg stream"
    }
    /^Processing file / { fino(); i++; vorbis = 0; longo = 0; difekto = 0; next }
    /^Vorbis stream/ { vorbis = 1 }
    # "Playback length: 0m:01.340s": anything but zeros lasts
    /Playback length:/ {
      if (match($0, /[0-9]+m:[0-9]+\.[0-9]+s/)) { t = substr($0, RSTART, RLENGTH); gsub(/[^1-9]/, "", t); if (t != "") longo = 1 }
    }
    /^(ERROR|WARNING)/ { difekto = 1 }
    END { fino() }'
}
export -f kontrolu
export CELO="$celo"

listitaj=$(wc -l <"$labor/vojoj")
tr '\n' '\0' <"$labor/vojoj" | xargs -0 -r -n 100 -P "$laboristoj" bash -c 'kontrolu "$@"' _ \
  >"$labor/eraroj"
# The songs against their scores: path, then the score it is made from.
mapfile -t muzikaj < <(awk -F'\t' '$2 ~ /^=(muziko|video) / { f = $2; sub(/^[^ ]* /, "", f); print $1; print f }' "$labor/listo")
if [ ${#muzikaj[@]} -gt 0 ]; then
  python3 "$radiko/tools/muziko/kontrolas.py" "$celo" "${muzikaj[@]}" >>"$labor/eraroj" || true
fi
sort -o "$labor/eraroj" "$labor/eraroj"
eraroj=$(wc -l <"$labor/eraroj")
cat "$labor/eraroj"
echo "sonkontrolo.sh: $listitaj clips checked, $eraroj faulty"
[ "$eraroj" -eq 0 ] || echo "sonkontrolo.sh: remove the faulty clips and run tools/sonoj.sh again to remake them" >&2
[ "$eraroj" -eq 0 ]
