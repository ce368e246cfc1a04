"""Le banc commun aux fuzz de corvalite (outils/fuzz_make.py, outils/fuzz_ligne.py).

Chaque essai monte un repertoire jetable sous /dev/shm et y lance le programme sous l'utilisateur
nobody (il faut etre root), sans reseau si on le demande. Defauts de tout essai : une fin par un
signal, un rapport des sanitizers, plus de 10 s, plus de 100 Mo de memoire residente (mesuree de
nouveau, au-dela, avec le programme construit sans sanitizers, qui grossissent chaque allocation).
Chaque cible ajoute les siens ; les essais en defaut sont gardes dans le repertoire des echecs.
"""
import argparse
import collections
import concurrent.futures
import os
import random
import shutil
import signal
import stat
import subprocess
import tempfile
import threading
import time

DELAI = 10.0
MEMOIRE_KO = 100 * 1024
NOBODY = 65534
SANITIZERS = (b"AddressSanitizer", b"LeakSanitizer", b"UndefinedBehaviorSanitizer", b"runtime error")
GENRES = ("signal", "sanitizer", "delai", "memoire", "demi-ecrit", "configuration", "temporaire")
Resultat = collections.namedtuple("Resultat", "code duree memoire erreurs")


def a_nobody(repertoire):
    for racine, dossiers, fichiers in os.walk(repertoire):
        for nom in [racine] + [os.path.join(racine, n) for n in dossiers + fichiers]:
            os.lchown(nom, NOBODY, NOBODY)


def lance(binaire, repertoire, arguments, port=9, reseau=False, limite=None, tuer=None):
    """Un lancement ; code None quand il a ete tue (au bout de DELAI, ou de `tuer` secondes).
    `limite` borne en octets la taille des fichiers : l'ecriture au-dela echoue sans signal.
    La memoire vient de time(1) : un fils de Python herite dans ru_maxrss de la taille de Python."""
    # La borne par prlimit : time(1) doit pouvoir ecrire sa mesure.
    commande = ([] if limite is None else [b"prlimit", b"--fsize=%d" % limite]) + ([] if reseau else [b"unshare",
                                                                                                      b"-n"]) + [
        b"setpriv", b"--reuid=%d" % NOBODY, b"--regid=%d" % NOBODY, b"--clear-groups", b"--", binaire.encode()]
    env = {"PATH": "/usr/bin:/bin", "MYSQL_TCP_PORT": str(port),
           "ASAN_OPTIONS": "detect_leaks=1:abort_on_error=0", "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1"}
    with tempfile.TemporaryFile() as erreurs, tempfile.NamedTemporaryFile() as mesure:
        debut = time.monotonic()
        processus = subprocess.Popen([b"/usr/bin/time", b"-f", b"%M", b"-o", mesure.name.encode()] + commande +
                                     list(arguments), cwd=repertoire, stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=erreurs, env=env, start_new_session=True,
                                     preexec_fn=lambda: signal.signal(signal.SIGXFSZ, signal.SIG_IGN))
        try:
            processus.wait(DELAI if tuer is None else min(tuer, DELAI))
        except subprocess.TimeoutExpired:
            os.killpg(processus.pid, signal.SIGKILL)
            processus.wait()
            return Resultat(None, time.monotonic() - debut, 0, erreurs.seek(0) or erreurs.read())
        duree, rapport = time.monotonic() - debut, mesure.read().decode().split()
        code = -int(rapport[rapport.index("signal") + 1]) if "signal" in rapport else processus.returncode
        return Resultat(code, duree, int(rapport[-1]), erreurs.seek(0) or erreurs.read())


def defauts_du_lancement(resultat, tue=False):
    defauts = []
    if resultat.code is None and not tue:
        defauts.append(f"delai {resultat.duree:.1f} s")
    elif resultat.code is not None and resultat.code < 0:
        defauts.append(f"signal {-resultat.code}")
    if any(s in resultat.erreurs for s in SANITIZERS):
        defauts.append("sanitizer")
    if resultat.memoire > MEMOIRE_KO:
        defauts.append(f"memoire {resultat.memoire} Ko")
    return defauts


def lance_mesure(parametres, repertoire, arguments, tuer=None, **options):
    """Un lancement du programme sous les sanitizers (voir lance) ; au-dela de 100 Mo, la memoire
    retenue est celle du programme sans eux, relance jusqu'au bout."""
    resultat = lance(parametres.binaire, repertoire, arguments, tuer=tuer, **options)
    if resultat.memoire <= MEMOIRE_KO or not parametres.mesure:
        return resultat
    return resultat._replace(memoire=lance(parametres.mesure, repertoire, arguments, **options).memoire)


def parametres(description, *options):
    """Les arguments communs ; chaque option en plus est (nom, dict d'add_argument)."""
    analyse = argparse.ArgumentParser(description=description)
    analyse.add_argument("binaire")
    analyse.add_argument("--mesure", help="le programme construit sans sanitizers, pour la memoire")
    analyse.add_argument("--duree", type=float, default=180, help="secondes par cible")
    analyse.add_argument("--graine", type=int, default=int(time.time()))
    analyse.add_argument("--travailleurs", type=int, default=os.cpu_count() or 2)
    analyse.add_argument("--echecs", required=True)
    for nom, reglages in options:
        analyse.add_argument(nom, **reglages)
    resultat = analyse.parse_args()
    if os.getuid() != 0:
        raise SystemExit("le fuzz se lance en root : chaque essai passe sous l'utilisateur nobody")
    resultat.binaire = os.path.abspath(resultat.binaire)
    resultat.mesure = resultat.mesure and os.path.abspath(resultat.mesure)
    return resultat


def fuzz(cible, essai, p):
    """Lance essai(hasard, repertoire, numero) -> (defauts, Resultat, notes) pendant p.duree secondes
    sur p.travailleurs fils ; affiche le bilan ; rend le nombre d'essais en defaut."""
    comptes, notes, verrou = collections.Counter(), collections.Counter(), threading.Lock()
    pire = {"duree": 0.0, "memoire": 0}
    arret = time.monotonic() + p.duree

    def travailleur(premier):
        numero = premier
        while time.monotonic() < arret:
            hasard = random.Random(p.graine * 1000003 + numero)
            repertoire = tempfile.mkdtemp(prefix=f"corvalite-fuzz-{cible}-", dir="/dev/shm")
            try:
                defauts, resultat, remarques = essai(hasard, repertoire, numero)
                if defauts:
                    garde = os.path.join(p.echecs, f"{cible}-{p.graine}-{numero}")
                    shutil.copytree(repertoire, garde, symlinks=True, dirs_exist_ok=True, ignore=lambda r, noms: [
                        n for n in noms if stat.S_ISFIFO(os.lstat(os.path.join(r, n)).st_mode)])
                    with open(garde + ".txt", "wb") as f:
                        f.write("\n".join(defauts).encode() + b"\n--- sortie d'erreur :\n" + resultat.erreurs[-20000:])
            except Exception as e:  # le banc ne s'arrete pas sur un site bizarre
                defauts, resultat, remarques = [f"banc : {type(e).__name__}: {e}"], Resultat(0, 0, 0, b""), []
            finally:
                shutil.rmtree(repertoire, ignore_errors=True)
            with verrou:
                comptes["essais"] += 1
                comptes["en defaut"] += bool(defauts)
                comptes.update({d.split()[0] for d in defauts})
                notes.update(remarques)
                pire["duree"], pire["memoire"] = max(pire["duree"], resultat.duree), max(pire["memoire"], resultat.memoire)
                for d in defauts:
                    print(f"{cible} essai {numero} : {d}", flush=True)
            numero += p.travailleurs

    os.makedirs(p.echecs, exist_ok=True)
    with concurrent.futures.ThreadPoolExecutor(p.travailleurs) as groupe:
        for fin in [groupe.submit(travailleur, i) for i in range(p.travailleurs)]:
            fin.result()
    print(f"{cible} (graine {p.graine}, {p.duree:.0f} s, {p.travailleurs} travailleurs) : {comptes['essais']} essais, "
          f"{comptes['en defaut']} en defaut ; le plus long {pire['duree']:.2f} s, memoire la plus haute retenue "
          f"{pire['memoire'] / 1024:.1f} Mo")
    print("  " + ", ".join(f"{g} : {comptes[g]}" for g in GENRES + ("banc",)))
    if notes:
        print("  " + ", ".join(f"{n} : {c}" for n, c in sorted(notes.items())))
    return comptes["en defaut"]
