#include <gtest/gtest.h>
#include <unistd.h>

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
    for (const char* nom : {"vide.cfg", "commentaires.cfg"}) {
        Parametrage p;
        p.ChargeConfiguration(rep / nom);
        EXPECT_EQ(p.NbErreurs, 0);
        EXPECT_EQ(p.Racine + p.RepertoireSources, "");
        EXPECT_EQ(p.Separateur, "\\");
    }
    for (const string& chemin : {rep / "absent.cfg", rep.Chemin()}) {
        Parametrage p;
        p.initErreur();
        EXPECT_EQ(p.ChargeConfiguration(chemin), "");
        EXPECT_EQ(p.ListeErreurs, "Des erreurs sont detectees\nImpossible d'ouvrir le fichier:" + chemin + "\n\n");
        EXPECT_EQ(p.NbErreurs, 1);
    }
}

namespace {

struct Reglages {
    string racine = "/r", sources = "src", cible = "web", include = "inc", reference = "ref.htm", prefixe = "cv_";
    Liste includes = {"lib.php"};
};

// Les messages, erreurs puis avertissements, dans l'ordre d'enregistrement.
string Verifie(int make, int sgbd, int form, const Reglages& r) {
    Parametrage p;
    p.initErreur();
    p.SetFichierLog("site.log");
    p.Racine = r.racine;
    p.RepertoireSources = r.sources;
    p.RepertoireCible = r.cible;
    p.NomRepertoireInclude = r.include;
    p.FichierReferenceGlobal = r.reference;
    p.PrefixeTables = r.prefixe;
    p.ListeFichiersInclude = r.includes;
    p.VerificationConfiguration(make, sgbd, form);
    return p.ListeErreurs + "|" + p.ListeAnomalies;
}

const string kAbsent = "Le fichier a inclure (/r\\src\\inc\\lib.php) n'existe pas.\n";
const string kAbsentSansNoms = "Le fichier a inclure (/r\\\\\\lib.php) n'existe pas.\n";

}  // namespace

TEST(Verification, ConfigurationSelonLesFonctions) {
    Reglages vide;
    vide.sources = vide.cible = vide.include = vide.reference = "";
    Reglages guillemets;
    guillemets.includes = {"a'b\"c"};
    Reglages sansRien;
    sansRien.racine = sansRien.prefixe = "";
    sansRien.includes = {};
    const string E = "Des erreurs sont detectees\n", A = "Des anomalies sont detectees\n";
    const struct {
        int make, sgbd, form;
        Reglages r;
        string attendu;
    } cas[] = {
        {1, 0, 0, vide, "|" + A + kAbsentSansNoms},
        {1, 1, 0, vide, E + "Le nom du repertoire include (REPERTOIRE_INCLUDE=) (ex: include) pour generation du site n'est pas defini.\n|" +
                            A + kAbsentSansNoms},
        {0, 0, 1, vide,
         E + "Le nom  du repertoire des sources (SOURCE=) (ex: sources) du site n'est pas defini.\n"
             "Le nom du repertoire cible (CIBLE=) (ex: cible) pour generation du site n'est pas defini.\n"
             "Le nom du repertoire include (REPERTOIRE_INCLUDE=) (ex: include) pour generation du site n'est pas defini.\n|" +
             A + kAbsentSansNoms +
             "Le nom du fichier de reference global (REF_GLOBALE=) (ex: ref.htm), n'est pas defini.\n"},
        {2, 0, 0, Reglages(), "|" + A + kAbsent},
        {0, 0, 0, sansRien,
         E + "Aucune fonction (make,sgbd,form) n'est active, rien ne sera fait.\n"
             "Le chemin de la racine (RACINE=) du site n'est pas defini.\n|" +
             A + "Le prefixe des tables de la base MySql (PREFIXE_TABLE=) (ex: CLASS_), n'est pas defini. (Par defaut : '')\n"},
        {2, 0, 0, sansRien, E + "Le chemin de la racine (RACINE=) du site n'est pas defini.\n|" + A +
                                "Il n'y a pas de fichier a inclure dans le projet.\n"
                                "Le prefixe des tables de la base MySql (PREFIXE_TABLE=) (ex: CLASS_), n'est pas defini. (Par defaut : '')\n"},
        {0, 1, 0, guillemets, E + "Un fichier a inclure (a'b\"c) contient un '.\nLe fichier a inclure (a'b\"c) contient un \".\n|" +
                                  A + "Le fichier a inclure (/r\\src\\inc\\a'b\"c) n'existe pas.\n"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.make << c.sgbd << c.form << " " << c.r.racine << c.r.sources);
        EXPECT_EQ(Verifie(c.make, c.sgbd, c.form, c.r), c.attendu);
    }
}

TEST(Verification, IdentifiantsMysql) {
    Parametrage p;
    p.initErreur();
    p.VerificationConfigurationSGBDIdentifiant(0);
    EXPECT_EQ(p.NbErreursDepuisInit + p.NbAnomaliesDepuisInit, 0);
    p.VerificationConfigurationSGBDIdentifiant(2);
    EXPECT_EQ(p.ListeErreurs,
              "Des erreurs sont detectees\n"
              "Le nom du serveur MYQSL (HOST=) (ex: 192.168.1.5) pour se connecter a MYSQL, n'est pas defini.\n"
              "Le nom de l'utilisateur du serveur MYQSL (USER=) (ex: 192.168.1.5) pour se connecter a MYSQL, n'est pas defini.\n");
    EXPECT_EQ(p.ListeAnomalies,
              "Des anomalies sont detectees\n"
              "Le mot de passe de l'utilisateur du serveur MYQSL (MDP=) (ex: zelp) pour se connecter a MYSQL, n'est pas defini.\n"
              "La database du serveur MYQSL (DATABASE=), n'est pas defini.\n");
}

TEST(Verification, ConstructionDesChemins) {
    const struct {
        string racine, separateur, sources, include, sourcesAttendu, includeAttendu, reference;
    } cas[] = {
        {"D:\\site\\", "\\", "src", "inc", "D:\\site\\src\\", "D:\\site\\src\\inc\\", "D:\\site\\ref.htm"},
        {"D:/site", "/", "src", "inc", "D:/site/src/", "D:/site/src//inc/", "D:/site/ref.htm"},
        {"\\", "\\", "\\src\\", "\\inc", "\\\\src\\", "\\src\\inc\\", "\\\\ref.htm"},
        {"/r", "\\", "", "", "/r\\\\", "/r\\\\\\", "/r\\ref.htm"},
    };
    for (const auto& c : cas) {
        Parametrage p;
        p.Racine = c.racine;
        p.Separateur = c.separateur;
        p.RepertoireSources = c.sources;
        p.RepertoireCible = c.sources;
        p.NomRepertoireInclude = c.include;
        p.FichierReferenceGlobal = "ref.htm";
        p.ConstructionDesChemins();
        EXPECT_EQ(p.RepertoireSources, c.sourcesAttendu);
        EXPECT_EQ(p.RepertoireIncludeSources, c.includeAttendu);
        EXPECT_EQ(p.RepertoireCible + p.RepertoireIncludeCible, c.sourcesAttendu + c.includeAttendu);
        EXPECT_EQ(p.FichierReferenceGlobal, c.reference);
        EXPECT_EQ(p.Racine, c.racine);
    }
}

TEST(Verification, ExistenceDesRepertoires) {
    RepertoireTemporaire rep;
    CreeRepertoires(rep / "site/src/inc");
    CreeRepertoires(rep / "site/web");
    const string r = rep / "site";
    const struct {
        string racine, cible;
        int make;
        string erreurs;
    } cas[] = {
        {r, "web", 1, "Le repertoire include de la cible n'existe pas:" + r + "\\web\\inc\\\n"},
        {r, "absent", 0, ""},
        {r, "src", 1, "Le repertoire source et le repertoire cible sont identiques:" + r + "\\src\\\n"},
        {r + "/x", "web", 2, "Le repertoire racine n'existe pas:" + r + "/x\n"},
    };
    for (const auto& c : cas) {
        Parametrage p;
        p.initErreur();
        p.Racine = c.racine;
        p.RepertoireSources = "src";
        p.RepertoireCible = c.cible;
        p.NomRepertoireInclude = "inc";
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
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "EcrisFichier erreur=1003<\nEcrisFichier erreur=0<\n");
    EXPECT_EQ(LitOctets(rep / "site/inc/CVClass__connexion.php"), "<?php ?>\r\n");
    EXPECT_EQ(p.ListeAnomalies, "Des anomalies sont detectees\nLe fichier " + rep.Chemin() +
                                    "/appli\\CVClass__connexion.php n'a pu etre copie dans " + rep.Chemin() +
                                    "/ailleurs\\CVClass__connexion.php\nImpossible d'ouvrir le fichier\n\n");
    // Un repertoire vide designe le repertoire courant, jamais la racine du systeme.
    char courant[4096];
    ASSERT_NE(getcwd(courant, sizeof(courant)), nullptr);
    ASSERT_EQ(chdir((rep / "appli").c_str()), 0);
    p.CheminAppli = "";
    p.RepertoireIncludeSources = "absent\\";
    testing::internal::CaptureStdout();
    p.CopieFichierConnexion("../site");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(chdir(courant), 0);
    EXPECT_EQ(p.NbAnomalies, 1);
}
