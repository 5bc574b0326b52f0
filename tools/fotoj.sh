#!/usr/bin/env bash
# Photographs the program in one built-in translation: the home page, the
# settings page, the credits page, lesson 1 page 1, an exercise page with its
# verdict, a send page with answers typed in and lesson 1's first page with
# arrows, as a real X display (Xvfb) draws them with the fonts installed here.
#
#   bash tools/fotoj.sh germana.trd [folder [Lec05/Label9 Lec12/Label38 ...]]
#
# Lesson labels named after the folder bring their pages in as well, each
# scrolled to show the label.
# The file must be in resources/tradukoj/ and in resources/tradukoj.qrc. The
# pictures land in <folder>/germana/ (default folder: build/fotoj). The
# learner's own settings are not touched: the run has a home of its own.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -lt 1 ]; then
  echo "usage: bash tools/fotoj.sh <translation file, e.g. germana.trd> [folder [LecNN/LabelN ...]]" >&2
  exit 2
fi
traduko="$1"
celo="$(mkdir -p "${2:-$radiko/build/fotoj}" && cd "${2:-$radiko/build/fotoj}" && pwd)"
shift $(($# < 2 ? $# : 2))
for etikedo in "$@"; do
  if ! [[ "$etikedo" =~ ^Lec[0-9][0-9]/[A-Za-z0-9_.]+$ ]]; then
    echo "fotoj.sh: \"$etikedo\" is not a lesson label such as Lec05/Label9" >&2
    exit 2
  fi
done
if [ ! -f "$radiko/resources/tradukoj/$traduko" ]; then
  echo "fotoj.sh: no resources/tradukoj/$traduko" >&2
  exit 2
fi
command -v xvfb-run >/dev/null || { echo "fotoj.sh: xvfb-run is missing (apt-get install xvfb xauth)" >&2; exit 1; }

cmake -S "$radiko" -B "$radiko/build" >/dev/null
cmake --build "$radiko/build" --target tst_traduko_fotoj -j"$(nproc)" >/dev/null

hejmo="$(mktemp -d)"
trap 'rm -rf "$hejmo"' EXIT
mkdir -p "$hejmo/run" && chmod 700 "$hejmo/run"
nomo="${traduko%.trd}"
rm -rf "${celo:?}/$nomo"
env -u QT_QPA_PLATFORM HOME="$hejmo" XDG_DATA_HOME="$hejmo/data" XDG_CONFIG_HOME="$hejmo/config" \
  XDG_CACHE_HOME="$hejmo/cache" XDG_RUNTIME_DIR="$hejmo/run" QT_FONT_DPI=96 \
  QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakesink QT_LOGGING_RULES='*=false' LERBO_FONTO="$radiko" \
  LERBO_TRADUKO="$traduko" LERBO_EKRANKOPIOJ="$celo" LERBO_ETIKEDOJ="$*" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$radiko/build/tests/tst_traduko_fotoj" -silent
echo "fotoj.sh: $(ls "$celo/$nomo" | wc -l) pictures in $celo/$nomo"
