#!/usr/bin/env python3
"""Fuzz de corvalite -make sous les sanitizers (lance par outils/fuzz_make.sh).

Cibles : "configuration" (site.cfg malmene) et "pages" (pages et pages de
reference malmenees). Chaque essai monte un site jetable sous /dev/shm et y lance
le programme sans reseau, sous l'utilisateur nobody : une configuration hostile
ne peut ecrire que la ou nobody le peut. Sont comptes comme defauts :
- un plantage, un rapport des sanitizers ;
- plus de 10 s, plus de 100 Mo de memoire residente ;
- un fichier a moitie ecrit : apres un essai, meme tue ou prive de place,
  chaque page cible est son ancien contenu ou la page entiere qu'un assemblage de
  reference (ci-dessous, la forme simple et lente de l'algorithme) donne ;
- pour "pages", une page entiere differente de l'assemblage de reference, et un
  temporaire ".cv-XXXXXX" qui reste dans la cible apres une execution complete.
"""
import argparse
import collections
import multiprocessing
import os
import random
import re
import resource
import shutil
import signal
import stat
import subprocess
import tempfile
import time

DELAI = 10.0
MEMOIRE_KO = 100 * 1024
NOBODY = 65534
FIN_NOM = b"}{\n\r"
CONFIG = (b"RACINE=.\nSOURCE=src\nCIBLE=web\nREPERTOIRE_INCLUDE=inc\nREF_GLOBALE=ref.htm\n"
          b"PREFIXE_TABLE=t_\nFICHIER_A_INCLURE=lib.php\nFICHIER_A_COPIER=style.css\n")
MOTS = [b"RACINE=", b"SOURCE=", b"CIBLE=", b"REPERTOIRE_INCLUDE=", b"REF_GLOBALE=", b"PREFIXE_TABLE=",
        b"FICHIER_A_INCLURE=", b"FICHIER_A_COPIER=", b"HOST=", b"#"]
VALEURS = [b".", b"", b"src", b"web", b"inc", b"..", b"/", b"\\", b"src\\..\\web", b"ref.htm", b"absent.htm",
           b"src\\p1.php", b"web\\sous", b"\xff\xfe", b" ", b"src\\inc\\lib.php", b"p1.php", b"lien", b"tube",
           b"x" * 300, b"\\\\", b"tube.php", b"style.css", b"sous\\f.css", b"..\\..\\..", b"127.0.0.1"]
JETONS = [b"{#", b"}", b"{", b"#", b"\n", b"\r", b"!", b"x", b"abc", b"{#DEBUT_", b"{#FIN_", b"a", b"b", b"",
          b"{#DATE_FR}", b"{#DATE_US}", b"{#HEURE}", b"{#reference=", b"{#REFERENCE=", b"ref2.htm",
          b"\\ref.htm\\", b"\x00", b"\x14", b"\xe9", b"<?php }?>"]
NOMS = [b"a", b"b", b"c", b"", b"DEBUT_a", b"FIN_a", b"a{", b"#", b"!", b"a\nb"]
# Les sanitizers grossissent chaque allocation : une execution qui passe 100 Mo sous eux est
# mesuree de nouveau avec le programme construit sans eux (option --mesure).
MESURE = None
COMPTES = collections.Counter()
SANITIZERS = (b"AddressSanitizer", b"LeakSanitizer", b"runtime error", b"UndefinedBehaviorSanitizer")


# ---------------------------------------------------------------- l'assemblage de reference

def rogne(texte):
    """La lecture du programme : la fin perd ses CR, LF et DC4, garde ses NUL ; le premier octet reste."""
    debut = len(texte)
    while debut > 0 and texte[debut - 1] in b"\r\n\x14\x00":
        debut -= 1
    if debut == 0 and texte:
        debut = 1
    return texte[:debut] + b"\x00" * texte[debut:].count(0)


def lit(chemin):
    """Les octets d'un fichier ordinaire, None quand il ne s'ouvre pas."""
    try:
        fd = os.open(chemin.split(b"\x00")[0], os.O_RDONLY | os.O_NONBLOCK)
    except (OSError, ValueError):
        return None
    try:
        if not stat.S_ISREG(os.fstat(fd).st_mode):
            return None
        morceaux = []
        while True:
            morceau = os.read(fd, 1 << 20)
            if not morceau:
                return b"".join(morceaux)
            morceaux.append(morceau)
    except OSError:
        return None
    finally:
        os.close(fd)


def fin_du_nom(texte, p):
    while p < len(texte) and texte[p] not in FIN_NOM:
        p += 1
    return p


def assemble(reference, page, limite):
    """Chaque balise remplacee sur place, chaque recherche reprise au debut : lent, mais sans detour."""
    sortie, page, engage = bytearray(reference), bytearray(page), len(reference)
    if engage > limite:
        return None
    p = sortie.find(b"{#")
    while p != -1:
        c, reprise = fin_du_nom(sortie, p + 2), max(p - 1, 0)
        if c < len(sortie) and sortie[c] == ord("}"):
            nom = bytes(sortie[p + 2:c])
            b, e = page.find(b"{#DEBUT_" + nom + b"}"), page.find(b"{#FIN_" + nom + b"}")
            if b != -1 and e != -1:
                corps = b + len(nom) + 9
                bloc = page[corps:] if e < corps else page[corps:e]
                engage += len(bloc)
                if engage > limite:
                    return None
                sortie[p:c + 1] = bloc
                page[b] = ord("!")
                p = sortie.find(b"{#", reprise)
                continue
        sortie[p] = ord("!")
        p = sortie.find(b"{#", reprise)
    return bytes(sortie)


def page_attendue(site, source):
    """La page cible que le programme doit ecrire, None quand il ne doit rien ecrire."""
    page = rogne(source)
    reference = b".\\ref.htm"
    p, ouvrant = page.find(b"{#reference="), 12
    if p == -1:
        p = page.find(b"{#REFERENCE=")
    if p != -1:
        c = fin_du_nom(page, p + ouvrant)
        if c < len(page) and page[c] == ord("}"):
            nom = page[p + ouvrant:c]
            if len(nom) >= 2:
                nom = nom[1:] if nom.startswith(b"\\") else nom
                nom = nom[:-1] if nom.endswith(b"\\") else nom
            reference = b".\\" + nom
            page = page[:p] + page[c + 1:]
    texte = lit(os.path.join(site.encode(), reference.replace(b"\\", b"/")))
    if texte is None:
        return None
    texte = rogne(texte)
    for balise, forme in ((b"{#DATE_FR}", "%d/%m/%Y"), (b"{#DATE_US}", "%m/%d/%Y"), (b"{#HEURE}", "%H:%M:%S")):
        page = page.replace(balise, time.strftime(forme).encode())
    return assemble(texte, page, 2 * (len(texte) + len(page)) + (1 << 20))


def masque(texte):
    """Les dates et heures ecrites par le programme et par l'assemblage de reference ne tombent pas pile."""
    return re.sub(rb"\d\d:\d\d:\d\d", b"<H>", re.sub(rb"\d\d/\d\d/\d\d\d\d", b"<D>", texte))


# ---------------------------------------------------------------- generation

def melange(hasard, texte):
    """Quelques mutations : coupe, double, insere, remplace un octet."""
    texte = bytearray(texte)
    for _ in range(hasard.randint(0, 4)):
        choix, p = hasard.random(), hasard.randint(0, len(texte))
        q = min(len(texte), p + hasard.randint(0, 40))
        if choix < 0.25:
            del texte[p:q]
        elif choix < 0.5:
            texte[p:p] = texte[p:q] * hasard.choice([1, 2, 3, 50])
        elif choix < 0.8:
            texte[p:p] = hasard.choice(JETONS)
        elif texte:
            texte[min(p, len(texte) - 1)] = hasard.randint(0, 255)
    return bytes(texte)


def soupe(hasard, n):
    return b"".join(hasard.choice(JETONS) if hasard.random() < 0.5 else b"{#" + hasard.choice(NOMS) + b"}"
                    for _ in range(n))


def page_source(hasard):
    morceaux = []
    for _ in range(hasard.randint(0, 5)):
        nom = hasard.choice(NOMS)
        morceaux += [b"{#DEBUT_" + nom + b"}", soupe(hasard, hasard.randint(0, 6)), b"{#FIN_" + nom + b"}"]
        if hasard.random() < 0.2:
            morceaux.append(soupe(hasard, 3))
    if hasard.random() < 0.2:
        hasard.shuffle(morceaux)
    texte = b"".join(morceaux)
    if hasard.random() < 0.03:  # une grande page : le temps doit rester lineaire
        texte = texte + soupe(hasard, 3) * hasard.randint(1000, 40000)
    return melange(hasard, texte)


def configuration(hasard):
    lignes = CONFIG.split(b"\n")
    for _ in range(hasard.randint(0, 8)):
        ligne = hasard.choice(MOTS) + hasard.choice(VALEURS)
        lignes.insert(hasard.randint(0, len(lignes)), melange(hasard, ligne) if hasard.random() < 0.3 else ligne)
    texte = b"\n".join(l for l in lignes if not l.startswith(b"HOST"))  # aucun serveur a contacter
    if hasard.random() < 0.1:
        texte = texte.replace(b"\n", b"\r\n")
    if hasard.random() < 0.05:
        texte += b"\n" + hasard.choice(MOTS) + b"y" * 200000
    if hasard.random() < 0.05:
        texte += b"\nFICHIER_A_COPIER=style.css" * 3000
    return melange(hasard, texte) if hasard.random() < 0.3 else texte


# ---------------------------------------------------------------- un essai

def ecrit(chemin, octets):
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, "wb") as f:
        f.write(octets)


def prepare_site(hasard, site, pages, config):
    ecrit(f"{site}/site.cfg", config)
    ecrit(f"{site}/src/inc/lib.php", b"<?php ?>")
    ecrit(f"{site}/src/style.css", b"body{}")
    emplacements = b"".join(b"<p>{#" + nom + b"}</p>\n" for nom in NOMS[:4])
    ecrit(f"{site}/ref.htm", melange(hasard, soupe(hasard, hasard.randint(0, 12)) if hasard.random() < 0.5
                                     else emplacements))
    ecrit(f"{site}/ref2.htm", melange(hasard, soupe(hasard, hasard.randint(0, 6))))
    os.makedirs(f"{site}/web/inc", exist_ok=True)
    os.makedirs(f"{site}/web/sous", exist_ok=True)
    os.mkfifo(f"{site}/src/tube.php")
    os.symlink("p1.php", f"{site}/src/lien.php")
    for nom, texte in pages.items():
        ecrit(f"{site}/src/{nom}", texte)
    for racine, dossiers, fichiers in os.walk(site):
        for nom in dossiers + fichiers:
            os.lchown(os.path.join(racine, nom), NOBODY, NOBODY)
    os.chown(site, NOBODY, NOBODY)


def anciennes_pages(hasard, site, noms, attendues):
    """Des pages cibles deja la : vieilles, identiques, a deux noms ou a un autre proprietaire."""
    anciennes = {}
    for nom in noms:
        choix = hasard.random()
        if choix < 0.3:
            continue
        texte = attendues.get(nom) if choix < 0.5 and attendues.get(nom) is not None else melange(hasard, b"ancien")
        chemin = f"{site}/web/{nom}"
        ecrit(chemin, texte)
        anciennes[nom] = texte
        if hasard.random() < 0.3:
            os.link(chemin, chemin + ".lien")  # reecrite sur place
        if hasard.random() < 0.2:
            os.chmod(chemin, 0o666)  # d'un autre proprietaire : sur place aussi
        else:
            os.chown(chemin, NOBODY, NOBODY)
    return anciennes


def lance(binaire, site, arguments, limite=None, tuer=None):
    """(code ou -signal, secondes, Ko de memoire, sortie d'erreur) ; code "delai" apres 10 s."""
    def prepare():
        if limite is not None:
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (limite, limite))
    if limite is None:
        prepare = None
    commande = ["unshare", "-n", "setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", "--",
                binaire] + arguments
    env = {"PATH": "/usr/bin:/bin", "ASAN_OPTIONS": "detect_leaks=1:quarantine_size_mb=16",
           "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=1", "MYSQL_TCP_PORT": "9"}
    with tempfile.TemporaryFile() as erreurs:
        debut = time.monotonic()
        processus = subprocess.Popen(commande, cwd=site, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=erreurs, env=env, preexec_fn=prepare)
        while True:
            pid, statut, usage = os.wait4(processus.pid, os.WNOHANG)
            duree = time.monotonic() - debut
            if pid:
                break
            if duree > DELAI or (tuer is not None and duree > tuer):
                os.kill(processus.pid, signal.SIGKILL)
                pid, statut, usage = os.wait4(processus.pid, 0)
                break
            time.sleep(0.002)
        processus.returncode = 0  # deja attendu
        erreurs.seek(0)
        code = -os.WTERMSIG(statut) if os.WIFSIGNALED(statut) else os.WEXITSTATUS(statut)
        memoire = usage.ru_maxrss
        COMPTES["memoire_sanitizers_ko"] = max(COMPTES["memoire_sanitizers_ko"], memoire)
        if memoire > MEMOIRE_KO and MESURE is not None and tuer is None:
            COMPTES["remesurees"] += 1
            memoire = lance(MESURE, site, arguments, limite)[2]
            COMPTES["memoire_remesuree_ko"] = max(COMPTES["memoire_remesuree_ko"], memoire)
        return (code if duree <= DELAI else "delai"), duree, memoire, erreurs.read()


def defauts_du_lancement(resultat, tue=False):
    code, duree, memoire, erreurs = resultat
    defauts = []
    if code == "delai":
        defauts.append("plus de 10 s")
    elif isinstance(code, int) and code < 0 and not tue:
        defauts.append(f"signal {-code}")
    if any(m in erreurs for m in SANITIZERS):
        defauts.append("rapport des sanitizers")
    if memoire > MEMOIRE_KO:
        defauts.append(f"{memoire // 1024} Mo")
    return defauts


def temporaires(repertoire):
    return [n for n in os.listdir(repertoire) if re.fullmatch(r"\.cv-[A-Za-z0-9]{6}", n)]


def essai_pages(hasard, binaire, site):
    noms = [f"p{i}.php" for i in range(1, hasard.randint(2, 5))]
    pages = {nom: page_source(hasard) for nom in noms}
    prepare_site(hasard, site, pages, CONFIG)
    # L'assemblage de reference, lent, ne prend que les pages de taille raisonnable.
    petit = sum(map(len, pages.values())) < 100000 and sum(t.count(b"{#") for t in pages.values()) < 5000
    attendues = {nom: page_attendue(site, texte) for nom, texte in pages.items()} if petit else {}
    anciennes = anciennes_pages(hasard, site, noms, attendues)
    # Un essai sur trois est coupe : tue en cours de route, ou prive de place.
    choix = hasard.random()
    limite = hasard.randint(1, 4096) if choix < 0.15 else None
    tuer = hasard.uniform(0.0, 0.05) if 0.15 <= choix < 0.33 else None
    resultat = lance(binaire, site, ["-c", "site.cfg", "-make"], limite, tuer)
    defauts = defauts_du_lancement(resultat, tue=tuer is not None)
    complet = limite is None and tuer is None
    defauts += verifie_pages(site, noms if petit else [], attendues, anciennes, complet)
    if not complet and not defauts:  # l'execution suivante finit le travail et fait le menage
        resultat = lance(binaire, site, ["-c", "site.cfg", "-make"])
        defauts += defauts_du_lancement(resultat)
        defauts += verifie_pages(site, noms if petit else [], attendues, anciennes, True)
    return defauts, resultat


def verifie_pages(site, noms, attendues, anciennes, complet):
    """Chaque page cible est entiere : l'ancienne, ou l'attendue (seule permise apres une execution complete)."""
    defauts = []
    for nom in noms:
        chemin = f"{site}/web/{nom}"
        texte = open(chemin, "rb").read() if os.path.exists(chemin) else None
        attendue = attendues[nom]
        if attendue is not None and texte is not None and masque(texte) == masque(attendue):
            COMPTES["pages egales a l'assemblage de reference"] += 1
            continue
        if texte == anciennes.get(nom) and not (complet and attendue is not None):
            continue
        defauts.append(f"{nom} : ni l'ancienne page ni la page attendue")
    if complet and temporaires(f"{site}/web"):
        defauts.append("temporaire reste dans la cible apres une execution complete")
    return defauts


def essai_configuration(hasard, binaire, site):
    config = configuration(hasard)
    prepare_site(hasard, site, {"p1.php": page_source(hasard), "p2.php": b"{#DEBUT_a}A{#FIN_a}"}, config)
    arguments = ["-c", "site.cfg", "-make"] + (["-bavard"] if hasard.random() < 0.2 else [])
    resultat = lance(binaire, site, arguments)
    defauts = defauts_du_lancement(resultat)
    if open(f"{site}/site.cfg", "rb").read() != config:
        defauts.append("site.cfg modifie")
    for racine, _, _ in os.walk(site):
        if temporaires(racine):
            defauts.append(f"temporaire reste dans {racine}")
    return defauts, resultat


def travailleur(parametres):
    global MESURE
    cible, binaire, duree, graine, echecs, MESURE = parametres
    hasard = random.Random(graine)
    bilan = {"essais": 0, "defauts": 0, "secondes_max": 0.0, "memoire_max_ko": 0,
             "par_defaut": collections.Counter()}
    fin = time.monotonic() + duree
    while time.monotonic() < fin:
        site = tempfile.mkdtemp(prefix="corvalite-fuzz-", dir="/dev/shm")
        try:
            defauts, (_, secondes, memoire, erreurs) = (essai_pages if cible == "pages" else essai_configuration)(
                hasard, binaire, site)
            bilan["essais"] += 1
            bilan["secondes_max"] = max(bilan["secondes_max"], secondes)
            bilan["memoire_max_ko"] = max(bilan["memoire_max_ko"], memoire)
            if secondes > DELAI / 2:  # pas un defaut, mais un essai a regarder
                COMPTES["essais de plus de 5 s, gardes"] += 1
            if defauts or secondes > DELAI / 2:
                bilan["defauts"] += bool(defauts)
                bilan["par_defaut"].update(re.sub(r"^p\d\.php", "page", d) for d in defauts)
                garde = f"{echecs}/{cible}-{graine}-{bilan['essais']}"
                if not os.path.exists(garde):
                    shutil.copytree(site, garde, symlinks=True, ignore=shutil.ignore_patterns("tube.php"))
                with open(garde + ".txt", "wb") as f:
                    f.write("\n".join(defauts).encode() + b"\n--- fin de la sortie d'erreur :\n" + erreurs[-20000:])
        except Exception as e:  # le banc lui-meme ne doit pas s'arreter sur un site bizarre
            bilan["par_defaut"][f"banc : {type(e).__name__}: {e}"] += 1
        finally:
            shutil.rmtree(site, ignore_errors=True)
    bilan["comptes"] = COMPTES
    return bilan


def main():
    arguments = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    arguments.add_argument("binaire")
    arguments.add_argument("--cibles", default="configuration,pages")
    arguments.add_argument("--duree", type=float, default=180, help="secondes par cible")
    arguments.add_argument("--graine", type=int, default=int(time.time()))
    arguments.add_argument("--echecs", default="/tmp/corvalite-fuzz-make-echecs")
    arguments.add_argument("--mesure", help="le programme sans sanitizers, pour la memoire")
    options = arguments.parse_args()
    os.makedirs(options.echecs, exist_ok=True)
    total = 0
    for cible in options.cibles.split(","):
        n = os.cpu_count() or 2
        with multiprocessing.Pool(n) as pool:
            bilans = pool.map(travailleur, [(cible, os.path.abspath(options.binaire), options.duree,
                                             options.graine * 1000 + i, options.echecs,
                                             options.mesure and os.path.abspath(options.mesure)) for i in range(n)])
        essais, defauts = sum(b["essais"] for b in bilans), sum(b["defauts"] for b in bilans)
        secondes, memoire = max(b["secondes_max"] for b in bilans), max(b["memoire_max_ko"] for b in bilans)
        comptes = sum((b["comptes"] for b in bilans), collections.Counter())
        sanitizers = max(b["comptes"]["memoire_sanitizers_ko"] for b in bilans)
        remesuree = max(b["comptes"]["memoire_remesuree_ko"] for b in bilans)
        for cle in ("memoire_sanitizers_ko", "memoire_remesuree_ko", "remesurees"):
            del comptes[cle]
        print(f"{cible}: {essais} essais, {defauts} en defaut ; le plus long {secondes:.2f} s ; memoire la plus "
              f"haute {sanitizers / 1024:.1f} Mo sous les sanitizers, {memoire / 1024:.1f} Mo retenus "
              f"({sum(b['comptes']['remesurees'] for b in bilans)} essais remesures sans eux, au plus "
              f"{remesuree / 1024:.1f} Mo) (graine {options.graine})")
        for cle, nombre in (comptes + sum((b["par_defaut"] for b in bilans), collections.Counter())).items():
            print(f"  {cle} : {nombre}")
        total += defauts
    if total:
        print(f"essais en defaut gardes dans {options.echecs}")
    return 1 if total else 0


if __name__ == "__main__":
    raise SystemExit(main())
