#!/usr/bin/env bash
# Le site d'exemple tel que le construit outils/exemple.sh, les memes etapes servant au test
# du navigateur qui le parcourt ensuite :
#
#   outils/site_exemple.sh CORVALITE SERVEUR PORT DOSSIER
#
# charge la base de l'exemple dans le serveur MariaDB prive du repertoire SERVEUR
# (outils/mariadb.sh), joint par TCP sur PORT ; copie exemple/ dans DOSSIER et y lance
# CORVALITE : -sgbd -make -form sur la page de la table article, puis -form sur le formulaire
# de contact, sans table. Le code de sortie est celui du premier lancement qui echoue.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
corvalite=$(realpath "${1:?corvalite}")
serveur=${2:?serveur}
port=${3:?port}
dossier=${4:?dossier}

charge_exemple "$serveur"
mkdir -p "$dossier"
cp -r "$racine/exemple/." "$dossier/"
cd "$dossier"
echo "== corvalite -c site.cfg -sgbd -make -form formulaires/article.form (dans $dossier, MariaDB sur 127.0.0.1:$port)"
MYSQL_TCP_PORT=$port "$corvalite" -c site.cfg -sgbd -make -form formulaires/article.form || exit
echo
echo "== corvalite -c site.cfg -form formulaires/contact.form"
"$corvalite" -c site.cfg -form formulaires/contact.form
