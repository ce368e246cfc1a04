#!/usr/bin/env bash
# Construit corvalite et l'execute sur le site d'exemple, dans une copie de
# travail sous /tmp (le depot n'est pas modifie).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}"

construction="$racine/construction"
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Release -DCORVALITE_TESTS=OFF >/dev/null
cmake --build "$construction" -j "$(nproc)"

travail=$(mktemp -d /tmp/corvalite-exemple-XXXXXX)
cp -r "$racine/exemple/." "$travail/"
cd "$travail"
echo "== corvalite -c site.cfg -make (dans $travail)"
set +e
"$construction/corvalite" -c site.cfg -make
code=$?
set -e
echo
echo "== code de sortie : $code"
echo "== trace d'execution (site.log) :"
cat site.log
echo
exit "$code"
