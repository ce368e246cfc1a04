#!/usr/bin/env bash
# Construit le programme et ses tests sous AddressSanitizer et
# UndefinedBehaviorSanitizer, puis lance toute la suite avec CTest.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}"

construction="$racine/construction-tests"
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Debug -DCORVALITE_SANITIZE=ON >/dev/null
cmake --build "$construction" -j "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$construction"
ctest --output-on-failure -j "$(nproc)" --timeout 300
