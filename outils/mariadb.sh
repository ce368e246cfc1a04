#!/usr/bin/env bash
# Serveur MariaDB prive pour les tests et l'exemple, sans systemd : un
# repertoire de donnees jetable sous /tmp, 127.0.0.1 seulement, un port et une
# socket a lui.
#
#   outils/mariadb.sh demarre REPERTOIRE PORT   cree et lance le serveur, puis
#       l'utilisateur corvalite (mot de passe corvalite, tous les droits), par
#       TCP et par la socket (les pages servies joignent "localhost" par la socket)
#   outils/mariadb.sh arrete REPERTOIRE          arrete le serveur et efface tout
#   outils/mariadb.sh sql REPERTOIRE [ARGS...]   client mariadb sur ce serveur (en root)
set -euo pipefail

action=${1:?action}
dossier=${2:?repertoire}

client_root() {
    mariadb --no-defaults --socket="$dossier/mariadb.sock" -uroot "$@"
}

case "$action" in
demarre)
    port=${3:?port}
    rm -rf "$dossier"
    mkdir -p "$dossier/donnees"
    mariadb-install-db --no-defaults --user=root --datadir="$dossier/donnees" \
        --auth-root-authentication-method=socket --skip-test-db >"$dossier/installation.log" 2>&1
    mariadbd --no-defaults --user=root --datadir="$dossier/donnees" --socket="$dossier/mariadb.sock" \
        --pid-file="$dossier/mariadb.pid" --log-error="$dossier/erreurs.log" \
        --bind-address=127.0.0.1 --port="$port" --skip-name-resolve \
        --innodb-buffer-pool-size=32M --innodb-log-file-size=8M >/dev/null 2>&1 &
    for _ in $(seq 1 300); do
        if client_root -e 'select 1' >/dev/null 2>&1; then
            client_root -e "create user 'corvalite'@'127.0.0.1' identified by 'corvalite';
                            grant all privileges on *.* to 'corvalite'@'127.0.0.1';
                            create user 'corvalite'@'localhost' identified by 'corvalite';
                            grant all privileges on *.* to 'corvalite'@'localhost';"
            exit 0
        fi
        if ! kill -0 "$!" 2>/dev/null; then break; fi
        sleep 0.1
    done
    echo "Le serveur MariaDB n'a pas demarre :" >&2
    cat "$dossier/erreurs.log" >&2 || true
    exit 1
    ;;
arrete)
    if [ -f "$dossier/mariadb.pid" ]; then
        pid=$(cat "$dossier/mariadb.pid")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 1 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -rf "$dossier"
    ;;
sql)
    shift 2
    client_root "$@"
    ;;
*)
    echo "action inconnue : $action" >&2
    exit 2
    ;;
esac
