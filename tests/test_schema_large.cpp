// Un schema de plus de 50 tables couvrant tous les types de colonnes MariaDB :
// chaque classe generee doit passer php -l ; puis les deux constructeurs de
// classe de formulaire que le programme n'appelle pas.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "FrwSgbd.h"
#include "outils_test.h"

using std::string;

namespace {

// Type, valeur par defaut valide pour lui (nombre, texte avec apostrophe,
// expression, NULL), et s'il peut manquer au serveur.
const struct { const char* type; const char* defaut; bool optionnel; } Types[] = {
    {"tinyint", "-5", false}, {"smallint unsigned", "7", false}, {"mediumint", "(6*7)", false},
    {"int", "42", false}, {"bigint", "-9000000000", false}, {"decimal(10,3)", "1.5", false},
    {"float", "-2.5e3", false}, {"double", "3.14", false}, {"bit(5)", "b'101'", false},
    {"date", "'2024-02-29'", false}, {"datetime", "current_timestamp", false},
    {"timestamp", "current_timestamp() on update current_timestamp()", false}, {"time", "'12:34:56'", false},
    {"year", "2024", false}, {"char(3)", "'l''a'", false}, {"varchar(40)", "'Aujourd''hui \"x\" \\\\ $y'", false},
    {"binary(4)", "'ab'", false}, {"varbinary(10)", "NULL", false}, {"tinytext", "'t'", false},
    {"text", "'O''Neil'", false}, {"mediumtext", "NULL", false}, {"longtext", "''", false},
    {"tinyblob", "NULL", false}, {"blob", "'b'", false}, {"mediumblob", "NULL", false}, {"longblob", "NULL", false},
    {"enum('a','b''c')", "'b''c'", false}, {"set('x','y')", "'x,y'", false}, {"json", "'{}'", false},
    {"uuid", "'00000000-0000-0000-0000-000000000001'", true}, {"inet4", "'127.0.0.1'", true},
    {"inet6", "'::1'", true}, {"geometry", "NULL", true}, {"point", "NULL", true}, {"linestring", "NULL", true},
    {"polygon", "NULL", true}, {"multipoint", "NULL", true}, {"multilinestring", "NULL", true},
    {"multipolygon", "NULL", true}, {"geometrycollection", "NULL", true}};

// Les types que le programme sait decoder (json est un longtext pour MariaDB).
const std::set<string> Connus = {"tinyint", "mediumint", "bigint", "smallint", "int", "decimal", "double", "float",
                                 "varchar", "char", "tinytext", "text", "mediumtext", "longtext", "binary",
                                 "datetime", "time", "date", "timestamp", "json"};

const string Commentaire = " comment 'Prix \"TTC\" \\\\ $x {$y} l''été'";

string Nom(const string& type) { return type.substr(0, type.find_first_of("( ")); }

}  // namespace

TEST(SchemaLarge, ToutesLesClassesPassentPhpEtSontCopiees) {
    SERVEUR_REQUIS();
    const string base = ServeurTest::NouvelleBase();
    // Les colonnes de cle varient d'une table a l'autre : sans cle, cle simple,
    // cle composee, auto-increment qui n'est pas la premiere colonne.
    const string cles[] = {"id int, ", "id int primary key, ", "id int not null, k smallint not null default 0, ",
                           "nom varchar(10) default 'x', "};
    const string fins[] = {"", "", ", primary key (id, k)", ", id bigint auto_increment, primary key (id)"};
    string sql = "create table un_seul (c int);create table auto_seul (id int auto_increment primary key);";
    string tous = "create table tous (id int";
    std::set<string> tables{"un_seul", "auto_seul", "tous"};
    std::set<string> anomalies{"Erreur interne : type inconnu de double de type int\n",
                               "Erreur interne : type inconnu de enum de type \n"};
    for (size_t i = 0; i < std::size(Types); ++i) {
        const string type = Types[i].type, defaut = Types[i].defaut;
        if (Types[i].optionnel && ServeurTest::Sql("create temporary table sonde (c " + type + ");", base) != 0)
            continue;  // absent de ce serveur
        if (!Connus.count(Nom(type))) anomalies.insert("Un type est mal decode. : " + Nom(type) + "\n");
        tous += ", c" + std::to_string(i) + " " + type + " null default " + defaut + Commentaire;
        for (int v = 0; v < 2; ++v) {  // nullable avec defaut, puis NOT NULL sans defaut
            const string table = (i < 10 ? "n0" : "n") + std::to_string(i) + "_" + Nom(type) + "_" + std::to_string(v);
            tables.insert(table);
            sql += "create table " + table + " (" + cles[(i + v) % 4] + "c " + type +
                   (v ? " not null" : " null default " + defaut) + Commentaire + fins[(i + v) % 4] +
                   ") comment 'table l''été';";
        }
    }
    ASSERT_GE(tables.size(), 50u);
    ASSERT_EQ(ServeurTest::Sql(sql + tous + ");", base), 0);
    RepertoireTemporaire rep;
    CreeSite(rep, "REF_GLOBALE=ref.htm\nPREFIXE_TABLE=p_\n" + ServeurTest::LignesMysql(base));
    Execution e = Lance(rep.Chemin(), {"-c", "site.cfg", "-sgbd"});
    EXPECT_EQ(e.code, 0) << e.erreurs;
    EXPECT_EQ(e.erreurs.find("Des erreurs sont detectees"), string::npos) << e.erreurs;
    // Des anomalies seulement : elles remplacent le "Ok." et le rapport des tables.
    for (const string& anomalie : anomalies)
        EXPECT_TRUE(DansLOrdre(e.erreurs, {"Creation classe de base de donnees:Des anomalies sont detectees\n",
                                           anomalie, "\nFin de traitement"}));
    for (const string& table : tables) {
        SCOPED_TRACE(table);
        const string nom = "inc/CVClass_" + table + ".php", source = LitOctets(rep / ("src/" + nom));
        EXPECT_TRUE(Commence(source, "<?php\n"));  // la classe existe
        EXPECT_EQ(source, LitOctets(rep / ("web/" + nom)));
        // Le commentaire arrive en Latin-1, echappe pour une chaine PHP.
        if (table != "un_seul" && table != "auto_seul") {
            EXPECT_NE(source.find("=\"Prix \\\"TTC\\\" \\\\ \\$x {\\$y} l'\xE9t\xE9\";"), string::npos);
        }
        EXPECT_TRUE(PhpValide(rep / ("src/" + nom)));
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
