# Fonctions partagees par les scripts du projet (a sourcer).

# Installe avec apt-get les paquets Debian qui manquent.
installe_paquets() {
    local manquants=()
    local paquet
    for paquet in "$@"; do
        dpkg-query -W -f='${Status}' "$paquet" 2>/dev/null | grep -q "install ok installed" ||
            manquants+=("$paquet")
    done
    if [ "${#manquants[@]}" -gt 0 ]; then
        echo "Installation de : ${manquants[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${manquants[@]}"
    fi
}

PAQUETS_CONSTRUCTION=(g++ cmake make pkg-config libgtest-dev libmariadb-dev)
PAQUETS_MARIADB=(mariadb-server-core mariadb-client-core)
PAQUETS_TESTS=(php-cli php-mysql chromium chromium-driver python3-selenium strace)

# Demarre le serveur MariaDB prive (outils/mariadb.sh) dans le repertoire $1, sur un port tire
# entre $2 et $2 + 799, rendu dans la variable port. Un port deja pris fait echouer le
# demarrage : on en essaie un autre, cinq fois au plus.
demarre_mariadb() {
    local essai
    for essai in 1 2 3 4 5; do
        port=$(( $2 + RANDOM % 800 ))
        if bash "$(dirname "${BASH_SOURCE[0]}")/mariadb.sh" demarre "$1" "$port"; then return 0; fi
    done
    return 1
}

# Charge la base de l'exemple (celle que nomme exemple/site.cfg) dans le serveur prive $1.
charge_exemple() {
    local outils
    outils=$(dirname "${BASH_SOURCE[0]}")
    bash "$outils/mariadb.sh" sql "$1" -e "create database corvalite_exemple character set utf8mb4"
    bash "$outils/mariadb.sh" sql "$1" --default-character-set=utf8mb4 corvalite_exemple < "$outils/../exemple/base.sql"
}

# Le site d'exemple de outils/exemple.sh et outils/voir_exemple.sh : corvalite construit depuis
# le depot $1 (construit_release), une copie de travail neuve sous /tmp (variable travail) et a
# cote d'elle le serveur MariaDB prive (variable serveur, son port dans port), ou
# outils/site_exemple.sh lance corvalite ; son code de sortie est rendu dans code. L'appelant
# met arrete_exemple dans son trap EXIT avant l'appel : un echec en route arrete aussi le serveur.
construit_exemple() {
    construit_release "$1"
    travail=$(mktemp -d /tmp/corvalite-exemple-XXXXXX)
    serveur="$travail.mariadb"
    demarre_mariadb "$serveur" 34100
    code=0
    bash "$1/outils/site_exemple.sh" "$1/construction/corvalite" "$serveur" "$port" "$travail" || code=$?
}

# Arrete le serveur de construit_exemple et efface ses donnees ; rien s'il n'a pas ete cree.
arrete_exemple() {
    if [ -n "${serveur:-}" ]; then bash "$(dirname "${BASH_SOURCE[0]}")/mariadb.sh" arrete "$serveur"; fi
}

# Le programme seul, optimise, dans $1/construction (le compte rendu de la compilation sort).
construit_release() {
    cmake -S "$1" -B "$1/construction" -DCMAKE_BUILD_TYPE=Release -DCORVALITE_TESTS=OFF >/dev/null
    cmake --build "$1/construction" -j "$(nproc)"
}

# Les deux constructions des fuzz : sous les sanitizers, et sans eux pour mesurer la memoire.
construit_fuzz() {
    cmake -S "$1" -B "$1/construction-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVALITE_SANITIZE=ON -DCORVALITE_TESTS=OFF >/dev/null
    cmake --build "$1/construction-fuzz" -j "$(nproc)" >/dev/null
    construit_release "$1" >/dev/null
}

# La mediane des nombres lus sur l'entree, separes par des espaces ou des fins de ligne.
mediane() {
    tr -s ' ' '\n' | sort -g | awk 'NF { v[++n] = $1 } END { print (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2 }'
}
