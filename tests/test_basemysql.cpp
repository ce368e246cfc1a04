#include <gtest/gtest.h>

#include <mysql.h>

#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "BaseMysql.h"
#include "outils_test.h"

namespace {

std::string MalDecode(std::initializer_list<std::string> types) {
    std::string texte = "Des anomalies sont detectees\n";
    for (const std::string& type : types) texte += "Un type est mal decode. : " + type + "\n";
    return texte;
}

// Les champs d'une colonne, de la table a la valeur par defaut.
std::string EnTexte(const structTable& c) {
    return c.NomTable + "|" + c.NomChamp + "|" + c.Longueur + "|" + c.TypeSgbd + "|" + c.TypePhp + "|" + c.TypeHtml +
           "|" + c.Index + "|" + c.Commentaire + "|" + c.AutoIncrement + "|" + c.Obligatoire + "|" + c.ValeurDefaut;
}

// Une connexion du programme a `base`, ouverte par l'utilisateur corvalite.
struct Ouverte {
    Parametrage param;
    BaseMysql bd{param};
    explicit Ouverte(const std::string& base = "") { bd.OuvreBase("127.0.0.1", base, "corvalite", "corvalite"); }
};

}  // namespace

TEST(BaseMysql, DefautsMariaDBSousLaFormeMySQL) {
    const std::pair<std::string, std::string> cas[] = {
        {"NULL", ""},          {"''", ""},           {"'Paris'", "Paris"}, {"'NULL'", "NULL"},
        {"0", "0"},            {"1.50", "1.50"},     {"current_timestamp()", "CURRENT_TIMESTAMP"},
        {"'l''ami'", "l'ami"}, {"'a''''b'", "a''b"}, {"'a\\\\b'", "a\\b"}, {"'\\''", "'"},
        {"'x\\ny'", "x\ny"},   {"'", "'"},           {"", ""}};
    for (const auto& c : cas) EXPECT_EQ(BaseMysql::NormaliseDefautMariaDB(c.first), c.second) << c.first;
}

TEST(BaseMysql, MotsPhpEtHtmlDesTypes) {
    Parametrage param;
    BaseMysql bd(param);
    // Mot PHP attendu ; les inconnus (comparaison entiere, sensible a la casse) donnent "" et un avertissement.
    const std::pair<std::string, std::string> types[] = {
        {"tinyint", "int"}, {"mediumint", "int"}, {"bigint", "int"}, {"smallint", "int"}, {"int", "int"},
        {"long", "int"}, {"decimal", "int"}, {"double", "int"}, {"float", "int"}, {"varchar", "string"},
        {"char", "string"}, {"tinytext", "string"}, {"text", "string"}, {"mediumtext", "string"},
        {"longtext", "string"}, {"binary", "string"}, {"datetime", "string"}, {"time", "string"},
        {"date", "string"}, {"timestamp", "string"}, {"enum", ""}, {"INT", ""}, {"int ", ""}};
    for (const auto& [type, php] : types) {
        EXPECT_EQ(bd.TypeSgbd2Php(type) + "|" + bd.TypeSgbd2Html(type), php + "|" + (php.empty() ? "" : "TEXT")) << type;
    }
    EXPECT_EQ(param.ListeAnomalies, MalDecode({"enum", "enum", "INT", "INT", "int ", "int "}));
}

TEST(BaseMysql, ChampsLusDeuxFoisAuxDeuxRangsDuCommentaire) {
    SERVEUR_REQUIS();
    // Colonne ; Nom|Longueur|TypeSgbd|TypePhp|TypeHtml|Index|Commentaire|AutoIncrement|Obligatoire|ValeurDefaut
    const std::pair<std::string, std::string> colonnes[] = {
        {"id int not null auto_increment comment 'Identifiant'", "id|10|int|int|TEXT|O|Identifiant|O|O|"},
        {"nom varchar(40) not null default '' comment 'l''ami'", "nom|40|varchar|string|TEXT|N|l'ami|N|O|"},
        {"ville varchar(30) default 'Paris' comment 'Création'", "ville|30|varchar|string|TEXT|N|Cr\351ation|N|N|Paris"},
        {"qte int default null", "qte|10|int|int|TEXT|N||N|N|"},
        {"prix double default 0", "prix|0|double|int|TEXT|N||N|N|0"},
        {"stock mediumint not null default 0", "stock|0|mediumint|int|TEXT|N||N|O|0"},
        {"maj timestamp not null default current_timestamp", "maj|0|timestamp|string|TEXT|N||N|O|CURRENT_TIMESTAMP"},
        {"vide char(0)", "vide|0|char|string|TEXT|N||N|N|"},
        {"remise decimal(5,2) default 1.50", "remise|10|decimal|int|TEXT|N||N|N|1.50"},
        {"jour date", "jour|10|date|string|TEXT|N||N|N|"},
        {"cree datetime default current_timestamp", "cree|19|datetime|string|TEXT|N||N|N|CURRENT_TIMESTAMP"},
        {"memo text", "memo|65535|text|string|TEXT|N||N|N|"},
        {"etat enum('a','bc') default 'a'", "etat|2|enum|||N||N|N|a"},
        {"image blob", "image|65535|blob|||N||N|N|"},
        {"gros bigint", "gros|19|bigint|int|TEXT|N||N|N|"},
        {"petit smallint", "petit|5|smallint|int|TEXT|N||N|N|"},
        {"mini tinyint", "mini|3|tinyint|int|TEXT|N||N|N|"}};
    std::string sql = "create table fiche (";
    for (const auto& colonne : colonnes) sql += colonne.first + ", ";
    const std::string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql(sql + "primary key (id)) default charset=utf8mb4;", base), 0);
    Ouverte o(base);
    // La liste n'est pas videe : un lot lu au rang 18, le second, apres la
    // version, au rang 19 ; la cle repart a chaque appel.
    std::vector<structTable> liste(1);
    EXPECT_EQ(o.bd.FaitListeChamps(base, "fiche", liste), "");
    EXPECT_NE(o.bd.ChercheVersion_MYSQL(), "");
    EXPECT_EQ(o.bd.FaitListeChamps(base, "fiche", liste), "");
    ASSERT_EQ(liste.size(), 1 + 2 * std::size(colonnes));
    for (size_t i = 1; i < liste.size(); ++i) {
        EXPECT_EQ(EnTexte(liste[i]), "fiche|" + colonnes[(i - 1) % std::size(colonnes)].second) << "rang " << i;
    }
    EXPECT_EQ(o.param.ListeAnomalies, MalDecode({"enum", "enum", "blob", "blob", "enum", "enum", "blob", "blob"}));
    EXPECT_EQ(o.param.ListeErreurs, "");
}

// Les noms de la base, des tables et des colonnes portent apostrophe et barre
// oblique inverse : chaque requete doit les echapper.
TEST(BaseMysql, TablesParNomPremiereColonneDeCleEtNomsAEchapper) {
    SERVEUR_REQUIS();
    const std::string base = ServeurTest::NouvelleBase() + "'\\";
    ASSERT_EQ(ServeurTest::Sql("drop database if exists `" + base + "`; create database `" + base + "`; use `" +
                               base + "`; create table sans (a int unique, b varchar(3)) comment ' _x';"
                               "create table deux (a int, b int, c int, primary key (a, b)) comment '';"
                               "create table b_souligne (a int) comment '_x';"
                               "create table apres (x int, y int primary key) comment 'a_b';"
                               "create table d_seul (a int) comment '_';"
                               "create table `l'o\\t` (`c'ol` int comment 'x');"), 0);
    Ouverte o(base);
    std::vector<std::string> tables = {"deja"};
    EXPECT_EQ(o.bd.FaitListeTable(base, tables), "");
    EXPECT_EQ(tables, (std::vector<std::string>{"deja", "apres", "deux", "l'o\\t", "sans"}));
    for (const auto& [table, cle] : {std::make_pair("deux", "ONN"), std::make_pair("apres", "NO"),
                                     std::make_pair("sans", "NN")}) {
        std::vector<structTable> liste;
        EXPECT_EQ(o.bd.FaitListeChamps(base, table, liste), "");
        std::string drapeaux;
        for (const structTable& champ : liste) drapeaux += champ.Index;
        EXPECT_EQ(drapeaux, cle) << table;
    }
    std::vector<structTable> champs;
    EXPECT_EQ(o.bd.FaitListeChamps(base, "l'o\\t", champs), "");
    ASSERT_EQ(champs.size(), 1u);
    EXPECT_EQ(champs[0].NomTable + "|" + champs[0].NomChamp + "|" + champs[0].Commentaire, "l'o\\t|c'ol|x");
    EXPECT_EQ(o.param.ListeErreurs, "");
}

// Lue en une requete, chaque table a exactement les colonnes que donne sa lecture seule, dans
// l'ordre ; les tables ecartees par leur commentaire y sont aussi.
TEST(BaseMysql, ColonnesDeToutesLesTablesEnUneRequete) {
    SERVEUR_REQUIS();
    const std::string schemas[] = {
        LitOctets(CheminTests("donnees/sgbd.sql")), LitOctets(CheminTests("donnees/schema.sql")),
        LitOctets(CheminTests("donnees/fiche.sql")), LitOctets(CheminTests("donnees/tous_types.sql")),
        // Deux tables que seule la casse distingue : le serveur range leurs lignes ensemble.
        "create table Aa (x int, y int primary key, z int); create table aa (y int primary key, x text);"};
    for (const std::string& schema : schemas) {
        const std::string base = ServeurTest::NouvelleBase();
        ASSERT_EQ(ServeurTest::Sql(schema, base), 0);
        Ouverte o(base);
        o.bd.ChercheVersion_MYSQL();  // comme le generateur de classes : commentaire au rang 19
        std::map<std::string, std::vector<structTable>> tables;
        ASSERT_EQ(o.bd.FaitListeChampsBase(base, tables), "");
        std::vector<std::string> listees;
        ASSERT_EQ(o.bd.FaitListeTable(base, listees), "");
        for (const std::string& table : listees) EXPECT_EQ(tables.count(table), 1u) << table;
        for (const auto& [table, champs] : tables) {
            std::vector<structTable> seule;
            ASSERT_EQ(o.bd.FaitListeChamps(base, table, seule), "");
            std::string attendu, lu;
            for (const structTable& champ : seule) attendu += EnTexte(champ) + "\n";
            for (const structTable& champ : champs) lu += EnTexte(champ) + "\n";
            EXPECT_FALSE(seule.empty()) << table;
            EXPECT_EQ(lu, attendu) << table;
        }
        EXPECT_EQ(o.param.ListeErreurs, "");
    }
}

// Le serveur coupe la connexion : chaque lecture echoue, ne rend rien, et l'erreur porte
// le numero et le texte que donne la bibliotheque.
TEST(BaseMysql, ConnexionCoupee) {
    SERVEUR_REQUIS();
    Ouverte o;
    ASSERT_EQ(ServeurTest::Sql("kill " + std::to_string(mysql_thread_id(&o.bd.Connexion)) + ";"), 0);
    std::vector<std::string> tables;
    std::vector<structTable> champs;
    EXPECT_NE(o.bd.FaitListeTable("mysql", tables), "");
    const std::string detail = std::to_string(mysql_errno(&o.bd.Connexion)) + " " + mysql_error(&o.bd.Connexion);
    EXPECT_NE(o.bd.FaitListeChamps("mysql", "user", champs), "");
    EXPECT_EQ(o.bd.ChercheVersion_MYSQL(), "");
    EXPECT_TRUE(tables.empty() && champs.empty());
    EXPECT_NE(o.param.ListeErreurs.find("Erreur no:" + detail), std::string::npos) << o.param.ListeErreurs;
    // Deux erreurs, celles des deux lectures : aucune avant la coupure.
    size_t n = 0;
    for (size_t p = 0; (p = o.param.ListeErreurs.find("Erreur no:", p)) != std::string::npos; ++p) ++n;
    EXPECT_EQ(n, 2u) << o.param.ListeErreurs;
}
