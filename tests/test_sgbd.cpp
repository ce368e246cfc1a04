// Lecture du schema sur le serveur de test, et texte des fichiers de classe genere
// depuis des colonnes donnees, compare octet pour octet aux fichiers attendus.
#include <gtest/gtest.h>

#include <functional>

#include "BaseMysql.h"
#include "FrwSgbd.h"
#include "outils_test.h"

using std::string;

namespace {

// Les colonnes, une par ligne, de leur table a leur valeur par defaut.
string EnTexte(const std::vector<structTable>& colonnes) {
    string texte;
    for (const structTable& c : colonnes)
        texte += c.NomTable + ":" + c.NomChamp + "|" + c.Longueur + "|" + c.TypeSgbd + "|" + c.TypePhp + "|" + c.TypeHtml +
                 "|" + c.Index + "|" + c.Commentaire + "|" + c.AutoIncrement + "|" + c.Obligatoire + "|" + c.ValeurDefaut + "\n";
    return texte;
}

}  // namespace

// Les formes courantes (NULL, nombre, texte, current_timestamp()) arrivent par la lecture du serveur.
TEST(BaseMysql, DefautsMariaDBSousLaFormeMySQL) {
    const std::pair<string, string> cas[] = {{"'NULL'", "NULL"}, {"'l''ami'", "l'ami"}, {"'a\\\\b'", "a\\b"},
                                             {"'x\\ny'", "x\ny"}, {"'", "'"}};
    for (const auto& c : cas) EXPECT_EQ(BaseMysql::NormaliseDefautMariaDB(c.first), c.second) << c.first;
}

// Une base dont le nom, comme ceux d'une table et d'une colonne, porte apostrophe et barre
// oblique inverse. Les colonnes d'une table lues seules (pour form) et celles de toute la base
// en une requete (pour sgbd, que montrent les classes attendues) sont les memes, tables ecartees
// par leur commentaire comprises, "Aa" et "aa" tenues a part ; une cle a deux colonnes, un unique,
// et apres "/" la colonne qui, seule, est la cle primaire (celle qui repere la ligne a mettre a jour).
TEST(BaseMysql, SchemaLuDuServeur) {
    SERVEUR_REQUIS();
    const string base = ServeurTest::NouvelleBase() + "'\\";
    ASSERT_EQ(ServeurTest::Sql("drop database if exists `" + base + "`; create database `" + base + "`; use `" + base +
                               "`; create table fiche (id int not null auto_increment comment 'Identifiant', "
                               "ville varchar(30) default 'Paris' comment 'Création', gros bigint, grand longtext, "
                               "maj timestamp not null default current_timestamp, etat enum('a','bc') default 'a', "
                               "primary key (id)) default charset=utf8mb4;"
                               "create table deux (a int, b int, c int unique, primary key (a, b)) comment '';"
                               "create table apres (x int, y int primary key) comment 'a_b';"
                               "create table `l'o\\t` (`c'ol` int comment 'x') comment ' _x';"
                               "create table Aa (x int, y int primary key, z int) comment '_';"
                               "create table aa (y int primary key, x text) comment '_x';"), 0);
    Parametrage param;
    BaseMysql bd(param);
    bd.OuvreBase("127.0.0.1", base, "corvalite", "corvalite");
    std::vector<string> tables;
    EXPECT_EQ(bd.FaitListeTable(base, tables), "");
    EXPECT_EQ(tables, (std::vector<string>{"apres", "deux", "fiche", "l'o\\t"}));
    std::map<string, std::vector<structTable>> colonnes;
    ASSERT_EQ(bd.FaitListeChampsBase(base, colonnes), "");
    string cles;
    for (const auto& [table, champs] : colonnes) {
        std::vector<structTable> seule;
        EXPECT_EQ(bd.FaitListeChamps(base, table, seule), "");
        EXPECT_EQ(EnTexte(champs), EnTexte(seule)) << table;
        cles += table + ":";
        for (const structTable& champ : champs) cles += champ.Index;
        cles += "/" + std::to_string(BaseMysql::CleDUneColonne(champs)) + " ";
    }
    EXPECT_EQ(cles, "Aa:NON/1 aa:ON/0 apres:NO/1 deux:ONN/-1 fiche:ONNNNN/0 l'o\\t:N/-1 ");
    EXPECT_EQ(EnTexte(colonnes["fiche"]),
              "fiche:id|10|int|int|TEXT|O|Identifiant|O|O|\nfiche:ville|30|varchar|string|TEXT|N|Cr\351ation|N|N|Paris\n"
              "fiche:gros|19|bigint|int|TEXT|N||N|N|\nfiche:grand|4294967295|longtext|string|TEXT|N||N|N|\n"
              "fiche:maj|0|timestamp|string|TEXT|N||N|O|CURRENT_TIMESTAMP\nfiche:etat|2|enum|||N||N|N|a\n");
    EXPECT_EQ(EnTexte(colonnes["l'o\\t"]), "l'o\\t:c'ol|10|int|int|TEXT|N|x|N|N|\n");
    EXPECT_EQ(param.ListeErreurs, "");
    // Deux lectures dans la meme liste : les colonnes deux fois, chaque lot avec sa cle ; chaque
    // appel n'avertit que de ses colonnes (enum, mal decode par les deux mots de son type).
    param.initErreur();
    std::vector<structTable> deuxFois;
    for (int i = 0; i < 2; ++i) EXPECT_EQ(bd.FaitListeChamps(base, "fiche", deuxFois), "");
    EXPECT_EQ(EnTexte(deuxFois), EnTexte(colonnes["fiche"]) + EnTexte(colonnes["fiche"]));
    string attendu = "Des anomalies sont detectees\n";
    for (int i = 0; i < 4; ++i) attendu += "Un type est mal decode. : enum\n";
    EXPECT_EQ(param.ListeAnomalies, attendu);
}

// La classe de colonnes donnees en memoire : entiere pour la table la plus riche (celle de
// client dans tests/donnees/schema.sql, que la lecture du serveur doit redonner a l'octet) et
// pour une table d'une colonne ; chaque variante par ce qui la separe de l'une d'elles.
TEST(ClasseGeneree, FichiersCompletsEtVariantes) {
    const std::vector<structTable> client = {
        Colonne("id", "int", "10", "Identifiant", "", "O", "O", "O", "PRI"),
        Colonne("nom", "varchar", "40", "Nom du \"client\" \\ $x", "", "N", "N", "O"),
        Colonne("ville", "varchar", "30", "", "Paris"), Colonne("remise", "decimal", "10", "Remise (%)", "1.50"),
        Colonne("qte", "int", "10", "", "5"), Colonne("note", "int", "10"), Colonne("naissance", "date", "10"),
        Colonne("cree", "datetime", "19", "Cr\xE9" "ation", "CURRENT_TIMESTAMP"), Colonne("memo", "text", "65535"),
        Colonne("calcul", "int", "10", "", "abs(-1)"), Colonne("mesure", "float", "10", "", "-2500")};
    const std::vector<structTable> un = {Colonne("seul", "varchar", "12", "Le seul champ")};
    auto avec = [](std::vector<structTable> champs, std::function<void(std::vector<structTable>&)> change) {
        change(champs);
        return champs;
    };
    // `anomalies` : ce que la classe enregistre, les avertissements d'une colonne de type inconnu.
    const struct {
        const char* nom; const char* prefixe; std::vector<structTable> champs; const char* entier;
        const char* anomalies = "";
    } cas[] = {
        {"client", "", client, "client.php"},
        {"un", "", un, "un.php"},
        {"prefixe dans le SQL", "p_", client, "client.php"},
        // La cle primaire en deuxieme colonne : elle repere la ligne ; la premiere, indexee sans etre
        // unique, reste l'auto-incrementee.
        {"cle en deuxieme colonne", "", avec(client, [](auto& c) {
             c[0].Index = "N", c[0].CleServeur = "MUL";
             c[1].Index = "O", c[1].CleServeur = "PRI";
         }), "client.php"},
        {"sans auto-increment", "", avec(client, [](auto& c) { c[0].AutoIncrement = "N"; }), "client.php"},
        // Un defaut numerique n'est ecrit tel quel que s'il est un nombre PHP.
        {"defauts en notation exponentielle", "", avec(client, [](auto& c) {
             c[4].ValeurDefaut = "5e", c[10].ValeurDefaut = "-2.5e3";
         }), "client.php"},
        // Le defaut d'une colonne zerofill, tel que le catalogue le donne, est le nombre qu'il ecrit.
        {"defauts zerofill", "", avec(client, [](auto& c) {
             c[3].ValeurDefaut = "0001.50", c[4].ValeurDefaut = "0000000017", c[5].ValeurDefaut = "00008";
         }), "client.php"},
        // Une cle de deux colonnes ne repere pas une ligne : la premiere colonne le fait, comme avant.
        {"cle de deux colonnes", "", avec(client, [](auto& c) { c[1].CleServeur = "PRI"; }), "client.php"},
        {"sans cle", "", avec(client, [](auto& c) { c[0].Index = "N", c[0].CleServeur = ""; }), "client.php"},
        {"sans colonne", "", {}, "un.php"},
        // Un bit entre dans le SQL comme un nombre, tel un int : rien ne separe leurs textes.
        {"bit", "", avec(client, [](auto& c) { c[5].TypeSgbd = "bit"; }), "client.php",
         "Des anomalies sont detectees\nErreur interne : type inconnu de bit de type \n"},
        // Lu en UTF-8, un commentaire qui sort du Latin-1 s'ecrit en sequences \u{...}.
        {"commentaire hors du Latin-1", "", avec(client, [](auto& c) { c[1].Commentaire = "Prix \xE2\x82\xAC \xC5\x93uvre \xE6\x97\xA5\xE6\x9C\xAC"; }), "client.php"},
        // Un nom que MariaDB se reserve va entre accents graves dans le SQL, tri et IN compris.
        {"colonne au nom reserve", "", avec(un, [](auto& c) { c[0].NomChamp = "order"; }), "un.php"},
    };
    RepertoireTemporaire rep;
    string variantes;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Parametrage p;
        p.PrefixeTables = c.prefixe;
        FrwSgbd sgbd(p);
        sgbd.ListeChamps = c.champs;
        const string table = c.champs.empty() ? "sans_champ" : string(c.entier).substr(0, string(c.entier).find('.'));
        const string texte = sgbd.ConstruitClasse(table, "<FR> <HEURE>");
        EcritOctets(rep / "classe.php", texte);
        EXPECT_TRUE(PhpValide(rep / "classe.php"));
        EXPECT_EQ(p.ListeAnomalies + p.ListeErreurs, c.anomalies);
        const string entier = LitOctets(CheminTests("attendu/sgbd/" + string(c.entier)));
        if (table == c.nom) EXPECT_EQ(texte, entier);
        else variantes += "== " + string(c.nom) + "\n" + Ecart(c.entier, entier, "variante", texte);
    }
    EXPECT_EQ(variantes, LitOctets(CheminTests("attendu/sgbd/variantes.diff")));
}

// Les declarations et la tete d'une classe de formulaire, que rien n'ecrit : avec des champs et
// des fichiers a inclure, puis sans l'un ni l'autre (ni ligne de champ, ni ligne d'inclusion).
TEST(ClasseGeneree, ConstructeursDeFormulaireNonAppeles) {
    string texte;
    for (const bool vide : {false, true}) {
        Parametrage p;
        if (!vide) p.ListeFichiersInclude = {"a.php", "inc\\b.php"};
        FrwSgbd sgbd(p);
        if (!vide) sgbd.ListeChamps = {Colonne("id", "int", "10"), Colonne("nom", "varchar", "40")};
        texte += sgbd.CreerFormVariable("client") + "=====\n" + sgbd.CreerFormEntete("client", "<FR> <HEURE>") + "=====\n";
    }
    EXPECT_EQ(texte, LitOctets(CheminTests("attendu/sgbd/constructeurs.txt")));
    // Appelee avec le seul nom, la tete imprime la date et l'heure de l'appel.
    Parametrage p;
    const FrwSgbd sgbd(p);
    const string avant = Utiles::DateHeure(""), seul = sgbd.CreerFormEntete("client"), apres = Utiles::DateHeure("");
    EXPECT_TRUE(seul == sgbd.CreerFormEntete("client", avant) || seul == sgbd.CreerFormEntete("client", apres)) << seul;
}

// Chaque ligne que les generateurs emettent finit par FrwSgbd::FinDeLigne : avec "\r\n", la classe
// et les deux textes de formulaire sont ceux de "\n", chaque fin de ligne remplacee.
TEST(ClasseGeneree, FinDeLigneDeFrwSgbd) {
    Parametrage p;
    FrwSgbd sgbd(p);
    sgbd.ListeChamps = {Colonne("seul", "varchar", "12", "Le seul champ", "", "O", "O", "O", "PRI")};
    auto textes = [&] {
        return sgbd.ConstruitClasse("un", "<FR> <HEURE>") + sgbd.CreerFormVariable("un") +
               sgbd.CreerFormEntete("un", "<FR> <HEURE>");
    };
    string attendu;
    for (char c : textes()) attendu += c == '\n' ? string("\r\n") : string(1, c);
    sgbd.FinDeLigne = "\r\n";
    EXPECT_EQ(textes(), attendu);
}

// FrwSgbd tire le nom du fichier de connexion de sa propre copie brouillee : le nom que Parametrage
// porte au moment de la construction n'y compte pas.
TEST(ClasseGeneree, NomDuFichierDeConnexion) {
    Parametrage p;
    const string nom = p.NomFichierConnexion;
    p.NomFichierConnexion = "autre.php";
    EXPECT_EQ(FrwSgbd(p).NomFichierConnexion, nom);
    EXPECT_EQ(nom.size(), 22u);
}

// Chaque colonne d'un type inconnu (ni nombre, ni caracteres, ni date) est signalee par le texte des
// transferts, a chaque table qui en a une ; celui de Variable2Form ne signale rien.
TEST(ClasseGeneree, TypeInconnuSignale) {
    Parametrage p;
    FrwSgbd sgbd(p);
    sgbd.ListeChamps = {Colonne("id", "int", "10"), Colonne("maj", "timestamp", "0"), Colonne("nom", "varchar", "9"),
                        Colonne("d", "double", "22")};
    sgbd.ListeChamps[1].TypePhp = "string";
    sgbd.ListeChamps[3].TypePhp = "int";
    sgbd.ConstruitFonctionVar2Post();
    EXPECT_EQ(p.NbAnomalies, 0);
    const string deux = "Erreur interne : type inconnu de timestamp de type string\n"
                        "Erreur interne : type inconnu de double de type int\n";
    string attendu = "Des anomalies sont detectees\n";
    for (int table = 1; table <= 2; ++table) {
        sgbd.CreerTransfertChamps();
        EXPECT_EQ(p.ListeAnomalies, attendu += deux) << "table " << table;
    }
    EXPECT_EQ(p.NbAnomalies, 4);
    EXPECT_EQ(p.ListeErreurs, "");
}
