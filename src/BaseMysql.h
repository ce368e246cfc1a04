// Lecture du schema d'une base MySQL/MariaDB : version du serveur, tables et
// colonnes, types PHP et HTML d'un type MySQL.
#ifndef BASEMYSQL_H
#define BASEMYSQL_H

#include <mysql.h>

#include <string>
#include <vector>

#include "Parametres.h"

// Une colonne d'une table, telle que le serveur la decrit. Drapeaux "O"/"N".
struct structTable {
    std::string NomTable;
    std::string NomChamp;
    std::string Longueur;
    std::string TypeSgbd;
    std::string TypePhp;
    std::string TypeHtml;
    std::string Index;
    std::string Commentaire;
    std::string AutoIncrement;
    std::string Obligatoire;
    std::string ValeurDefaut;
};

class BaseMysql {
public:
    std::string FinDeLigne;
    Parametrage* Param;
    MYSQL Connexion;
    std::string Serveur;
    std::string Base;
    std::string Utilisateur;
    std::string MotDePasse;
    int ColonneCommentaire;
    // Jeu de caracteres des textes lus : latin1 pour les fichiers de classe,
    // utf8mb4 pour les pages de formulaire.
    std::string JeuDeCaracteres;

    explicit BaseMysql(Parametrage& param);
    ~BaseMysql();
    BaseMysql(const BaseMysql&) = delete;
    BaseMysql& operator=(const BaseMysql&) = delete;

    void OuvreBase(std::string serveur, std::string base, std::string utilisateur, std::string motDePasse);
    std::string ChercheVersion_MYSQL();
    std::string FaitListeTable(std::string base, std::vector<std::string>& liste);
    std::string FaitListeChamps(std::string base, std::string table, std::vector<structTable>& liste);
    std::string TypeSgbd2Php(std::string type);
    std::string TypeSgbd2Html(std::string type);

    // MariaDB decrit une valeur par defaut comme une expression SQL ('Paris',
    // NULL, current_timestamp()) ; MySQL en donne la valeur. Rend la forme MySQL.
    static std::string NormaliseDefautMariaDB(const std::string& defaut);

private:
    bool Initialisee;
    bool Connectee;
    bool EstMariaDB;

    // Envoie une requete de catalogue ; faux, avec l'erreur enregistree, quand
    // elle echoue ou ne rend pas de resultat.
    MYSQL_RES* Interroge(const std::string& requete, const std::string& quoi);
    std::string Echappe(const std::string& nom);
};

#endif
