#!/usr/bin/env bash
# Banc de la fonction make, mesure comme un utilisateur la verrait : un site de
# PAGES pages de 20 Ko (10 blocs chacune) sur tmpfs, construit par corvalite
# puis copie par `cp -rT`, en executions alternees apres une de chauffe.
# Donne les medianes, la mediane des rapports corvalite / cp, celle d'une
# reconstruction dont aucune page ne change, et la memoire maximale (time -v).
#   PAGES="2000 8000" (par defaut)  TOURS=7 (executions mesurees de chaque)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}" time
tours=${TOURS:-7}

construit_release "$racine" >/dev/null
corvalite="$racine/construction/corvalite"

# tmpfs : le disque ne fausse pas la comparaison.
base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base=/tmp
site=$(mktemp -d "$base/corvalite-banc-XXXXXX")
trap 'rm -rf "$site"' EXIT

genere_site() {
    rm -rf "${site:?}"/*
    mkdir -p "$site/src/inc" "$site/web/inc"
    echo '<?php ?>' >"$site/src/inc/lib.php"
    printf 'RACINE=.\nSOURCE=src\nCIBLE=web\nREPERTOIRE_INCLUDE=inc\nREF_GLOBALE=ref.htm\nPREFIXE_TABLE=t_\nFICHIER_A_INCLURE=lib.php\n' \
        >"$site/site.cfg"
    awk -v pages="$1" -v dossier="$site" 'BEGIN {
        ref = "<html><head><title>{#b1}</title></head><body>\n"
        for (b = 2; b <= 10; b++) ref = ref "<div id=\"b" b "\">{#b" b "}</div>\n"
        printf "%s</body></html>\n", ref > (dossier "/ref.htm")
        ligne = "<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor.</p>\n"
        corps = ""
        while (length(corps) < 2000) corps = corps ligne
        for (p = 1; p <= pages; p++) {
            fichier = sprintf("%s/src/page%05d.php", dossier, p)
            for (b = 1; b <= 10; b++) printf "{#DEBUT_b%d}%s{#DATE_FR}{#FIN_b%d}\n", b, corps, b > fichier
            close(fichier)
        }
    }'
}

# Duree d'une commande en microsecondes, lancee depuis le site (l'horloge de
# bash ne lance aucun processus de plus).
chrono() {
    local debut=${EPOCHREALTIME/[.,]/}
    (cd "$site" && exec "$@" >/dev/null 2>&1)
    echo $((${EPOCHREALTIME/[.,]/} - debut))
}

construit() { rm -rf "$site/web"/*.php && chrono "$corvalite" -c site.cfg -make; }
copie() { rm -rf "$site/copie" && chrono cp -rT src copie; }
reconstruit() { chrono "$corvalite" -c site.cfg -make; }

memoire_ko() {
    (cd "$site" && /usr/bin/time -v "$@" 2>&1 >/dev/null) | awk -F': ' '/Maximum resident set size/ { print $2 }'
}

echo "Pages de 20 Ko sur $(stat -f -c %T "$base") ($base), $tours executions alternees apres une de chauffe"
printf '%6s %12s %12s %8s %16s %8s %12s %12s\n' pages "make (ms)" "cp -rT (ms)" rapport "refaire (ms)" rapport \
    "memoire make" "memoire cp"
for pages in ${PAGES:-2000 8000}; do
    genere_site "$pages"
    construit >/dev/null
    copie >/dev/null
    reconstruit >/dev/null
    t_make="" t_cp="" t_refaire="" r_make="" r_refaire=""
    for _ in $(seq "$tours"); do
        m=$(construit)
        c=$(copie)
        r=$(reconstruit)
        t_make+=" $m" t_cp+=" $c" t_refaire+=" $r"
        r_make+=" $(awk -v a="$m" -v b="$c" 'BEGIN { print a / b }')"
        r_refaire+=" $(awk -v a="$r" -v b="$c" 'BEGIN { print a / b }')"
    done
    construites=$(find "$site/web" -maxdepth 1 -name 'page*.php' | wc -l)
    [ "$construites" -eq "$pages" ] || { echo "$construites pages construites sur $pages" >&2; exit 1; }
    # Une page qui ne change pas garde sa date.
    avant=$(stat -c %Y.%N "$site/web/page00001.php")
    reconstruit >/dev/null
    [ "$avant" = "$(stat -c %Y.%N "$site/web/page00001.php")" ] || { echo "page inchangee reecrite" >&2; exit 1; }
    rm -rf "$site/web"/*.php
    mem_make=$(memoire_ko "$corvalite" -c site.cfg -make)
    rm -rf "$site/copie"
    mem_cp=$(memoire_ko cp -rT src copie)
    printf '%6d %12.1f %12.1f %8.2f %16.1f %8.2f %9.1f Mo %9.1f Mo\n' "$pages" \
        "$(echo "$t_make" | mediane | awk '{ print $1 / 1000 }')" "$(echo "$t_cp" | mediane | awk '{ print $1 / 1000 }')" \
        "$(echo "$r_make" | mediane)" "$(echo "$t_refaire" | mediane | awk '{ print $1 / 1000 }')" \
        "$(echo "$r_refaire" | mediane)" "$(awk -v k="$mem_make" 'BEGIN { print k / 1024 }')" \
        "$(awk -v k="$mem_cp" 'BEGIN { print k / 1024 }')"
done
echo "Objectifs : make au plus 1,3 fois cp -rT, refaire au plus 0,5 fois, memoire sous 10 Mo."
