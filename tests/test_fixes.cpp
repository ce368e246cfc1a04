// Les mots fixes du programme sont conserves brouilles : chacun doit redonner son
// mot, et l'encodeur de test produire des formes que DeCrypt relit.
#include <gtest/gtest.h>

#include <algorithm>

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
        const int p = static_cast<unsigned char>(mot[i]), d = cle[i % cle.size()] - '0';
        const int bas = ((p - d - 20) % 256 + 256) % 256, haut = (p + d + 20) % 256;
        const bool imprimable = bas >= 0x20 && bas <= 0x7D && bas != '"' && bas != '?';
        resultat += imprimable ? 'P' : 'q';
        resultat += static_cast<char>(imprimable ? bas : haut);
    }
    std::replace(resultat.begin(), resultat.end(), '\\', '~');  // "\\" ne s'ecrit pas dans un texte brouille
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
        {form.MotCleTable, "TABLE="}, {form.MotCleNonUtilise1, "INUTIL1="}, {form.MotCleChamp, "CHAMP="},
        {form.MotCleInputHtml, "INPUTHTML="}, {form.MotCleOptionChamp, "OPTION="}, {form.MotCleOptionInput, "OPTINPT="},
        {form.MotCleGrise, "GRISE="}, {form.MotCleLibelle, "LIBELLE="}, {form.MotCleElement, "ELEMENTS="},
        {form.MotCleTypeHtml, "TYPE="}, {form.MotCleLongueur, "LONGUEUR="}, {form.MotCleValeurInitiale, "VALINI="},
        {form.MotCleObligatoire, "OBLIGATOIRE="}, {form.MotCleAutofocus, "AUTOFOCUS="},
        {form.MotCleControleJS, "CONTROLEJS="}, {form.MotCleVisible, "VISIBLE="}, {form.MotCleNonUtilise2, "INUTILISE02="},
        {form.MotCleOptionPave1, "PV1="}, {form.MotCleOptionPave2, "PV2="}, {form.MotCleOptionPave3, "PAV3="},
        {form.MotCleFinElement, "FINCHP"}, {form.MotCleBouton, "BOUTON="}, {form.MotCleLien, "LIEN="},
        {form.MotCleNonUtilise3, "INUT3"},
        {p.Banniere, "corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL"}};
    for (const auto& [lu, attendu] : mots) EXPECT_EQ(lu, attendu);
}

TEST(MotsFixes, DeCryptRelitLEncodeurDeTest) {
    Parametrage p;
    for (const std::string mot : {"RACINE=", " Generateur de sites PHP et MySQL", "C:\\chemin", "select `t`", "~\x7f"})
        EXPECT_EQ(p.DeCrypt(Brouille(mot, p.Cle), p.Cle), mot);
    EXPECT_EQ(p.DeCrypt("", p.Cle), "");
    EXPECT_EQ(p.DeCrypt("P:q~", ""), "");  // cle vide : rien, et pas de division par zero
    EXPECT_EQ(p.DeCrypt("P~", p.Cle), p.DeCrypt("P\\", p.Cle));
    EXPECT_EQ(p.DeCrypt("\xE0" "A", p.Cle), p.DeCrypt("`A", p.Cle));  // octets hauts : selecteur negatif
    EXPECT_EQ(p.DeCrypt("P", p.Cle), std::string(1, static_cast<char>(24)));  // longueur impaire : X vaut 0
}
