#!/usr/bin/env python3
"""Fuzz de la ligne de commande de corvalite sous les sanitizers (lance par outils/fuzz_ligne.sh ;
banc : outils/fuzz_commun.py).

Chaque essai copie le site d'exemple dans un repertoire jetable et y lance le programme avec des
mots tires au hasard : options (les deux casses, collees entre elles ou a d'autres mots), noms de
fichiers, mots d'octets quelconques. Le serveur MariaDB prive sert les -sgbd. En plus des defauts
du banc : un fichier de configuration change (le programme ne l'ecrit jamais). Aucun mot ne commence
par "/" ou "\\" et les mots d'octets n'en contiennent pas : rien ne s'ecrit hors de l'essai.
"""
import os
import shutil
import tempfile

import fuzz_commun as banc

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
    return site


def essai(hasard, repertoire, _):
    arguments = [mot(hasard) for _ in range(hasard.choice([0, 1, 2, 3, 3, 4, 4, 5, 6, 8, 12]))]
    if hasard.random() < 0.6:  # une configuration lisible, pour que les fonctions tournent aussi
        arguments.insert(hasard.randint(0, len(arguments)), b"-c")
        arguments.insert(arguments.index(b"-c") + 1, hasard.choice([b"site.cfg", b"my-sgbd.cfg", b"site-form.cfg"]))
    site = os.path.join(repertoire, "site")
    shutil.copytree(BANC.modele, site, symlinks=True)
    os.mkfifo(os.path.join(site, "tube.cfg"))  # un tube ne se copie pas
    banc.a_nobody(repertoire)
    with open(os.path.join(site, "site.cfg"), "rb") as f:
        configuration = f.read()
    resultat = banc.lance_mesure(BANC, site, arguments, port=BANC.port, reseau=True)
    defauts = banc.defauts_du_lancement(resultat)
    with open(os.path.join(site, "site.cfg"), "rb") as f:
        if f.read() != configuration:
            defauts.append("configuration changee")
    with open(os.path.join(repertoire, "arguments.txt"), "w") as f:
        f.write(repr(arguments) + "\n")
    return defauts, resultat, [nom for nom, titre in ETAPES if titre in resultat.erreurs] + [f"code {resultat.code}"]


if __name__ == "__main__":
    BANC = banc.parametres(__doc__.splitlines()[0], ("--exemple", {"required": True}),
                           ("--port", {"required": True, "type": int}))
    BANC.modele = prepare_modele(BANC.exemple)
    try:
        raise SystemExit(1 if banc.fuzz("ligne", essai, BANC) else 0)
    finally:
        shutil.rmtree(os.path.dirname(BANC.modele), ignore_errors=True)
