#include "FrwForm.h"

#include "classe_fichier.h"

MesForms::MesForms(Parametrage& param) : FinDeLigne("\n"), Param(param), SeparateurValeurs(",") {
    NomFichierConnexion = Param.DeCrypt(BrouilleFichierConnexion, Param.Cle);
}

MesForms::~MesForms() {}

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

std::string MesForms::ConstruireFichierFormulaireDescriptif() {
    Param.initErreur();
    return "";
}
