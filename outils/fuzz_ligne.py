#!/usr/bin/env python3
"""Fuzz de la ligne de commande de corvalite sous les sanitizers (lance par outils/fuzz_ligne.sh).

Chaque essai copie le site d'exemple dans un repertoire jetable sous /dev/shm et y lance le
programme avec des mots tires au hasard : options (les deux casses, collees entre elles ou a
d'autres mots), noms de fichiers, mots d'octets quelconques. L'entree standard est /dev/null ;
le serveur MariaDB prive sert les -sgbd. Sous root, l'essai tourne sous l'utilisateur nobody.
Sont comptes comme defauts :
- une fin par un signal, un rapport des sanitizers ;
- plus de 10 s ; plus de 100 Mo de memoire residente (mesuree de nouveau, au-dela, avec le
  programme construit sans sanitizers, qui grossissent chaque allocation) ;
- un fichier de configuration change : le programme ne l'ecrit jamais.
Aucun mot ne commence par "/" ou "\\" et les mots d'octets n'en contiennent pas : rien ne
s'ecrit hors du repertoire de l'essai et de son parent.
"""
import argparse
import collections
import concurrent.futures
import os
import random
import shutil
import signal
import subprocess
import tempfile
import threading
import time

DELAI = 10.0
MEMOIRE_KO = 100 * 1024
NOBODY = 65534
SANITIZERS = (b"AddressSanitizer", b"LeakSanitizer", b"UndefinedBehaviorSanitizer", b"runtime error")
# Les titres qui montrent qu'une fonction a commence.
ETAPES = [("sgbd", b"Creation classe de base de donnees:"), ("make", b"Selection des fichiers:"),
          ("form", b"Lecture du fichier .form")]
OPTIONS = ["-c", "-C", "-make", "-MAKE", "-sgbd", "-SGBD", "-form", "-FORM", "-bavard", "-BAVARD"]
FICHIERS = ["site.cfg", "absent.cfg", "page.form", "formulaires/article.form", "formulaires/contact.form",
            "absent.form", "site.log", "sources", "sources/index.php", "modeles/reference.htm", "my-sgbd.cfg",
            "site-form.cfg", "page-bavard.form", "../site.cfg", "nulle/part/x.cfg", "site", ".", "..", "",
            "-", "--", "sans_point", "sources\\index.php", "tube.cfg"]
# Ajoutes a l'exemple : une page sans table, puis des copies dont les noms portent des options, et un tube.
AJOUTS = {"page.form": "# formulaire\nCHAMP=nom\nFINCHP\nBOUTON=Envoyer,envoyer\n"}


def mot_d_octets(hasard):
    taille = hasard.choice([1, 2, 5, 20, 200])
    return bytes(hasard.choice([o for o in range(1, 256) if o not in b"/\\"]) for _ in range(taille))


def mot(hasard):
    tirage = hasard.random()
    if tirage < 0.45:
        texte = hasard.choice(OPTIONS).encode()
    elif tirage < 0.7:
        texte = hasard.choice(FICHIERS).encode()
    elif tirage < 0.85:
        texte = (hasard.choice(OPTIONS + FICHIERS) + hasard.choice(OPTIONS + FICHIERS)).encode()
    elif tirage < 0.95:
        texte = mot_d_octets(hasard)
    else:
        texte = hasard.choice([b"x" * 100000, b"-c" * 5000, b"-make" * 2000])
    if texte and hasard.random() < 0.1:  # un octet change
        p = hasard.randrange(len(texte))
        texte = texte[:p] + bytes([hasard.choice(b"-cCmakesgbdformbavard.x \n\xe9")]) + texte[p + 1:]
    return b"./" + texte if texte[:1] in (b"/", b"\\") else texte


def prepare_modele(exemple):
    modele = tempfile.mkdtemp(prefix="corvalite-fuzz-ligne-", dir="/dev/shm")
    site = os.path.join(modele, "site")
    shutil.copytree(exemple, site)
    for nom, texte in AJOUTS.items():
        with open(os.path.join(site, nom), "w") as f:
            f.write(texte)
    for nom in ("my-sgbd.cfg", "site-form.cfg"):
        shutil.copy(os.path.join(site, "site.cfg"), os.path.join(site, nom))
    shutil.copy(os.path.join(site, "page.form"), os.path.join(site, "page-bavard.form"))
    return modele


def lance(binaire, repertoire, arguments, port):
    """(code, sortie d'erreur, memoire maximale en Ko, tue au bout du delai)."""
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "MYSQL_TCP_PORT": str(port),
           "ASAN_OPTIONS": "detect_leaks=1:abort_on_error=0", "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1"}
    commande = [binaire.encode()] + arguments
    if os.getuid() == 0:
        commande = [b"setpriv", f"--reuid={NOBODY}".encode(), f"--regid={NOBODY}".encode(), b"--clear-groups",
                    b"--"] + commande
    with tempfile.TemporaryFile() as erreurs:
        processus = subprocess.Popen(commande, cwd=repertoire, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=erreurs, env=env, start_new_session=True)
        fin = time.monotonic() + DELAI
        tue = False
        while True:
            pid, statut, usage = os.wait4(processus.pid, os.WNOHANG)
            if pid:
                break
            if time.monotonic() > fin:
                os.killpg(processus.pid, signal.SIGKILL)
                pid, statut, usage = os.wait4(processus.pid, 0)
                tue = True
                break
            time.sleep(0.005)
        processus.returncode = os.waitstatus_to_exitcode(statut)
        erreurs.seek(0)
        return processus.returncode, erreurs.read(), usage.ru_maxrss, tue


def essai(parametres, numero):
    hasard = random.Random(parametres.graine * 1000003 + numero)
    arguments = [mot(hasard) for _ in range(hasard.choice([0, 1, 2, 3, 3, 4, 4, 5, 6, 8, 12]))]
    if hasard.random() < 0.6:  # une configuration lisible, pour que les fonctions tournent aussi
        arguments.insert(hasard.randint(0, len(arguments)), b"-c")
        arguments.insert(arguments.index(b"-c") + 1, hasard.choice([b"site.cfg", b"my-sgbd.cfg", b"site-form.cfg"]))
    repertoire = os.path.join(parametres.modele, f"essai-{numero}")
    site = os.path.join(repertoire, "site")
    shutil.copytree(os.path.join(parametres.modele, "site"), site, symlinks=True)
    os.mkfifo(os.path.join(site, "tube.cfg"))  # un tube ne se copie pas
    if os.getuid() == 0:
        for racine, dossiers, fichiers in os.walk(repertoire):
            for nom in [racine] + [os.path.join(racine, n) for n in dossiers + fichiers]:
                os.lchown(nom, NOBODY, NOBODY)
    with open(os.path.join(site, "site.cfg"), "rb") as f:
        configuration = f.read()
    code, erreurs, memoire, tue = lance(parametres.binaire, site, arguments, parametres.port)
    defauts = []
    if tue:
        defauts.append("delai")
    elif code < 0:
        defauts.append(f"signal {-code}")
    if any(s in erreurs for s in SANITIZERS):
        defauts.append("sanitizer")
    if memoire > MEMOIRE_KO and parametres.mesure:
        memoire = lance(parametres.mesure, site, arguments, parametres.port)[2]
    if memoire > MEMOIRE_KO:
        defauts.append(f"memoire {memoire} Ko")
    with open(os.path.join(site, "site.cfg"), "rb") as f:
        if f.read() != configuration:
            defauts.append("configuration changee")
    if defauts:
        garde = os.path.join(parametres.echecs, f"essai-{parametres.graine}-{numero}")
        os.makedirs(garde, exist_ok=True)
        with open(os.path.join(garde, "arguments.txt"), "w") as f:
            f.write(repr(arguments) + "\n" + ", ".join(defauts) + "\n")
        with open(os.path.join(garde, "erreurs.txt"), "wb") as f:
            f.write(erreurs)
    shutil.rmtree(repertoire, ignore_errors=True)
    etapes = [nom for nom, titre in ETAPES if titre in erreurs]
    return code, defauts, memoire, etapes


def main():
    analyse = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    analyse.add_argument("binaire")
    analyse.add_argument("--mesure", help="le programme construit sans sanitizers")
    analyse.add_argument("--exemple", required=True)
    analyse.add_argument("--port", required=True, type=int)
    analyse.add_argument("--duree", type=float, default=180)
    analyse.add_argument("--graine", type=int, default=int(time.time()))
    analyse.add_argument("--travailleurs", type=int, default=os.cpu_count() or 2)
    analyse.add_argument("--echecs", default="/tmp/corvalite-fuzz-ligne-echecs")
    parametres = analyse.parse_args()
    parametres.modele = prepare_modele(parametres.exemple)
    comptes, codes = collections.Counter(), collections.Counter()
    verrou, numero, memoire_max = threading.Lock(), [0], [0]
    arret = time.monotonic() + parametres.duree

    def travailleur():
        while time.monotonic() < arret:
            with verrou:
                numero[0] += 1
                n = numero[0]
            code, defauts, memoire, etapes = essai(parametres, n)
            with verrou:
                codes[code] += 1
                comptes.update(etapes)
                comptes["essais"] += 1
                memoire_max[0] = max(memoire_max[0], memoire)
                for defaut in defauts:
                    comptes[defaut.split()[0]] += 1
                if defauts:
                    comptes["essais en defaut"] += 1
                    print(f"essai {n} : {', '.join(defauts)}", flush=True)

    try:
        with concurrent.futures.ThreadPoolExecutor(parametres.travailleurs) as groupe:
            for resultat in [groupe.submit(travailleur) for _ in range(parametres.travailleurs)]:
                resultat.result()
    finally:
        shutil.rmtree(parametres.modele, ignore_errors=True)
    print(f"graine {parametres.graine}, {parametres.duree:.0f} s, {parametres.travailleurs} travailleurs")
    print(f"essais : {comptes['essais']}, en defaut : {comptes['essais en defaut']}")
    for defaut in ("signal", "sanitizer", "delai", "memoire", "configuration"):
        print(f"  {defaut} : {comptes[defaut]}")
    print(f"memoire residente maximale (sous sanitizers) : {memoire_max[0]} Ko")
    print("fonctions lancees : " + ", ".join(f"{nom} {comptes[nom]}" for nom, _ in ETAPES))
    print("codes de sortie : " + ", ".join(f"{c}: {n}" for c, n in sorted(codes.items())))
    return 1 if comptes["essais en defaut"] else 0


if __name__ == "__main__":
    raise SystemExit(main())
