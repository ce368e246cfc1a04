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
    const struct {
        const char* table;
        const char* prefixe;
        std::vector<structTable> champs;
        const char* attendu;
    } cas[] = {
        {"sans_champ", "", {}, "sans_champ.php"},
        {"un", "", {Champ("seul", "varchar", "12", "Le seul champ")}, "un.php"},
        {"client", "", client, "client.php"},
        {"client", "p_", client, "client_prefixe.php"},
        {"ordre", "", ordre, "ordre.php"},
    };
    RepertoireTemporaire rep;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.table);
        {
            Parametrage p;
            p.PrefixeTables = c.prefixe;
            FrwSgbd sgbd(p);
            sgbd.ListeChamps = c.champs;
            string texte = sgbd.ConstruitClasse(c.table);
            EXPECT_EQ(MasqueDates(texte), Attendu(c.attendu));
            EcritOctets(rep / "classe.php", texte);
            EXPECT_TRUE(PhpValide(rep / "classe.php"));
            for (const structTable& champ : sgbd.ListeChamps) {
                if (champ.NomChamp == "cree") {
                    EXPECT_EQ(MasqueDates(champ.ValeurDefaut), "<DATE_US> <HEURE>");
                }
            }
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
    EXPECT_EQ(sgbd.VerifieEndroit("x"), "$this->erreur=$this->verifie_erreur($this->Resultat,\"x\",mysql_error() );");
    EXPECT_EQ(sgbd.VerifieEndroit(""), "$this->erreur=$this->verifie_erreur($this->Resultat,\"\",mysql_error() );");
    EXPECT_EQ(ChainePhp("a\"b\\c$d\xE9'"), "a\\\"b\\\\c\\$d\xE9'");
}

// Les memes classes, lues cette fois sur le serveur : ce que la base decrit
// (types, defauts, commentaires accentues, cles) arrive tel quel dans les fichiers.
TEST(ClasseGeneree, DepuisLeSchemaDuServeur) {
    SERVEUR_REQUIS();
    const string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql(LitOctets(CheminTests("donnees/schema.sql")), base), 0);
    for (const char* prefixe : {"", "p_"}) {
        SCOPED_TRACE(prefixe);
        RepertoireTemporaire rep;
        CreeSite(rep, ServeurTest::LignesMysql(base) + "PREFIXE_TABLE=" + prefixe + "\n");
        Execution e = Lance(rep.Chemin(), {"-c", "site.cfg", "-sgbd"});
        EXPECT_EQ(e.code, 0) << e.erreurs;
        EXPECT_FALSE(Existe(rep / "src/inc/CVClass__reglages.php"));
        const std::vector<string> tables = *prefixe ? std::vector<string>{"client"}
                                                    : std::vector<string>{"client", "ligne", "vide_de_cle"};
        for (const string& table : tables) {
            const string attendu = "serveur_" + table + (*prefixe ? "_prefixe" : "") + ".php";
            string classe = LitOctets(rep / ("src/inc/CVClass_" + table + ".php"));
            EXPECT_EQ(classe, LitOctets(rep / ("web/inc/CVClass_" + table + ".php")));
            EXPECT_EQ(MasqueDates(classe), Attendu(attendu)) << table;
        }
    }
}

TEST(ClasseFormulaire, VariablesEtEnteteSelonChampsEtIncludes) {
    const string avant = "\t// Variable de classe client Champs + Action.\n\t// Variable de la Form\n";
    const string apres =
        "\t// Action CREATION,MODIFICATION,EFFACE\n\tpublic\t$Creation=\"CREATION\";\n"
        "\tpublic\t$Modification=\"MODIFICATION\";\n\tpublic\t$Efface=\"EFFACE\";\n\n\t// Type de formulaire\n"
        "\tpublic\t$TypeText=\"text\";\n\tpublic\t$TypePassword=\"password\";\n\tpublic\t$TypeFile=\"file\";\n"
        "\tpublic\t$TypeImage=\"image\";\n\tpublic\t$TypeHidden=\"hidden\";\n\t// Variable interne.\n"
        "\tpublic\t$NomFormulaire=\"\";\n";
    // Chaque jeu de champs avec chaque liste d'includes ; les lignes que chacun ajoute.
    using Lignes = std::pair<std::vector<string>, string>;
    const Lignes champs[] = {{{}, ""}, {{"id", "nom"}, "\tpublic\t$id;\n\tpublic\t$nom;\n"}};
    const Lignes includes[] = {
        {{}, ""},
        {{"inc/a.php"}, "\tRequire_once(\"inc/a.php\");\n"},
        {{"inc/a.php", "b.php"}, "\tRequire_once(\"inc/a.php\");\n\tRequire_once(\"b.php\");\n"}};
    RepertoireTemporaire rep;
    for (const auto& [noms, membres] : champs)
        for (const auto& [fichiers, requis] : includes) {
            SCOPED_TRACE(membres + requis);
            Parametrage p;
            p.ListeFichiersInclude = fichiers;
            FrwSgbd sgbd(p);
            for (const string& champ : noms)
                sgbd.ListeChamps.push_back({"t", champ, "10", "int", "", "", "N", "", "N", "N", ""});
            const string variables = sgbd.CreerFormVariable("client"), entete = sgbd.CreerFormEntete("client");
            EXPECT_EQ(variables, avant + membres + apres);
            EXPECT_EQ(MasqueDates(entete), "<?php\n" + requis + "// Classe : client\n// Fichier g\xE9n\xE9r\xE9 par " +
                                               p.Banniere + "\n// Date de generation : <DATE> <HEURE>\n\n"
                                               "class client_FORM\t{\n\n");
            // Assemblee et fermee, la classe doit etre du PHP valide.
            EcritOctets(rep / "form.php", entete + variables + "}\n");
            EXPECT_TRUE(PhpValide(rep / "form.php"));
        }
}
