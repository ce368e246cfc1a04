// Les constructeurs de pages que le programme n'appelle pas et les vidages des
// enregistrements de la description : textes compares a des fichiers attendus.
#include <gtest/gtest.h>

#include "FrwForm.h"
#include "outils_test.h"

using std::string;

namespace {

structTable Colonne(string nom, string longueur) { return {"t", nom, longueur, "int", "", "", "N", "", "N", "N", ""}; }

MesForms::Element Champ(string nom) {
    MesForms::Element e;
    e.Champ = nom;
    return e;
}

// Les cinq blocs a la suite, separes par une ligne de reperes.
string Blocs(MesForms& f, const std::vector<MesForms::Element>& elements, const string& nom, const string& table) {
    const string reperes = "=====\n";
    return f.CreerFormulaireInsertion("") + reperes + f.CreerFormAction("") + reperes + f.CreerAffichageTableau("") +
           reperes + f.CreerFormVariable(elements, nom) + reperes + f.CreerFormEntete(nom + ".form", table);
}

}  // namespace

// Trois colonnes : "if" puis deux "elseif" ; l'argument inutilise n'a pas d'effet.
TEST(ConstructeursNonAppeles, TextesSelonColonnesEtElements) {
    Parametrage p;
    p.ListeFichiersInclude = {"a.php", "inc\\b.php"};
    MesForms f(p);
    f.ListeChamps = {Colonne("id", "10"), Colonne("nom", "40"), Colonne("ville", "0")};
    EXPECT_EQ(MasqueDates(Blocs(f, {Champ("id"), Champ("nom")}, "client", "client")),
              LitOctets(CheminTests("attendu/form/constructeurs.txt")));
    EXPECT_EQ(f.CreerFormulaireInsertion("x") + f.CreerAffichageTableau("x"),
              f.CreerFormulaireInsertion("") + f.CreerAffichageTableau(""));
}

// Sans colonne, la branche de repli suit l'ouverture ; nom et table vides retirent
// leurs lignes ; sans include, le require suit "<?php".
TEST(ConstructeursNonAppeles, ListesEtNomsVides) {
    Parametrage p;
    MesForms f(p);
    const string insertion = f.CreerFormulaireInsertion("");
    EXPECT_NE(insertion.find("($Nom,$Valeur)\t{\n\t\telse\t{\n"), string::npos);
    EXPECT_NE(insertion.find("FormInsertionChampLongueur($Nom,$Valeur)\t{\n\t\treturn "), string::npos);
    EXPECT_EQ(f.CreerFormVariable({}, ""),
              "\t// Variable de la Form\n\t// Action CREATION,MODIFICATION,EFFACE\n\tpublic\t$Ajouter=\"ajouter\";\n"
              "\tpublic\t$Modification=\"modification\";\n\tpublic\t$Efface=\"effacer\";\n\n");
    EXPECT_EQ(MasqueDates(f.CreerFormEntete("f.form", "")),
              "<?php\nRequire_once(\"inc/CVClass__connexion.php\");\n\n// Formulaire decrit par : f.form\n"
              "// Fichier genere par " + p.Banniere + "\n// Date de generation : <DATE> <HEURE>\n\n\n");
}

TEST(VidagesDesEnregistrements, UneLigneParChampEtRienHorsDeLaListe) {
    Parametrage p;
    MesForms f(p);
    f.ListeChamps = {Colonne("a", "1"), {"t", "nom", "40", "varchar", "string", "TEXT", "O", "Le nom", "N", "O", "x"}};
    f.ListeChamps[0].Obligatoire = "oui";
    MesForms::Element e = Champ("ville");
    e.Libelle = "Ville";
    e.Element_ = "P;L;";
    e.ListeValeurs = {{"P", "Paris", "O"}, {"L", "Lyon", "N"}};
    e.TypeHtml = "TEXT";
    e.Visible = "O";
    f.ListeElements = {Champ(""), e};
    f.ListeBoutons = {{"B", "action", "Envoyer"}};
    EXPECT_EQ(f.AfficheListeDeChamps(1),
              "Liste Champ   = >1<\nNomTable      = >t<\nNomChamp      = >nom<\nLongueur      = >40<\n"
              "TypeSgbd      = >varchar<\nTypePhp       = >string<\nTypeHtml      = >TEXT<\nIndex         = >O<\n"
              "AutoIncrement = >N<\nObligatoire   = >O<\nCommentaire   = >Le nom<\n");
    EXPECT_NE(f.AfficheListeDeChamps(0).find("\nObligatoire   = >N<\n"), string::npos);
    EXPECT_EQ(f.AfficheElementBouton(0),
              "----------------------------------\nListe Element BOUTON/LIEN =0\nType ELement              = >B<\n"
              "Nom Element               = >action<\nLibelle                   = >Envoyer<\n");
    EXPECT_EQ(f.AfficheElement(1),
              "---------- Fichier ---\nListe Element numero =1\nChamp      = >ville<\nLibelle    = >Ville<\n"
              "Element    = >P;L;< Nb=2\n\tValeur = >P<\n\tDonnees= >Paris<\n\tDefaut = >O<\n\tValeur = >L<\n"
              "\tDonnees= >Lyon<\n\tDefaut = >N<\nTypeHtml   = >TEXT<\nTypePhp    = ><\nTypeSgbd   = ><\n"
              "Longueur   = ><\nObligatoire= ><\nGrise      = ><\nAutofocus  = ><\nControleJS = ><\n"
              "Visible    = >O<\nIndex      = ><\n");
    EXPECT_NE(f.AfficheElement(0).find("\nElement    = >< Nb=0\nTypeHtml   = ><\n"), string::npos);
    EXPECT_EQ(f.AfficheListeDeChamps(2) + f.AfficheElementBouton(1) + f.AfficheElement(2) + f.AfficheElement(~0u), "");
}
