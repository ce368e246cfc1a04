// La fonction sgbd : une classe PHP d'acces aux donnees par table de la base,
// ecrite dans le repertoire include des sources et dans celui de la cible.
#ifndef FRWSGBD_H
#define FRWSGBD_H

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "BaseMysql.h"
#include "Parametres.h"

class FrwSgbd {
public:
    Parametrage& Param;
    // Version du serveur (et ligne de connexion en mode bavard), journalisee par main.
    std::string VersionMysql;
    // Les tables de la base, dans l'ordre ou FaitListeTable les donne.
    std::vector<std::string> ListeTables;
    // Les colonnes de la table en cours : un structTable decrit une colonne.
    std::vector<structTable> ListeChamps;

    // Pourquoi une table nommee comme Utiles::NomReservePhp le refuse n'a ni classe ni page.
    static const std::string RaisonNomReserve;

    explicit FrwSgbd(Parametrage& param) : Param(param) {}

    // Le pilote : connexion, liste des tables, repertoires, puis une classe par
    // table. Rend une ligne "Traitement table:" par table.
    std::string PrepareFichierClasse(std::string serveur, std::string database, std::string utilisateur,
                                     std::string motDePasse);
    std::string AfficheVersionMySql() const { return VersionMysql; }

    // Le texte complet du fichier de classe de la table d'apres ListeChamps,
    // `dateHeure` imprime en tete. Ne lit pas l'horloge et n'enregistre rien.
    std::string ConstruitClasse(const std::string& table, const std::string& dateHeure) const;

    // Declarations et tete d'une classe de formulaire <nom>_FORM : textes que rien n'ecrit
    // encore dans un fichier. `dateHeure` est imprime dans la tete.
    std::string CreerFormVariable(const std::string& nom) const;
    std::string CreerFormEntete(const std::string& nom, const std::string& dateHeure) const;

    // "N" (numerique), "C" (caracteres ou date) ou "E" (inconnu) ; compare entier et sensible a la casse.
    static std::string DonneTypeChamp(const std::string& typeSgbd) { return {BaseMysql::DecritType(typeSgbd).Champ}; }
    // Vrai pour un type de nombre, de date ou d'heure : la valeur vide n'y a de sens en SQL que
    // comme NULL, ou, a l'insertion, comme le defaut de la colonne.
    static bool VideEstNull(const std::string& type) { return BaseMysql::DecritType(type).VideNull; }
    // La colonne par laquelle les mises a jour de la classe reperent leur ligne : la cle primaire
    // quand une seule colonne la forme, sinon la premiere colonne. La page la tient d'ici pour
    // charger la meme colonne que Maj_ALL compare.
    static size_t IndiceRepere(const std::vector<structTable>& champs) {
        return static_cast<size_t>(std::max(BaseMysql::CleDUneColonne(champs), 0));
    }

private:
    void CreeRepertoiresDuSite();
    std::map<std::string, std::vector<structTable>> LisColonnes(BaseMysql& base, const std::string& database);
    bool NomsPhp(const std::string& table);
    void EcritClasse(const std::string& table);
};

#endif
