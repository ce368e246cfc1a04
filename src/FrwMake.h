// La fonction make : les pages du site construites depuis leur page de reference.
#ifndef FRWMAKE_H
#define FRWMAKE_H

#include <string>

#include "Parametres.h"

class Make {
public:
    Parametrage& Param;
    std::string FinDeLigne;
    std::string Separateur;
    std::string AccoladeFermante;
    std::string BaliseReference;
    std::string BaliseReference2;
    std::string MotDebutBloc;
    std::string MotFinBloc;
    int NbFichier;

    explicit Make(Parametrage& param);
    ~Make();

    std::string PreTraitement(std::string filtre);
    std::string Traitement();
    std::string PostTraitement();
};

#endif
