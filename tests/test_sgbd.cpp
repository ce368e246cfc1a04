// La fonction sgbd de bout en bout contre un vrai serveur MariaDB : console,
// code de sortie (vu modulo 256) et fichiers de classe laisses dans le site.
#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "outils_test.h"

using std::string;
using Noms = std::set<string>;

namespace {

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

string Lignes(const string& base) { return "REF_GLOBALE=ref.htm\nPREFIXE_TABLE=t_\n" + ServeurTest::LignesMysql(base); }

// La partie de la console qui part du titre de l'etape.
string Etape(const Execution& e) {
    size_t titre = e.erreurs.find(Titre);
    return titre == string::npos ? "<pas d'etape>\n" + e.erreurs : e.erreurs.substr(titre);
}

// Une classe entiere : elle s'ouvre, se ferme et passe php -l.
void VerifieClasse(const string& chemin) {
    const string texte = LitOctets(chemin);
    EXPECT_TRUE(Commence(texte, "<?php\n")) << chemin;
    EXPECT_TRUE(Finit(texte, "}\n?>\n")) << chemin;
    EXPECT_TRUE(PhpValide(chemin));
}

}  // namespace

TEST(Sgbd, ExecutionPropreRapportVersionEtClassesCompletes) {
    SERVEUR_REQUIS();
    const string base = ServeurTest::NouvelleBase();
    ASSERT_EQ(ServeurTest::Sql(Schema, base), 0);
    RepertoireTemporaire rep;
    CreeSite(rep, Lignes(base));
    // Une ancienne classe plus longue que la nouvelle : il n'en doit rien rester.
    EcritOctets(rep / "src/inc/CVClass_b_article.php", string(20000, 'X'));
    const string connexion = "Connexion avec Host=127.0.0.1,Database=" + base + ",User=corvalite,Mdp=corvalite\n";
    const Noms classes{"CVClass_a_client.php", "CVClass_b_article.php", "CVClass_c_ligne.php"};
    string premiere;
    for (bool bavard : {false, true}) {
        SCOPED_TRACE(bavard ? "seconde execution, -bavard" : "premiere execution");
        std::vector<string> arguments{"-c", "site.cfg", "-sgbd"};
        if (bavard) arguments.push_back("-bavard");
        Execution e = Lance(rep.Chemin(), arguments);
        EXPECT_EQ(e.code, 0) << e.erreurs;
        EXPECT_EQ(e.sortie, bavard ? "" : CopieReussie);  // le fichier de connexion n'est copie qu'une fois
        EXPECT_EQ(Etape(e), Titre + "Ok.\n" + Rapport + "\n" + ServeurTest::LignesVersion() +
                                (bavard ? connexion : "") + "\nFin de traitement");
        EXPECT_EQ(NomsDans(rep / "web/inc"), classes);
        // Ni aa_cache ni fichier temporaire.
        EXPECT_EQ(NomsDans(rep / "src/inc"), (Noms{"CVClass__connexion.php", "CVClass_a_client.php",
                                                   "CVClass_b_article.php", "CVClass_c_ligne.php"}));
        for (const string& nom : classes) {
            const string source = LitOctets(rep / ("src/inc/" + nom));
            EXPECT_EQ(source, LitOctets(rep / ("web/inc/" + nom))) << nom;
            EXPECT_EQ(source.find('X'), string::npos) << nom;
            VerifieClasse(rep / ("src/inc/" + nom));
        }
        EXPECT_EQ(LitOctets(rep / "src/inc/CVClass__connexion.php"), FichierConnexionDAppui());
        const string article = MasqueDates(LitOctets(rep / "src/inc/CVClass_b_article.php"));
        if (bavard) { EXPECT_EQ(article, premiere) << "une seconde execution doit redonner la meme classe"; }
        premiere = article;
    }
}

TEST(Sgbd, EchecsRepertoiresEtEcritures) {
    SERVEUR_REQUIS();
    // Avec _connexion, dont la classe ecraserait le fichier de connexion : l'erreur doit nommer la table.
    enum Base { AvecTables, AvecConnexion, SansTable, Inconnue, SansNom };
    const string erreurConnexion =
        Titre + "\nDes erreurs sont detectees\nUne erreur s'est produite lors de la connexion a MySql.\nErreur no:";
    const string ecritureImpossible = Titre + "\nDes erreurs sont detectees\nImpossible d'ouvrir le fichier\n\n";
    const string version = ServeurTest::LignesVersion();
    const struct {
        const char* nom;
        Base base;
        int code;
        std::vector<string> console;  // dans l'ordre, le premier au titre de l'etape
        bool entiere;                 // la console de l'etape est exactement leur suite
        std::vector<std::pair<string, string>> fichiers;  // chemin, contenu ou Absent/Repertoire/Classe
        std::vector<string> preparation = {"src/inc", "web/inc"};  // repertoires a creer, relatifs au site
        string lignes = "";                       // ajoutees a la configuration
        std::vector<string> environnement = {};   // du programme
    } cas[] = {
        {"serveur arrete", AvecTables, -220, {erreurConnexion}, false,
         {{"src/inc/CVClass_a_client.php", Absent}, {"web/inc/CVClass_a_client.php", Absent}},
         {"src/inc", "web/inc"}, "", {"MYSQL_TCP_PORT=1"}},
        {"mauvais mot de passe", AvecTables, -220, {erreurConnexion + "1045"}, false,
         {{"src/inc/CVClass_a_client.php", Absent}}, {"src/inc", "web/inc"}, "MDP=faux\n"},
        {"base inconnue", Inconnue, -220, {erreurConnexion + "1049"}, false,
         {{"web/inc/CVClass_a_client.php", Absent}}},
        {"base non nommee", SansNom, -200,
         {Titre + "\nDes erreurs sont detectees\nAucune nom de base de donnees n'a ete fourni (DATABASE=).\n\n"}, true,
         {}},
        {"base sans table", SansTable, 0, {Titre + "Ok.\n\n", version, "\nFin de traitement"}, true, {}},
        {"repertoire include cible absent", AvecTables, 0,
         {Titre + "Des anomalies sont detectees\nLe repertoire .\\web\\inc a ete creer.\n\n", version,
          "\nFin de traitement"},
         true, {{"web/inc/CVClass_c_ligne.php", Classe}}, {"src/inc", "web"}},
        {"parent du repertoire cible absent", SansTable, -200,
         {Titre + "Des anomalies sont detectees\nLe repertoire .\\web/sous a ete creer.\n"
                  "Le repertoire .\\web/sous\\inc a ete creer.\n\nDes erreurs sont detectees\n"
                  "Error de creation du repertoire .\\web/sous\nError de creation du repertoire .\\web/sous\\inc\n\n"},
         true, {{"web", Absent}}, {"src/inc"}, "CIBLE=web/sous\n"},
        // L'erreur d'une table qui n'est pas la derniere doit encore arreter l'etape.
        {"classe cible impossible, premiere table", AvecTables, -200, {ecritureImpossible}, true,
         {{"src/inc/CVClass_a_client.php", Classe}, {"web/inc/CVClass_a_client.php", Repertoire},
          {"web/inc/CVClass_c_ligne.php", Classe}},
         {"src/inc", "web/inc/CVClass_a_client.php"}},
        {"classe cible impossible, derniere table", AvecTables, -200, {ecritureImpossible}, true,
         {{"src/inc/CVClass_c_ligne.php", Classe}, {"web/inc/CVClass_c_ligne.php", Repertoire},
          {"web/inc/CVClass_a_client.php", Classe}},
         {"src/inc", "web/inc/CVClass_c_ligne.php"}},
        {"table _connexion", AvecConnexion, -200, {Titre + "\nDes erreurs sont detectees\n", "table _connexion"},
         false, {{"web/inc/CVClass__connexion.php", Absent}}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        string base = c.base == SansNom ? "" : ServeurTest::NouvelleBase();
        const string sql = Schema + (c.base == AvecConnexion ? "create table _connexion (id int);" : "");
        if (c.base == AvecTables || c.base == AvecConnexion) { ASSERT_EQ(ServeurTest::Sql(sql, base), 0); }
        if (c.base == Inconnue) base += "_inconnue";
        RepertoireTemporaire rep;
        for (const string& r : c.preparation) CreeRepertoires(rep / r);
        EcritOctets(rep / "site.cfg", ConfigSite(Lignes(base) + c.lignes));
        Execution e = Lance(rep.Chemin(), {"-c", "site.cfg", "-sgbd"}, c.environnement);
        EXPECT_EQ(e.code, CodeShell(c.code)) << e.erreurs;
        EXPECT_EQ(e.sortie, CopieReussie);
        const string etape = Etape(e);
        EXPECT_TRUE(Commence(etape, c.console[0]));
        EXPECT_TRUE(DansLOrdre(etape, c.console));
        if (c.entiere) { EXPECT_EQ(etape, std::accumulate(c.console.begin(), c.console.end(), string())); }
        if (c.code != 0) { EXPECT_EQ(e.erreurs.find("Fin de traitement"), string::npos) << e.erreurs; }
        // Le fichier de connexion n'est jamais touche par l'etape, quelle que soit l'issue.
        EXPECT_EQ(LitOctets(rep / "src/inc/CVClass__connexion.php"), FichierConnexionDAppui());
        for (const auto& [chemin, contenu] : c.fichiers) {
            if (contenu == Absent) EXPECT_FALSE(Existe(rep / chemin)) << chemin;
            else if (contenu == Repertoire)
                EXPECT_TRUE(NomsDans(rep / chemin).empty()) << chemin << " : rien n'y est ecrit";
            else VerifieClasse(rep / chemin);
        }
    }
}
