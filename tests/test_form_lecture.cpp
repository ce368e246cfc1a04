// Les enregistrements que la lecture d'une description .form laisse dans
// MesForms, que la console ne montre pas : elements, valeurs offertes, boutons,
// et ce que les colonnes de la table y completent.
#include <gtest/gtest.h>

#include <string>

#include "FrwForm.h"
#include "outils_test.h"

namespace {

// Les champs qu'une ligne de la description ou une colonne peut poser, en une ligne.
std::string Resume(const MesForms::Element& e) {
    std::string texte = e.PresentEnBase + "|" + e.Champ + "@" + std::to_string(e.LigneChamp) + "|" + e.Libelle + "@" +
                        std::to_string(e.LigneLibelle) + "|" + e.InputHtml + "|" + e.TypeHtml + "|" + e.Longueur +
                        "|" + e.Obligatoire + e.Visible + e.Index + e.AutoIncrement + "|" + e.ValeurInitiale + "|" +
                        e.TypeSgbd + "," + e.TypePhp + "|" + e.Element_ + "@" + std::to_string(e.LigneElement) + "|";
    for (const MesForms::FElement& v : e.ListeValeurs) texte += v.Valeur + "=" + v.Donnees + v.Defaut + ";";
    return texte;
}

struct Lecture {
    RepertoireTemporaire rep;
    Parametrage param;
    MesForms form{param};
    std::string resultat;
    std::vector<std::string> elements, boutons;

    // Lit `description` ; `base` vide : pas de serveur (la description ne nomme pas de table).
    Lecture(const std::string& description, const std::string& base = "") {
        param.CheminAppli = CORVALITE_BINAIRE;
        param.CheminAppli.erase(param.CheminAppli.rfind('/'));
        param.ServeurMysql = "127.0.0.1";
        param.UtilisateurMysql = param.MotDePasseMysql = "corvalite";
        param.DatabaseMysql = base;
        EcritOctets(rep / "p.form", description);
        resultat = form.ChargeFichierConfigFormulaire(rep / "p.form");
        for (const MesForms::Element& e : form.ListeElements) elements.push_back(Resume(e));
        for (const MesForms::ElementBouton& b : form.ListeBoutons) boutons.push_back(b.Type + ":" + b.Libelle + "," + b.Nom);
    }
};

using Liste = std::vector<std::string>;

}  // namespace

TEST(FormLecture, EnregistrementsDuLecteur) {
    struct Cas {
        const char* description;
        Liste elements, boutons;
    };
    const Cas cas[] = {
        // Valeurs offertes : etoile de preselection, virgules suivantes gardees, valeur sans separateur.
        {"CHAMP=c\nELEMENTS=*1,Oui\nELEMENTS=2,Non,peut-etre\nELEMENTS=3\nFINCHP\n",
         {"|c@1|@0|input||0|NON||,|*1,Oui;2,Non,peut-etre;3;@4|1=OuiO;2=Non,peut-etreN;"}, {}},
        // Une fin d'element remet tout a zero, valeur initiale comprise ; ce qui suit la derniere est perdu.
        {"CHAMP=a\nVALINI=v\nLIBELLE=\nLONGUEUR=\nOBLIGATOIRE=O\nVISIBLE=N\nINPUTHTML=select\nTYPE=hidden\nFINCHP\n"
         "CHAMP=b\nFINCHP\nCHAMP=perdu\n",
         {"|a@1|@3|select|hidden||ONN|v|,|@0|", "N|b@10|@0|input||0|NON||,|@0|"}, {}},
        // Fin d'element et attribut sur une ligne : l'attribut va a l'element suivant, sa valeur
        // coupee a la longueur de son mot cle depuis le debut de la ligne.
        {"CHAMP=a\nCHAMP=xFINCHP\nLIBELLE=lFINCHP\nFINCHPCHAMP=c\nFINCHP\n",
         {"|a@1|@0|input||0|NON||,|@0|", "N|xFINCHP@2|@0|input||0|NON||,|@0|", "N|@0|lFINCHP@3|input||0|NON||,|@0|",
          "N|CHAMP=c@4|@0|input||0|NON||,|@0|"},
         {}},
        // Libelle entre le mot cle et la premiere virgule de la ligne ; vide quand elle le precede.
        {"BOUTON=Enregistrer,Ajouter\nBOUTON=,Ajouter\nLIEN=Liste,voir,tout\nx,LIEN=y\n",
         {},
         {"B:Enregistrer,Ajouter", "B:,Ajouter", "L:Liste,voir,tout", "L:,LIEN=y"}},
    };
    for (const Cas& c : cas) {
        Lecture l(c.description);
        EXPECT_EQ(l.elements, c.elements) << c.description;
        EXPECT_EQ(l.boutons, c.boutons) << c.description;
        EXPECT_EQ(l.resultat, "");
    }
}

TEST(FormLecture, ExempleDeDescription) {
    SERVEUR_REQUIS();
    const std::string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql("create table clients (civilite char(3));", base), 0);
    Lecture l("# form of the clients\nTABLE=clients\nCHAMP=civilite\nINPUTHTML=radio\nELEMENTS=*M,Monsieur\n"
              "ELEMENTS=Mme,Madame\n\nFINCHP\nBOUTON=Enregistrer,Ajouter\nCHAMP=nom\n",
              base);
    EXPECT_EQ(l.resultat, "Table : clients\n");
    EXPECT_EQ(l.form.NomTable + "@" + std::to_string(l.form.LigneTable), "clients@2");
    EXPECT_EQ(l.elements, Liste({"O|civilite@3|civilite@0|radio|TEXT|0|NONN||char,string|*M,Monsieur;Mme,Madame;@6|"
                                 "M=MonsieurO;Mme=MadameN;"}));
    EXPECT_EQ(l.boutons, Liste({"B:Enregistrer,Ajouter"}));
    EXPECT_EQ(l.form.NomFichierSortie, l.rep / "p.php");
    EXPECT_EQ(l.param.NbErreurs + l.param.NbAnomalies, 0) << l.param.ListeAnomalies << l.param.ListeErreurs;
}

// Les commentaires des colonnes arrivent en UTF-8, comme la page qui les montre.
TEST(FormLecture, ElementsCompletesParLesColonnes) {
    SERVEUR_REQUIS();
    const std::string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql("create table clients (id int auto_increment primary key comment 'Clé', "
                               "civilite char(3) not null, nom varchar(40) comment 'Nom', ville varchar(30)) "
                               "default charset=utf8mb4;",
                               base),
              0);
    Lecture decrits("TABLE=clients\nCHAMP=id\nFINCHP\nCHAMP=civilite\nOBLIGATOIRE=N\nLONGUEUR=\nFINCHP\n"
                    "CHAMP=nom\nLIBELLE=Mon nom\nTYPE=hidden\nFINCHP\nCHAMP=ville\nFINCHP\nCHAMP=hors\nFINCHP\n",
                    base);
    EXPECT_EQ(decrits.elements, Liste({"O|id@2|Cl\xC3\xA9@0|input|TEXT|0|OONO||int,int|@0|",
                                       "O|civilite@4|civilite@0|input|TEXT|3|OONN||char,string|@0|",
                                       "O|nom@8|Mon nom@9|input|hidden|0|NONN||varchar,string|@0|",
                                       "O|ville@12|ville@0|input|TEXT|0|NONN||varchar,string|@0|",
                                       "N|hors@14|@0|input||0|NON||,|@0|"}));
    EXPECT_EQ(decrits.param.NbErreurs, 0) << decrits.param.ListeErreurs;
    // Sans element decrit : un element vide par colonne, cle comprise, sans les valeurs de depart du lecteur.
    Lecture colonnes("TABLE=clients\n", base);
    EXPECT_EQ(colonnes.elements, Liste({"|id@0|Cl\xC3\xA9@0||TEXT|10|OO||int,int|@0|",
                                        "|civilite@0|@0||TEXT|3|NN||char,string|@0|",
                                        "|nom@0|Nom@0||TEXT|40|NN||varchar,string|@0|",
                                        "|ville@0|@0||TEXT|30|NN||varchar,string|@0|"}));
    EXPECT_EQ(colonnes.param.NbErreurs, 0) << colonnes.param.ListeErreurs;
}
