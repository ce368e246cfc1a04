// Les mots fixes du programme sont conserves brouilles : on verifie que chacun
// redonne son mot et sa longueur, et que l'encodeur de test produit des formes
// que DeCrypt relit.
#include <gtest/gtest.h>

#include "FrwForm.h"
#include "FrwMake.h"
#include "FrwSgbd.h"
#include "Parametres.h"

namespace {

// Encodeur reserve aux tests : fabrique la forme brouillee d'un mot pour la cle
// donnee, en choisissant pour chaque caractere une paire imprimable.
std::string Brouille(const std::string& mot, const std::string& cle) {
    std::string resultat;
    for (size_t i = 0; i < mot.size(); ++i) {
        int p = static_cast<unsigned char>(mot[i]);
        int d = cle[i % cle.size()] - '0';
        int bas = ((p - d - 20) % 256 + 256) % 256;
        int haut = (p + d + 20) % 256;
        auto imprimable = [](int c) { return c >= 0x20 && c <= 0x7D && c != '"' && c != '?'; };
        if (imprimable(bas)) {
            resultat += 'P';
            resultat += static_cast<char>(bas);
        } else {
            resultat += 'q';
            resultat += static_cast<char>(haut);
        }
    }
    for (char& c : resultat)
        if (c == '\\') c = '~';
    return resultat;
}

}  // namespace

TEST(MotsFixes, ChaqueMotDuParametrageEstLuAvecSaLongueur) {
    Parametrage p;
    const struct {
        const std::string& lu;
        const char* attendu;
        size_t longueur;
    } cas[] = {
        {p.MotCleRacine, "RACINE=", 7},
        {p.MotCleRepertoireSources, "SOURCE=", 7},
        {p.MotCleRepertoireCible, "CIBLE=", 6},
        {p.MotCleServeur, "HOST=", 5},
        {p.MotCleUtilisateur, "USER=", 5},
        {p.MotCleMotDePasse, "MDP=", 4},
        {p.MotCleDatabase, "DATABASE=", 9},
        {p.MotCleFichierLog, "FICHIER_LOG=", 12},
        {p.MotCleReferenceGlobal, "REF_GLOBALE=", 12},
        {p.MotCleFichierACopier, "FICHIER_A_COPIER=", 17},
        {p.MotCleRepertoireInclude, "REPERTOIRE_INCLUDE=", 19},
        {p.MotCleSeparateur, "SEPREP=", 7},
        {p.MotClePrefixeTables, "PREFIXE_TABLE=", 14},
        {p.MotCleFichierInclude, "FICHIER_A_INCLURE=", 18},
        {p.NomFichierConnexion, "CVClass__connexion.php", 22},
        {p.PrefixeFichierClasse, "CVClass_", 8},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(c.lu, c.attendu);
        EXPECT_EQ(c.lu.size(), c.longueur) << c.attendu;
    }
}

TEST(MotsFixes, BanniereEtMotsDesFonctions) {
    Parametrage p;
    EXPECT_EQ(p.Banniere, "corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL");
    EXPECT_EQ(p.Banniere.find("V 1.6.3"), 10u);
    EXPECT_EQ(p.Banniere.size() - p.Banniere.find(" Generateur"), 33u);

    Make make(p);
    EXPECT_EQ(make.BaliseReference, "{#reference=");
    EXPECT_EQ(make.BaliseReference2, "{#REFERENCE=");
    EXPECT_EQ(make.MotDebutBloc, "DEBUT_");
    EXPECT_EQ(make.MotFinBloc, "FIN_");
    FrwSgbd sgbd(p);
    EXPECT_EQ(sgbd.NomFichierConnexion, p.NomFichierConnexion);
    MesForms form(p);
    EXPECT_EQ(form.NomFichierConnexion, p.NomFichierConnexion);
}

TEST(MotsFixes, LEncodeurDeTestProduitDesFormesQueDeCryptRelit) {
    Parametrage p;
    const std::string mots[] = {"RACINE=", "{#reference=", " Generateur de sites PHP et MySQL",
                                "C:\\chemin\\vers", "select * from `t` where 1", "~\x7f"};
    for (const std::string& mot : mots) {
        std::string brouille = Brouille(mot, p.Cle);
        EXPECT_EQ(brouille.size(), 2 * mot.size());
        EXPECT_EQ(p.DeCrypt(brouille, p.Cle), mot) << brouille;
    }
}
