#!/usr/bin/env python3
"""De bout en bout dans Chromium sans ecran : le programme genere un site (-sgbd puis -form)
contre le serveur MariaDB prive des tests, php -S le sert sur 127.0.0.1, et le navigateur
s'en sert comme un utilisateur.  navigateur.py CORVALITE table|sans_table
Sans serveur de test, le cas est saute (77), sauf sous CI ou il echoue."""
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import traceback
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

ICI = Path(__file__).resolve().parent
SCENARIO = sys.argv[2] if len(sys.argv) == 3 else ""
BASE = "corvalite_navigateur_" + SCENARIO  # une base par scenario : ils tournent en parallele
SERVEUR = os.environ.get("CORVALITE_TEST_MARIADB_REPERTOIRE", "")
PORT_BASE = os.environ.get("CORVALITE_TEST_MARIADB_PORT", "")
NOM, PIEGE = "Hélène Dupré", '<b>gras</b> "été" & fin'
FORMULAIRE = "form[name^=Formulaire_] "
bilan = {"passed": 0, "failed": 0}


def verifie(nom, obtenu, attendu):
    bilan["passed" if obtenu == attendu else "failed"] += 1
    if obtenu != attendu:
        print(f"ECHEC {nom}\n  obtenu : {obtenu!r}\n  attendu : {attendu!r}")


def sql(requete, base=BASE):
    """Les lignes d'une requete faite en root par la socket du serveur prive."""
    sortie = subprocess.run(["bash", str(ICI.parent.parent / "outils/mariadb.sh"), "sql", SERVEUR, "-N", "-B",
                             "--default-character-set=utf8mb4", "-e", requete] + ([base] if base else []),
                            check=True, capture_output=True, text=True).stdout
    return [ligne.split("\t") for ligne in sortie.splitlines()]


def genere_site(rep, corvalite):
    """src/inc et web/inc, les classes, puis les deux pages a cote de leurs descriptions dans web."""
    for r in ("src/inc", "web/inc"):
        (rep / r).mkdir(parents=True)
    (rep / "site.cfg").write_text(f"RACINE={rep}\nSOURCE=src\nCIBLE=web\nREPERTOIRE_INCLUDE=inc\nHOST=127.0.0.1\n"
                                  f"USER=corvalite\nMDP=corvalite\nDATABASE={BASE}\n")
    sql(f"drop database if exists {BASE}; create database {BASE} character set utf8mb4", base=None)
    sql((ICI / "personne.sql").read_text(encoding="utf-8"))
    for arguments in (["-sgbd", "-form", "personne.form"], ["-form", "sans_table.form"]):
        shutil.copy(ICI / arguments[-1], rep / "web")
        r = subprocess.run([corvalite, "-c", str(rep / "site.cfg")] + arguments, cwd=rep / "web", capture_output=True,
                           env=dict(os.environ, MYSQL_TCP_PORT=PORT_BASE), text=True, errors="replace")
        verifie(f"corvalite {' '.join(arguments)} : code", (r.returncode, r.returncode and r.stderr), (0, 0))


def lance_php(web):
    """php -S sur un port libre de 127.0.0.1 ; "localhost" des pages mene a la socket du serveur prive."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    php = subprocess.Popen(["php", "-d", f"mysqli.default_socket={SERVEUR}/mariadb.sock", "-d", "display_errors=1",
                            "-d", "error_reporting=E_ALL", "-S", f"127.0.0.1:{port}", "-t", str(web)],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return php, f"http://127.0.0.1:{port}"
        except OSError:
            time.sleep(0.05)
    php.kill()
    raise RuntimeError("php -S n'a pas demarre")


class Page:
    """Chromium sans ecran : chaque page relue sans avertissement PHP."""

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
        verifie("page sans faute PHP", [f for f in ("Warning:", "error:", "Notice:", "Deprecated:") if f in self.texte()], [])

    def clique(self, element):
        """Attend la page suivante : la courante porte une marque qu'elle n'a pas."""
        self.n.execute_script("document.documentElement.dataset.quittee = '1'")
        element.click()
        WebDriverWait(self.n, 15, ignored_exceptions=(WebDriverException,)).until(lambda n: n.execute_script(
            "return document.readyState == 'complete' && !document.documentElement.dataset.quittee"))
        self.sans_faute()

    def remplit(self, valeurs):
        for nom, valeur in valeurs.items():
            champ = self.tous(f"{FORMULAIRE}input[name={nom}]:not([type=hidden])")[0]
            champ.clear()
            champ.send_keys(valeur)

    def valeurs(self, css):
        return [e.get_attribute("value") for e in self.tous(css)]

    def par_texte(self, css, texte, rang=0):
        return [e for e in self.tous(css) if e.text == texte][rang]


def scenario_table(p):
    champs, martin = FORMULAIRE + "input:not([type=hidden])", ["1", "Martin", "Paris"]

    def etape(nom, element, message, lignes):
        """Le clic, le message de la page et la table relue dans la base."""
        p.clique(element)
        verifie(nom, (message in p.texte(), sql("select * from personne order by id")), (True, lignes))

    verifie("libelle accentue", "Ville de résidence" in p.texte(), True)
    p.remplit({"nom": NOM, "ville": "Besançon"})  # la cle vide est laissee au serveur
    etape("ajout", p.tous("button[value=Ajouter]")[0], "Ajouter Ok.", [martin, ["2", NOM, "Besançon"]])
    verifie("ajout : dans la liste", [t.text for t in p.tous("table")][1:],
            [f"Contenu champs de la classe : personne\nid= 2\nnom= {NOM}\nville= Besançon"])
    # La deuxieme ligne de la liste (triee sur la cle) s'ouvre par son lien, puis par son bouton.
    for ouvre in ("a", "button"):
        etape(f"edition par {ouvre}", p.par_texte(ouvre, "Editer", rang=1), "", [martin, ["2", NOM, "Besançon"]])
        verifie(f"edition par {ouvre} : champs", p.valeurs(champs), ["2", NOM, "Besançon"])
    p.remplit({"ville": "Nîmes"})
    etape("modification", p.tous("button[value=Modifier]")[0], "Modification Ok.", [martin, ["2", NOM, "Nîmes"]])
    p.par_texte("button", "Vider le formulaire").click()
    verifie("remise a zero", p.valeurs(champs), ["", "", ""])
    etape("effacement", p.par_texte("a", "Effacer", rang=1), "Effacement Ok.", [martin])


def scenario_sans_table(p):
    for clic, envoi in (("button", "Envoyer"), ("a", "Par lien")):
        p.remplit({"message": PIEGE})
        p.clique(p.par_texte(clic, envoi))
        resultat = p.tous("fieldset")[-1]
        verifie(f"{clic} : paire postee, valeur rendue sans rien d'interprete, champ rendu",
                (f"envoi={envoi}" in resultat.text, f"message={PIEGE}" in resultat.text,
                 resultat.find_elements(By.TAG_NAME, "b"), p.valeurs("input[name=message]")), (True, True, [], [PIEGE]))
    # Un nom poste en tableau n'arrete pas la boite de resultat (l'element invisible y figure).
    p.clique(p.n.execute_script("""
        const f = document.body.appendChild(document.createElement('form'));
        f.method = 'post';
        f.innerHTML = '<input name="envoi[]" value="x"><button>tableau</button>';
        return f.lastChild;"""))
    verifie("tableau poste : boite complete", "cache=" in p.tous("fieldset")[-1].text, True)
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


SCENARIOS = {"table": ("personne.php", scenario_table), "sans_table": ("sans_table.php", scenario_sans_table)}
if SCENARIO not in SCENARIOS:
    sys.exit("usage : navigateur.py CORVALITE table|sans_table")
if not PORT_BASE or not SERVEUR:
    print("pas de serveur MariaDB de test")
    sys.exit(1 if os.environ.get("CI") else 77)
with tempfile.TemporaryDirectory(prefix="corvalite-navigateur-") as dossier:
    genere_site(Path(dossier), sys.argv[1])
    php, url = lance_php(Path(dossier) / "web")
    page = None
    try:
        page = Page()
        page.n.get(f"{url}/{SCENARIOS[SCENARIO][0]}")
        page.sans_faute()
        SCENARIOS[SCENARIO][1](page)
    except Exception:
        bilan["failed"] += 1
        print(f"ECHEC {SCENARIO}\n{traceback.format_exc()}{page.n.page_source[:4000] if page else ''}")
    finally:
        if page:
            page.n.quit()
        php.terminate()
        php.wait()
        sql(f"drop database if exists {BASE}", base=None)
print(f"{bilan['passed']} passed, {bilan['failed']} failed")
sys.exit(1 if bilan["failed"] else 0)
