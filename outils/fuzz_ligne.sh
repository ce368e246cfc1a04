#!/usr/bin/env bash
# Fuzz de la ligne de commande sous AddressSanitizer et UndefinedBehaviorSanitizer (en root, hors
# de .ci/run), DUREE secondes (180 par defaut), sur une copie du site d'exemple et un serveur MariaDB
# prive ; essais en defaut gardes dans /tmp/corvalite-fuzz-ligne-echecs. Voir outils/fuzz_ligne.py.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}" "${PAQUETS_MARIADB[@]}" python3 util-linux
construit_fuzz "$racine"

serveur=$(mktemp -d /tmp/corvalite-fuzz-mariadb-XXXXXX)
trap 'bash "$racine/outils/mariadb.sh" arrete "$serveur"' EXIT
demarre_mariadb "$serveur" 34900
charge_exemple "$serveur"
python3 "$racine/outils/fuzz_ligne.py" "$racine/construction-fuzz/corvalite" --mesure "$racine/construction/corvalite" \
    --exemple "$racine/exemple" --port "$port" --duree "${DUREE:-180}" --echecs /tmp/corvalite-fuzz-ligne-echecs "$@"
