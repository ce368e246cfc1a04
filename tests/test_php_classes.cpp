// Les classes que genere sgbd tournent vraiment : le PHP en ligne de commande
// execute tests/php/scenario.php, qui appelle chaque methode de la classe d'une
// table du serveur de test (les fonctions mysql_* refaites sur mysqli par
// tests/php/mysql_compat.php) et relit la table dans la base apres chaque appel ;
// la transcription attendue est tests/attendu/scenario.txt.
#include <gtest/gtest.h>

#include <string>

#include "outils_test.h"

using std::string;

TEST(ClassesPhp, LesMethodesGenereesLisentEtEcriventLaTable) {
    SERVEUR_REQUIS();
    if (Commande("php -r 'exit(function_exists(\"mysqli_connect\") ? 0 : 1);' 2>/dev/null") != 0)
        GTEST_SKIP() << "pas de php avec mysqli";
    const string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql(LitOctets(CheminTests("donnees/fiche.sql")), base), 0);
    RepertoireTemporaire rep;
    CreeSite(rep, ServeurTest::LignesMysql(base));
    Execution e = Lance(rep.Chemin(), {"-c", "site.cfg", "-sgbd"});
    ASSERT_EQ(e.code, 0) << e.erreurs;
    string sortie;
    EXPECT_EQ(Commande(ServeurTest::EnvironnementPort() + " php '" + CheminTests("php/scenario.php") + "' '" +
                           (rep / "web/inc/CVClass_fiche.php") + "' " + base + " 2>&1", &sortie), 0);
    string attendu = LitOctets(CheminTests("attendu/scenario.txt"));
    attendu.replace(attendu.find("<BASE>"), 6, base);
    EXPECT_EQ(sortie, attendu);
}
