// La fonction sgbd de bout en bout contre un vrai serveur MariaDB : console,
// code de sortie (vu modulo 256) et fichiers de classe laisses dans le site.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "outils_test.h"

using std::string;
using Noms = std::set<string>;

namespace {

const string Copie = "EcrisFichier erreur=0<\n";  // copie du fichier de connexion avant l'etape
const string Titre = "Creation classe de base de donnees:";
const string Rapport = "Traitement table:a_client\nTraitement table:b_article\nTraitement table:c_ligne\n";
const string Absent = "<absent>", Repertoire = "<rep>", Classe = "<classe>";

// Creees dans le desordre : le rapport doit pourtant suivre l'ordre des noms.
// aa_cache est ecartee par son commentaire ; les autres couvrent defauts,
// commentaires a echapper en PHP et types courants.
const string Schema =
    "create table c_ligne (id int auto_increment primary key, article int not null, quantite decimal(8,2) default 0.5,"
    " vu datetime default current_timestamp);"
    "create table b_article (id int auto_increment primary key, nom varchar(30) not null default 'Paris'"
    " comment 'Nom \"affiche\" \\\\ $prix', prix decimal(8,2) default 1.50, resume text, parution date)"
    " comment 'les articles';"
    "create table a_client (id int not null primary key, nom varchar(20));"
    "create table aa_cache (x int) comment '_interne';";

string Config(const string& base, const string& mdp = "corvalite", const string& cible = "web") {
    return "RACINE=.\nSOURCE=src\nCIBLE=" + cible + "\nREPERTOIRE_INCLUDE=inc\nREF_GLOBALE=ref.htm\nPREFIXE_TABLE=t_\n"
           "HOST=127.0.0.1\nUSER=corvalite\nMDP=" + mdp + "\nDATABASE=" + base + "\n";
}

// Les lignes que l'etape journalise apres elle, tirees du select version() du serveur.
string LignesVersion() {
    const char* dossier = std::getenv("CORVALITE_TEST_MARIADB_REPERTOIRE");
    string version;
    Commande("mariadb --no-defaults -uroot -N -B --socket='" + string(dossier ? dossier : "") +
                 "/mariadb.sock' -e 'select version()'", &version);
    while (!version.empty() && version.back() == '\n') version.pop_back();
    size_t tiret = version.find('-');
    return "Distribution Mysql : " + version.substr(tiret + 1) + "\nVersion Mysql : " + version.substr(0, tiret) + "\n";
}

Noms Contenu(const string& repertoire) {
    Noms noms;
    for (const auto& e : std::filesystem::directory_iterator(repertoire)) noms.insert(e.path().filename().string());
    return noms;
}

bool PhpValide(const string& fichier) {
    string sortie;
    bool ok = Commande("php -l '" + fichier + "' 2>&1", &sortie) == 0;
    if (!ok) ADD_FAILURE() << fichier << "\n" << sortie;
    return ok;
}

string Support() { return LitOctets(Binaire().substr(0, Binaire().find_last_of('/')) + "/CVClass__connexion.php"); }

// La partie de la console qui part du titre de l'etape.
string Etape(const Execution& e) {
    size_t titre = e.erreurs.find(Titre);
    return titre == string::npos ? "<pas d'etape>\n" + e.erreurs : e.erreurs.substr(titre);
}

}  // namespace

TEST(Sgbd, ExecutionPropreRapportVersionEtClassesCompletes) {
    if (!ServeurTest::Disponible()) GTEST_SKIP() << "pas de serveur MariaDB de test";
    const string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql(Schema, base), 0);
    RepertoireTemporaire rep;
    CreeRepertoires(rep / "src/inc");
    CreeRepertoires(rep / "web/inc");
    EcritOctets(rep / "site.cfg", Config(base));
    // Une ancienne classe plus longue que la nouvelle : il n'en doit rien rester.
    EcritOctets(rep / "src/inc/CVClass_b_article.php", string(20000, 'X'));
    const string connexion = "Connexion avec Host=127.0.0.1,Database=" + base + ",User=corvalite,Mdp=corvalite\n";
    string premiere;
    for (bool bavard : {false, true}) {
        SCOPED_TRACE(bavard ? "seconde execution, -bavard" : "premiere execution");
        std::vector<string> arguments{"-c", "site.cfg", "-sgbd"};
        if (bavard) arguments.push_back("-bavard");
        Execution e = Lance(rep.Chemin(), arguments, {ServeurTest::EnvironnementPort()});
        EXPECT_EQ(e.code, 0) << e.erreurs;
        EXPECT_EQ(e.sortie, bavard ? "" : Copie);  // le fichier de connexion n'est copie qu'une fois
        EXPECT_EQ(Etape(e), Titre + "Ok.\n" + Rapport + "\n" + LignesVersion() + (bavard ? connexion : "") +
                                "\nFin de traitement");
        const Noms classes{"CVClass_a_client.php", "CVClass_b_article.php", "CVClass_c_ligne.php"};
        Noms avecConnexion = classes;
        avecConnexion.insert("CVClass__connexion.php");
        EXPECT_EQ(Contenu(rep / "src/inc"), avecConnexion);  // ni aa_cache ni fichier temporaire
        EXPECT_EQ(Contenu(rep / "web/inc"), classes);
        for (const string& nom : classes) {
            const string source = LitOctets(rep / ("src/inc/" + nom));
            EXPECT_EQ(source, LitOctets(rep / ("web/inc/" + nom))) << nom;
            EXPECT_EQ(source.rfind("<?php\n", 0), 0u) << nom;
            EXPECT_EQ(source.find('X'), string::npos) << nom;
            EXPECT_TRUE(PhpValide(rep / ("src/inc/" + nom)));
        }
        EXPECT_EQ(LitOctets(rep / "src/inc/CVClass__connexion.php"), Support());
        const string article = MasqueDates(LitOctets(rep / "src/inc/CVClass_b_article.php"));
        if (bavard) { EXPECT_EQ(article, premiere) << "une seconde execution doit redonner la meme classe"; }
        premiere = article;
    }
}

TEST(Sgbd, EchecsRepertoiresEtEcritures) {
    if (!ServeurTest::Disponible()) GTEST_SKIP() << "pas de serveur MariaDB de test";
    enum Base { AvecTables, SansTable, Inconnue, SansNom };
    const string erreurConnexion =
        Titre + "\nDes erreurs sont detectees\nUne erreur s'est produite lors de la connexion a MySql.\nErreur no:";
    const string ecritureImpossible = Titre + "\nDes erreurs sont detectees\nImpossible d'ouvrir le fichier\n\n";
    const struct {
        const char* nom;
        Base base;
        std::vector<string> preparation;  // repertoires a creer, relatifs au site
        int code;
        std::vector<string> console;      // dans l'ordre, le premier au titre de l'etape
        bool entiere;                     // la console de l'etape est exactement leur suite
        std::vector<std::pair<string, string>> fichiers;  // chemin, contenu ou Absent/Repertoire/Classe
        string port = ServeurTest::EnvironnementPort(), mdp = "corvalite", cible = "web", sql = "";
    } cas[] = {
        {"serveur arrete", AvecTables, {"src/inc", "web/inc"}, -220, {erreurConnexion}, false,
         {{"src/inc/CVClass_a_client.php", Absent}, {"web/inc/CVClass_a_client.php", Absent}}, "MYSQL_TCP_PORT=1"},
        {"mauvais mot de passe", AvecTables, {"src/inc", "web/inc"}, -220, {erreurConnexion + "1045"}, false,
         {{"src/inc/CVClass_a_client.php", Absent}}, ServeurTest::EnvironnementPort(), "faux"},
        {"base inconnue", Inconnue, {"src/inc", "web/inc"}, -220, {erreurConnexion + "1049"}, false,
         {{"web/inc/CVClass_a_client.php", Absent}}},
        {"base non nommee", SansNom, {"src/inc", "web/inc"}, -200,
         {Titre + "\nDes erreurs sont detectees\nAucune nom de base de donnees n'a ete fourni (DATABASE=).\n\n"}, true,
         {}},
        {"base sans table", SansTable, {"src/inc", "web/inc"}, 0,
         {Titre + "Ok.\n\n", "<version>", "\nFin de traitement"}, true, {}},
        {"repertoire include cible absent", AvecTables, {"src/inc", "web"}, 0,
         {Titre + "Des anomalies sont detectees\nLe repertoire .\\web\\inc a ete creer.\n\n", "<version>",
          "\nFin de traitement"},
         true, {{"web/inc/CVClass_c_ligne.php", Classe}}},
        {"parent du repertoire cible absent", SansTable, {"src/inc"}, -200,
         {Titre + "Des anomalies sont detectees\nLe repertoire .\\web/sous a ete creer.\n"
                  "Le repertoire .\\web/sous\\inc a ete creer.\n\nDes erreurs sont detectees\n"
                  "Error de creation du repertoire .\\web/sous\nError de creation du repertoire .\\web/sous\\inc\n\n"},
         true, {{"web", Absent}}, ServeurTest::EnvironnementPort(), "corvalite", "web/sous"},
        // L'erreur d'une table qui n'est pas la derniere doit encore arreter l'etape.
        {"classe cible impossible, premiere table", AvecTables,
         {"src/inc", "web/inc/CVClass_a_client.php"}, -200, {ecritureImpossible}, true,
         {{"src/inc/CVClass_a_client.php", Classe}, {"web/inc/CVClass_a_client.php", Repertoire},
          {"web/inc/CVClass_c_ligne.php", Classe}}},
        {"classe cible impossible, derniere table", AvecTables, {"src/inc", "web/inc/CVClass_c_ligne.php"}, -200,
         {ecritureImpossible}, true,
         {{"src/inc/CVClass_c_ligne.php", Classe}, {"web/inc/CVClass_c_ligne.php", Repertoire},
          {"web/inc/CVClass_a_client.php", Classe}}},
        // Sa classe ecraserait le fichier de connexion : l'erreur doit nommer la table.
        {"table _connexion", AvecTables, {"src/inc", "web/inc"}, -200,
         {Titre + "\nDes erreurs sont detectees\n", "table _connexion"}, false,
         {{"web/inc/CVClass__connexion.php", Absent}}, ServeurTest::EnvironnementPort(), "corvalite", "web",
         "create table _connexion (id int);"},
    };
    const string version = LignesVersion();
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        string base = c.base == SansNom ? "" : ServeurTest::NouvelleBase();
        if (c.base == AvecTables) { ASSERT_EQ(ServeurTest::Sql(Schema + c.sql, base), 0); }
        if (c.base == Inconnue) base += "_inconnue";
        RepertoireTemporaire rep;
        for (const string& r : c.preparation) CreeRepertoires(rep / r);
        EcritOctets(rep / "site.cfg", Config(base, c.mdp, c.cible));
        Execution e = Lance(rep.Chemin(), {"-c", "site.cfg", "-sgbd"}, {c.port});
        EXPECT_EQ(e.code, CodeShell(c.code)) << e.erreurs;
        EXPECT_EQ(e.sortie, Copie);
        const string etape = Etape(e);
        if (c.entiere) {
            string attendu;
            for (const string& morceau : c.console) attendu += morceau == "<version>" ? version : morceau;
            EXPECT_EQ(etape, attendu);
        } else {
            EXPECT_EQ(etape.rfind(c.console[0], 0), 0u) << etape;
            for (size_t i = 1, position = c.console[0].size(); i < c.console.size(); ++i) {
                size_t trouve = etape.find(c.console[i], position);
                EXPECT_NE(trouve, string::npos) << "manque ou hors d'ordre: " << c.console[i] << "\n" << etape;
                if (trouve != string::npos) position = trouve + c.console[i].size();
            }
        }
        if (c.code != 0) { EXPECT_EQ(e.erreurs.find("Fin de traitement"), string::npos) << e.erreurs; }
        // Le fichier de connexion n'est jamais touche par l'etape, quelle que soit l'issue.
        EXPECT_EQ(LitOctets(rep / "src/inc/CVClass__connexion.php"), Support());
        for (const auto& [chemin, contenu] : c.fichiers) {
            const string complet = rep / chemin;
            if (contenu == Absent) EXPECT_FALSE(Existe(complet)) << chemin;
            else if (contenu == Repertoire) EXPECT_TRUE(Contenu(complet).empty()) << chemin << " : rien n'y est ecrit";
            else {  // une classe entiere : elle s'ouvre, se ferme et passe php -l
                const string texte = LitOctets(complet);
                EXPECT_EQ(texte.rfind("<?php\n", 0), 0u) << chemin;
                EXPECT_TRUE(texte.size() >= 5 && texte.compare(texte.size() - 5, 5, "}\n?>\n") == 0) << chemin;
                EXPECT_TRUE(PhpValide(complet));
            }
        }
    }
}
