# Sourced by tools/sonoj.sh and tools/sonkontrolo.sh: their common arguments
# BUILD_DIR [--nur REGEX] [--listo FILE] [-j N] into celo, nur, listo, laboristoj.
uzado() { echo "usage: $0 BUILD_DIR [--nur REGEX] [--listo FILE] [-j N]" >&2; exit 1; }

[ $# -ge 1 ] || uzado
celo="$(cd "$1" && pwd)" || { echo "$(basename "$0"): no folder $1" >&2; exit 1; }
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
