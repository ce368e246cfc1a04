// La fonction form hors des executions du programme : enregistrements que laisse la lecture
// d'une description, valeurs echappees dans la page, constructeurs de pages que le programme
// n'appelle pas et vidages des enregistrements.
#include <gtest/gtest.h>

#include <regex>

#include "FrwForm.h"
#include "outils_test.h"

using std::string;
using Liste = std::vector<string>;

namespace {

// Les champs qu'une ligne de la description peut poser, en une ligne ; puis les boutons.
Liste Lis(const string& description) {
    RepertoireTemporaire rep;
    Parametrage param;
    MesForms form(param);
    EcritOctets(rep / "p.form", description);
    EXPECT_EQ(form.ChargeFichierConfigFormulaire(rep / "p.form"), "");
    Liste lu;
    for (const MesForms::Element& e : form.ListeElements) {
        string texte = e.PresentEnBase + "|" + e.Champ + "@" + std::to_string(e.LigneChamp) + "|" + e.Libelle + "@" +
                       std::to_string(e.LigneLibelle) + "|" + e.InputHtml + "|" + e.TypeHtml + "|" + e.Longueur + "|" +
                       e.Obligatoire + e.Visible + e.Index + "|" + e.ValeurInitiale + "|" + e.Element + "@" +
                       std::to_string(e.LigneElement) + "|";
        for (const MesForms::FElement& v : e.ListeValeurs) texte += v.Valeur + "=" + v.Donnees + v.Defaut + ";";
        lu.push_back(texte);
    }
    for (const MesForms::ElementBouton& b : form.ListeBoutons) lu.push_back(b.Type + ":" + b.Libelle + "," + b.Nom);
    return lu;
}

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

// Les regles de la lecture que les pages ne montrent pas toutes.
TEST(FormLecture, EnregistrementsDuLecteur) {
    const std::pair<const char*, Liste> cas[] = {
        // Valeurs offertes : etoile de preselection, virgules suivantes gardees, valeur sans separateur.
        {"CHAMP=c\nELEMENTS=*1,Oui\nELEMENTS=2,Non,peut-etre\nELEMENTS=3\nFINCHP\n",
         {"|c@1|@0|input||0|NON||*1,Oui;2,Non,peut-etre;3;@4|1=OuiO;2=Non,peut-etreN;"}},
        // Une fin d'element remet tout a zero, valeur initiale comprise ; ce qui suit la derniere est perdu.
        {"CHAMP=a\nVALINI=v\nLIBELLE=\nOBLIGATOIRE=O\nVISIBLE=N\nINPUTHTML=select\nTYPE=hidden\nFINCHP\n"
         "CHAMP=b\nFINCHP\nCHAMP=perdu\n",
         {"|a@1|@3|select|hidden|0|ONN|v|@0|", "N|b@9|@0|input||0|NON||@0|"}},
        // Fin d'element et attribut sur une ligne : l'attribut va a l'element suivant, sa valeur
        // coupee a la longueur de son mot cle depuis le debut de la ligne.
        {"CHAMP=a\nCHAMP=xFINCHP\nLIBELLE=lFINCHP\nFINCHPCHAMP=c\nFINCHP\n",
         {"|a@1|@0|input||0|NON||@0|", "N|xFINCHP@2|@0|input||0|NON||@0|", "N|@0|lFINCHP@3|input||0|NON||@0|",
          "N|CHAMP=c@4|@0|input||0|NON||@0|"}},
        // Libelle entre le mot cle et la premiere virgule de la ligne, vide quand elle suit le mot cle.
        {"BOUTON=,Ajouter\nLIEN=Liste,voir,tout\n", {"B:,Ajouter", "L:Liste,voir,tout"}},
    };
    for (const auto& [description, lu] : cas) EXPECT_EQ(Lis(description), lu) << description;
}

// Textes fixes des constructeurs que rien n'appelle, vidages ; une position hors liste rend un texte vide.
TEST(ConstructeursNonAppeles, TextesEtVidages) {
    Parametrage p, vide;
    p.ListeFichiersInclude = {"a.php", "inc\\b.php"};
    MesForms f(p), g(vide), h(vide);
    f.ListeChamps = {Colonne("id", "int", "10"), Colonne("nom", "int", "40"), Colonne("ville", "int", "0")};
    h.ListeChamps = {Colonne("a", "int", "1"), Colonne("nom", "varchar", "40", "Le nom", "x", "O", "N", "O")};
    h.ListeChamps[0].Obligatoire = "oui";
    h.ListeChamps[1].TypePhp = "string", h.ListeChamps[1].TypeHtml = "TEXT";
    MesForms::Element e = Champ("ville");
    e.Libelle = "Ville";
    e.Element = "P;L;";
    e.ListeValeurs = {{"P", "Paris", "O"}, {"L", "Lyon", "N"}};
    e.TypeHtml = "TEXT";
    e.Visible = "O";
    h.ListeElements = {Champ(""), e};
    h.ListeBoutons = {{"B", "action", "Envoyer"}};
    string texte = Blocs(f, {Champ("id"), Champ("nom")}, "client") + Blocs(g, {}, "");
    for (unsigned i = 0; i < 3; ++i) texte += h.AfficheListeDeChamps(i) + h.AfficheElementBouton(i) + h.AfficheElement(i);
    EXPECT_EQ(MasqueDates(texte + h.AfficheElement(~0u)), LitOctets(CheminTests("attendu/form/constructeurs.txt")));
}

// Un guillemet, un "\" ou un "$" de la configuration ou du chemin de la description ne casse
// pas la page et ne change pas la valeur.
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
        form.ListeElements = {Champ("id"), Champ("nom")};
        form.ListeElements[0].InputHtml = "select";
        form.ListeElements[1].Visible = "O", form.ListeElements[1].InputHtml = "Input";
        form.ListeElements[1].TypeHtml = "text";
        if (table) {
            form.NomTable = "t";
            form.ListeChamps.push_back(Colonne("id", "int", "10", "", "", "O", "O", "O", "PRI"));
            form.ListeElements[0].Index = "O";
        }
        const string page = form.Creation_RecupChampsPhp(form.NomTable) + form.Creation_TraitementPhp(form.NomTable) +
                            form.FaitFormulaire(form.NomTable);
        // Les elements ecrits gardent type et genre en majuscules, la cle devenue cachee sans son
        // genre ; un element non montre reste tel quel.
        EXPECT_EQ(form.ListeElements[0].TypeHtml + "/" + form.ListeElements[0].InputHtml + " " +
                      form.ListeElements[1].TypeHtml + "/" + form.ListeElements[1].InputHtml,
                  table ? "HIDDEN/select TEXT/INPUT" : "/select TEXT/INPUT");
        EXPECT_NE(page.find(table ? "\t$MaConnexion = new SGBDConnexion(\"localhost\",\"u\\\"1\",\"p\\\\\\$\\\"x\",\"b\\$\");\n"
                                  : "\techo $F->Cadre(\"Formulaire \".htmlentities(\"d\\\\a\\\"\\$b.form\"));\n"),
                  string::npos) << page;
        EcritOctets(rep / "page.php", page + "</BODY>\n</HTML>\n");
        EXPECT_TRUE(PhpValide(rep / "page.php"));
    }
}

// Les noms que la description ne peut donner a une table, une colonne ou un element sont ceux que la
// page et son appui emploient : les variables qu'ecrit une page (de table, ou sans table, hors les
// noms de ses elements), et les membres du formulaire qu'appellent ses scripts et CVForm.php.
TEST(PageForm, NomsReservesPrisDeLaPageEtDeSonAppui) {
    auto noms = [](const string& texte, const string& motif, std::set<string> hors = {}) {
        std::set<string> trouves;
        const std::regex r(motif);
        for (auto it = std::sregex_iterator(texte.begin(), texte.end(), r); it != std::sregex_iterator(); ++it)
            if (!hors.count((*it)[1])) trouves.insert((*it)[1]);
        return trouves;
    };
    auto liste = [](const Liste& l) { return std::set<string>(l.begin(), l.end()); };
    string scripts;
    for (const bool table : {true, false}) {
        Parametrage p;
        MesForms form(p);
        form.ListeElements = {Champ("id"), Champ("nom")};
        for (MesForms::Element& e : form.ListeElements) e.Visible = "O", e.InputHtml = "input", e.TypeHtml = "TEXT";
        form.ListeBoutons = {{"B", "envoyer", "Envoyer"}};
        if (table) {
            form.NomTable = "t";
            form.ListeChamps = {Colonne("id", "int", "10", "", "", "O", "O", "O", "PRI"), Colonne("nom", "varchar", "9")};
            for (MesForms::Element& e : form.ListeElements) e.PresentEnBase = "O";
        }
        const string page = form.Creation_RecupChampsPhp(form.NomTable) + form.Creation_TraitementPhp(form.NomTable) +
                            form.FaitFormulaire(form.NomTable);
        scripts += page;
        EXPECT_EQ(noms(page, R"(\$([A-Za-z_]\w*))", table ? std::set<string>{"t"} : std::set<string>{"id", "nom", "envoyer", "_POST"}),
                  liste(MesForms::VariablesDeLaPage(table)))
            << table;
    }
    EXPECT_EQ(noms(scripts + LitOctets(CheminTests("../support/CVForm.php")), R"(\b(?:f|form)\.([A-Za-z]+)\b)"),
              liste(MesForms::MembresDuFormulaire()));
}
