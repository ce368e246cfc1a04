// Les mots fixes du programme sont conserves brouilles : chacun doit redonner son mot.
#include <gtest/gtest.h>

#include "FrwForm.h"
#include "FrwMake.h"
#include "Parametres.h"

// Chaque mot relu doit etre exact, longueur comprise (un octet de trop ou de moins
// deplacerait la valeur lue apres un mot cle).
TEST(MotsFixes, ChaqueMotEstRelu) {
    Parametrage p;
    Make make(p);
    MesForms form(p);
    const std::pair<const std::string&, const char*> mots[] = {
        {p.MotCleRacine, "RACINE="}, {p.MotCleRepertoireSources, "SOURCE="}, {p.MotCleRepertoireCible, "CIBLE="},
        {p.MotCleServeur, "HOST="}, {p.MotCleUtilisateur, "USER="}, {p.MotCleMotDePasse, "MDP="},
        {p.MotCleDatabase, "DATABASE="}, {p.MotCleFichierLog, "FICHIER_LOG="}, {p.MotCleReferenceGlobal, "REF_GLOBALE="},
        {p.MotCleFichierACopier, "FICHIER_A_COPIER="}, {p.MotCleRepertoireInclude, "REPERTOIRE_INCLUDE="},
        {p.MotCleSeparateur, "SEPREP="}, {p.MotClePrefixeTables, "PREFIXE_TABLE="},
        {p.MotCleFichierInclude, "FICHIER_A_INCLURE="}, {p.NomFichierConnexion, "CVClass__connexion.php"},
        {p.PrefixeFichierClasse, "CVClass_"},
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

// Des textes brouilles mal formes ne font ni lecture hors du texte ni division par zero.
TEST(MotsFixes, DeCryptSurTextesLimites) {
    Parametrage p;
    EXPECT_EQ(p.DeCrypt("", p.Cle), "");
    EXPECT_EQ(p.DeCrypt("P:q~", ""), "");  // cle vide : rien
    EXPECT_EQ(p.DeCrypt("P", p.Cle), std::string(1, static_cast<char>(24)));  // longueur impaire : X vaut 0
    EXPECT_EQ(p.DeCrypt("\xE0" "A", p.Cle), p.DeCrypt("`A", p.Cle));  // octets hauts : selecteur negatif
}
