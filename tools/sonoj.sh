#!/usr/bin/env bash
# Voices the course into the media folder beside the program: every clip that
# tools/sonlisto lists becomes BUILD_DIR/sonoj/<path>.oga, spoken by espeak-ng's
# Esperanto voice and encoded as Ogg Vorbis. The songs, and the video of one,
# are rendered from their scores in tools/muziko/ by tools/muziko/kantas.py,
# alongside the clips; BUILD_DIR/muziko/ keeps what a later run can reuse.
#
#   tools/sonoj.sh BUILD_DIR [--nur REGEX] [--listo FILE] [-j N]
#
#   --nur REGEX   only the clips whose path REGEX matches (tests, quick tries)
#   --listo FILE  take the list from FILE ("path<TAB>text[<TAB>voice]" lines)
#                 instead of running sonlisto
#   -j N          parallel workers (default: all cores)
#
# Only clips that are missing, or whose text or voice (a song: its score)
# changed since they were made, are made again; BUILD_DIR/sonoj/.manifesto remembers what each clip
# was made from. A clip the manifest does not know (a real recording put in
# by hand) is never overwritten. After a full run the clips this script made
# that the course no longer asks for are removed.
# SONLISTO may name the list tool (default BUILD_DIR/tools/sonlisto).
set -euo pipefail

# The recipe: bump it when the voicing below changes, so every clip is remade.
RECEPTO="r1"
RAPIDO=140       # words per minute; a learner hears each sound
KVALITO=3        # oggenc quality

source "$(dirname "$0")/sonoj_argumentoj.sh"
radiko="$(cd "$(dirname "$0")/.." && pwd)"
export SONLISTO="${SONLISTO:-$celo/tools/sonlisto}"

for ilo in espeak-ng oggenc; do
  command -v "$ilo" >/dev/null || { echo "sonoj.sh: $ilo is missing (run tools/bezonoj.sh)" >&2; exit 1; }
done

komenco=$(date +%s%N)
sonoj="$celo/sonoj"
mkdir -p "$sonoj"
manifesto="$sonoj/.manifesto"
# One run at a time per folder: two would share the workers' folders.
exec 9>"$sonoj/.seruro"
flock 9
touch "$manifesto"
labor="$(mktemp -d)"
trap 'rm -rf "$labor" "$sonoj"/.faro.*' EXIT

# 1. The list, as "path TAB text TAB voice TAB hash".
[ -x "$SONLISTO" ] || { echo "sonoj.sh: $SONLISTO is not built" >&2; exit 1; }
args=(--hashoj)
[ -n "$nur" ] && args+=(--nur "$nur")
[ -n "$listo" ] && args+=(--el "$listo")
stato=0
"$SONLISTO" "${args[@]}" >"$labor/listo" 2>"$labor/eraroj" || stato=$?
grep -v 'XDG_RUNTIME_DIR' "$labor/eraroj" >&2 || true
# 2 means one name asked for with two texts: told above, the first one is voiced.
if [ "$stato" -ne 0 ] && [ "$stato" -ne 2 ]; then
  echo "sonoj.sh: sonlisto failed ($stato)" >&2; exit 1
fi

# 1b. A song is made from its score: its hash is that of the score as read
#     and of the renderer, so a changed tune or word remakes it.
muzika='$2 ~ /^=(muziko|video) /'
awk -F'\t' "$muzika" "$labor/listo" >"$labor/muzikaj"
: >"$labor/ciferoj"
for fonto in $(cut -f2 "$labor/muzikaj" | cut -d' ' -f2 | sort -u); do
  if [ ! -f "$radiko/$fonto" ]; then
    echo "sonoj.sh: no score $fonto for $(awk -F'\t' -v f="$fonto" '$2 ~ (" " f "$") { print $1 }' "$labor/muzikaj" | paste -sd' ')" >&2
    continue
  fi
  cifero=$(python3 "$radiko/tools/muziko/kantas.py" "$(basename "$fonto" .py)" --cifero) || continue
  printf '%s\t%s\n' "$fonto" "$cifero" >>"$labor/ciferoj"
done
awk -F'\t' -v OFS='\t' '
  FILENAME == ARGV[1] { cifero[$1] = $2; next }
  $2 ~ /^=(muziko|video) / { f = $2; sub(/^[^ ]* /, "", f); $4 = (f in cifero) ? cifero[f] : "sen-partituro" }
  { print }' "$labor/ciferoj" "$labor/listo" >"$labor/listo.nova"
mv "$labor/listo.nova" "$labor/listo"

# 2. What to make: missing clips, and ours whose text, voice or recipe changed.
( cd "$celo" && find sonoj video -type f \( -name '*.oga' -o -name '*.ogv' \) -size +0 2>/dev/null || true ) \
  | grep -v '/\.' >"$labor/ekzistas" || true
awk -F'\t' -v r="$RECEPTO" -v fremdaj="$labor/fremdaj" '
  FILENAME == ARGV[1] { malnova[$2] = $1; next }
  FILENAME == ARGV[2] { ekzistas[$0] = 1; next }
  {
    if (!($1 in ekzistas)) { print; next }
    if (!($1 in malnova)) { print $1 > fremdaj; next }
    if (malnova[$1] != $4 "." r) print
  }' "$manifesto" "$labor/ekzistas" "$labor/listo" >"$labor/farendaj"

# 3. Make them, in parallel. Starting a program is what costs most here, so
#    each worker voices its share into WAV files in a folder of its own, then
#    encodes them all with one oggenc and moves them all into place with one
#    perl; a clip only ever appears whole under its name.
faru() {
  local peco="$1" vojo teksto vocxo hash i=0
  local faro="$CELO/sonoj/.faro.${peco##*.}"
  rm -rf "$faro" && mkdir -p "$faro"
  : >"$faro/indekso"
  while IFS=$'\t' read -r vojo teksto vocxo hash; do
    i=$((i + 1))
    if [[ $teksto == "=tono "* ]]; then
      # shellcheck disable=SC2086
      "$SONLISTO" --tono ${teksto#=tono } >"$faro/$i.wav"
    else
      # A leading blank keeps a text that begins with "-" from reading as an option.
      espeak-ng -v "$vocxo" -s "$RAPIDO" -w "$faro/$i.wav" " $teksto"
    fi || { rm -f "$faro/$i.wav"; echo "sonoj.sh: could not voice $vojo" >&2; continue; }
    printf '%s\t%s\t%s\n' "$i" "$vojo" "$hash.$RECEPTO" >>"$faro/indekso"
  done <"$peco"
  if [ -s "$faro/indekso" ]; then
    cut -f1 "$faro/indekso" | sed "s|^|$faro/|; s|\$|.wav|" | tr '\n' '\0' \
      | xargs -0 oggenc -Q -q "$KVALITO" 2>&1 | grep -v '^$' >&2 || true
    perl -e '
      my ($faro, $celo, $farita) = @ARGV;
      open(my $ind, "<", "$faro/indekso") or die;
      open(my $el, ">>", $farita) or die;
      while (<$ind>) {
        chomp; my ($i, $vojo, $hash) = split /\t/;
        if (-s "$faro/$i.ogg" && rename("$faro/$i.ogg", "$celo/$vojo")) { print $el "$hash\t$vojo\n"; }
        else { print STDERR "sonoj.sh: could not make $vojo\n"; }
      }' "$faro" "$CELO" "$peco.farita"
  fi
  rm -rf "$faro"
}
export -f faru
export CELO="$celo" RAPIDO KVALITO RECEPTO

# 3b. The songs, each with its video, one score after the other, while the
#     clips are voiced.
muzikas() {
  local fonto nomo sono video vojoj
  for fonto in $(cut -f2 "$labor/farendaj_muzikaj" | cut -d' ' -f2 | sort -u); do
    nomo=$(basename "$fonto" .py)
    sono=$(awk -F'\t' -v f="=muziko $fonto" '$2 == f { print $1; exit }' "$labor/listo")
    video=$(awk -F'\t' -v f="=video $fonto" '$2 == f { print $1; exit }' "$labor/listo")
    vojoj=()
    if [ -n "$sono" ]; then vojoj+=(--sono "$celo/$sono"); else vojoj+=(--sono "$celo/muziko/$nomo/sono.oga"); fi
    [ -n "$video" ] && vojoj+=(--video "$celo/$video")
    if python3 "$radiko/tools/muziko/kantas.py" "$nomo" "${vojoj[@]}" --labor "$celo/muziko/$nomo" -j "$laboristoj"; then
      awk -F'\t' -v OFS='\t' -v f="$fonto" -v r="$RECEPTO" '$2 ~ ("^=(muziko|video) " f "$") { print $4 "." r, $1 }' \
        "$labor/listo" >>"$labor/muziko.farita"
    else
      echo "sonoj.sh: could not make the song of $fonto" >&2
    fi
  done
}
awk -F'\t' "$muzika" "$labor/farendaj" >"$labor/farendaj_muzikaj"
awk -F'\t' "!($muzika)" "$labor/farendaj" >"$labor/farendaj_paroloj"
: >"$labor/muziko.farita"
muzikisto=""
if [ -s "$labor/farendaj_muzikaj" ]; then
  muzikas &
  muzikisto=$!
fi

farendaj=$(wc -l <"$labor/farendaj_paroloj")
if [ "$farendaj" -gt 0 ]; then
  cut -f1 "$labor/farendaj_paroloj" | sed 's|/[^/]*$||' | sort -u | (cd "$celo" && xargs mkdir -p)
  [ "$laboristoj" -gt "$farendaj" ] && laboristoj="$farendaj"
  split -n "r/$laboristoj" -d -a 3 "$labor/farendaj_paroloj" "$labor/peco."
  find "$labor" -name 'peco.*' ! -name '*.farita' -print0 \
    | xargs -0 -n 1 -P "$laboristoj" bash -c 'faru "$1"' _
fi
[ -n "$muzikisto" ] && wait "$muzikisto"
farendaj=$(wc -l <"$labor/farendaj")
cat "$labor"/peco.*.farita "$labor/muziko.farita" 2>/dev/null >"$labor/faritaj" || true

# 4. The new manifest: what was made now, else what it knew before. A full
#    run forgets (and removes) the clips it made that nobody asks for any more.
plena=0
[ -z "$nur" ] && [ -z "$listo" ] && plena=1
awk -F'\t' -v plena="$plena" -v forigendaj="$labor/forigendaj" '
  FILENAME == ARGV[1] { malnova[$2] = $1; next }
  FILENAME == ARGV[2] { nova[$2] = $1; next }
  { listita[$1] = 1 }
  END {
    for (v in malnova) if (!(v in nova)) {
      if (v in listita || !plena) nova[v] = malnova[v]; else print v > forigendaj
    }
    for (v in nova) print nova[v] "\t" v
  }' "$manifesto" "$labor/faritaj" "$labor/listo" | sort -t"$(printf '\t')" -k2 >"$manifesto.nova"
forigitaj=0
if [ -s "$labor/forigendaj" ]; then
  while IFS= read -r v; do rm -f "$celo/$v"; forigitaj=$((forigitaj + 1)); done <"$labor/forigendaj"
fi
mv -f "$manifesto.nova" "$manifesto"

listitaj=$(wc -l <"$labor/listo")
faritaj=$(wc -l <"$labor/faritaj")
fremdaj=0; [ -f "$labor/fremdaj" ] && fremdaj=$(wc -l <"$labor/fremdaj")
ms=$((($(date +%s%N) - komenco) / 1000000))
echo "sonoj.sh: $listitaj clips listed, $faritaj made, $fremdaj kept as found, $forigitaj removed ($((ms / 1000)).$(printf '%03d' $((ms % 1000))) s)"
[ "$faritaj" -eq "$farendaj" ] || { echo "sonoj.sh: $((farendaj - faritaj)) clips failed" >&2; exit 1; }
