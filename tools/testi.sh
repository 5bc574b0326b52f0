#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
bash "$radiko/tools/bezonoj.sh"
bash "$radiko/tools/konstrui.sh" -DLERBO_AVERTOJ_ERAROJ=ON "$@"
cd "$radiko/build"
exec ctest --output-on-failure -j"$(nproc)"
