#!/usr/bin/env python3
"""Fuzz de corvalite -make sous les sanitizers (lance par outils/fuzz_make.sh ; banc : outils/fuzz_commun.py).

Cibles : "configuration" (site.cfg malmene) et "pages" (pages et pages de reference malmenees),
lancees sans reseau. En plus des defauts du banc :
- "configuration" : site.cfg change, un temporaire ".cv-XXXXXX" qui reste apres l'execution ;
- "pages" : un essai sur trois est coupe (tue en cours de route, ou prive de place), puis une
  execution complete suit ; apres la coupure chaque page cible est son ancien contenu ou la page
  entiere de l'execution complete, jamais une page a moitie ecrite (sauf, tuee, une page ecrite sur
  place, que le README dit pouvoir l'etre) ; apres celle-ci, aucun temporaire dans le site.
"""
import os
import re

import fuzz_commun as banc

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
    banc.a_nobody(site)


def anciennes_pages(hasard, site, noms):
    """Des pages cibles deja la : vieilles, a deux noms ou a un autre proprietaire (ces deux-la
    rendues a part : reecrites sur place)."""
    anciennes, sur_place = {}, set()
    for nom in noms:
        choix = hasard.random()
        if choix < 0.3:
            continue
        texte = melange(hasard, b"ancien")
        chemin = f"{site}/web/{nom}"
        ecrit(chemin, texte)
        anciennes[nom] = texte
        if hasard.random() < 0.3:
            os.link(chemin, chemin + ".lien")  # reecrite sur place
            sur_place.add(nom)
        if hasard.random() < 0.2:
            os.chmod(chemin, 0o666)  # d'un autre proprietaire : sur place aussi
            sur_place.add(nom)
        else:
            os.chown(chemin, banc.NOBODY, banc.NOBODY)
    return anciennes, sur_place


def masque(texte):
    """Deux executions n'ecrivent pas la meme heure."""
    return re.sub(rb"\d\d:\d\d:\d\d", b"<H>", re.sub(rb"\d\d/\d\d/\d\d\d\d", b"<D>", texte))


def temporaires(repertoire):
    return [f"temporaire {racine}/{n}" for racine, _, noms in os.walk(repertoire) for n in noms
            if re.fullmatch(r"\.cv-[A-Za-z0-9]{6}", n)]


def cibles(site, noms):
    return {n: open(f"{site}/web/{n}", "rb").read() if os.path.exists(f"{site}/web/{n}") else None for n in noms}


def essai_pages(hasard, site, _):
    noms = [f"p{i}.php" for i in range(1, hasard.randint(2, 5))]
    prepare_site(hasard, site, {nom: page_source(hasard) for nom in noms}, CONFIG)
    anciennes, sur_place = anciennes_pages(hasard, site, noms)
    choix, arguments = hasard.random(), ["-c", "site.cfg", "-make"]
    limite = hasard.randint(1, 4096) if choix < 0.15 else None
    tuer = hasard.uniform(0.0, 0.05) if 0.15 <= choix < 0.33 else None
    resultat = banc.lance_mesure(BANC, site, arguments, limite=limite, tuer=tuer)
    defauts = banc.defauts_du_lancement(resultat, tuer is not None)
    if limite is None and tuer is None:
        return defauts + temporaires(f"{site}/web"), resultat, ["complets"]
    coupees = cibles(site, noms)
    resultat = banc.lance_mesure(BANC, site, arguments)
    entieres = cibles(site, noms)
    defauts += banc.defauts_du_lancement(resultat) + temporaires(site)
    for nom in noms:
        if tuer is not None and nom in sur_place:
            continue  # tuee pendant son ecriture sur place, elle peut rester en partie ecrite
        if coupees[nom] != anciennes.get(nom) and (coupees[nom] is None or entieres[nom] is None
                                                   or masque(coupees[nom]) != masque(entieres[nom])):
            defauts.append(f"demi-ecrit {nom} : ni l'ancienne page ni la page entiere")
    return defauts, resultat, ["coupes"]


def essai_configuration(hasard, site, _):
    config = configuration(hasard)
    prepare_site(hasard, site, {"p1.php": page_source(hasard), "p2.php": b"{#DEBUT_a}A{#FIN_a}"}, config)
    arguments = ["-c", "site.cfg", "-make"] + (["-bavard"] if hasard.random() < 0.2 else [])
    resultat = banc.lance_mesure(BANC, site, arguments)
    defauts = banc.defauts_du_lancement(resultat) + temporaires(site)
    if open(f"{site}/site.cfg", "rb").read() != config:
        defauts.append("configuration : site.cfg modifie")
    return defauts, resultat, []


if __name__ == "__main__":
    BANC = banc.parametres(__doc__.split("\n")[0], ("--cibles", {"default": "configuration,pages"}))
    raise SystemExit(1 if sum(banc.fuzz(c, {"pages": essai_pages, "configuration": essai_configuration}[c], BANC)
                              for c in BANC.cibles.split(",")) else 0)
