#!/usr/bin/env bash
# Makes the Debian package of the program in build/: installs what is
# missing, builds, voices the whole media folder and runs CPack. Extra
# arguments go to CMake. A package without its clips would be a silent
# course, so a clip that cannot be made stops it here.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
bash "$radiko/tools/bezonoj.sh"
bash "$radiko/tools/konstrui.sh" "$@"
bash "$radiko/tools/sonoj.sh" "$radiko/build"
rm -f "$radiko"/build/darudaver_*.deb
(cd "$radiko/build" && cpack -G DEB >/dev/null)
ls "$radiko"/build/darudaver_*.deb
