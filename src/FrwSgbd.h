// La fonction sgbd : une classe PHP d'acces aux donnees par table de la base,
// ecrite dans le repertoire include des sources et dans celui de la cible.
#ifndef FRWSGBD_H
#define FRWSGBD_H

#include <string>
#include <vector>

#include "BaseMysql.h"
#include "Parametres.h"

class FrwSgbd {
public:
    Parametrage& Param;
    // Version du serveur (et ligne de connexion en mode bavard), journalisee par main.
    std::string VersionMysql;
    // Les colonnes de la table en cours : un structTable decrit une colonne.
    std::vector<structTable> ListeChamps;

    explicit FrwSgbd(Parametrage& param);

    // Le pilote : connexion, liste des tables, repertoires, puis une classe par
    // table. Rend une ligne "Traitement table:" par table.
    std::string PrepareFichierClasse(std::string serveur, std::string database, std::string utilisateur,
                                     std::string motDePasse);
    std::string AfficheVersionMySql() const;

    // Le texte complet du fichier de classe de la table d'apres ListeChamps,
    // `dateHeure` imprime en tete. Ne lit pas l'horloge et n'enregistre rien.
    std::string ConstruitClasse(const std::string& table, const std::string& dateHeure) const;

    // "N" (numerique), "C" (caracteres ou date) ou "E" (inconnu) ; compare entier et sensible a la casse.
    static std::string DonneTypeChamp(const std::string& typeSgbd);

private:
    void CreeRepertoiresDuSite();
    void EcritClasse(BaseMysql& base, const std::string& database, const std::string& table);
};

#endif
