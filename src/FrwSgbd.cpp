#include "FrwSgbd.h"

namespace {
const char* const BrouilleFichierConnexion = "P+qqD.WOGMB]SYtvLFr|ZZMRPVKJDcWLG[BXvHQYLOTW";
}

FrwSgbd::FrwSgbd(Parametrage& param) : Param(param), FinDeLigne("\n"), SuffixeRequete("") {
    NomFichierConnexion = Param.DeCrypt(BrouilleFichierConnexion, Param.Cle);
}

FrwSgbd::~FrwSgbd() {}

std::string FrwSgbd::PrepareFichierClasse(std::string, std::string database, std::string, std::string) {
    Param.NbErreurs = 0;
    Param.NbAnomalies = 0;
    if (database.empty()) {
        Param.AddErreur("Aucune nom de base de donnees n'a ete fourni (" + Param.MotCleDatabase + ").");
        return "NOK";
    }
    return "";
}

std::string FrwSgbd::AfficheVersionMySql() { return VersionMysql; }
