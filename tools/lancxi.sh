#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and starts it.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
bash "$radiko/tools/bezonoj.sh"
bash "$radiko/tools/konstrui.sh" "$@"
if [ -x "$radiko/tools/sonoj.sh" ]; then
  # A clip that cannot be made must not keep the course from starting.
  bash "$radiko/tools/sonoj.sh" "$radiko/build" || echo "Some sound clips could not be made." >&2
fi
exec "$radiko/build/darudaver"
