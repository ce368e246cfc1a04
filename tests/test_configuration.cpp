#include <gtest/gtest.h>

#include <array>
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
    EXPECT_EQ(p.ListeErreurs + p.ListeAnomalies, "");
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

TEST(Verification, ConstructionDesChemins) {
    // Racine, sources (la cible porte le meme nom), include, separateur ; puis sources, include et reference.
    const std::array<string, 7> cas[] = {
        {"D:\\site\\", "src", "inc", "\\", "D:\\site\\src\\", "D:\\site\\src\\inc\\", "D:\\site\\ref.htm"},
        {"D:/site", "src", "inc", "/", "D:/site/src/", "D:/site/src//inc/", "D:/site/ref.htm"},
        {"\\", "\\src\\", "\\inc", "\\", "\\\\src\\", "\\src\\inc\\", "\\\\ref.htm"},
        {"/r", "", "", "\\", "/r\\\\", "/r\\\\\\", "/r\\ref.htm"},
    };
    for (const auto& [racine, sources, include, separateur, sourcesAttendu, includeAttendu, reference] : cas) {
        Parametrage p;
        p.Racine = racine;
        p.RepertoireSources = p.RepertoireCible = sources;
        p.NomRepertoireInclude = include;
        p.Separateur = separateur;
        p.FichierReferenceGlobal = "ref.htm";
        p.ConstructionDesChemins();
        EXPECT_EQ(p.RepertoireSources + "|" + p.RepertoireIncludeSources + "|" + p.FichierReferenceGlobal,
                  sourcesAttendu + "|" + includeAttendu + "|" + reference);
        EXPECT_EQ(p.RepertoireCible + p.RepertoireIncludeCible + p.Racine, sourcesAttendu + includeAttendu + racine);
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
    const string avertissement = "Des anomalies sont detectees\nLe fichier " + rep.Chemin() +
                                 "/appli\\CVClass__connexion.php n'a pu etre copie dans " + rep.Chemin() +
                                 "/ailleurs\\CVClass__connexion.php\nImpossible d'ouvrir le fichier\n\n";
    EXPECT_EQ(p.ListeAnomalies, avertissement);
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
    EXPECT_EQ(p.ListeAnomalies, avertissement);
}
