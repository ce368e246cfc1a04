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
PAQUETS_TESTS=(php-cli php-mysql nodejs chromium chromium-driver python3-selenium)
