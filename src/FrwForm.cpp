#include "FrwForm.h"

#include "classe_fichier.h"

namespace {
const char* const BrouilleFichierConnexion = "P+qqD.WOGMB]SYtvLFr|ZZMRPVKJDcWLG[BXvHQYLOTW";
}

MesForms::MesForms(Parametrage& param) : Param(param), FinDeLigne("\n") {
    NomFichierConnexion = Param.DeCrypt(BrouilleFichierConnexion, Param.Cle);
}

MesForms::~MesForms() {}

std::string MesForms::ChargeFichierConfigFormulaire(std::string nomFichier) {
    Param.NbErreurs = 0;
    Param.NbAnomalies = 0;
    Fichier fichier;
    std::string echec = fichier.LisFichier(nomFichier, Lignes);
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
