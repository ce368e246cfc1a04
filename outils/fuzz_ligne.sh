#!/usr/bin/env bash
# Fuzz de la ligne de commande sous AddressSanitizer et UndefinedBehaviorSanitizer,
# DUREE secondes (180 par defaut), sur une copie du site d'exemple et un serveur
# MariaDB prive. Hors de .ci/run. En root, chaque essai tourne sous l'utilisateur
# nobody ; les essais en defaut sont gardes dans /tmp/corvalite-fuzz-ligne-echecs.
# Arguments en plus : voir outils/fuzz_ligne.py (--graine, --travailleurs...).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}" "${PAQUETS_MARIADB[@]}" python3 util-linux

cmake -S "$racine" -B "$racine/construction-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVALITE_SANITIZE=ON \
    -DCORVALITE_TESTS=OFF >/dev/null
cmake --build "$racine/construction-fuzz" -j "$(nproc)" >/dev/null
cmake -S "$racine" -B "$racine/construction" -DCMAKE_BUILD_TYPE=Release -DCORVALITE_TESTS=OFF >/dev/null
cmake --build "$racine/construction" -j "$(nproc)" >/dev/null

serveur=$(mktemp -d /tmp/corvalite-fuzz-mariadb-XXXXXX)
trap 'bash "$racine/outils/mariadb.sh" arrete "$serveur"' EXIT
demarre_mariadb "$serveur" 34900
# La base que nomme la configuration de l'exemple.
bash "$racine/outils/mariadb.sh" sql "$serveur" -e "create database corvalite_exemple"
bash "$racine/outils/mariadb.sh" sql "$serveur" --default-character-set=utf8mb4 corvalite_exemple \
    < "$racine/exemple/base.sql"

python3 "$racine/outils/fuzz_ligne.py" "$racine/construction-fuzz/corvalite" --mesure "$racine/construction/corvalite" \
    --exemple "$racine/exemple" --port "$port" --duree "${DUREE:-180}" "$@"
