#!/usr/bin/env bash
# Configures and builds everything into build/ (extra arguments go to cmake).
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$radiko" -B "$radiko/build" "$@" >/dev/null
cmake --build "$radiko/build" -j"$(nproc)"
