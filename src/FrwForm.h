// La fonction form : une page PHP/HTML de formulaire depuis une description ".form".
#ifndef FRWFORM_H
#define FRWFORM_H

#include <string>
#include <vector>

#include "Parametres.h"

class MesForms {
public:
    Parametrage& Param;
    std::string NomFichierConnexion;
    std::vector<std::string> Lignes;

    explicit MesForms(Parametrage& param);
    ~MesForms();

    std::string ChargeFichierConfigFormulaire(std::string nomFichier);
    std::string ConstruireFichierFormulaireDescriptif();
};

#endif
