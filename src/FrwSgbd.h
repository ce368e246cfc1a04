// La fonction sgbd : une classe PHP d'acces aux donnees par table.
#ifndef FRWSGBD_H
#define FRWSGBD_H

#include <string>
#include <vector>

#include "Parametres.h"

class FrwSgbd {
public:
    Parametrage& Param;
    std::string FinDeLigne;
    std::string SuffixeRequete;
    std::string VersionMysql;
    std::vector<std::string> ListeTables;
    std::string NomFichierConnexion;

    explicit FrwSgbd(Parametrage& param);
    ~FrwSgbd();

    std::string PrepareFichierClasse(std::string serveur, std::string database, std::string utilisateur,
                                     std::string motDePasse);
    std::string AfficheVersionMySql();
};

#endif
