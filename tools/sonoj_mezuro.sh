#!/usr/bin/env bash
# Times the making of the media folder (a benchmark, run by hand): a full
# build into an empty folder, a rebuild with nothing changed, a rebuild after
# one text changed, and the completeness check.
#
#   tools/sonoj_mezuro.sh BUILD_DIR [--oble N] [-j N]
#
# --oble N voices the course's list N times over (under other paths), to see
# how the time grows with the size of the course.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [--oble N] [-j N]" >&2; exit 1; }
konstruo="$(cd "$1" && pwd)"; shift
oble=1; j=()
while [ $# -gt 0 ]; do
  case "$1" in
    --oble) oble="$2"; shift 2 ;;
    -j) j=(-j "$2"); shift 2 ;;
    *) echo "usage: $0 BUILD_DIR [--oble N] [-j N]" >&2; exit 1 ;;
  esac
done
export SONLISTO="${SONLISTO:-$konstruo/tools/sonlisto}"

celo="$(mktemp -d)"
trap 'rm -rf "$celo"' EXIT
"$SONLISTO" 2>/dev/null | cut -f1-3 >"$celo/baza" || true
for ((i = 1; i <= oble; i++)); do
  if [ "$i" -eq 1 ]; then cat "$celo/baza"; else sed "s|^sonoj/|sonoj/oble$i/|" "$celo/baza"; fi
done >"$celo/listo"

# Wall time, and the processor time of the run with its children: on a busy
# machine the second says what the build itself costs.
mezuru() {
  local nomo="$1"; shift
  local TIMEFORMAT='%R %U %S' t
  t=$( { time "$@" >"$celo/eligo" 2>&1; } 2>&1 ) || { cat "$celo/eligo"; exit 1; }
  read -r reala uzanto sistemo <<<"$t"
  printf '%-26s %8s s wall %8s s cpu   %s\n' "$nomo" "$reala" \
    "$(awk -v u="$uzanto" -v s="$sistemo" 'BEGIN { printf "%.2f", u + s }')" "$(tail -1 "$celo/eligo" | cut -c1-60)"
}

echo "$(wc -l <"$celo/listo") clips, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
mezuru "listing the course" "$SONLISTO"
mezuru "full build" bash "$radiko/tools/sonoj.sh" "$celo" --listo "$celo/listo" "${j[@]}"
mezuru "rebuild, nothing changed" bash "$radiko/tools/sonoj.sh" "$celo" --listo "$celo/listo" "${j[@]}"
sed -i '1s|\t\([^\t]*\)|\t\1 Jes.|' "$celo/listo"
mezuru "rebuild, one text changed" bash "$radiko/tools/sonoj.sh" "$celo" --listo "$celo/listo" "${j[@]}"
mezuru "completeness check" bash "$radiko/tools/sonkontrolo.sh" "$celo" --listo "$celo/listo" "${j[@]}"
echo "$(du -sh "$celo/sonoj" | cut -f1) of clips"
