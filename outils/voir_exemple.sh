#!/usr/bin/env bash
# Construit le site d'exemple comme outils/exemple.sh, puis le garde ouvert pour un navigateur :
# le serveur MariaDB prive et `php -S 127.0.0.1:PORT` servant les pages du site (cible/ et
# formulaires/*.php, par outils/routeur_exemple.php), jusqu'a Ctrl-C ; PHP et MariaDB sont alors
# arretes, la copie effacee, et le script finit avec le code 0. PHP qui s'arrete avant finit
# le script avec le code 1.
#
#   bash outils/voir_exemple.sh [PORT]      (sinon PORT_WEB, sinon 8080)
set -euo pipefail
# Lance en arriere-plan par un shell sans controle des taches, le script ignorerait SIGINT sans
# pouvoir le pieger, et Ctrl-C n'y serait pas la fin attendue : il se relance alors avec SIGINT
# rendu a son action par defaut.
if [ -n "$(trap -p INT)" ] && [ -z "${VOIR_EXEMPLE_SIGINT:-}" ]; then
    VOIR_EXEMPLE_SIGINT=1 exec env --default-signal=INT bash "$0" "$@"
fi
racine=$(cd "$(dirname "$0")/.." && pwd)
. "$racine/outils/commun.sh"

port_web=${1:-${PORT_WEB:-8080}}
if ! [[ $port_web =~ ^[0-9]{1,5}$ ]] || [ "$port_web" -lt 1 ] || [ "$port_web" -gt 65535 ]; then
    echo "Port invalide : $port_web (un nombre de 1 a 65535)." >&2
    exit 2
fi
port_pris() {
    echo "Le port $port_web de 127.0.0.1 est deja pris ; choisissez-en un autre, par exemple :" \
        "bash outils/voir_exemple.sh $(( port_web < 65535 ? port_web + 1 : 8080 ))" >&2
    exit 1
}
# Verifie avant la construction, qui prend du temps ; php -S le redira s'il est pris entre-temps.
if (: <>"/dev/tcp/127.0.0.1/$port_web") 2>/dev/null; then port_pris; fi

installe_paquets "${PAQUETS_CONSTRUCTION[@]}" "${PAQUETS_MARIADB[@]}" php-cli php-mysql

fin() {
    trap '' INT TERM # un second Ctrl-C n'interrompt pas le menage
    if [ -n "${pid_php:-}" ]; then
        echo "== Arret de PHP et de MariaDB, effacement de la copie."
        kill "$pid_php" 2>/dev/null || true
        wait "$pid_php" 2>/dev/null || true
    fi
    arrete_exemple
    if [ -n "${travail:-}" ]; then rm -rf "$travail" "$travail.php.log"; fi
}
# bash passe aussi par le trap EXIT quand Ctrl-C ou SIGTERM l'arrete.
trap fin EXIT

construit_exemple "$racine"
if [ "$code" -ne 0 ]; then
    echo "La construction de l'exemple a echoue (code $code)." >&2
    exit "$code"
fi
echo

# Les pages se connectent a "localhost", c'est-a-dire a la socket du serveur prive ; une
# erreur PHP s'affiche dans la page meme, sous les yeux de qui la regarde. Le journal de php
# va au terminal et dans un fichier, ou se lit sa ligne "started" : celle qu'il ecrit une
# fois a l'ecoute (une connexion d'essai y ajouterait un acces que personne n'a fait, et
# repondrait aussi bien pour un autre programme qui aurait pris le port entre-temps).
adresse="http://127.0.0.1:$port_web"
journal="$travail.php.log"
php -d display_errors=1 -d error_reporting=E_ALL -d "mysqli.default_socket=$serveur/mariadb.sock" \
    -S "127.0.0.1:$port_web" -t "$travail" "$racine/outils/routeur_exemple.php" 2> >(tee "$journal" >&2) &
pid_php=$!
until grep -qF "($adresse) started" "$journal" 2>/dev/null; do
    kill -0 "$pid_php" 2>/dev/null || { pid_php=; port_pris; }
    sleep 0.1
done

cat <<FIN

== Le site d'exemple est ouvert (copie de travail $travail) :
   $adresse/cible/index.php              page construite par -make
   $adresse/cible/article.php            page construite par -make sur une autre reference
   $adresse/formulaires/article.php      formulaire de la table article
   $adresse/formulaires/contact.php      formulaire de contact, sans table
== Ctrl-C arrete PHP et MariaDB et efface la copie.

FIN
# Ctrl-C est la fin attendue : sortie sans message et sans echec, fin (trap EXIT) arretant PHP
# et MariaDB. PHP qui s'arrete tout seul, quel que soit son code, est un echec qui le dit.
trap 'exit 0' INT
wait "$pid_php" || true
echo "php -S s'est arrete." >&2
exit 1
