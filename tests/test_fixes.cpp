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

// Chaque mot relu doit etre exact, longueur comprise (un octet de trop ou de moins
// deplacerait la valeur lue apres un mot cle).
TEST(MotsFixes, ChaqueMotEstRelu) {
    Parametrage p;
    Make make(p);
    FrwSgbd sgbd(p);
    MesForms form(p);
    const std::pair<const std::string&, const char*> mots[] = {
        {p.MotCleRacine, "RACINE="}, {p.MotCleRepertoireSources, "SOURCE="}, {p.MotCleRepertoireCible, "CIBLE="},
        {p.MotCleServeur, "HOST="}, {p.MotCleUtilisateur, "USER="}, {p.MotCleMotDePasse, "MDP="},
        {p.MotCleDatabase, "DATABASE="}, {p.MotCleFichierLog, "FICHIER_LOG="}, {p.MotCleReferenceGlobal, "REF_GLOBALE="},
        {p.MotCleFichierACopier, "FICHIER_A_COPIER="}, {p.MotCleRepertoireInclude, "REPERTOIRE_INCLUDE="},
        {p.MotCleSeparateur, "SEPREP="}, {p.MotClePrefixeTables, "PREFIXE_TABLE="},
        {p.MotCleFichierInclude, "FICHIER_A_INCLURE="}, {p.NomFichierConnexion, "CVClass__connexion.php"},
        {p.PrefixeFichierClasse, "CVClass_"}, {sgbd.NomFichierConnexion, "CVClass__connexion.php"},
        {form.NomFichierConnexion, "CVClass__connexion.php"}, {make.BaliseReference, "{#reference="},
        {make.BaliseReference2, "{#REFERENCE="}, {make.MotDebutBloc, "DEBUT_"}, {make.MotFinBloc, "FIN_"},
        {p.Banniere, "corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL"}};
    for (const auto& [lu, attendu] : mots) EXPECT_EQ(lu, attendu);
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
