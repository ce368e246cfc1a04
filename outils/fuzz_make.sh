#!/usr/bin/env bash
# Fuzz de -make sous AddressSanitizer et UndefinedBehaviorSanitizer : la
# configuration, puis les pages et pages de reference, DUREE secondes par cible
# (180 par defaut). Hors de .ci/run. Chaque essai tourne sans reseau et sous
# l'utilisateur nobody (il faut donc etre root) ; les essais en defaut sont
# gardes dans /tmp/corvalite-fuzz-make-echecs. Arguments en plus : voir outils/fuzz_make.py.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
if [ "$(id -u)" -ne 0 ]; then
    echo "outils/fuzz_make.sh se lance en root : chaque essai passe sous l'utilisateur nobody." >&2
    exit 2
fi
installe_paquets "${PAQUETS_CONSTRUCTION[@]}" python3 util-linux

cmake -S "$racine" -B "$racine/construction-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVALITE_SANITIZE=ON \
    -DCORVALITE_TESTS=OFF >/dev/null
cmake --build "$racine/construction-fuzz" -j "$(nproc)" >/dev/null
cmake -S "$racine" -B "$racine/construction" -DCMAKE_BUILD_TYPE=Release -DCORVALITE_TESTS=OFF >/dev/null
cmake --build "$racine/construction" -j "$(nproc)" >/dev/null
python3 "$racine/outils/fuzz_make.py" "$racine/construction-fuzz/corvalite" --mesure "$racine/construction/corvalite" \
    --duree "${DUREE:-180}" "$@"
