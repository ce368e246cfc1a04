// Le texte des fichiers de classe, genere depuis des champs donnes et un
// instant donne, compare octet pour octet aux fichiers attendus.
#include <gtest/gtest.h>

#include "FrwSgbd.h"
#include "outils_test.h"

using std::string;

namespace {

structTable Champ(string nom, string type, string longueur, string commentaire = "", string defaut = "",
                  string index = "N", string autoIncrement = "N", string obligatoire = "N") {
    return {"t", nom, longueur, type, "", "", index, commentaire, autoIncrement, obligatoire, defaut};
}

}  // namespace

TEST(ClasseGeneree, FichiersCompletsSelonLesChamps) {
    const std::vector<structTable> client = {
        Champ("id", "int", "10", "", "", "O", "O", "O"), Champ("nom", "varchar", "40", "Nom du \"client\" \\ $x", "Dupont"),
        Champ("remise", "decimal", "10", "Remise (%)", "1.50"), Champ("qte", "int", "10", "", "5"),
        Champ("calcul", "int", "10", "", "abs(-1)"), Champ("cree", "datetime", "19", "Cr\xE9" "ation", "CURRENT_TIMESTAMP"),
        Champ("grand", "INT", "0", "", "7"), Champ("note", "float", "10", "", "-2.5e3")};
    // Cle ni premiere ni auto-incrementee, pas de cle du tout : ou vont la cle generee et les where.
    const std::vector<structTable> ordre = {Champ("nom", "varchar", "20"), Champ("code", "char", "3", "", "", "O"),
                                            Champ("num", "bigint", "19", "", "", "N", "O"), Champ("texte", "text", "0")};
    const struct { const char* table; const char* prefixe; std::vector<structTable> champs; const char* attendu; } cas[] = {
        {"sans_champ", "", {}, "sans_champ.php"},
        {"un", "", {Champ("seul", "varchar", "12", "Le seul champ")}, "un.php"},
        {"client", "", client, "client.php"},
        {"client", "p_", client, "client_prefixe.php"},
        {"ordre", "", ordre, "ordre.php"},
    };
    RepertoireTemporaire rep;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.attendu);
        Parametrage p;
        p.PrefixeTables = c.prefixe;
        FrwSgbd sgbd(p);
        sgbd.ListeChamps = c.champs;
        const string texte = sgbd.ConstruitClasse(c.table, "<DATE> <HEURE>");
        EXPECT_EQ(texte, LitOctets(CheminTests("attendu/sgbd/" + string(c.attendu))));
        EcritOctets(rep / "classe.php", texte);
        EXPECT_TRUE(PhpValide(rep / "classe.php"));
        EXPECT_EQ(p.ListeAnomalies + p.ListeErreurs, "");  // le texte genere n'enregistre rien
    }
}

TEST(ClasseGeneree, FamillesDeTypes) {
    const std::pair<const char*, const char*> types[] = {
        {"int", "N"}, {"decimal", "N"}, {"tinyint", "N"}, {"date", "C"}, {"text", "C"}, {"varchar", "C"},
        {"INT", "E"}, {"mediumint", "E"}, {"double", "E"}, {"timestamp", "E"}, {"", "E"}};
    for (const auto& t : types) EXPECT_EQ(FrwSgbd::DonneTypeChamp(t.first), t.second) << t.first;
}
