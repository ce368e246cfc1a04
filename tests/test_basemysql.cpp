#include <gtest/gtest.h>

#include <mysql.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BaseMysql.h"
#include "outils_test.h"

namespace {

// La bibliotheque cliente lit MYSQL_TCP_PORT une seule fois par processus, a
// son premier appel : chaque test du serveur le place avant tout appel.
#define SERVEUR_REQUIS()                                  \
    if (!ServeurTest::Disponible()) {                     \
        GTEST_SKIP() << "pas de serveur MariaDB de test"; \
    }                                                     \
    setenv("MYSQL_TCP_PORT", ServeurTest::Port().c_str(), 1)

const std::string EnteteErreurs = "Des erreurs sont detectees\n";
const std::string ErreurConnexion = "Une erreur s'est produite lors de la connexion a MySql.\nErreur no:";

std::string MalDecode(std::initializer_list<std::string> types) {
    std::string texte = "Des anomalies sont detectees\n";
    for (const std::string& type : types) texte += "Un type est mal decode. : " + type + "\n";
    return texte;
}

// Ce que la bibliotheque rend hors du programme : la premiere valeur de la
// requete, et le numero d'erreur de la connexion.
std::string Directe(unsigned port, const std::string& requete, unsigned* erreur = nullptr) {
    MYSQL m;
    mysql_init(&m);
    std::string valeur;
    if (mysql_real_connect(&m, "127.0.0.1", "corvalite", "corvalite", nullptr, port, nullptr, 0) &&
        mysql_query(&m, requete.c_str()) == 0) {
        if (MYSQL_RES* r = mysql_store_result(&m)) {
            if (MYSQL_ROW ligne = mysql_fetch_row(r)) valeur = ligne[0] ? ligne[0] : "";
            mysql_free_result(r);
        }
    }
    if (erreur) *erreur = mysql_errno(&m);
    mysql_close(&m);
    return valeur;
}

// Se joue dans le processus neuf d'un test de mort : le resultat passe par le
// code de sortie, le detail des echecs par la sortie d'erreur.
[[noreturn]] void ServeurAbsentDansCeProcessus() {
    setenv("MYSQL_TCP_PORT", "1", 1);
    {
        unsigned numero = 0;
        Directe(1, "select 1", &numero);
        Parametrage param;
        BaseMysql bd(param);
        bd.OuvreBase("127.0.0.1", "", "corvalite", "corvalite");
        EXPECT_EQ(param.ListeErreurs, EnteteErreurs + ErreurConnexion + std::to_string(numero) + "\n");
        EXPECT_EQ(bd.ChercheVersion_MYSQL(), "");
        EXPECT_EQ(bd.ColonneCommentaire, 19);
        std::vector<std::string> tables;
        std::vector<structTable> champs;
        EXPECT_NE(bd.FaitListeTable("mysql", tables), "");
        EXPECT_NE(bd.FaitListeChamps("mysql", "user", champs), "");
        EXPECT_TRUE(tables.empty() && champs.empty());
        EXPECT_EQ(param.NbErreurs, 3);
    }
    const testing::TestResult* resultat = testing::UnitTest::GetInstance()->current_test_info()->result();
    for (int i = 0; i < resultat->total_part_count(); ++i)
        std::fprintf(stderr, "%s\n", resultat->GetTestPartResult(i).message());
    std::exit(resultat->Failed() ? 1 : 0);
}

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
    const std::pair<std::string, std::vector<std::string>> familles[] = {
        {"int", {"tinyint", "mediumint", "bigint", "smallint", "int", "long", "decimal", "double", "float"}},
        {"string", {"varchar", "char", "tinytext", "text", "mediumtext", "longtext", "binary", "datetime", "time",
                    "date", "timestamp"}}};
    for (const auto& famille : familles)
        for (const std::string& type : famille.second) {
            EXPECT_EQ(bd.TypeSgbd2Php(type), famille.first) << type;
            EXPECT_EQ(bd.TypeSgbd2Html(type), "TEXT") << type;
        }
    EXPECT_EQ(param.NbAnomalies, 0);
    // Comparaison entiere et sensible a la casse ; le mot PHP puis le mot HTML.
    for (std::string type : {"enum", "blob", "INT", "int ", ""}) {
        EXPECT_EQ(bd.TypeSgbd2Php(type), "") << type;
        EXPECT_EQ(bd.TypeSgbd2Html(type), "") << type;
    }
    EXPECT_EQ(param.ListeAnomalies, MalDecode({"enum", "enum", "blob", "blob", "INT", "INT", "int ", "int ", "", ""}));
    EXPECT_EQ(param.NbErreurs, 0);
}

TEST(BaseMysql, ChampsLusDeuxFoisAuxDeuxRangsDuCommentaire) {
    SERVEUR_REQUIS();
    const std::string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql("create table fiche (id int not null auto_increment comment 'Identifiant',"
                               " nom varchar(40) not null default '' comment 'l''ami',"
                               " ville varchar(30) default 'Paris' comment 'Création', qte int default null,"
                               " prix double default 0, stock mediumint not null default 0,"
                               " maj timestamp not null default current_timestamp, vide char(0),"
                               " remise decimal(5,2) default 1.50, jour date, cree datetime default current_timestamp,"
                               " memo text, etat enum('a','bc') default 'a', image blob, gros bigint,"
                               " petit smallint, mini tinyint, primary key (id)) default charset=utf8mb4;", base), 0);
    // Nom, Longueur, TypeSgbd, TypePhp, TypeHtml, Index, Commentaire, AutoIncrement, Obligatoire, ValeurDefaut
    const std::vector<std::vector<std::string>> attendu = {
        {"id", "10", "int", "int", "TEXT", "O", "Identifiant", "O", "O", ""},
        {"nom", "40", "varchar", "string", "TEXT", "N", "l'ami", "N", "O", ""},
        {"ville", "30", "varchar", "string", "TEXT", "N", "Cr\xE9" "ation", "N", "N", "Paris"},
        {"qte", "10", "int", "int", "TEXT", "N", "", "N", "N", ""},
        {"prix", "0", "double", "int", "TEXT", "N", "", "N", "N", "0"},
        {"stock", "0", "mediumint", "int", "TEXT", "N", "", "N", "O", "0"},
        {"maj", "0", "timestamp", "string", "TEXT", "N", "", "N", "O", "CURRENT_TIMESTAMP"},
        {"vide", "0", "char", "string", "TEXT", "N", "", "N", "N", ""},
        {"remise", "10", "decimal", "int", "TEXT", "N", "", "N", "N", "1.50"},
        {"jour", "10", "date", "string", "TEXT", "N", "", "N", "N", ""},
        {"cree", "19", "datetime", "string", "TEXT", "N", "", "N", "N", "CURRENT_TIMESTAMP"},
        {"memo", "65535", "text", "string", "TEXT", "N", "", "N", "N", ""},
        {"etat", "2", "enum", "", "", "N", "", "N", "N", "a"},
        {"image", "65535", "blob", "", "", "N", "", "N", "N", ""},
        {"gros", "19", "bigint", "int", "TEXT", "N", "", "N", "N", ""},
        {"petit", "5", "smallint", "int", "TEXT", "N", "", "N", "N", ""},
        {"mini", "3", "tinyint", "int", "TEXT", "N", "", "N", "N", ""}};
    Parametrage param;
    BaseMysql bd(param);
    bd.OuvreBase("127.0.0.1", base, "corvalite", "corvalite");
    EXPECT_EQ(bd.ColonneCommentaire, 18);
    // La liste n'est pas videe : un lot lu au rang 18, le second, apres la
    // version, au rang 19 ; la cle repart a chaque appel.
    std::vector<structTable> liste(1);
    EXPECT_EQ(bd.FaitListeChamps(base, "fiche", liste), "");
    EXPECT_NE(bd.ChercheVersion_MYSQL(), "");
    EXPECT_EQ(bd.ColonneCommentaire, 19);
    EXPECT_EQ(bd.FaitListeChamps(base, "fiche", liste), "");
    ASSERT_EQ(liste.size(), 1 + 2 * attendu.size());
    for (size_t i = 1; i < liste.size(); ++i) {
        const structTable& c = liste[i];
        EXPECT_EQ((std::vector<std::string>{c.NomChamp, c.Longueur, c.TypeSgbd, c.TypePhp, c.TypeHtml, c.Index,
                                            c.Commentaire, c.AutoIncrement, c.Obligatoire, c.ValeurDefaut}),
                  attendu[(i - 1) % attendu.size()]) << "rang " << i;
        EXPECT_EQ(c.NomTable, "fiche");
    }
    EXPECT_EQ(param.ListeAnomalies, MalDecode({"enum", "enum", "blob", "blob", "enum", "enum", "blob", "blob"}));
    EXPECT_EQ(param.ListeErreurs, "");
}

TEST(BaseMysql, PremiereColonneDeCleEtTablesParNom) {
    SERVEUR_REQUIS();
    const std::string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql("create table sans (a int unique, b varchar(3)) comment ' _x';"
                               "create table deux (a int, b int, c int, primary key (a, b)) comment '';"
                               "create table b_souligne (a int) comment '_x';"
                               "create table apres (x int, y int primary key) comment 'a_b';"
                               "create table d_seul (a int) comment '_';", base), 0);
    Parametrage param;
    BaseMysql bd(param);
    bd.OuvreBase("127.0.0.1", base, "corvalite", "corvalite");
    std::vector<std::string> tables = {"deja"};
    EXPECT_EQ(bd.FaitListeTable(base, tables), "");
    EXPECT_EQ(tables, (std::vector<std::string>{"deja", "apres", "deux", "sans"}));
    for (const auto& c : {std::make_pair("deux", "ONN"), std::make_pair("apres", "NO"), std::make_pair("sans", "NN")}) {
        std::vector<structTable> liste;
        EXPECT_EQ(bd.FaitListeChamps(base, c.first, liste), "");
        std::string drapeaux;
        for (const structTable& champ : liste) drapeaux += champ.Index;
        EXPECT_EQ(drapeaux, c.second) << c.first;
    }
    EXPECT_EQ(param.NbErreurs, 0);
}

TEST(BaseMysql, VersionEtMauvaisMotDePasse) {
    SERVEUR_REQUIS();
    const std::string version = Directe(static_cast<unsigned>(std::stoul(ServeurTest::Port())), "select version()");
    const size_t tiret = version.find('-');
    ASSERT_NE(tiret, std::string::npos) << version;
    Parametrage param;
    BaseMysql bon(param);
    bon.OuvreBase("127.0.0.1", "", "corvalite", "corvalite");
    EXPECT_EQ(bon.ChercheVersion_MYSQL(), "Distribution Mysql : " + version.substr(tiret + 1) + "\n" +
                                              "Version Mysql : " + version.substr(0, tiret) + "\n");
    EXPECT_EQ(param.NbErreurs, 0);
    BaseMysql refuse(param);
    refuse.OuvreBase("127.0.0.1", "", "corvalite", "faux");
    EXPECT_EQ(param.ListeErreurs, EnteteErreurs + ErreurConnexion + "1045\n");
}

TEST(BaseMysql, ServeurAbsent) {
    SERVEUR_REQUIS();
    // Le port mort ne peut etre pris qu'au premier appel de la bibliotheque :
    // ce cas se joue dans un processus neuf, relance par gtest.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ServeurAbsentDansCeProcessus(), testing::ExitedWithCode(0), "");
}

TEST(BaseMysql, ConnexionCoupeeParLeServeur) {
    SERVEUR_REQUIS();
    Parametrage param;
    BaseMysql bd(param);
    bd.OuvreBase("127.0.0.1", "", "corvalite", "corvalite");
    ASSERT_EQ(ServeurTest::Sql("kill " + std::to_string(mysql_thread_id(&bd.Connexion)) + ";"), 0);
    std::vector<std::string> tables;
    std::vector<structTable> champs;
    EXPECT_NE(bd.FaitListeTable("mysql", tables), "");
    // L'erreur porte le numero et le texte que donne la bibliotheque.
    const std::string detail = std::to_string(mysql_errno(&bd.Connexion)) + " " + mysql_error(&bd.Connexion);
    EXPECT_NE(param.ListeErreurs.find("Erreur no:" + detail), std::string::npos) << param.ListeErreurs;
    EXPECT_NE(bd.FaitListeChamps("mysql", "user", champs), "");
    EXPECT_EQ(bd.ChercheVersion_MYSQL(), "");
    EXPECT_TRUE(tables.empty() && champs.empty());
    EXPECT_EQ(param.NbErreurs, 2);
}

TEST(BaseMysql, NomsAvecApostropheEtBarreOblique) {
    SERVEUR_REQUIS();
    const std::string base = ServeurTest::NouvelleBase() + "'\\";
    ASSERT_EQ(ServeurTest::Sql("drop database if exists `" + base + "`; create database `" + base + "`; use `" +
                               base + "`; create table `l'o\\t` (`c'ol` int comment 'x');"), 0);
    Parametrage param;
    BaseMysql bd(param);
    bd.OuvreBase("127.0.0.1", base, "corvalite", "corvalite");
    std::vector<std::string> tables;
    EXPECT_EQ(bd.FaitListeTable(base, tables), "");
    EXPECT_EQ(tables, std::vector<std::string>{"l'o\\t"});
    std::vector<structTable> champs;
    EXPECT_EQ(bd.FaitListeChamps(base, "l'o\\t", champs), "");
    ASSERT_EQ(champs.size(), 1u);
    EXPECT_EQ(champs[0].NomTable + "|" + champs[0].NomChamp + "|" + champs[0].Commentaire, "l'o\\t|c'ol|x");
    EXPECT_EQ(param.ListeErreurs, "");
}
