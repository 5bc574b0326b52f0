#!/usr/bin/env bash
# Checks that every C++ source follows .clang-format and that the program's
# folders include only downwards (see "Layout" in README.md); with --ripari,
# formats the sources in place instead. Exits non-zero and names the files
# that differ and every include that reaches up, as file:line.
#
# The sources are found with find, not git: the gate must hold in a tree
# unpacked from an archive too. A gate that lists nothing passes on
# anything, so a folder that cannot be read or an empty list fails it.
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
cd "$radiko"

dosierujoj=(app toolkit translation exercises lessons tests tools bench)

# --- Which folder may include which ----------------------------------------
# toolkit/ includes nothing of exercises/, translation/, lessons/ or app/;
# those three nothing of app/; no source of the program anything of tests/,
# bench/ or tools/. An include is judged by the file it reaches, looked for as
# the compiler looks: beside the including file (a quoted name), then in the
# folders CMake gives the program (the root and the program's folders), then
# in tests/, bench/ and tools/. A name found in none of them is Qt's, the
# system's or made by the build (agordo.h) and is not judged; a form's
# ui_NAME.h, which the build makes, is judged by where NAME.ui lives. A
# form's custom widget headers count as includes too: uic writes them into
# its ui_NAME.h.
programo=(app toolkit translation exercises lessons)
sercxujoj=(. "${programo[@]}" tests bench tools)

# Sets `kial` to why folder $1 may not include a header of folder $2, or to
# nothing if it may. (The helpers set variables: a subshell per include made
# the gate slow.)
malpermeso() {
  case "$1:$2" in
    toolkit:exercises | toolkit:translation | toolkit:lessons | toolkit:app)
      kial="toolkit/ includes nothing of exercises/, translation/, lessons/ or app/" ;;
    exercises:app | translation:app | lessons:app)
      kial="$1/ includes nothing of app/" ;;
    *:tests | *:bench | *:tools)
      kial="the program includes nothing of tests/, bench/ or tools/" ;;
    *) kial="" ;;
  esac
}

# Sets `celo` to the file that include $2 of file $1 reaches, relative to the
# root, or to nothing; $3 is "citita" for a quoted name, which is looked for
# beside the file first.
trovas() {
  local dosiero="$1" nomo="$2" speco="$3" d vojo
  local ujoj=("${sercxujoj[@]}")
  [ "$speco" = citita ] && ujoj=("${dosiero%/*}" "${ujoj[@]}")
  local nomoj=("$nomo")
  local baza="${nomo##*/}"
  if [[ "$baza" == ui_*.h ]]; then
    local formo="${baza#ui_}"
    nomoj+=("${nomo%"$baza"}${formo%.h}.ui")
  fi
  celo=""
  for nomo in "${nomoj[@]}"; do
    for d in "${ujoj[@]}"; do
      vojo="$d/$nomo"
      if [ -f "$vojo" ]; then
        case "$vojo" in
          *..*) celo="$(realpath -m --relative-to=. "$vojo")" ;;
          *) celo="${vojo#./}" ;;
        esac
        return
      fi
    done
  done
}

if ! programlisto="$(find "${programo[@]}" \
  \( -type d \( -name 'build' -o -name 'build-*' -o -name '*_autogen' -o -name 'CMakeFiles' -o -name '.*' \) -prune \) \
  -o \( -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.ui' \) \
  ! -name 'moc_*' ! -name 'ui_*.h' ! -name 'qrc_*.cpp' -print \) | LC_ALL=C sort)" || [ -z "$programlisto" ]; then
  echo "tools/formato.sh: no program source found in ${programo[*]} under $radiko." >&2
  exit 1
fi
supren=()
inkludoj=0
while IFS= read -r dosiero; do
  dosierujo="${dosiero%%/*}"
  if [[ "$dosiero" == *.ui ]]; then
    sercxo='<header'
  else
    sercxo='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]'
  fi
  while IFS= read -r trafo; do
    linio="${trafo%%:*}"
    teksto="${trafo#*:}"
    if [[ "$teksto" =~ \<header[^\>]*\>[[:space:]]*([^\<[:space:]]+) ]]; then
      nomo="${BASH_REMATCH[1]}" speco=citita
    elif [[ "$teksto" =~ include[[:space:]]*\"([^\"]+)\" ]]; then
      nomo="${BASH_REMATCH[1]}" speco=citita
    elif [[ "$teksto" =~ include[[:space:]]*\<([^\>]+)\> ]]; then
      nomo="${BASH_REMATCH[1]}" speco=angula
    else
      continue
    fi
    inkludoj=$((inkludoj + 1))
    trovas "$dosiero" "$nomo" "$speco"
    [[ "$celo" == */* ]] || continue
    malpermeso "$dosierujo" "${celo%%/*}"
    if [ -n "$kial" ]; then
      supren+=("$dosiero:$linio: ${teksto#"${teksto%%[![:space:]]*}"} reaches $celo: $kial")
    fi
  done < <(grep -n -E "$sercxo" "$dosiero" || true)
done <<<"$programlisto"
if [ "$inkludoj" -eq 0 ]; then
  echo "tools/formato.sh: found no include in the program's sources under $radiko." >&2
  exit 1
fi

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
  if [ ${#supren[@]} -gt 0 ]; then
    echo "Includes that reach a higher folder (formatting cannot mend these; see Layout in README.md):" >&2
    printf '  %s\n' "${supren[@]}" >&2
    exit 1
  fi
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
fi
if [ ${#supren[@]} -gt 0 ]; then
  echo "Includes that reach a higher folder (see Layout in README.md):" >&2
  printf '  %s\n' "${supren[@]}" >&2
fi
if [ ${#malbonaj[@]} -gt 0 ] || [ ${#supren[@]} -gt 0 ]; then
  exit 1
fi
echo "Formatting: ${#fontoj[@]} sources follow .clang-format."
echo "Includes: $inkludoj includes in the program's sources, none reaching a higher folder."
