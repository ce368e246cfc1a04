// La fonction sgbd : une classe PHP d'acces aux donnees par table de la base,
// ecrite dans le repertoire include des sources et dans celui de la cible.
#ifndef FRWSGBD_H
#define FRWSGBD_H

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "BaseMysql.h"
#include "Parametres.h"
#include "Utiles.h"

class FrwSgbd {
public:
    Parametrage& Param;
    std::string NonUtilise;  // rien ne le lit
    std::string FinDeLigne = "\n";
    // Ecrit dans chaque mysql_query genere, juste apres la requete ; vide, il ne change rien.
    std::string SuffixeRequete;
    // Version du serveur (et ligne de connexion en mode bavard), journalisee par main.
    std::string VersionMysql;
    // Les tables de la base, dans l'ordre ou FaitListeTable les donne.
    std::vector<std::string> ListeTables;
    // Les colonnes de la table en cours : un structTable decrit une colonne.
    std::vector<structTable> ListeChamps;
    // Le fichier d'appui de connexion, le nom de Parametrage ; rien ne le lit ici.
    std::string NomFichierConnexion;

    // Pourquoi une table nommee comme Utiles::NomReservePhp le refuse n'a ni classe ni page.
    static const std::string RaisonNomReserve;

    explicit FrwSgbd(Parametrage& param);

    // Le pilote : connexion, liste des tables, repertoires, puis une classe par
    // table. Rend une ligne "Traitement table:" par table.
    std::string PrepareFichierClasse(std::string serveur, std::string database, std::string utilisateur,
                                     std::string motDePasse);
    std::string AfficheVersionMySql() const { return VersionMysql; }

    // Le texte complet du fichier de classe de la table d'apres ListeChamps, `dateHeure` imprime
    // en tete : les generateurs ci-dessous dans l'ordre du fichier. N'enregistre rien.
    std::string ConstruitClasse(const std::string& table, const std::string& dateHeure = Utiles::DateHeure(""));

    // Les generateurs du fichier de classe : chacun rend le texte PHP de sa methode (ou de son
    // groupe de methodes) pour la table en cours, d'apres ListeChamps, et n'ecrit rien. La table
    // est nommee sans le prefixe des tables. CreerEntete ouvre le PHP et la classe.
    std::string CreerEntete(std::string table, const std::string& dateHeure = Utiles::DateHeure(""));
    std::string CreerConstructeur(std::string table);
    std::string CreerInitVariable();
    std::string CreerTransfertChamps();
    std::string ConstruitFonctionVar2Tab();
    std::string ConstruitAfficheVarClasse(std::string table);
    std::string ConstruitFonctionPost2Var();
    std::string ConstruitFonctionVar2Post();
    std::string ConstruitRequeteParcours(std::string table);
    std::string ConstruitParcoursNext(std::string table);
    std::string ConstruitDonneLigne();
    std::string ConstruitRequeteCherche(std::string table);
    std::string ConstruitRequetesCherche(std::string table);
    std::string ConstruitRequeteInsertion(std::string table);
    std::string ConstruitRequeteUpdateAll(std::string table);
    std::string ConstruitRequetesUpdate(std::string table);
    std::string ConstruitRequeteDelete(std::string table);
    std::string ConstruitRequeteExecute(std::string table);
    std::string ConstruitVerifie_erreur();
    // L'appel PHP qui verifie la requete d'une methode a l'endroit dit, sans retrait ni fin de ligne.
    std::string VerifieEndroit(std::string endroit) const;

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
    class ClassePhp;

    // Un membre ou une methode que la classe en cours declare : son nom, et d'ou il vient, un nom
    // fixe (Fixe), le nom de la table (Table) ou celui de la colonne de cet indice.
    static constexpr int Fixe = -2, Table = -1;
    struct Declaration {
        std::string nom;
        bool methode;
        int source;
    };
    // Les declarations de la classe en cours, de CreerEntete a la fin, dans l'ordre du fichier.
    std::vector<Declaration> Declarations;

    // Le texte qu'emet `generateur` pour la table.
    std::string Genere(const std::string& table, const std::function<void(ClassePhp&)>& generateur);
    // Apres ConstruitClasse : le premier nom que la classe declarerait deux fois (PHP refuserait
    // alors le fichier), dit d'apres le nom de table ou de colonne qui le donne ; "" s'il n'y en a
    // pas. La casse compte pour les membres, pas pour les methodes.
    std::string DoubleDeclaration() const;
    std::string Origine(int source) const;
    void CreeRepertoiresDuSite();
    std::map<std::string, std::vector<structTable>> LisColonnes(BaseMysql& base, const std::string& database);
    bool NomsPhp(const std::string& table);
    void EcritClasse(const std::string& table);
};

#endif
