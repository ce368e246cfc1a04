#!/usr/bin/env bash
# Banc de la fonction make : un site genere de 2000 pages (20 Ko, 10 blocs
# chacune) construit par corvalite, a cote du temps de `cp -r` des memes pages.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"
installe_paquets "${PAQUETS_CONSTRUCTION[@]}"
pages=${PAGES:-2000}

construction="$racine/construction"
cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Release -DCORVALITE_TESTS=OFF >/dev/null
cmake --build "$construction" -j "$(nproc)" >/dev/null

site=$(mktemp -d /tmp/corvalite-banc-XXXXXX)
trap 'rm -rf "$site"' EXIT
mkdir -p "$site/src/inc" "$site/web/inc"
echo '<?php ?>' > "$site/src/inc/lib.php"
printf 'RACINE=.\nSOURCE=src\nCIBLE=web\nREPERTOIRE_INCLUDE=inc\nREF_GLOBALE=ref.htm\nPREFIXE_TABLE=t_\nFICHIER_A_INCLURE=lib.php\n' \
    > "$site/site.cfg"
awk -v pages="$pages" -v dossier="$site" 'BEGIN {
    ref = "<html><head><title>{#b1}</title></head><body>\n"
    for (b = 2; b <= 10; b++) ref = ref "<div id=\"b" b "\">{#b" b "}</div>\n"
    printf "%s</body></html>\n", ref > (dossier "/ref.htm")
    ligne = "<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor.</p>\n"
    corps = ""
    while (length(corps) < 2000) corps = corps ligne
    for (p = 1; p <= pages; p++) {
        fichier = sprintf("%s/src/page%04d.php", dossier, p)
        for (b = 1; b <= 10; b++) printf "{#DEBUT_b%d}%s{#DATE_FR}{#FIN_b%d}\n", b, corps, b > fichier
        close(fichier)
    }
}'

cd "$site"
debut=$(date +%s%N)
"$construction/corvalite" -c site.cfg -make >/dev/null 2>&1
fin=$(date +%s%N)
debut_cp=$(date +%s%N)
cp -r src copie
fin_cp=$(date +%s%N)

construites=$(ls web/*.php | wc -l)
taille=$(du -sk src | cut -f1)
awk -v n="$pages" -v c="$construites" -v t="$(( fin - debut ))" -v tc="$(( fin_cp - debut_cp ))" -v k="$taille" 'BEGIN {
    printf "pages: %d (%d Ko), construites: %d\n", n, k, c
    printf "corvalite -make : %8.1f ms en tout, %6.3f ms par page\n", t / 1e6, t / 1e6 / n
    printf "cp -r           : %8.1f ms en tout, %6.3f ms par page\n", tc / 1e6, tc / 1e6 / n
}'
[ "$construites" -eq "$pages" ]
