#!/usr/bin/env bash
# Banc de la fonction sgbd : une base de 400 tables generee sur un serveur
# MariaDB prive (outils/mariadb.sh), lue par `corvalite -sgbd` (construction
# Release) et par `mariadb-dump --no-data`. Apres un tour d'echauffement, les
# deux commandes tournent a tour de role ; on donne la mediane de chacune, celle
# du rapport des deux dans un meme tour, et la memoire maximale (/usr/bin/time -v).
# Chaque lancement part d'un cache disque sans ecriture en attente (sync avant lui).
# Les classes et le vidage s'ecrivent sous SITE_DANS (/tmp par defaut ; /dev/shm pour
# mesurer le programme sans le disque).
#   TABLES=400 TOURS=11 SITE_DANS=/tmp bash outils/banc_sgbd.sh
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}" "${PAQUETS_MARIADB[@]}" mariadb-client time
tables=${TABLES:-400}
tours=${TOURS:-11}

construit_release "$racine" >/dev/null
construction="$racine/construction"

serveur=$(mktemp -d /tmp/corvalite-banc-mariadb-XXXXXX)
site=$(mktemp -d "${SITE_DANS:-/tmp}/corvalite-banc-sgbd-XXXXXX")
trap 'bash "$racine/outils/mariadb.sh" arrete "$serveur"; rm -rf "$site"' EXIT
demarre_mariadb "$serveur" 34100
export MYSQL_TCP_PORT=$port

# Des tables de 8 colonnes des types courants, avec defauts, commentaires et cle.
bash "$racine/outils/mariadb.sh" sql "$serveur" -e 'create database banc'
awk -v n="$tables" 'BEGIN {
    for (t = 1; t <= n; t++)
        printf "create table table_%04d (id int auto_increment primary key comment \"Identifiant\", " \
               "nom varchar(40) not null default \"\" comment \"Nom affiche\", prix decimal(8,2) default 1.50, " \
               "qte int default 0, code char(3), resume text comment \"Resume\", " \
               "cree datetime default current_timestamp, actif tinyint not null default 1) comment \"table %d\";\n", t, t
}' | bash "$racine/outils/mariadb.sh" sql "$serveur" banc

mkdir -p "$site/src/inc" "$site/web/inc"
printf 'RACINE=.\nSOURCE=src\nCIBLE=web\nREPERTOIRE_INCLUDE=inc\nREF_GLOBALE=ref.htm\nPREFIXE_TABLE=t_\n' > "$site/site.cfg"
printf 'HOST=127.0.0.1\nUSER=corvalite\nMDP=corvalite\nDATABASE=banc\n' >> "$site/site.cfg"
cd "$site"

# mesure NOM COMMANDE... : ajoute a NOM.temps la duree en ms et a NOM.memoire la memoire maximale en Ko.
mesure() {
    local nom=$1
    shift
    local debut fin
    sync
    debut=$(date +%s%N)
    /usr/bin/time -v -o "$nom.time" "$@" >/dev/null 2>&1
    fin=$(date +%s%N)
    awk -v d="$(( fin - debut ))" 'BEGIN { printf "%.3f\n", d / 1e6 }' >> "$nom.temps"
    awk -F': ' '/Maximum resident set size/ { print $2 }' "$nom.time" >> "$nom.memoire"
}
corvalite() { mesure corvalite "$construction/corvalite" -c site.cfg -sgbd; }
dump() {
    mesure dump mariadb-dump --no-defaults -h127.0.0.1 -P"$port" -ucorvalite -pcorvalite --no-data -r dump.sql banc
}

corvalite
dump
rm -f ./*.temps ./*.memoire
for tour in $(seq 1 "$tours"); do
    # L'ordre change a chaque tour : aucune des deux ne profite toujours du cache laisse par l'autre.
    if [ $(( tour % 2 )) -eq 1 ]; then corvalite; dump; else dump; corvalite; fi
done

classes=$(find src/inc web/inc -name 'CVClass_table_*.php' | wc -l)
grep -q '^Fin de traitement' site.log || { echo "corvalite -sgbd a echoue :" >&2; cat site.log >&2; exit 1; }
[ "$classes" -eq $(( 2 * tables )) ] || { echo "classes ecrites : $classes" >&2; exit 1; }

maximum() { sort -g | tail -1; }
rapports=$(paste corvalite.temps dump.temps | awk '{ printf "%.4f\n", $1 / $2 }' | mediane)
printf 'tables: %d, tours: %d, classes ecrites: %d, site sur %s\n' "$tables" "$tours" "$classes" "$(stat -f -c %T .)"
printf 'corvalite -sgbd        : mediane %8.1f ms, memoire maximale %6d Ko\n' \
    "$(mediane < corvalite.temps)" "$(maximum < corvalite.memoire)"
printf 'mariadb-dump --no-data : mediane %8.1f ms, memoire maximale %6d Ko\n' \
    "$(mediane < dump.temps)" "$(maximum < dump.memoire)"
printf 'rapport corvalite / mariadb-dump (mediane des tours) : %.3f\n' "$rapports"
