#include <gtest/gtest.h>

#include <filesystem>

#include "Parametres.h"
#include "outils_test.h"

using std::string;
using Liste = std::vector<string>;

TEST(Configuration, LectureDesLignes) {
    RepertoireTemporaire rep;
    EcritOctets(rep / "site.cfg",
                "# commentaire RACINE=/non\r\n"
                "RACINE=/premiere\r\n"
                "RACINE=/srv/site \r\n"        // la derniere ligne l'emporte, blancs compris
                " # SOURCE=pages\n"             // un blanc devant # : ligne ordinaire
                "source=minuscules\n"
                "CIBLE=\n"
                "xxHOST=abcdef\n"               // la valeur part de la longueur du mot cle
                "USER=moi MDP=secret\n"         // deux mots cles sur une ligne
                "FICHIER_A_COPIER=a.css\nFICHIER_A_COPIER=a.css\nFICHIER_A_COPIER=\n"
                "FICHIER_A_INCLURE=lib.php\n"
                "SEPREP=/\nPREFIXE_TABLE=cv_\nDATABASE=base\nREF_GLOBALE=ref.htm\nREPERTOIRE_INCLUDE=inc\n"
                "ligne sans mot cle\n\n");
    Parametrage p;
    p.initErreur();
    EXPECT_EQ(p.ChargeConfiguration(rep / "site.cfg"), "");
    EXPECT_EQ(p.NbErreurs + p.NbAnomalies, 0);
    EXPECT_EQ(p.Racine, "/srv/site ");
    EXPECT_EQ(p.RepertoireSources, "CE=pages");  // " # SOURCE=pages" : 7 caracteres sautes
    EXPECT_EQ(p.RepertoireCible, "");
    EXPECT_EQ(p.ServeurMysql, "T=abcdef");
    EXPECT_EQ(p.UtilisateurMysql, "moi MDP=secret");
    EXPECT_EQ(p.MotDePasseMysql, "=moi MDP=secret");
    EXPECT_EQ(p.ListeFichiersACopier, (Liste{"a.css", "a.css", ""}));
    EXPECT_EQ(p.ListeFichiersInclude, Liste{"lib.php"});
    EXPECT_EQ(p.Separateur + p.PrefixeTables + p.DatabaseMysql + p.FichierReferenceGlobal + p.NomRepertoireInclude,
              "/cv_baseref.htminc");
}

TEST(Configuration, FichierVideIllisibleOuRepertoire) {
    RepertoireTemporaire rep;
    EcritOctets(rep / "vide.cfg", "");
    EcritOctets(rep / "commentaires.cfg", "#RACINE=x\n#SOURCE=y\n");
    const std::pair<string, bool> cas[] = {
        {rep / "vide.cfg", true}, {rep / "commentaires.cfg", true}, {rep / "absent.cfg", false}, {rep.Chemin(), false}};
    for (const auto& [chemin, lisible] : cas) {
        Parametrage p;
        p.initErreur();
        EXPECT_EQ(p.ChargeConfiguration(chemin), "");
        const string erreur = "Des erreurs sont detectees\nImpossible d'ouvrir le fichier:" + chemin + "\n\n";
        EXPECT_EQ(p.ListeErreurs, lisible ? "" : erreur);
        EXPECT_EQ(p.NbErreurs, lisible ? 0 : 1);
        EXPECT_EQ(p.Racine + p.RepertoireSources, "");
        EXPECT_EQ(p.Separateur, "\\");
    }
}

namespace {

struct Reglages {
    string racine = "/r", sources = "src", cible = "web", include = "inc", reference = "ref.htm", prefixe = "cv_";
    Liste includes = {"lib.php"};
};

// Place les reglages, le registre remis a zero.
void Regle(Parametrage& p, const Reglages& r) {
    p.initErreur();
    p.Racine = r.racine;
    p.RepertoireSources = r.sources;
    p.RepertoireCible = r.cible;
    p.NomRepertoireInclude = r.include;
    p.FichierReferenceGlobal = r.reference;
    p.PrefixeTables = r.prefixe;
    p.ListeFichiersInclude = r.includes;
}

}  // namespace

TEST(Verification, ConfigurationSelonLesFonctions) {
    const Reglages vide{"/r", "", "", "", ""}, sansRien{"", "src", "web", "inc", "ref.htm", "", {}};
    const Reglages guillemets{"/r", "src", "web", "inc", "ref.htm", "cv_", {"a'b\"c"}};
    const string E = "Des erreurs sont detectees\n", A = "Des anomalies sont detectees\n";
    const string absentSansNoms = "Le fichier a inclure (/r\\\\\\lib.php) n'existe pas.\n";
    const string include =
        "Le nom du repertoire include (REPERTOIRE_INCLUDE=) (ex: include) pour generation du site n'est pas defini.\n";
    const string racine = "Le chemin de la racine (RACINE=) du site n'est pas defini.\n";
    const string prefixe =
        "Le prefixe des tables de la base MySql (PREFIXE_TABLE=) (ex: CLASS_), n'est pas defini. (Par defaut : '')\n";
    const struct {
        int make, sgbd, form;
        Reglages r;
        string attendu;  // les erreurs, puis les avertissements, dans l'ordre d'enregistrement
    } cas[] = {
        {1, 0, 0, vide, "|" + A + absentSansNoms},
        {1, 1, 0, vide, E + include + "|" + A + absentSansNoms},
        {0, 0, 1, vide,
         E + "Le nom  du repertoire des sources (SOURCE=) (ex: sources) du site n'est pas defini.\n"
             "Le nom du repertoire cible (CIBLE=) (ex: cible) pour generation du site n'est pas defini.\n" +
             include + "|" + A + absentSansNoms +
             "Le nom du fichier de reference global (REF_GLOBALE=) (ex: ref.htm), n'est pas defini.\n"},
        {2, 0, 0, Reglages(), "|" + A + "Le fichier a inclure (/r\\src\\inc\\lib.php) n'existe pas.\n"},
        {0, 0, 0, sansRien, E + "Aucune fonction (make,sgbd,form) n'est active, rien ne sera fait.\n" + racine + "|" +
                                A + prefixe},
        {2, 0, 0, sansRien, E + racine + "|" + A + "Il n'y a pas de fichier a inclure dans le projet.\n" + prefixe},
        {0, 1, 0, guillemets,
         E + "Un fichier a inclure (a'b\"c) contient un '.\nLe fichier a inclure (a'b\"c) contient un \".\n|" + A +
             "Le fichier a inclure (/r\\src\\inc\\a'b\"c) n'existe pas.\n"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.make << c.sgbd << c.form << " " << c.r.racine << c.r.sources);
        Parametrage p;
        Regle(p, c.r);
        p.SetFichierLog("site.log");
        p.VerificationConfiguration(c.make, c.sgbd, c.form);
        EXPECT_EQ(p.ListeErreurs + "|" + p.ListeAnomalies, c.attendu);
    }
}

TEST(Verification, IdentifiantsMysql) {
    Parametrage p;
    p.initErreur();
    p.VerificationConfigurationSGBDIdentifiant(0);
    EXPECT_EQ(p.NbErreursDepuisInit + p.NbAnomaliesDepuisInit, 0);
    p.VerificationConfigurationSGBDIdentifiant(2);
    const string connecter = " pour se connecter a MYSQL, n'est pas defini.\n";
    EXPECT_EQ(p.ListeErreurs, "Des erreurs sont detectees\n"
                              "Le nom du serveur MYQSL (HOST=) (ex: 192.168.1.5)" + connecter +
                              "Le nom de l'utilisateur du serveur MYQSL (USER=) (ex: 192.168.1.5)" + connecter);
    EXPECT_EQ(p.ListeAnomalies, "Des anomalies sont detectees\n"
                                "Le mot de passe de l'utilisateur du serveur MYQSL (MDP=) (ex: zelp)" + connecter +
                                "La database du serveur MYQSL (DATABASE=), n'est pas defini.\n");
}

TEST(Verification, ConstructionDesChemins) {
    const struct {
        Reglages r;  // la cible est nommee comme les sources
        string separateur, sourcesAttendu, includeAttendu, reference;
    } cas[] = {
        {{"D:\\site\\", "src", "src", "inc"}, "\\", "D:\\site\\src\\", "D:\\site\\src\\inc\\", "D:\\site\\ref.htm"},
        {{"D:/site", "src", "src", "inc"}, "/", "D:/site/src/", "D:/site/src//inc/", "D:/site/ref.htm"},
        {{"\\", "\\src\\", "\\src\\", "\\inc"}, "\\", "\\\\src\\", "\\src\\inc\\", "\\\\ref.htm"},
        {{"/r", "", "", ""}, "\\", "/r\\\\", "/r\\\\\\", "/r\\ref.htm"},
    };
    for (const auto& c : cas) {
        Parametrage p;
        Regle(p, c.r);
        p.Separateur = c.separateur;
        p.ConstructionDesChemins();
        EXPECT_EQ(p.RepertoireSources, c.sourcesAttendu);
        EXPECT_EQ(p.RepertoireIncludeSources, c.includeAttendu);
        EXPECT_EQ(p.RepertoireCible + p.RepertoireIncludeCible, c.sourcesAttendu + c.includeAttendu);
        EXPECT_EQ(p.FichierReferenceGlobal, c.reference);
        EXPECT_EQ(p.Racine, c.r.racine);
    }
}

TEST(Verification, ExistenceDesRepertoires) {
    RepertoireTemporaire rep;
    CreeRepertoires(rep / "site/src/inc");
    CreeRepertoires(rep / "site/web");
    const string r = rep / "site";
    const struct {
        Reglages r;
        int make;
        string erreurs;
    } cas[] = {
        {{r, "src", "web"}, 1, "Le repertoire include de la cible n'existe pas:" + r + "\\web\\inc\\\n"},
        {{r, "src", "absent"}, 0, ""},
        {{r, "src", "src"}, 1, "Le repertoire source et le repertoire cible sont identiques:" + r + "\\src\\\n"},
        {{r + "/x", "src", "web"}, 2, "Le repertoire racine n'existe pas:" + r + "/x\n"},
    };
    for (const auto& c : cas) {
        Parametrage p;
        Regle(p, c.r);
        p.ConstructionDesChemins();
        p.VerificationExistenceChemin(c.make, 0, 0);
        EXPECT_EQ(p.ListeErreurs, c.erreurs.empty() ? "" : "Des erreurs sont detectees\n" + c.erreurs + "\n");
    }
}

TEST(Verification, CopieDuFichierDeConnexion) {
    RepertoireTemporaire rep;
    CreeRepertoires(rep / "appli");
    CreeRepertoires(rep / "site/inc");
    EcritOctets(rep / "appli/CVClass__connexion.php", "<?php ?>\r\n");
    Parametrage p;
    p.initErreur();
    p.CheminAppli = rep / "appli";
    p.RepertoireIncludeSources = rep / "site/inc\\";
    testing::internal::CaptureStdout();
    p.CopieFichierConnexion(rep / "ailleurs");  // repertoire absent : avertissement
    p.CopieFichierConnexion(p.RepertoireIncludeSources);
    p.CopieFichierConnexion(rep / "autre");     // deja dans l'include des sources : rien
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "EcrisFichier erreur=1003<\n" + CopieReussie);
    EXPECT_EQ(LitOctets(rep / "site/inc/CVClass__connexion.php"), "<?php ?>\r\n");
    EXPECT_EQ(p.ListeAnomalies, "Des anomalies sont detectees\nLe fichier " + rep.Chemin() +
                                    "/appli\\CVClass__connexion.php n'a pu etre copie dans " + rep.Chemin() +
                                    "/ailleurs\\CVClass__connexion.php\nImpossible d'ouvrir le fichier\n\n");
    // Un repertoire vide designe le repertoire courant, jamais la racine du systeme.
    const std::filesystem::path courant = std::filesystem::current_path();
    std::filesystem::current_path(rep / "appli");
    p.CheminAppli = "";
    p.RepertoireIncludeSources = "absent\\";
    testing::internal::CaptureStdout();
    p.CopieFichierConnexion("../site");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), CopieReussie);
    std::filesystem::current_path(courant);
    EXPECT_EQ(LitOctets(rep / "site/CVClass__connexion.php"), "<?php ?>\r\n");
    EXPECT_EQ(p.NbAnomalies, 1);
}
