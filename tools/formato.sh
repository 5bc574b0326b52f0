#!/usr/bin/env bash
# Checks that every C++ source follows .clang-format; with --ripari, formats
# them in place instead. Exits non-zero and names the files that differ.
#
# The sources are found with find, not git: the gate must hold in a tree
# unpacked from an archive too. A gate that lists nothing passes on
# anything, so a folder that cannot be read or an empty list fails it.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
cd "$radiko"

dosierujoj=(app toolkit translation exercises lessons tests tools bench)

if ! command -v clang-format >/dev/null; then
  echo "tools/formato.sh: clang-format is not installed (bash tools/bezonoj.sh installs it)." >&2
  exit 1
fi

# Build folders made inside a source folder and the code CMake generates
# there (AUTOMOC, AUTOUIC, AUTORCC) are not ours to format.
if ! listo="$(find "${dosierujoj[@]}" \
  \( -type d \( -name 'build' -o -name 'build-*' -o -name '*_autogen' -o -name 'CMakeFiles' -o -name '.*' \) -prune \) \
  -o \( -type f \( -name '*.cpp' -o -name '*.h' \) \
  ! -name 'moc_*' ! -name 'ui_*.h' ! -name 'qrc_*.cpp' -print \) | LC_ALL=C sort)"; then
  echo "tools/formato.sh: cannot list the sources in ${dosierujoj[*]} under $radiko." >&2
  exit 1
fi
mapfile -t fontoj <<<"$listo"
if [ -z "$listo" ] || [ ${#fontoj[@]} -eq 0 ]; then
  echo "tools/formato.sh: no C++ source found in ${dosierujoj[*]} under $radiko." >&2
  exit 1
fi

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
