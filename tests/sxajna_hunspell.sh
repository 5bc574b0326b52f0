#!/bin/sh
# Stands in for hunspell in the checks of a missing dictionary: the
# dictionary that LERBO_MANKANTA_VORTARO names fails as hunspell fails on one
# that is not installed; every other one knows every word.
vortaro=""
antaua=""
for a in "$@"; do
  [ "$antaua" = "-d" ] && vortaro="$a"
  antaua="$a"
done
cat >/dev/null
if [ "$vortaro" = "$LERBO_MANKANTA_VORTARO" ]; then
  echo "Can't open affix or dictionary files for dictionary named \"$vortaro\"." >&2
  exit 1
fi
exit 0
