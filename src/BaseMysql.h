// Lecture du schema d'une base MySQL/MariaDB : version du serveur, tables et
// colonnes, et ce que le programme sait de chaque type MySQL.
#ifndef BASEMYSQL_H
#define BASEMYSQL_H

#include <mysql.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Parametres.h"

// Une colonne d'une table, telle que le serveur la decrit : malgre son nom, un
// structTable est UNE colonne (une liste de structTable fait une table).
// Drapeaux "O"/"N".
struct structTable {
    std::string NomTable;
    std::string NomChamp;
    std::string Longueur;
    std::string TypeSgbd;
    std::string TypePhp;
    std::string TypeHtml;
    std::string Index;          // "O" : la premiere colonne de la cle primaire, et elle seule
    std::string Commentaire;
    std::string AutoIncrement;
    std::string Obligatoire;    // "N" : la colonne accepte NULL ; "O" sinon
    std::string ValeurDefaut;
    // La cle de la colonne telle que le serveur la nomme (COLUMN_KEY) : "PRI" pour
    // chaque colonne de la cle primaire, "UNI" pour la premiere colonne d'un index
    // unique d'une seule colonne, "MUL" sinon pour une colonne indexee, "" sans index.
    std::string CleServeur;
};

// Ce que le programme sait d'un type de colonne (DATA_TYPE, compare entier et sensible a la casse).
// Un type hors de la table : mal decode (averti), sans largeur, "E", aucun drapeau.
struct TypeMysql {
    const char* Nom;
    const char* Php;      // TypePhp ("int" ou "string"), et TypeHtml "TEXT" ; "" : type mal decode
    const char* Largeur;  // la Longueur quand le serveur n'en donne pas ; "0" : aucune
    char Champ;           // DonneTypeChamp : 'N' nombre, 'C' caracteres ou date, 'E' ni l'un ni l'autre
    bool VideNull;        // VideEstNull : InitVariable met "" et un serveur strict refuse '' pour ce type
    bool NombreNu;        // un nombre entre nu dans le SQL ; bit aussi : '1' serait un octet, trop long pour bit(1)
    bool Stripslashes;    // Variable2Form retire au texte les barres qu'addslashes y a mises
};

class BaseMysql {
public:
    std::string FinDeLigne = "\n";
    Parametrage* Param;
    MYSQL Connexion;
    // Ce que recoit OuvreBase, garde pour la vie de l'objet ; seule la connexion le lit.
    std::string Serveur;
    std::string Base;
    std::string Utilisateur;
    std::string MotDePasse;
    // Ou lire le commentaire de colonne : la requete le demande deux fois, et
    // la position lue change apres ChercheVersion_MYSQL ; les deux se valent.
    int ColonneCommentaire = 18;
    // Jeu de caracteres des textes lus : latin1 pour les fichiers de classe,
    // utf8mb4 pour les pages de formulaire.
    std::string JeuDeCaracteres = "latin1";

    explicit BaseMysql(Parametrage& param) : Param(&param) {}
    ~BaseMysql() { if (Initialisee) mysql_close(&Connexion); }
    BaseMysql(const BaseMysql&) = delete;
    BaseMysql& operator=(const BaseMysql&) = delete;

    void OuvreBase(std::string serveur, std::string base, std::string utilisateur, std::string motDePasse);
    std::string ChercheVersion_MYSQL();
    std::string FaitListeTable(std::string base, std::vector<std::string>& liste);
    std::string FaitListeChamps(std::string base, std::string table, std::vector<structTable>& liste);
    // Les colonnes de toutes les tables de la base en une seule requete : ajoute a la
    // liste de chaque table (creee au besoin) les memes enregistrements que
    // FaitListeChamps, dans l'ordre des colonnes. Les tables que FaitListeTable ecarte
    // par leur commentaire y figurent aussi. "" si la lecture a reussi.
    // Sans `motsDesTypes`, TypePhp et TypeHtml restent vides et rien n'est enregistre :
    // l'appelant les donne avec DonneMotsDesTypes quand il traite la table, pour que
    // les avertissements suivent l'ordre des tables.
    std::string FaitListeChampsBase(std::string base, std::map<std::string, std::vector<structTable>>& tables,
                                    bool motsDesTypes = true);
    // TypePhp et TypeHtml de chaque colonne a partir de la position `debut`, avec les
    // avertissements des types inconnus.
    void DonneMotsDesTypes(std::vector<structTable>& champs, size_t debut = 0);
    std::string TypeSgbd2Php(std::string type);
    std::string TypeSgbd2Html(std::string type);
    // La ligne du type dans la table des types, seul endroit ou leurs noms sont ecrits.
    static const TypeMysql& DecritType(const std::string& type);

    // MariaDB decrit une valeur par defaut comme une expression SQL ('Paris',
    // NULL, current_timestamp()) ; MySQL en donne la valeur. Rend la forme MySQL.
    static std::string NormaliseDefautMariaDB(const std::string& defaut);

    // La position de la colonne qui est a elle seule la cle primaire de la table (la
    // seule colonne "PRI"), ou -1 quand la table n'a pas de telle cle.
    static int CleDUneColonne(const std::vector<structTable>& champs);

private:
    bool Initialisee = false;
    bool Connectee = false;
    bool EstMariaDB = false;

    // Envoie une requete de catalogue ; nul, avec l'erreur enregistree, quand elle echoue
    // ou ne rend pas au moins `colonnes` colonnes. `enFlux` : les lignes restent au
    // serveur jusqu'a leur lecture (mysql_use_result).
    MYSQL_RES* Interroge(const std::string& requete, const std::string& quoi, unsigned colonnes, bool enFlux = false);
    // "Erreur no:" suivi du numero et du texte de la derniere erreur de la connexion.
    std::string ErreurClient();
    // Lit les colonnes que rend `requete` et range chacune dans la liste que `listeDe`
    // donne pour sa table, sans TypePhp ni TypeHtml ; `quoi` ("de la table x")
    // complete les messages d'erreur.
    std::string LisChamps(const std::string& requete, const std::string& quoi,
                          const std::function<std::vector<structTable>&(const std::string&)>& listeDe);
    structTable ChampDeLaLigne(MYSQL_ROW ligne, unsigned long* longueurs);
};

#endif
