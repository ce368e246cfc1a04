// La fonction form hors des executions du programme : enregistrements que laisse la
// lecture d'une description, valeurs echappees dans la page, constructeurs de pages
// que le programme n'appelle pas et vidages des enregistrements.
#include <gtest/gtest.h>

#include "FrwForm.h"
#include "outils_test.h"

using std::string;
using Liste = std::vector<string>;

namespace {

// Les champs qu'une ligne de la description ou une colonne peut poser, en une ligne.
string Resume(const MesForms::Element& e) {
    string texte = e.PresentEnBase + "|" + e.Champ + "@" + std::to_string(e.LigneChamp) + "|" + e.Libelle + "@" +
                   std::to_string(e.LigneLibelle) + "|" + e.InputHtml + "|" + e.TypeHtml + "|" + e.Longueur + "|" +
                   e.Obligatoire + e.Visible + e.Index + e.AutoIncrement + "|" + e.ValeurInitiale + "|" + e.TypeSgbd +
                   "," + e.TypePhp + "|" + e.Element_ + "@" + std::to_string(e.LigneElement) + "|";
    for (const MesForms::FElement& v : e.ListeValeurs) texte += v.Valeur + "=" + v.Donnees + v.Defaut + ";";
    return texte;
}

// La lecture de `description` ; `base` vide : pas de serveur (la description ne nomme pas de table).
struct Lecture {
    RepertoireTemporaire rep;
    Parametrage param;
    MesForms form{param};
    string resultat;
    Liste lu;  // les elements puis les boutons

    Lecture(const string& description, const string& base = "") {
        param.CheminAppli = CORVALITE_BINAIRE;
        param.CheminAppli.erase(param.CheminAppli.rfind('/'));
        param.ServeurMysql = "127.0.0.1";
        param.UtilisateurMysql = param.MotDePasseMysql = "corvalite";
        param.DatabaseMysql = base;
        EcritOctets(rep / "p.form", description);
        resultat = form.ChargeFichierConfigFormulaire(rep / "p.form");
        for (const MesForms::Element& e : form.ListeElements) lu.push_back(Resume(e));
        for (const MesForms::ElementBouton& b : form.ListeBoutons) lu.push_back(b.Type + ":" + b.Libelle + "," + b.Nom);
    }
};

structTable Colonne(string nom, string longueur) { return {"t", nom, longueur, "int", "", "", "N", "", "N", "N", ""}; }

MesForms::Element Champ(string nom) {
    MesForms::Element e;
    e.Champ = nom;
    return e;
}

// Les cinq constructeurs a la suite, separes par une ligne de reperes.
string Blocs(MesForms& f, const std::vector<MesForms::Element>& elements, const string& nom) {
    const string reperes = "=====\n";
    return f.CreerFormulaireInsertion("") + reperes + f.CreerFormAction("") + reperes + f.CreerAffichageTableau("") +
           reperes + f.CreerFormVariable(elements, nom) + reperes + f.CreerFormEntete(nom + ".form", nom) + reperes;
}

}  // namespace

TEST(FormLecture, EnregistrementsDuLecteur) {
    const std::pair<const char*, Liste> cas[] = {
        // Valeurs offertes : etoile de preselection, virgules suivantes gardees, valeur sans separateur.
        {"CHAMP=c\nELEMENTS=*1,Oui\nELEMENTS=2,Non,peut-etre\nELEMENTS=3\nFINCHP\n",
         {"|c@1|@0|input||0|NON||,|*1,Oui;2,Non,peut-etre;3;@4|1=OuiO;2=Non,peut-etreN;"}},
        // Une fin d'element remet tout a zero, valeur initiale comprise ; ce qui suit la derniere est perdu.
        {"CHAMP=a\nVALINI=v\nLIBELLE=\nOBLIGATOIRE=O\nVISIBLE=N\nINPUTHTML=select\nTYPE=hidden\nFINCHP\n"
         "CHAMP=b\nFINCHP\nCHAMP=perdu\n",
         {"|a@1|@3|select|hidden|0|ONN|v|,|@0|", "N|b@9|@0|input||0|NON||,|@0|"}},
        // Fin d'element et attribut sur une ligne : l'attribut va a l'element suivant, sa valeur
        // coupee a la longueur de son mot cle depuis le debut de la ligne.
        {"CHAMP=a\nCHAMP=xFINCHP\nLIBELLE=lFINCHP\nFINCHPCHAMP=c\nFINCHP\n",
         {"|a@1|@0|input||0|NON||,|@0|", "N|xFINCHP@2|@0|input||0|NON||,|@0|", "N|@0|lFINCHP@3|input||0|NON||,|@0|",
          "N|CHAMP=c@4|@0|input||0|NON||,|@0|"}},
        // Libelle entre le mot cle et la premiere virgule de la ligne, vide quand elle suit le mot cle.
        {"BOUTON=,Ajouter\nLIEN=Liste,voir,tout\n", {"B:,Ajouter", "L:Liste,voir,tout"}},
    };
    for (const auto& [description, lu] : cas) {
        Lecture l(description);
        EXPECT_EQ(l.lu, lu) << description;
        EXPECT_EQ(l.resultat, "");
    }
}

// L'exemple de description commente, contre sa table ; puis un libelle donne, que la colonne
// ne remplace pas, et un element hors de la table, qui n'est pas "en base" (le reste de ce que
// les colonnes completent, les pages attendues le montrent).
TEST(FormLecture, ExempleEtElementHorsDeLaTable) {
    SERVEUR_REQUIS();
    const string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql("create table clients (civilite char(3));", base), 0);
    Lecture exemple("# form of the clients\nTABLE=clients\nCHAMP=civilite\nINPUTHTML=radio\nELEMENTS=*M,Monsieur\n"
                    "ELEMENTS=Mme,Madame\n\nFINCHP\nBOUTON=Enregistrer,Ajouter\nCHAMP=nom\n", base);
    EXPECT_EQ(exemple.resultat + exemple.param.ListeAnomalies + exemple.param.ListeErreurs, "Table : clients\n");
    EXPECT_EQ(exemple.lu, Liste({"O|civilite@3|civilite@0|radio|TEXT|0|NONN||char,string|*M,Monsieur;Mme,Madame;@6|"
                                 "M=MonsieurO;Mme=MadameN;", "B:Enregistrer,Ajouter"}));
    Lecture hors("TABLE=clients\nCHAMP=civilite\nLIBELLE=Titre\nFINCHP\nCHAMP=hors\nFINCHP\n", base);
    EXPECT_EQ(hors.lu, Liste({"O|civilite@2|Titre@3|input|TEXT|0|NONN||char,string|@0|", "N|hors@5|@0|input||0|NON||,|@0|"}));
}

// Un guillemet, un "\" ou un "$" de la configuration ou du chemin de la description ne casse
// pas la page et ne change pas la valeur. Le script clearForm de la tete fait 696 octets.
TEST(PageForm, ValeursEchappeesDansLesChainesPhp) {
    RepertoireTemporaire rep;
    for (const bool table : {true, false}) {
        SCOPED_TRACE(table);
        Parametrage p;
        p.UtilisateurMysql = "u\"1";
        p.MotDePasseMysql = "p\\$\"x";
        p.DatabaseMysql = "b$";
        MesForms form(p);
        form.NomFichierForm = "d\\a\"$b.form";
        form.ListeElements = {Champ("id")};
        if (table) {
            form.NomTable = "t";
            form.ListeChamps.push_back({"t", "id", "10", "int", "", "", "O", "", "O", "O", ""});
        }
        const string tete = form.Creation_RecupChampsPhp(form.NomTable);
        EXPECT_EQ(tete.find("</script>") + 9 - tete.find("<script>"), 696u);
        const string page = tete + form.Creation_TraitementPhp(form.NomTable) + form.FaitFormulaire(form.NomTable);
        EXPECT_NE(page.find(table ? "\t$MaConnexion = new SGBDConnexion(\"localhost\",\"u\\\"1\",\"p\\\\\\$\\\"x\",\"b\\$\");\n"
                                  : "\techo $F->Cadre(\"Formulaire \".htmlentities(\"d\\\\a\\\"\\$b.form\"));\n"),
                  string::npos) << page;
        EcritOctets(rep / "page.php", page + "</BODY>\n</HTML>\n");
        EXPECT_TRUE(PhpValide(rep / "page.php"));
    }
}

// Avec colonnes, elements et includes, puis sans rien ; les vidages de chaque liste,
// rien au-dela de sa fin.
TEST(ConstructeursNonAppeles, TextesEtVidages) {
    Parametrage p, vide;
    p.ListeFichiersInclude = {"a.php", "inc\\b.php"};
    MesForms f(p), g(vide), h(vide);
    f.ListeChamps = {Colonne("id", "10"), Colonne("nom", "40"), Colonne("ville", "0")};
    h.ListeChamps = {Colonne("a", "1"), {"t", "nom", "40", "varchar", "string", "TEXT", "O", "Le nom", "N", "O", "x"}};
    h.ListeChamps[0].Obligatoire = "oui";
    MesForms::Element e = Champ("ville");
    e.Libelle = "Ville";
    e.Element_ = "P;L;";
    e.ListeValeurs = {{"P", "Paris", "O"}, {"L", "Lyon", "N"}};
    e.TypeHtml = "TEXT";
    e.Visible = "O";
    h.ListeElements = {Champ(""), e};
    h.ListeBoutons = {{"B", "action", "Envoyer"}};
    string texte = Blocs(f, {Champ("id"), Champ("nom")}, "client") + Blocs(g, {}, "");
    for (unsigned i = 0; i < 3; ++i) texte += h.AfficheListeDeChamps(i) + h.AfficheElementBouton(i) + h.AfficheElement(i);
    EXPECT_EQ(MasqueDates(texte + h.AfficheElement(~0u)), LitOctets(CheminTests("attendu/form/constructeurs.txt")));
}
