#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and starts it.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
bash "$radiko/tools/bezonoj.sh"
bash "$radiko/tools/konstrui.sh" "$@"
if [ -x "$radiko/tools/sonoj.sh" ]; then
  bash "$radiko/tools/sonoj.sh" "$radiko/build"
fi
exec "$radiko/build/darudaver"
