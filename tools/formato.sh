#!/usr/bin/env bash
# Checks that every C++ source follows .clang-format; with --ripari, formats
# them in place instead. Exits non-zero and names the files that differ.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
cd "$radiko"
mapfile -t fontoj < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--ripari" ]; then
  clang-format -i "${fontoj[@]}"
  exit 0
fi
malbonaj=()
for f in "${fontoj[@]}"; do
  if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then
    malbonaj+=("$f")
  fi
done
if [ ${#malbonaj[@]} -gt 0 ]; then
  echo "Not formatted as .clang-format says (run: bash tools/formato.sh --ripari):" >&2
  printf '  %s\n' "${malbonaj[@]}" >&2
  exit 1
fi
echo "Formatting: ${#fontoj[@]} sources follow .clang-format."
