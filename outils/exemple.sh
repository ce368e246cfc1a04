#!/usr/bin/env bash
# Construit corvalite et l'execute sur le site d'exemple, dans une copie de
# travail sous /tmp (le depot n'est pas modifie) : un serveur MariaDB prive sur
# 127.0.0.1 recoit la base de l'exemple, puis -sgbd ecrit les classes PHP,
# -make construit les pages et -form ecrit la page de formulaire de la table
# article ; un second lancement ecrit celle du formulaire de contact, sans table
# (outils/site_exemple.sh, que le test du navigateur reprend tel quel). Le
# serveur est arrete en sortant ; la copie reste, pour qu'on la lise.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}" "${PAQUETS_MARIADB[@]}"

trap arrete_exemple EXIT
construit_exemple "$racine"
echo
echo "== code de sortie : $code"
echo "== fichiers produits :"
cd "$travail"
find cible sources/include formulaires -type f | sort
exit "$code"
