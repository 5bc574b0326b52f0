#!/usr/bin/env bash
# Checks the program as a learner's machine gets it, from a built BUILD_DIR
# (default build/): voices the media folder, installs into a scratch DESTDIR
# and checks what lands there, validates the desktop entry and the AppStream
# file, makes the Debian package, runs lintian on it (a warning fails as an
# error does) and checks its fields, and starts the installed program through
# its link under Xvfb with a home of its own: the first start shows the
# language dialog, the next the main window, whose greeting must play from
# the installed media folder without the notice of an unplayable clip;
# SIGTERM must end each start with exit code 0.
#
#   tools/instalo.sh [BUILD_DIR]
#   tools/instalo.sh --kampoj PACKAGE.deb    (the package's fields alone)
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"

# The fields a learner's apt reads: the description tells what the program
# is now (as many translations as ship, as many lessons as there are), and
# the package brings a font for every script its translations are written
# in beyond what DejaVu draws (Han, kana and Hangul; Devanagari), as Depends
# or Recommends; an alternative ("a | b") counts for each of its names.
kampoj() {
  local pakajho="$1" eraroj=() priskribo bezonoj tradukoj lecionoj
  priskribo="$(dpkg-deb -f "$pakajho" Description)"
  bezonoj=" $(dpkg-deb -f "$pakajho" Depends Recommends | sed 's/^[A-Za-z-]*://' | tr ',|\n' '   ' \
    | sed 's/([^)]*)//g') "
  tradukoj="$(find "$radiko/resources/tradukoj" -maxdepth 1 -name '*.trd' | wc -l)"
  lecionoj="$(find "$radiko/lessons" -maxdepth 1 -name 'lec[0-9][0-9].cpp' | wc -l)"
  grep -q "\b$tradukoj translations\b" <<<"$priskribo" \
    || eraroj+=("the description does not give the $tradukoj translations that ship")
  grep -q "\b$lecionoj lessons\b" <<<"$priskribo" || eraroj+=("the description does not give the $lecionoj lessons")
  local tiparo
  for tiparo in fonts-dejavu-core "fonts-noto-cjk" "fonts-lohit-deva|fonts-noto-core"; do
    local iu=0 nomo
    for nomo in ${tiparo//|/ }; do
      [[ "$bezonoj" == *" $nomo "* ]] && iu=1
    done
    [ "$iu" -eq 1 ] || eraroj+=("neither Depends nor Recommends names ${tiparo//|/ or }")
  done
  if [ ${#eraroj[@]} -gt 0 ]; then
    printf "instalo.sh: $(basename "$pakajho"): %s\n" "${eraroj[@]}" >&2
    return 1
  fi
}
if [ "${1:-}" = "--kampoj" ]; then
  kampoj "$2"
  exit
fi

# The part run inside Xvfb: tools/instalo.sh --starto DESTDIR WORK_DIR
if [ "${1:-}" = "--starto" ]; then
  celo="$2" labor="$3"
  programujo="$celo/usr/lib/darudaver"
  pid=""
  malsukceso() {
    echo "instalo.sh: $*" >&2
    [ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true
    exit 1
  }

  # The mapped top-level windows, one "type<TAB>title<TAB>class" line each;
  # a dialog or message box is marked "dialogo" (it names the window it
  # stands over).
  fenestroj() {
    local w
    for w in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
      xwininfo -id "$w" | grep -q 'Map State: IsViewable' || continue
      local ecoj
      ecoj="$(xprop -id "$w" WM_TRANSIENT_FOR WM_NAME WM_CLASS)"
      if grep -q 'window id #' <<<"$ecoj"; then printf 'dialogo'; else printf 'fenestro'; fi
      printf '\t%s\t%s\n' "$(sed -n 's/^WM_NAME[^=]*= "\(.*\)"$/\1/p' <<<"$ecoj")" \
        "$(sed -n 's/^WM_CLASS[^=]*= .*, "\(.*\)"$/\1/p' <<<"$ecoj")"
    done
  }
  # Waits up to $1 seconds for the test in the other arguments to pass.
  atendas() {
    local limo=$((SECONDS + $1))
    shift
    until "$@"; do
      [ $SECONDS -lt $limo ] || return 1
      sleep 0.2
    done
  }
  # Each wait ends early when the program has ended.
  vivas() { kill -0 "$pid" 2>/dev/null; }
  fenestro_videbla() { ! vivas || [ -n "$(fenestroj)" ]; }
  # The player has opened a clip of the installed media folder and its
  # sound output runs: GStreamer's own record of what it does.
  klipo_ludas() {
    grep -q "opening file $programujo/sonoj/.*\.oga" "$labor/gst.log" 2>/dev/null \
      && grep -q '<audiosink> completed state change to PLAYING' "$labor/gst.log"
  }
  dialogo_videbla() { grep -q '^dialogo' <<<"$(fenestroj)"; }
  ludas_au_avertas() { ! vivas || klipo_ludas || dialogo_videbla; }
  startas() {
    "${medio[@]}" "$celo/usr/bin/darudaver" >"$labor/$1.log" 2>&1 &
    pid=$!
    atendas 60 fenestro_videbla || true
    if ! vivas || [ -z "$(fenestroj)" ]; then
      cat "$labor/$1.log" >&2
      malsukceso "the $1 start showed no window"
    fi
  }

  hejmo="$labor/hejmo"
  mkdir -p "$hejmo" "$labor/rultempo"
  chmod 700 "$labor/rultempo"
  # Nothing of the build folder or of the caller's session may help the
  # installed program. The machines that run the gates have no sound card.
  medio=(env -u LD_LIBRARY_PATH -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u QT_QPA_PLATFORM
    HOME="$hejmo" XDG_RUNTIME_DIR="$labor/rultempo" QT_GSTREAMER_PLAYBIN_AUDIOSINK=fakesink
    GST_DEBUG="filesrc:4,GST_STATES:4" GST_DEBUG_NO_COLOR=1 GST_DEBUG_FILE="$labor/gst.log")
  finas() {
    local kodo=0
    kill -TERM "$pid"
    wait "$pid" || kodo=$?
    pid=""
    [ "$kodo" -eq 0 ] || malsukceso "SIGTERM ended the program with exit code $kodo"
  }

  # First start: a new learner meets the language dialog.
  startas first
  grep -q $'^dialogo\t' <<<"$(fenestroj)" || malsukceso "the first start showed no language dialog: $(fenestroj)"
  finas

  # Next start: the main window greets the learner with a clip. The notice
  # of an unplayable clip is a box over the main window.
  rm -f "$labor/gst.log"
  startas second
  # The desktop matches the window to its menu entry by the window's class.
  klaso="$(sed -n 's/^StartupWMClass=//p' "$celo"/usr/share/applications/*.desktop)"
  [ -n "$klaso" ] || malsukceso "the desktop entry names no StartupWMClass"
  grep -q $'^fenestro\tLerbo de Esperanto\t'"$klaso"'$' <<<"$(fenestroj)" \
    || malsukceso "no main window of class $klaso: $(fenestroj)"
  atendas 30 ludas_au_avertas || true
  vivas || malsukceso "the program ended by itself: $(cat "$labor/second.log")"
  if ! dialogo_videbla && klipo_ludas; then
    atendas 2 dialogo_videbla || true
  fi
  if dialogo_videbla; then
    malsukceso "a box stands over the main window (the notice of an unplayable clip?): $(grep '^dialogo' <<<"$(fenestroj)")"
  fi
  klipo_ludas || malsukceso "no clip of $programujo/sonoj played"
  finas
  echo "Installed program: window shown, a clip played from $programujo/sonoj, SIGTERM ends it with 0."
  exit 0
fi

konstruejo="$(cd "${1:-$radiko/build}" && pwd)"
labor="$(mktemp -d)"
trap 'rm -rf "$labor"' EXIT
celo="$labor/celo"

bash "$radiko/tools/sonoj.sh" "$konstruejo" -j "${LERBO_TASKOJ:-$(nproc)}"
DESTDIR="$celo" cmake --install "$konstruejo" --prefix /usr >/dev/null

# What landed: the program, its libraries and media in one folder, the link,
# the desktop files, the manual page, and nothing else (no test, tool or
# benchmark).
[ "$(readlink -f "$celo/usr/bin/darudaver")" = "$celo/usr/lib/darudaver/darudaver" ] \
  || { echo "instalo.sh: usr/bin/darudaver does not lead to usr/lib/darudaver/darudaver" >&2; exit 1; }
[ -n "$(find "$celo/usr/lib/darudaver/sonoj" -name '*.oga' -print -quit)" ] \
  || { echo "instalo.sh: no clip installed in usr/lib/darudaver/sonoj" >&2; exit 1; }
fremdaj="$(cd "$celo" && find . ! -type d | sed 's|^\./||' | grep -Ev '^(usr/bin/darudaver|usr/lib/darudaver/(darudaver|lib/liblerbo_kerno\.so|lib/liblerbo_reguloj\.so|sonoj/.*\.oga|video/.*)|usr/share/applications/org\.example\.lerbo\.darudaver\.desktop|usr/share/metainfo/org\.example\.lerbo\.darudaver\.metainfo\.xml|usr/share/icons/hicolor/(scalable/apps/org\.example\.lerbo\.darudaver\.svg|[0-9]+x[0-9]+/apps/org\.example\.lerbo\.darudaver\.png)|usr/share/doc/darudaver/(copyright|changelog\.gz)|usr/share/man/man1/darudaver\.1\.gz)$' || true)"
[ -z "$fremdaj" ] || { echo "instalo.sh: installed but not part of the program:" >&2; echo "$fremdaj" >&2; exit 1; }

desktop-file-validate "$celo"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$celo"/usr/share/metainfo/*.metainfo.xml

rm -f "$konstruejo"/darudaver_*.deb
(cd "$konstruejo" && cpack -G DEB >/dev/null)
pakajhoj=("$konstruejo"/darudaver_*.deb)
[ -f "${pakajhoj[0]}" ] || { echo "instalo.sh: cpack made no package in $konstruejo" >&2; exit 1; }
pakajho="${pakajhoj[0]}"
# A warning fails as an error does. Only lintian's own notice that it runs
# as root, which the CI machines do, is no finding about the package.
lintian --fail-on warning "$pakajho" 2> >(grep -v 'running with root privileges' >&2)
kampoj "$pakajho"

xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --starto "$celo" "$labor"
