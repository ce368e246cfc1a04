#!/usr/bin/env bash
# Construit le programme et ses tests sous AddressSanitizer et
# UndefinedBehaviorSanitizer, puis lance toute la suite avec CTest.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}" "${PAQUETS_MARIADB[@]}" "${PAQUETS_TESTS[@]}"

construction="$racine/construction-tests"
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Debug -DCORVALITE_SANITIZE=ON >/dev/null
cmake --build "$construction" -j "$(nproc)"

# Le serveur MariaDB prive des tests, arrete a la sortie quoi qu'il arrive.
serveur=$(mktemp -d /tmp/corvalite-mariadb-XXXXXX)
trap 'bash "$racine/outils/mariadb.sh" arrete "$serveur"' EXIT
demarre_mariadb "$serveur" 33100
export CORVALITE_TEST_MARIADB_PORT=$port CORVALITE_TEST_MARIADB_REPERTOIRE=$serveur

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$construction"
ctest --output-on-failure -j "$(nproc)" --timeout 300
