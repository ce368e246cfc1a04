#!/usr/bin/env bash
# Fuzz de -make sous AddressSanitizer et UndefinedBehaviorSanitizer (en root, hors de .ci/run) :
# la configuration, puis les pages et pages de reference, DUREE secondes par cible (180 par
# defaut) ; essais en defaut gardes dans /tmp/corvalite-fuzz-make-echecs. Voir outils/fuzz_make.py.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}" python3 util-linux
construit_fuzz "$racine"
python3 "$racine/outils/fuzz_make.py" "$racine/construction-fuzz/corvalite" --mesure "$racine/construction/corvalite" \
    --duree "${DUREE:-180}" --echecs /tmp/corvalite-fuzz-make-echecs "$@"
