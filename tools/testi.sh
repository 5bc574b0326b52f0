#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and runs every gate a change must pass:
# the whole suite in a normal build (build/), the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer (build-sanigiloj/), both
# with warnings as errors, the installation of the normal build (desktop
# files, Debian package, the installed program started: tools/instalo.sh),
# and the formatting check. Every gate runs even when an earlier one fails;
# the script fails if any did. Extra arguments go to both CMake
# configurations. LERBO_TASKOJ caps the parallel compile and
# test jobs on a shared machine (default: every core).
set -euo pipefail
radiko="$(cd "$(dirname "$0")/.." && pwd)"
bash "$radiko/tools/bezonoj.sh"

kernoj="${LERBO_TASKOJ:-$(nproc)}"
# Every tool and dictionary the checks need is installed above, so here a
# missing one fails its check instead of skipping it.
export CI=true
# Both builds compile the same sources with different flags; ccache keeps a
# second run of the gates from compiling what did not change.
lancxilo=()
command -v ccache >/dev/null && lancxilo=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The media folder beside the program is made before the tests, which play
# the songs from it; a clip that fails fails the gate, after the tests ran.
# Its list tool may be a sanitizer build: the leaks Qt makes on its own are
# suppressed as in the tests.
konstruas_kaj_testas() {
    local dosierujo="$radiko/$1" sonoj=0
    shift
    cmake -S "$radiko" -B "$dosierujo" -DLERBO_AVERTOJ_ERAROJ=ON "${lancxilo[@]}" "$@" >/dev/null \
        && cmake --build "$dosierujo" -j"$kernoj" || return 1
    LSAN_OPTIONS="suppressions=$radiko/tests/likoj.supp:print_suppressions=0" \
        bash "$radiko/tools/sonoj.sh" "$dosierujo" -j "$kernoj" || sonoj=1
    (cd "$dosierujo" && ctest --output-on-failure -j"$kernoj") && [ "$sonoj" -eq 0 ]
}

raporto=()
malsukcesis=0
pordego() {
    local nomo="$1"
    shift
    local komenco=$SECONDS rezulto="passed"
    echo "=== $nomo"
    if ! "$@"; then
        rezulto="FAILED"
        malsukcesis=1
    fi
    raporto+=("$(printf '%-42s %-7s %5d s' "$nomo" "$rezulto" $((SECONDS - komenco)))")
}

pordego "normal build and tests" konstruas_kaj_testas build -DLERBO_SANIGILOJ=OFF "$@"
pordego "install, package, installed start" bash "$radiko/tools/instalo.sh" "$radiko/build"
pordego "sanitizer build and tests" konstruas_kaj_testas build-sanigiloj -DLERBO_SANIGILOJ=ON "$@"
pordego "formatting" bash "$radiko/tools/formato.sh"

echo "=== Gates"
printf '%s\n' "${raporto[@]}"
exit "$malsukcesis"
