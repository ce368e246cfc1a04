#include "FrwForm.h"

#include "classe_fichier.h"

MesForms::MesForms(Parametrage& param) : FinDeLigne("\n"), Param(param), SeparateurValeurs(",") {
    NomFichierConnexion = Param.DeCrypt(BrouilleFichierConnexion, Param.Cle);
}

MesForms::~MesForms() {}

// ====================================================================
// Lecture de la description et controle contre la base
// ====================================================================

std::string MesForms::ChargeFichierConfigFormulaire(std::string nomFichier) {
    Param.NbErreurs = 0;
    Param.NbAnomalies = 0;
    Fichier fichier;
    std::vector<std::string> lignes;
    std::string echec = fichier.LisFichier(nomFichier, lignes);
    if (!echec.empty()) {
        Param.AddErreur(echec);
        Param.Log(echec, Parametrage::LogEcranEtFichier);
        return echec;
    }
    return "";
}

// ====================================================================
// Ecriture de la page et des copies
// ====================================================================

std::string MesForms::ConstruireFichierFormulaireDescriptif() {
    Param.initErreur();
    return "";
}

std::string MesForms::Creation_RecupChampsPhp(std::string) { return ""; }
std::string MesForms::Creation_TraitementPhp(std::string) { return ""; }
std::string MesForms::FaitFormulaire(std::string) { return ""; }
std::string MesForms::FaitChamp(int, std::string) { return ""; }

// ====================================================================
// Constructeurs de pages que rien n'appelle, vidages des enregistrements
// ====================================================================

std::string MesForms::CreerFormulaireInsertion(std::string) { return ""; }
std::string MesForms::CreerFormAction(std::string) { return ""; }
std::string MesForms::CreerAffichageTableau(std::string) { return ""; }
std::string MesForms::CreerFormVariable(const std::vector<Element>&, std::string) { return ""; }
std::string MesForms::CreerFormEntete(std::string, std::string) { return ""; }
std::string MesForms::AfficheListeDeChamps(unsigned int) { return ""; }
std::string MesForms::AfficheElementBouton(unsigned int) { return ""; }
std::string MesForms::AfficheElement(unsigned int) { return ""; }
