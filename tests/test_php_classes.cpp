// Les classes que genere sgbd tournent vraiment : le PHP en ligne de commande
// execute tests/php/scenario.php, qui appelle chaque methode de la classe d'une
// table du serveur de test (les fonctions mysql_* refaites sur mysqli par
// tests/php/mysql_compat.php) et relit la table dans la base apres chaque appel.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "outils_test.h"

using std::string;

namespace {

// Les cles 1 et 5 : celle que pose Insertion() (6) n'est pas le nombre de lignes.
// ville, nullable, a un defaut que la classe n'emploie pas (elle ecrit NULL).
const string Table =
    "create table fiche (id int auto_increment primary key, nom varchar(40) not null,"
    " ville varchar(40) default 'Lyon', qte int, prix decimal(8,2), jour date);"
    "insert into fiche values (1,'Martin','Paris',5,10,'2024-01-05'),(5,'Durand',NULL,2,3.5,'2023-12-31');";

std::vector<string> Lignes(const string& texte) {
    std::vector<string> lignes;
    std::istringstream flux(texte);
    for (string ligne; std::getline(flux, ligne);) lignes.push_back(ligne);
    return lignes;
}

}  // namespace

TEST(ClassesPhp, LesMethodesGenereesLisentEtEcriventLaTable) {
    SERVEUR_REQUIS();
    if (Commande("php -r 'exit(function_exists(\"mysqli_connect\") ? 0 : 1);' 2>/dev/null") != 0)
        GTEST_SKIP() << "pas de php avec mysqli";
    const string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql(Table, base), 0);
    RepertoireTemporaire rep;
    CreeSite(rep, ServeurTest::LignesMysql(base));
    Execution e = Lance(rep.Chemin(), {"-c", "site.cfg", "-sgbd"});
    ASSERT_EQ(e.code, 0) << e.erreurs;
    const string classe = rep / "web/inc/CVClass_fiche.php";
    ASSERT_TRUE(Existe(classe)) << e.erreurs;

    string sortie;
    const string scenario = CheminTests("php/scenario.php");
    EXPECT_EQ(Commande(ServeurTest::EnvironnementPort() + " php '" + scenario + "' '" + classe + "' " + base + " 2>&1",
                       &sortie), 0) << sortie;

    // Les lignes de la table, id|nom|ville|qte|prix|jour, au fil des appels.
    const string martin = "1|Martin|Paris|5|10.00|2024-01-05", petit = " / 6|Petit|Nice|7|NULL|2024-02-29";
    const string durand = martin + " / 5|Durand|NULL|2|3.50|2023-12-31";
    const string brest = martin + " / 5|Durand|Brest|9|0.75|2023-12-31" + petit;
    const string roy = martin + " / 5|Roy|Brest|9|0.75|2023-12-31" + petit;
    const string injecte = "5|x', ville='pirate|Brest|9|0.75|2023-12-31";  // le texte poste, tel quel
    const string poste = martin + " / " + injecte + petit;
    const std::vector<string> attendu = {
        "fiche: erreur=[] id= nom= ville= qte= prix= jour= => " + durand,
        "Insertion: erreur=[] id=6 InsertionOK=1 => " + durand + petit,
        "Parcours: erreur=[] NbReponse=3 => " + durand + petit,
        "Next: 5:Durand:3.50 1:Martin:10.00 6:Petit:",  // trie par nom ; NULL se lit ""
        "Cherche: erreur=[] NbReponse=1 id=1 nom=Martin ville=Paris qte=5 prix=10.00 jour=2024-01-05 => " +
            durand + petit,
        // NULL lu par une recherche : le membre est detruit.
        "Cherche_qte: erreur=[] NbReponse=1 id=6 nom=Petit ville=Nice qte=7 prix=unset jour=2024-02-29 => " +
            durand + petit,
        "Cherche_nom: erreur=[] NbReponse=1 id=5 nom=Durand ville=unset qte=2 prix=3.50 jour=2023-12-31 => " +
            durand + petit,
        "Maj_ALL: erreur=[] ModificationOK=1 => " + brest,
        "Maj_nom: erreur=[] ModificationOK=1 => " + roy,  // qte=100 du membre n'est pas ecrit
        "ExecuteRequete: erreur=[<br><br>ERREUR Mysql : fiche::ExecuteRequete sur la table:fiche<br>Table '" + base +
            ".a&lt;b&gt;&quot;c' doesn't exist<br>] => " + roy,
        "Post nom: erreur=[] ModificationOK=1 => " + poste,
        // Le serveur (mode strict, son defaut) refuse le nombre cote : nu, "id=5 or 1=1"
        // aurait change toutes les lignes.
        "Post id: refuse=oui ModificationOK=-1 => " + poste,
        "Post qte: refuse=oui ModificationOK=-1 => " + poste,
        "EffaceAvecIndex_id: erreur=[] EffacementOK=1 => " + martin + " / " + injecte,
        "EffaceAvec_nom: erreur=[] EffacementOK=1 => " + injecte,
    };
    const std::vector<string> obtenu = Lignes(sortie);
    for (size_t i = 0; i < attendu.size(); ++i)
        EXPECT_EQ(i < obtenu.size() ? obtenu[i] : "<absente>", attendu[i]) << "ligne " << i + 1;
    EXPECT_EQ(obtenu.size(), attendu.size()) << sortie;
}
