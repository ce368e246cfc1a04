#!/usr/bin/env python3
"""De bout en bout dans Chromium sans ecran.  navigateur.py CORVALITE [SCENARIO...]
Le site d'exemple est construit comme le fait outils/exemple.sh (outils/site_exemple.sh), les pages
des tables du test (tests/donnees/navigateur : navigateur.sql, *.form) a cote, dans une base a elles ;
un php -S sert les deux et le navigateur s'en sert comme un utilisateur, la base relue apres chaque
pas. Le serveur MariaDB prive est a ce test seul : il change le sql_mode global, que les autres
tests ne doivent pas voir."""
import html, http.client, os, re, signal, socket, subprocess, sys, tempfile, threading, time, traceback, urllib.parse, urllib.request
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

ICI = Path(__file__).resolve().parent
OUTILS, DONNEES = ICI.parent.parent / "outils", ICI.parent / "donnees/navigateur"
EXEMPLE, ESSAIS = "corvalite_exemple", "corvalite_navigateur"
# Ce qu'un echappement oublie ou fait deux fois trahit : guillemets, "\", "$", balise, accents, 日本.
PIEGE = 'L\'a "c" C:\\x \\o/ $p <b>g</b> été 日本'
TEXTE = PIEGE + "\nseconde ligne \\n\n\\"
BARRES = "C:\\x\\'y\\\\"
FORMULAIRE = "form[name^=Formulaire_] "
CHAMPS = FORMULAIRE + "input:not([type=hidden]), " + FORMULAIRE + "textarea"
# Une description dont le chemin porte du code PHP, que la page ne doit pas executer.
CHEMIN_PHP = "x<?=7*6?>.form"
FAUTES_PHP = ("Warning:", "Notice:", "Deprecated:", "Fatal error", "Parse error", "error:")
REFUS_TABLEAU = "Demande refusée : un champ est envoyé en tableau."
# Une table dont le formulaire porte plus de champs que PHP n'en garde (max_input_vars, 1000 par defaut) : a cote de
# la cle et d'un nombre, 16 colonnes SET de 64 membres, une case par membre.
COLONNES_SET, MEMBRES = 16, 64
LIMITE_CHAMPS = ("<strong>Pb Envoi : la demande dépasse la limite max_input_vars de PHP (1000 champs) : "
                 "rien n'a été fait.</strong>")
NON_TROUVE = "Enregistrement non trouvé"
bilan = {"passed": 0, "failed": 0}
serveur = {}


def verifie(nom, obtenu, attendu):
    bilan["passed" if obtenu == attendu else "failed"] += 1
    if obtenu != attendu:
        print(f"ECHEC {nom}\n  obtenu : {obtenu!r}\n  attendu : {attendu!r}")


def fautes(texte):
    return [f for f in FAUTES_PHP if f in texte]


def sql(requete, base=None):
    """Les lignes d'une requete faite en root par la socket du serveur prive."""
    sortie = subprocess.run(["bash", str(OUTILS / "mariadb.sh"), "sql", serveur["dossier"], "-N", "-B",
                             "--default-character-set=utf8mb4", "-e", requete] + ([base] if base else []),
                            check=True, capture_output=True, text=True).stdout
    return [ligne.split("\t") for ligne in sortie.splitlines()]


def octets(hexa):
    """Une valeur lue en hexadecimal : son texte, ou ses octets quand elle n'est pas de l'UTF-8."""
    valeur = bytes.fromhex(hexa)
    try:
        return valeur.decode()
    except UnicodeDecodeError:
        return valeur


def lignes(table):
    """La table (article de l'exemple, les autres de la base du test) triee sur sa premiere colonne, chaque valeur
    telle que rangee (None pour NULL) : lue en hexadecimal, que le client ne reecrit pas comme il le fait des "\\"
    et des fins de ligne."""
    base = EXEMPLE if table == "article" else ESSAIS
    colonnes = [c for c, in sql(f"select column_name from information_schema.columns where table_schema = '{base}'"
                                f" and table_name = '{table}' order by ordinal_position")]
    hexa = ", ".join(f"hex(concat(`{c}`))" for c in colonnes)
    return [[None if h == "NULL" else octets(h) for h in ligne]
            for ligne in sql(f"select {hexa} from `{table}` order by `{colonnes[0]}`", base)]


def modes():
    """Le serveur strict, puis non : le mode global, dont les connexions suivantes des pages heritent."""
    for nom, mode in (("strict", "STRICT_ALL_TABLES"), ("non strict", "")):
        sql(f"set global sql_mode = '{mode}'")
        yield nom


def poste(url, paires):
    """Une requete forgee envoyee hors du navigateur : le texte de la page."""
    return urllib.request.urlopen(url, urllib.parse.urlencode(paires).encode(), timeout=15).read().decode()


def envoi(page, action):
    """Ce qu'un navigateur envoie du formulaire de la table d'une page (champs de saisie, caches et cases cochees,
    sans fins de ligne dans une ligne de saisie) par le bouton action : les paires, dans l'ordre de la page."""
    formulaire = re.search(r'<form name="Formulaire_.*?</form>', page, re.S).group(0)
    paires = [(html.unescape(nom), re.sub("[\r\n]", "", html.unescape(valeur)) if genre == "text" else html.unescape(valeur))
              for genre, nom, valeur, coche in re.findall(r'<input type="(\w+)" name="([^"]*)" value="([^"]*)"( checked)?', formulaire)
              if genre in ("text", "hidden") or coche]
    return paires + [("action", action)]


def demarre_serveur(dossier):
    """Le demarrage de outils/tests.sh (demarre_mariadb de outils/commun.sh), sur un port pris entre 35100 et
    35899 : ni celui du serveur des autres tests, ni celui de l'exemple."""
    serveur["dossier"] = str(dossier)
    r = subprocess.run(["bash", "-c", '. "$0/commun.sh" && demarre_mariadb "$1" 35100 && echo "$port"', str(OUTILS),
                        str(dossier)], check=True, stdout=subprocess.PIPE, text=True)
    serveur["port"] = r.stdout.split()[-1]


def construit(dossier, corvalite):
    """L'exemple par le script de outils/exemple.sh ; puis les pages du test, avec leurs classes, dans essais/web."""
    r = subprocess.run(["bash", str(OUTILS / "site_exemple.sh"), corvalite, serveur["dossier"], str(serveur["port"]),
                        str(dossier / "exemple")], capture_output=True, text=True, errors="replace")
    verifie("exemple construit", (r.returncode, r.returncode and r.stdout + r.stderr), (0, 0))
    # Ses deux pages ecrites sans anomalie (la console sort sur stderr), leurs seuls fichiers a cote d'elles.
    fichiers = "article.form article.php contact.form contact.php CVForm.php CVClass__connexion.php CVClass_article.php commun.php"
    verifie("exemple : pages ecrites sans anomalie", (
        r.stderr.count("Creation du fichier formulaire en php:Ok.\n"),
        "formulaires/article.form:Ok.\nTable : article\n\nCreation du fichier formulaire en php:Ok.\n" in r.stderr,
        sorted(os.listdir(dossier / "exemple/formulaires"))), (2, True, sorted(fichiers.split())))
    essais = dossier / "essais"
    for rep in ("src/inc", "web/inc"):
        (essais / rep).mkdir(parents=True)
    (essais / "site.cfg").write_text(f"RACINE={essais}\nSOURCE=src\nCIBLE=web\nREPERTOIRE_INCLUDE=inc\nHOST=127.0.0.1\n"
                                     f"USER=corvalite\nMDP=corvalite\nDATABASE={ESSAIS}\n")
    sql(f"create database {ESSAIS} character set utf8mb4")
    sql((DONNEES / "navigateur.sql").read_text(encoding="utf-8"), ESSAIS)
    membres = ",".join(f"'m{m}'" for m in range(1, MEMBRES + 1))
    sql("create table coches (id int primary key, n int"
        + "".join(f", s{c} set({membres})" for c in range(1, COLONNES_SET + 1)) + ") default charset=utf8mb4", ESSAIS)
    description = ["TABLE=coches", "CHAMP=id", "FINCHP", "CHAMP=n", "FINCHP"]
    for c in range(1, COLONNES_SET + 1):
        description += [f"CHAMP=s{c}", "INPUTHTML=checkbox", *(f"ELEMENTS=m{m},m{m}" for m in range(1, MEMBRES + 1)), "FINCHP"]
    (dossier / "coches.form").write_text("\n".join(description) + "\n")
    sources = {CHEMIN_PHP: OUTILS.parent / "exemple/formulaires/contact.form", "coches.form": dossier / "coches.form"}
    for arguments in (["-sgbd", "-form", "code.form"],
                      *(["-form", nom] for nom in ("fiche.form", "brut.form", "stock.form", "nu.form", "group.form", CHEMIN_PHP,
                                                   "paire.form", "objet.form", "longueur.form", "cle.form", "octets.form",
                                                   "compteur.form", "defaut.form", "vide.form", "grand.form", "coches.form"))):
        (essais / "web" / arguments[-1]).write_bytes(sources.get(arguments[-1], DONNEES / arguments[-1]).read_bytes())
        r = subprocess.run([corvalite, "-c", str(essais / "site.cfg")] + arguments, cwd=essais / "web", capture_output=True,
                           env=dict(os.environ, MYSQL_TCP_PORT=str(serveur["port"])), text=True, errors="replace")
        verifie(f"corvalite {' '.join(arguments)}", (r.returncode, r.returncode and r.stderr), (0, 0))


def lance_php(web, journal, routeur=()):
    """php -S sur un port libre de 127.0.0.1 pour le repertoire web (par le routeur donne), ses messages dans le
    journal ; "localhost" des pages mene a la socket du serveur prive. Quatre processus servent les demandes,
    concurrentes comme sur un vrai serveur ; ils survivent a leur pere : tout le groupe est arrete."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    with open(journal, "w") as sortie:
        php = subprocess.Popen(["php", "-d", "display_errors=1", "-d", "error_reporting=E_ALL",
                                "-d", f"mysqli.default_socket={serveur['dossier']}/mariadb.sock",
                                "-S", f"127.0.0.1:{port}", "-t", str(web), *routeur], stdout=subprocess.DEVNULL, stderr=sortie,
                               env=dict(os.environ, PHP_CLI_SERVER_WORKERS="4"), start_new_session=True)
    for _ in range(100):
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return php, f"http://127.0.0.1:{port}"
        except OSError:
            time.sleep(0.05)
    os.killpg(php.pid, signal.SIGKILL)
    raise RuntimeError("php -S n'a pas demarre")


class Page:
    """Chromium sans ecran : chaque page chargee est relue, sans message PHP attendu."""

    def __init__(self):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for option in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu"):
            options.add_argument(option)
        self.n = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.n.set_page_load_timeout(30)

    def tous(self, css):
        return self.n.find_elements(By.CSS_SELECTOR, css)

    def texte(self):
        return self.tous("body")[0].text

    def sans_faute(self):
        """Le texte, et le source pour un message ecrit dans un attribut."""
        verifie(f"sans message PHP : {self.n.current_url}", fautes(self.texte() + self.n.page_source), [])

    def ouvre(self, url):
        self.n.get(url)
        self.sans_faute()

    def clique(self, element):
        """Attend la page suivante : la courante porte une marque qu'elle n'a pas. Un formulaire que le
        navigateur refuse d'envoyer le dit aussitot, par les noms de ses champs invalides."""
        refuses = self.n.execute_script("const f = arguments[0].form || arguments[0].closest('form');"
                                        "return f ? Array.from(f.querySelectorAll('[name]:invalid'), e => e.name) : []", element)
        if refuses:
            raise AssertionError(f"envoi refuse par le navigateur, champs invalides : {refuses}")
        self.n.execute_script("document.documentElement.dataset.quittee = '1'")
        element.click()
        WebDriverWait(self.n, 15, 0.05, ignored_exceptions=(WebDriverException,)).until(lambda n: n.execute_script(
            "return document.readyState == 'complete' && !document.documentElement.dataset.quittee"))
        self.sans_faute()

    def forge(self, paires):
        """Le bouton d'une requete forgee : les paires (nom, valeur) seules, envoyees a la page courante."""
        return self.n.execute_script("""
            const f = document.body.appendChild(document.createElement('form'));
            f.method = 'post';
            for (const [nom, valeur] of arguments[0])
                Object.assign(f.appendChild(document.createElement('input')), {type: 'hidden', name: nom, value: valeur});
            return f.appendChild(document.createElement('button'));""", paires)

    def remplit(self, valeurs):
        for nom, valeur in valeurs.items():
            champ = self.tous(f"{FORMULAIRE}[name={nom}]:not([type=hidden])")[0]
            champ.clear()
            champ.send_keys(valeur)

    def valeurs(self, css):
        return [e.get_attribute("value") for e in self.tous(css)]

    def champs(self, nom, ligne):
        """Les champs affiches sont la ligne rangee, NULL montre vide ; les fins de ligne des zones de
        texte comparees comme le navigateur les envoie (CRLF)."""
        verifie(nom, [v.replace("\n", "\r\n") for v in self.valeurs(CHAMPS)], ["" if v is None else v for v in ligne])

    def par_texte(self, css, texte, rang=0):
        return [e for e in self.tous(css) if e.text == texte][rang]

    def lien(self, texte, rang=0):
        return self.par_texte("a", texte, rang)

    def bouton(self, valeur):
        return self.tous(f"button[value={valeur}]")[0]

    def etape(self, nom, element, message, table, attendu=None, champs=None):
        """Le clic, le message de la page et la table relue dans la base : telle qu'attendue (ou ce que la
        fonction attendu fait des lignes d'avant le clic), ou telle qu'avant le clic (une edition n'ecrit
        rien) ; puis, donnes, les champs affiches."""
        avant = lignes(table)
        self.clique(element)
        attendu = avant if attendu is None else attendu(avant) if callable(attendu) else attendu
        verifie(nom, (message in self.texte(), lignes(table)), (True, attendu))
        if champs is not None:
            self.champs(f"{nom} : champs", champs)

    def etapes(self, table, cas):
        """Chaque (nom, geste, message[, attendu[, champs]]) par etape() : le geste est une fonction qui rend
        l'element a cliquer dans la page du moment, ou les paires d'une requete forgee."""
        for nom, geste, message, *suite in cas:
            self.etape(f"{table} : {nom}", self.forge(geste) if isinstance(geste, list) else geste(), message, table, *suite)

    def inchangee(self, nom, url, table, lignes_editees):
        """Chaque (page, rang) : la ligne de ce rang editee puis modifiee sans rien toucher ; la table ne change pas."""
        avant, messages = lignes(table), []
        for page, rang in lignes_editees:
            self.ouvre(f"{url}/{page}")
            self.clique(self.lien("Editer", rang))
            self.clique(self.bouton("Modifier"))
            messages.append("Modification Ok." in self.texte())
        verifie(nom, (messages, lignes(table)), ([True] * len(lignes_editees), avant))


def article(p, url):
    remet_temoin = "replace into article values (1, 'témoin', 'texte témoin', '2020-01-02', 3, '2020-01-02 03:04:05')"
    sql(remet_temoin, EXEMPLE)
    temoin = lignes("article")
    p.ouvre(f"{url}/article.php")
    p.remplit({"titre": PIEGE, "texte": TEXTE, "publie": "2024-02-29"})  # id, vues et modifie laisses au serveur
    p.clique(p.bouton("Ajouter"))
    rangees = lignes("article")
    ligne = rangees[1] if len(rangees) == 2 else []
    verifie("ajout : la ligne rangee telle que tapee", (rangees[:1], ligne[:5], "Ajouter Ok." in p.texte()),
            (temoin, ["2", PIEGE, TEXTE.replace("\n", "\r\n"), "2024-02-29", "0"], True))
    p.champs("ajout : champs montrant la ligne rangee", ligne)
    # La liste retire les "\" de ce qu'elle montre (AfficheVarClasse) : le reste y est, rien d'interprete.
    verifie("ajout : dans la liste, rien d'interprete", ([t for t in p.tous("table") if "<b>g</b> été 日本" in t.text] != [],
                                                        p.tous("body b")), (True, []))
    # La ligne ajoutee (la seconde de la liste, triee sur la cle) s'ouvre par son lien, puis par son bouton ;
    # la modifier sans rien toucher la laisse telle quelle ; renvoyee de la page qui suit, seules ses vues changent.
    p.etapes("article", [(nom, geste, message, temoin + [ligne], ligne) for nom, geste, message in (
        ("edition par lien", lambda: p.lien("Editer", 1), ""),
        ("edition par bouton", lambda: p.par_texte("button", "Editer", 1), ""),
        ("modification sans changement", lambda: p.bouton("Modifier"), "Modification Ok."))])
    p.remplit({"vues": "12"})
    ligne = ligne[:4] + ["12"] + ligne[5:]
    p.etape("article : vues seules modifiees", p.bouton("Modifier"), "Modification Ok.", "article", temoin + [ligne], ligne)
    p.etape("article : effacement", p.lien("Effacer", 1), "Effacement Ok.", "article", temoin)
    verifie("article : champs vides apres effacement", [v for v in p.valeurs(CHAMPS) if v], [])
    # Des requetes qu'aucune page n'envoie, sans message PHP : rien n'est ecrit, sauf par Modifier sans
    # ligne chargee, qui change la ligne de la cle envoyee (le texte, absent, y reste).
    _, titre, _, publie, vues, modifie = temoin[0]
    p.etapes("article", (
        ("Editer sans cle", [("action", "Editer")], "Enregistrement non trouvé"),
        ("Modifier sans ligne chargee ni le texte", [("action", "Modifier"), ("id", "1"), ("titre", titre), ("publie", publie),
                                                     ("vues", "5"), ("modifie", modifie)],
         "Modification Ok.", [temoin[0][:4] + ["5", modifie]]),
        ("titre en tableau", [("action", "Ajouter"), ("titre[]", "x"), ("texte", "y")], REFUS_TABLEAU)))
    # La cle tapee dans son champ renomme la ligne chargee ; deja prise, le serveur refuse et rien ne
    # change (ni la ligne chargee, ni celle de la cle tapee).
    sql("insert into article (id, titre) values (12, 'douze')", EXEMPLE)
    p.ouvre(f"{url}/article.php")
    rangees = lignes("article")
    for cle, message, attendu in (("13", "Modification Ok.", rangees[:1] + [["13"] + rangees[1][1:]]),
                                  ("1", "Pb Modification", None)):
        p.clique(p.lien("Editer", 1))
        p.remplit({"id": cle})
        p.etape(f"article : cle {cle} tapee apres edition", p.bouton("Modifier"), message, "article", attendu)
    # Une cle numerique envoyee avec autre chose qu'un nombre ne designe aucune ligne, serveur strict ou non.
    for mode in modes():
        for cle in ("1abc", "1-0", "1 or 1=1"):
            sql(remet_temoin, EXEMPLE)
            avant, obtenu = lignes("article"), []
            for action in ("Editer", "Modifier", "Effacer"):
                texte = poste(f"{url}/article.php", [("action", action), ("id", cle), ("titre", "changé")])
                obtenu.append((action, lignes("article"), 'value="témoin"' in texte,
                               action != "Editer" or "Enregistrement non trouvé" in texte, fautes(texte)))
            verifie(f"article : cle {cle!r} ({mode}), aucune ligne touchee ni montree", obtenu,
                    [(action, avant, False, True, []) for action in ("Editer", "Modifier", "Effacer")])


def contact(p, url):
    p.ouvre(f"{url}/contact.php")
    p.remplit({"nom": PIEGE, "courriel": PIEGE, "message": TEXTE})
    Select(p.tous("select[name=sujet]")[0]).select_by_value("remarque")
    p.clique(p.par_texte("button", "Envoyer"))
    resultat = p.tous("fieldset")[-1].get_attribute("textContent")
    verifie("contact : valeurs rendues telles qu'envoyees, rien d'interprete",
            (p.valeurs("input[name=nom], input[name=courriel], textarea, select"), p.tous("body b"),
             [f"{n}={v}" in resultat for n, v in (("nom", PIEGE), ("courriel", PIEGE), ("sujet", "remarque"), ("message", TEXTE))]),
            ([PIEGE, PIEGE, "remarque", TEXTE], [], [True] * 4))
    # clearForm sur chaque sorte de champ : valeurs, coches et choix par defaut perdus, sauf
    # ceux des boutons ; puis le formulaire est remis a zero.
    verifie("clearForm", p.n.execute_script("""
        const f = document.body.appendChild(document.createElement('form'));
        f.innerHTML = '<input name=t value=a><input type=hidden value=7><textarea>t</textarea>'
            + '<input type=checkbox value=v checked><input type=radio value=r checked>'
            + '<select><option selected>x<option>y</select><select multiple><option selected>z</select>'
            + '<input type=submit value=Envoyer><input type=reset value=Effacer><button type=button value=b>b</button>';
        f.t.value = 'tape';
        return [clearForm(f)].concat(Array.from(f.elements, e => e.value
            + (e.checked ? '+' : '') + (e.options ? Array.from(e.options, o => o.selected ? '+' : '-').join('') : '')));
        """), [False, "", "", "", "v", "r", "x+-", "-", "Envoyer", "Effacer", "b"])


def code(p, url):
    """Une cle de texte : la ligne a\\b, jamais sa voisine ab, meme quand le serveur ne lit plus "\\" comme un echappement."""
    p.ouvre(f"{url}/code.php")
    rangees = lignes("code")
    rang = [cle for cle, _ in rangees].index("a\\b")  # la liste de la page suit le meme tri
    for mode, valeur in (("", PIEGE), (" sous NO_BACKSLASH_ESCAPES", BARRES)):
        p.etape(f"code : edition de a\\b{mode}", p.lien("Editer", rang), "", "code", None, rangees[rang])
        p.remplit({"nom": valeur})
        rangees[rang][1] = valeur
        p.etape(f"code : modification de a\\b seule{mode}", p.bouton("Modifier"), "Modification Ok.", "code", rangees,
                rangees[rang])
        if not mode:
            # Les connexions suivantes des pages heritent du mode global.
            sql("set global sql_mode = concat_ws(',', @@global.sql_mode, 'NO_BACKSLASH_ESCAPES')")
            p.etape("code : cle d'injection sous NO_BACKSLASH_ESCAPES, rien d'efface",
                    p.forge([("action", "Effacer"), ("ref", "' or 1=1 -- ")]), "", "code")


def fiche(p, url):
    """Liste, boutons radio et cases a cocher montrent la ligne editee, sans choix quand elle n'en a pas ;
    colonnes invisible et cachee gardees, aussi par une page sans element decrit (brut)."""
    def choix():
        return [p.valeurs(FORMULAIRE + css) for css in ("input[name=nom]", "select[name=couleur]",
                "input[name=taille]:checked", "input[name=actif]:checked", "input[name=jeton]")]

    p.ouvre(f"{url}/fiche.php")
    neuf, rangees, choisie = choix(), lignes("fiche"), [["choisie"], ["vert"], ["L"], ["n"], ["j1"]]
    p.etape("fiche : edition", p.lien("Editer"), "", "fiche")
    verifie("fiche : edition : choix de la ligne", choix(), choisie)
    p.etape("fiche : modification par lien, rien de change", p.lien("Modifier"), "Modification Ok.", "fiche", rangees)
    verifie("fiche : choix apres modification", choix(), choisie)
    Select(p.tous("select[name=couleur]")[0]).select_by_value("bleu")
    p.tous("input[name=taille][value=S]")[0].click()
    rangees[0][4:6] = ["bleu", "S"]
    p.etape("fiche : liste et radio modifies seuls", p.bouton("Modifier"), "Modification Ok.", "fiche", rangees)
    p.etape("fiche : edition d'une ligne sans choix", p.lien("Editer", 1), "", "fiche")
    verifie("fiche : choix par defaut du formulaire neuf, aucun pour la ligne sans choix", [neuf, choix()],
            [[[""], ["rouge"], ["M"], ["o"], [""]], [["vide"], [""], [], [], ["j2"]]])
    p.etape("fiche : modification de la ligne sans choix, NULL garde", p.bouton("Modifier"), "Modification Ok.", "fiche", rangees)
    # Sans element decrit, aucune colonne n'est affichee : l'enregistrement ne perd rien.
    p.inchangee("brut : edition puis modification", url, "fiche", [("brut.php", 0)])


def stock(p, url):
    """Un bit montre et un invisible, des colonnes invisibles (dont une nommee action), par la page
    decrite (stock) et par celle d'une table sans element (nu) ; un libelle hors de Latin-1."""
    def ajout(*valeurs):
        """La table apres l'ajout de la ligne, sous la cle auto-incrementee suivante."""
        return lambda avant: avant + [[str(int(avant[-1][0]) + 1), *valeurs]]

    def compteur():
        return int(sql("select c_inv from stock where id = 3", ESSAIS)[0][0])

    p.ouvre(f"{url}/stock.php")
    verifie("stock : libelle du commentaire, hors de Latin-1", p.tous(FORMULAIRE + "label:has([name=nom])")[0].text,
            "Prix € œuvre 日本 :")
    # 4 clients modifient la ligne 3 pendant que 300 increments de son compteur invisible passent par
    # SQL : aucun ne se perd.
    for page, champs in (("stock.php", [("nom", "compteur"), ("b", "")]), ("nu.php", [])):
        avant, fini, reponses = compteur(), threading.Event(), []

        def client():
            while not fini.is_set():
                try:
                    texte = poste(f"{url}/{page}", [("action", "Modifier"), ("id", "3")] + champs)
                    reponses.append(("Modification Ok." in texte, tuple(fautes(texte))))
                except OSError as e:
                    reponses.append(repr(e))
                    return
        clients = [threading.Thread(target=client) for _ in range(4)]
        for c in clients:
            c.start()
        sql("update stock set c_inv = c_inv + 1 where id = 3;" * 300, ESSAIS)
        fini.set()
        for c in clients:
            c.join()
        verifie(f"{page} : 300 increments pendant 4 modifications concurrentes", (compteur(), set(reponses)),
                (avant + 300, {(True, ())}))
    # Un ajout ne range rien des colonnes que la page ne montre pas : elles prennent leur defaut.
    for page, paires, debut in (("stock.php", [("nom", "caché"), ("b", "")], ["caché", None]),
                                ("nu.php", [("nom", "caché"), ("b", "1")], ["sans nom", None])):
        p.ouvre(f"{url}/{page}")
        p.etape(f"{page} : ajout forge, colonnes non montrees a leur defaut",
                p.forge([("action", "Ajouter"), ("c_inv", "99")] + paires), "Ajouter Ok.", "stock",
                ajout(*debut, "\x01", "7", "neuve"))
    # Les bits tapes sont ranges, et une modification sans changement garde tout (bits montre et
    # invisible, action), serveur strict ou non.
    for mode in modes():
        for bit in "01":
            p.ouvre(f"{url}/stock.php")
            p.remplit({"nom": f"bit {bit}", "b": bit})
            p.etape(f"stock : ajout du bit {bit} ({mode})", p.bouton("Ajouter"), "Ajouter Ok.", "stock",
                    ajout(f"bit {bit}", chr(int(bit)), "\x01", "7", "neuve"))
        p.inchangee(f"stock : modifications sans changement des lignes 1, 2 et (nu) 1 ({mode})", url, "stock",
                    [("stock.php", 0), ("stock.php", 1), ("nu.php", 0)])


def noms(p, url):
    """Une table, sa cle et une colonne aux noms que SQL se reserve ; une description dont le chemin
    porte du PHP, qui reste un texte."""
    p.ouvre(f"{url}/group.php")
    premier, second, ajoutee, modifiee = ["1", "premier"], ["2", "second"], ["3", "ajoutée"], ["1", "modifiée"]
    p.etapes("group", (
        ("ajout", [("action", "Ajouter"), ("desc", "ajoutée")], "Ajouter Ok.", [premier, second, ajoutee], ajoutee),
        ("edition", [("action", "Editer"), ("order", "1")], "", None, premier),
        ("modification", [("action", "Modifier"), ("order", "1"), ("desc", "modifiée")], "Modification Ok.",
         [modifiee, second, ajoutee], modifiee),
        ("effacement", [("action", "Effacer"), ("order", "2")], "Effacement Ok.", [modifiee, ajoutee], ["", ""])))
    p.ouvre(f"{url}/{urllib.parse.quote(CHEMIN_PHP[:-5])}.php")
    verifie("chemin de description porteur de PHP, montre tel quel", (p.n.title, "x42" in p.n.page_source),
            (f"Formulaire : {CHEMIN_PHP}", False))


def lignes_cliquees(p, url):
    """Editer, Modifier et Effacer touchent la ligne cliquee : cle de page unique sur une table dont la cle
    primaire est une autre colonne ; cles et colonnes nommees item et length, que la collection des champs
    d'un formulaire porte aussi ; cles que le navigateur enverrait changees (fins de ligne, blanc)."""
    p.ouvre(f"{url}/paire.php")
    p.etape("paire : edition de beta", p.lien("Editer"), "", "paire", None, ["1", "beta"])
    p.remplit({"u": "3", "nom": "beta-edited"})
    p.etape("paire : beta modifiee, alpha intacte", p.bouton("Modifier"), "Modification Ok.", "paire",
            [["3", "2", "beta-edited"], ["10", "1", "alpha"]])
    for table, ligne in (("objet", ["b", "de b"]), ("longueur", ["3", "trois"])):
        p.ouvre(f"{url}/{table}.php")
        p.etape(f"{table} : la seconde ligne effacee, elle seule", p.lien("Effacer", 1), "Effacement Ok.", table,
                lambda avant: avant[:1] + avant[2:])
        p.etape(f"{table} : la seconde ligne editee", p.lien("Editer", 1), "", table, None, ligne)
    # La liste et la table suivent le meme tri : a\nb, a\r\nb, "a b", ab. Le champ de la cle, sur une ligne,
    # montre ab pour les deux premieres ; la ligne est pourtant celle qu'on a editee.
    p.ouvre(f"{url}/cle.php")
    for rang in range(3):
        p.clique(p.lien("Editer", rang))
        p.remplit({"v": f"v{rang}"})
        p.etape(f"cle : la ligne {rang} editee puis modifiee, elle seule", p.bouton("Modifier"), "Modification Ok.", "cle",
                lambda avant: avant[:rang] + [[avant[rang][0], f"v{rang}"]] + avant[rang + 1:])
    for rang in range(3):
        p.etape(f"cle : la premiere ligne effacee, elle seule ({rang})", p.lien("Effacer"), "Effacement Ok.", "cle",
                lambda avant: avant[1:])


def sans_ligne(p, url):
    """Ce qui ne touche aucune ligne n'est pas dit fait : cle qu'aucune ligne n'a, ligne deja renommee par un
    autre client, formulaire vide avant Modifier."""
    p.ouvre(f"{url}/longueur.php")
    p.etapes("longueur", (
        ("Modifier d'une cle absente", [("action", "Modifier"), ("length", "99"), ("item", "x")],
         f"Pb Modification : {NON_TROUVE}"),
        ("Effacer d'une cle absente", [("action", "Effacer"), ("length", "99")], f"Pb Effacement : {NON_TROUVE}")))
    p.clique(p.lien("Editer"))
    p.par_texte("button", "Vider le formulaire").click()
    p.remplit({"length": "98", "item": "x"})
    p.etape("longueur : Modifier apres Vider le formulaire", p.bouton("Modifier"), f"Pb Modification : {NON_TROUVE}",
            "longueur")
    # Huit clients editent la premiere ligne, puis la renomment ensemble : un seul le peut.
    avant, depart, messages = lignes("longueur"), threading.Barrier(8), []

    def renomme(cle):
        page = poste(f"{url}/longueur.php", [("action", "Editer"), ("length", avant[0][0])])
        depart.wait(15)
        texte = poste(f"{url}/longueur.php", [(n, cle if n == "length" else v) for n, v in envoi(page, "Modifier")])
        messages.append(("Modification Ok." in texte, f"Pb Modification : {NON_TROUVE}" in texte, tuple(fautes(texte))))
    clients = [threading.Thread(target=renomme, args=(str(40 + i),)) for i in range(8)]
    for c in clients:
        c.start()
    for c in clients:
        c.join()
    apres = lignes("longueur")
    verifie("longueur : 8 renommages concurrents, un seul dit fait et fait",
            (sorted(messages), len(apres), [l for l in apres if l[1:] == avant[0][1:] and l[0] != avant[0][0]] != []),
            ([(False, True, ())] * 7 + [(True, False, ())], len(avant), True))


def valeurs_gardees(p, url):
    """Modifier n'ecrit que ce que l'utilisateur change : octets hors de l'UTF-8, NUL, fin de ligne dans une
    ligne de saisie gardes ; cases d'une colonne SET ; quatre clients qui envoient tout le formulaire."""
    p.ouvre(f"{url}/octets.php")
    rangee = lignes("octets")
    p.etape("octets : edition", p.lien("Editer"), "", "octets")
    p.etape("octets : modification sans changement, aucun octet change", p.bouton("Modifier"), "Modification Ok.", "octets")
    cases = FORMULAIRE + "input[type=checkbox]"
    verifie("octets : les membres du SET coches", [e.get_attribute("value") for e in p.tous(cases + ":checked")], ["o", "n"])
    p.remplit({"ligne": "changée"})
    p.etape("octets : seule la ligne changee est ecrite", p.bouton("Modifier"), "Modification Ok.", "octets",
            [rangee[0][:4] + ["changée", "o,n"]])
    p.remplit({"id": "2", "vb": "", "bi": "", "bl": "", "ligne": ""})
    for case in p.tous(cases):
        if case.is_selected() != (case.get_attribute("value") in "op"):
            case.click()
    p.etape("octets : ajout, les cases cochees jointes", p.bouton("Ajouter"), "Ajouter Ok.", "octets",
            lambda avant: avant + [["2", None, None, None, None, "o,p"]])
    verifie("octets : la ligne ajoutee montre ses membres", [e.get_attribute("value") for e in p.tous(cases + ":checked")],
            ["o", "p"])
    for case in p.tous(cases + ":checked"):
        case.click()
    p.etape("octets : aucune case cochee, NULL", p.bouton("Modifier"), "Modification Ok.", "octets",
            lambda avant: avant[:1] + [avant[1][:5] + [None]])
    # Quatre clients augmentent chacun sa colonne de la meme ligne 75 fois par Modifier, en envoyant tout
    # le formulaire de la page qu'ils ont sous les yeux, comme un navigateur.
    def augmente(colonne):
        page = poste(f"{url}/compteur.php", [("action", "Editer"), ("id", "1")])
        for _ in range(75):
            paires = [(n, str(int(v) + 1) if n == colonne else v) for n, v in envoi(page, "Modifier")]
            page = poste(f"{url}/compteur.php", paires)
            if "Modification Ok." not in page or fautes(page):
                return
    clients = [threading.Thread(target=augmente, args=(c,)) for c in "abcd"]
    for c in clients:
        c.start()
    for c in clients:
        c.join()
    verifie("compteur : 4 clients, 300 increments sur 300", lignes("compteur"), [["1", "75", "75", "75", "75"]])


def vides(p, url):
    """Vides, un nombre, un drapeau et une date NOT NULL prennent leur defaut ; une cle videe garde la sienne ;
    serveur strict ou non."""
    for mode in modes():
        sql("replace into defaut values (1, 3, 1, '2024-02-29', 5)", ESSAIS)
        p.ouvre(f"{url}/defaut.php")
        p.clique(p.lien("Editer"))
        p.remplit({"n": "", "d": ""})
        p.tous(FORMULAIRE + "input[name=f]:checked")[0].click()
        p.etape(f"defaut : nombre, drapeau et date vides ({mode})", p.bouton("Modifier"), "Modification Ok.", "defaut",
                [["1", "7", "0", "2020-01-01", "5"]])
        verifie(f"defaut : un nombre sans defaut reste obligatoire ({mode})",
                p.tous(FORMULAIRE + "input[name=r]")[0].get_attribute("required"), "true")
        p.ouvre(f"{url}/stock.php")
        p.clique(p.lien("Editer"))
        p.remplit({"id": ""})
        p.etape(f"stock : cle videe, la ligne garde la sienne ({mode})", p.bouton("Modifier"), "Modification Ok.", "stock")


def cles_vides(p, url):
    """Une ligne dont le champ de la cle se montre vide (cle vide, ou fin de ligne seule) se modifie : le
    champ n'est plus obligatoire pour elle, la cle chargee reste. Celui d'une ligne neuve l'est toujours."""
    p.ouvre(f"{url}/vide.php")
    requis = FORMULAIRE + "input[name=k]:required"
    verifie("vide : la cle d'une ligne neuve est obligatoire", len(p.tous(requis)), 1)
    for rang, nom in ((0, "vide"), (1, "fin de ligne")):
        p.clique(p.lien("Editer", rang))
        verifie(f"vide : la cle {nom}, montree vide, n'est pas obligatoire", len(p.tous(requis)), 0)
        p.remplit({"v": f"v{rang}"})
        p.etape(f"vide : la ligne de cle {nom} modifiee", p.bouton("Modifier"), "Modification Ok.", "vide",
                lambda avant: avant[:rang] + [[avant[rang][0], f"v{rang}"]] + avant[rang + 1:])
    p.ouvre(f"{url}/vide.php")
    p.remplit({"v": "neuve"})
    verifie("vide : une ligne neuve sans cle n'est pas envoyee", p.n.execute_script(
        "return document.forms.namedItem('Formulaire_vide').checkValidity()"), False)


# Ce que PHP ecrit au journal d'une demande plus grosse que post_max_size (8 Mo), avant toute page.
ENVOI_TROP_GROS = r"PHP Warning:  PHP Request Startup: POST Content-Length of \d+ bytes exceeds the limit of 8388608 bytes in Unknown on line 0"


def grand(p, url):
    """Une ligne de 3,8 Mo s'edite avec les limites de PHP par defaut (chaque valeur ne voyage qu'une fois) ; une
    demande que PHP laisse de cote pour sa taille le dit, rien n'est ecrit, et la ligne reste montree."""
    sql("replace into grand values (1, 0, repeat(concat(repeat('abcdefghij ', 99), '\\n'), 3487))", ESSAIS)
    etat = "select n, md5(t), length(t) from grand"
    avant = sql(etat, ESSAIS)
    p.ouvre(f"{url}/grand.php")
    p.clique(p.lien("Editer"))
    p.remplit({"n": "5"})
    p.clique(p.bouton("Modifier"))
    verifie("grand : un nombre modifie a cote de 3,8 Mo de texte", ("Modification Ok." in p.texte(), sql(etat, ESSAIS)),
            (True, [["5"] + avant[0][1:]]))
    page = poste(f"{url}/grand.php", [("action", "Editer"), ("id", "1")])
    texte = poste(f"{url}/grand.php", [(n, "6" if n == "n" else v) for n, v in envoi(page, "Modifier")] + [("t", "x" * 9000000)])
    verifie("grand : envoi plus gros que post_max_size dit, rien d'ecrit, la ligne montree", (
        re.findall(r"<strong>Pb Envoi : la demande \(\d+ octets\) dépasse la limite post_max_size de PHP \(8M\) : "
                   r"rien n'a été fait\.</strong>", texte) != [], "Ok." in texte, fautes(texte),
        re.findall(r'name="n" value="(\d*)"', texte), sql(etat, ESSAIS)), (True, False, [], ["5"], [["5"] + avant[0][1:]]))


# Ce que PHP ecrit au journal de chaque demande de plus de champs qu'il n'en garde, avant toute page : une ligne par
# demande que limite() envoie (coupees), et aucune autre.
CHAMPS_EN_TROP = (r"PHP Warning:  PHP Request Startup: Input variables exceeded 1000\. To increase the limit change "
                  r"max_input_vars in php\.ini\. in Unknown on line 0")
coupees = []
# Coche les cases du formulaire de la page pour que son envoi par un bouton porte arguments[0] champs (toutes sans
# nombre), puis fait noter au navigateur, a l'envoi, le nombre de champs qu'il poste vraiment.
COCHE = """
    const f = document.querySelector('form[name^=Formulaire_]'), cases = f.querySelectorAll('input[type=checkbox]');
    cases.forEach(c => c.checked = false);
    const k = arguments[0] === null ? cases.length : arguments[0] - 1 - [...new FormData(f)].length;
    cases.forEach((c, i) => c.checked = i < k);
    sessionStorage.removeItem('champs');
    f.addEventListener('formdata', e => sessionStorage.champs = [...e.formData].length);"""


def limite(p, url):
    """Une demande de plus de champs que PHP n'en garde (max_input_vars) ne fait rien et le dit, quel que soit l'ordre
    de ses champs : ni Modifier (la ligne chargee montree de nouveau ; la mise a jour d'un autre client gardee quand
    seul le dernier champ est perdu), ni Ajouter, ni la page sans table n'en prennent une valeur."""
    def envoie(bouton, total=None):
        """Le clic, les cases cochees pour que l'envoi porte total champs : la limite dite, "Ok." dit, champs postes."""
        p.n.execute_script(COCHE, total)
        p.clique(bouton)
        coupees.append(p.n.current_url)
        return LIMITE_CHAMPS in p.n.page_source, "Ok." in p.texte(), int(p.n.execute_script("return sessionStorage.champs"))

    sql("replace into coches (id, n, s1, s16) values (1, 0, 'm1,m64', 'm2')", ESSAIS)
    rangee = lignes("coches")
    p.ouvre(f"{url}/coches.php")
    p.clique(p.lien("Editer"))
    p.remplit({"n": "5"})
    verifie("coches : Modifier de toutes les cases, rien d'ecrit, la ligne chargee montree",
            (*envoie(p.bouton("Modifier")), lignes("coches"), p.valeurs(FORMULAIRE + "input[name=n]")),
            (True, False, 1045, rangee, ["0"]))
    p.clique(p.lien("Editer"))
    sql("update coches set n = 42 where id = 1", ESSAIS)
    verifie("coches : Modifier d'un champ de trop apres la mise a jour d'un autre client, gardee",
            (*envoie(p.bouton("Modifier"), 1002), lignes("coches")), (True, False, 1002, [["1", "42"] + rangee[0][2:]]))
    p.ouvre(f"{url}/coches.php")
    p.remplit({"id": "2"})
    bouton = p.bouton("Ajouter")
    p.n.execute_script("arguments[0].form.prepend(arguments[0])", bouton)
    verifie("coches : Ajouter de toutes les cases, le bouton en tete, rien d'ajoute", (*envoie(bouton), lignes("coches")),
            (True, False, 1043, [["1", "42"] + rangee[0][2:]]))
    p.ouvre(f"{url}/{urllib.parse.quote(CHEMIN_PHP[:-5])}.php")
    p.remplit({"nom": "coupé"})
    p.n.execute_script("for (let i = 0; i < 1001; i++) Object.assign(document.querySelector('form[name^=Formulaire_]')"
                       ".appendChild(document.createElement('input')), {type: 'hidden', name: 'f' + i, value: 'x'});")
    dit = envoie(p.par_texte("button", "Envoyer"))
    resultat = p.tous("fieldset")[-1].get_attribute("textContent")
    verifie("page sans table : trop de champs, aucun lu", (*dit, "coupé" in resultat, "envoyer=Envoyer" in resultat),
            (True, False, 1006, False, False))


def langue(p, url):
    """Le serveur parle francais (ou allemand) : une modification qui trouve sa ligne est dite faite, changee ou
    non ; une qui n'en trouve pas le dit."""
    sql("replace into article values (1, 'témoin', 'texte témoin', '2020-01-02', 3, '2020-01-02 03:04:05')", EXEMPLE)
    for vues, langue in (("41", "fr_FR"), ("42", "de_DE")):
        sql(f"set global lc_messages = '{langue}'")
        try:
            p.inchangee(f"article : modification sans changement ({langue})", url, "article", [("article.php", 0)])
            p.clique(p.lien("Editer"))
            p.remplit({"vues": vues})
            p.etape(f"article : vues modifiees ({langue})", p.bouton("Modifier"), "Modification Ok.", "article",
                    lambda avant: [avant[0][:4] + [vues, avant[0][5]]] + avant[1:])
            p.etape(f"article : Modifier d'une cle absente ({langue})",
                    p.forge([("action", "Modifier"), ("id", "999"), ("titre", "x")]), f"Pb Modification : {NON_TROUVE}", "article")
        finally:
            sql("set global lc_messages = 'en_US'")


def visite(dossier):
    """Le site d'exemple tel que le sert outils/voir_exemple.sh : ses pages, et rien d'autre de la copie de travail."""
    php, url = lance_php(dossier / "exemple", dossier / "visite.log", [str(OUTILS / "routeur_exemple.php")])
    try:
        statuts, refus = [], set()
        # Une barre doublee fait lire a parse_url un nom d'hote ; php -S servirait site.cfg, le chemin en plus.
        refuses = ("/site.cfg", "/site.log", "/base.sql", "/formulaires/article.form", "/cible/../site.cfg",
                   "/cible/%2e%2e/site.cfg", "/%2e%2e/visite.log", "//site.cfg/cible", "//site.log/cible",
                   "//base.sql/cible/index.php", "//sources/cible", "/%00", "/cible/index.php%00", "/cible//index.php",
                   "/formulaires/article.form/x.php")
        for chemin in ("/cible/index.php", "/formulaires/article.php", "/cible/", "/formulaires/article.php?a=//site.cfg",
                       *refuses):
            connexion = http.client.HTTPConnection(url[len("http://"):], timeout=15)
            connexion.request("GET", chemin)
            reponse = connexion.getresponse()
            statuts.append(reponse.status)
            if reponse.status == 404:
                refus.add(reponse.read().decode(errors="replace"))
            connexion.close()
        # Un refus est le meme 404 pour tous, sans chemin de la machine ni message de PHP.
        verifie("visite de l'exemple : les pages seules", (statuts, len(refus), [t for t in refus if "/" in t.replace("cible/", "")
                                                                                 .replace("formulaires/", "") or fautes(t)]),
                ([200] * 4 + [404] * len(refuses), 1, []))
    finally:
        os.killpg(php.pid, signal.SIGTERM)
        php.wait()
    verifie("visite de l'exemple : journal sans message PHP",
            re.findall(r"PHP [\w ]+:.*", (dossier / "visite.log").read_text(errors="replace")), [])


def main(corvalite, choisis):
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))  # un test arrete a l'echeance arrete aussi son serveur
    with tempfile.TemporaryDirectory(prefix="corvalite-navigateur-") as dossier:
        dossier = Path(dossier)
        demarre_serveur(dossier / "mariadb")
        php, page = None, None
        try:
            mode = sql("select @@global.sql_mode")[0][0]
            construit(dossier, corvalite)
            visite(dossier)
            php, url = lance_php(dossier, dossier / "php.log")
            page = Page()
            for scenario, site in ((article, "exemple/formulaires"), (contact, "exemple/formulaires"), (code, "essais/web"),
                                   (fiche, "essais/web"), (stock, "essais/web"), (noms, "essais/web"),
                                   (lignes_cliquees, "essais/web"), (sans_ligne, "essais/web"),
                                   (valeurs_gardees, "essais/web"), (vides, "essais/web"),
                                   (cles_vides, "essais/web"), (grand, "essais/web"), (limite, "essais/web"),
                                   (langue, "exemple/formulaires")):
                if choisis and scenario.__name__ not in choisis:
                    continue
                try:
                    scenario(page, f"{url}/{site}")
                except Exception:
                    bilan["failed"] += 1
                    print(f"ECHEC {scenario.__name__}\n{traceback.format_exc()}{page.n.page_source[:4000]}")
                finally:
                    sql(f"set global sql_mode = '{mode}'")
        finally:
            if page:
                page.n.quit()
            if php:
                os.killpg(php.pid, signal.SIGTERM)
                php.wait()
            subprocess.run(["bash", str(OUTILS / "mariadb.sh"), "arrete", str(dossier / "mariadb")])
        if php:
            messages = re.findall(r"PHP [\w ]+:.*", (dossier / "php.log").read_text(errors="replace"))
            verifie("journal de php -S sans message PHP", [m for m in messages if not re.fullmatch(ENVOI_TROP_GROS, m)
                                                           and not re.fullmatch(CHAMPS_EN_TROP, m)], [])
            verifie("journal de php -S : max_input_vars depasse par les seules demandes coupees",
                    len([m for m in messages if re.fullmatch(CHAMPS_EN_TROP, m)]), len(coupees))


if len(sys.argv) < 2:
    sys.exit("usage : navigateur.py CORVALITE [SCENARIO...]   (sans scenario nomme : tous)")
main(sys.argv[1], sys.argv[2:])
print(f"{bilan['passed']} passed, {bilan['failed']} failed")
sys.exit(1 if bilan["failed"] else 0)
