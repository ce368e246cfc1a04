// Le texte des fichiers de classe, genere depuis des champs donnes, compare
// ligne a ligne aux fichiers attendus (la ligne de date masquee).
#include <gtest/gtest.h>

#include "FrwSgbd.h"
#include "outils_test.h"

using std::string;

namespace {

structTable Champ(string nom, string type, string longueur, string commentaire = "", string defaut = "",
                  string index = "N", string autoIncrement = "N", string obligatoire = "N") {
    return {"t", nom, longueur, type, "", "", index, commentaire, autoIncrement, obligatoire, defaut};
}

string Attendu(const string& nom) { return LitOctets(CheminTests("attendu/sgbd/" + nom)); }

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
        SCOPED_TRACE(c.table);
        Parametrage p;
        p.PrefixeTables = c.prefixe;
        FrwSgbd sgbd(p);
        sgbd.ListeChamps = c.champs;
        const string texte = sgbd.ConstruitClasse(c.table);
        EXPECT_EQ(MasqueDates(texte), Attendu(c.attendu));
        EcritOctets(rep / "classe.php", texte);
        EXPECT_TRUE(PhpValide(rep / "classe.php"));
        for (const structTable& champ : sgbd.ListeChamps) {  // CURRENT_TIMESTAMP devient la date du moment
            if (champ.NomChamp == "cree") { EXPECT_EQ(MasqueDates(champ.ValeurDefaut), "<DATE_US> <HEURE>"); }
        }
    }
}

TEST(ClasseGeneree, PiecesCommunes) {
    Parametrage p;
    FrwSgbd sgbd(p);
    const std::pair<const char*, const char*> types[] = {
        {"int", "N"}, {"decimal", "N"}, {"tinyint", "N"}, {"date", "C"}, {"text", "C"}, {"varchar", "C"},
        {"INT", "E"}, {"mediumint", "E"}, {"double", "E"}, {"timestamp", "E"}, {"", "E"}};
    for (const auto& t : types) EXPECT_EQ(sgbd.DonneTypeChamp(t.first), t.second) << t.first;
    EXPECT_EQ(ChainePhp("a\"b\\c$d\xE9'"), "a\\\"b\\\\c\\$d\xE9'");
}

// Les deux pieces de la classe de formulaire, que le programme n'appelle pas :
// assemblees et fermees, elles doivent donner du PHP valide.
TEST(ClasseFormulaire, VariablesEtEnteteSelonChampsEtIncludes) {
    const std::pair<std::vector<string>, const char*> cas[] = {{{}, "form_vide.php"}, {{"id", "nom"}, "form_client.php"}};
    RepertoireTemporaire rep;
    for (const auto& [champs, attendu] : cas) {
        Parametrage p;
        if (!champs.empty()) p.ListeFichiersInclude = {"inc/a.php", "b.php"};
        FrwSgbd sgbd(p);
        for (const string& champ : champs) sgbd.ListeChamps.push_back(Champ(champ, "int", "10"));
        const string classe = sgbd.CreerFormEntete("client") + sgbd.CreerFormVariable("client") + "}\n";
        EXPECT_EQ(MasqueDates(classe), Attendu(attendu));
        EcritOctets(rep / "form.php", classe);
        EXPECT_TRUE(PhpValide(rep / "form.php"));
    }
}
