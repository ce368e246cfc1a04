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
    std::string FinDeLigne;
    std::string SuffixeRequete;
    std::string VersionMysql;
    std::vector<std::string> ListeTables;
    std::vector<structTable> ListeChamps;
    std::string NomFichierConnexion;

    explicit FrwSgbd(Parametrage& param);
    ~FrwSgbd();

    std::string PrepareFichierClasse(std::string serveur, std::string database, std::string utilisateur,
                                     std::string motDePasse);
    std::string AfficheVersionMySql();

    // Le texte complet du fichier de classe de la table, champs deja lus.
    std::string ConstruitClasse(const std::string& table);

    std::string DonneTypeChamp(std::string typeSgbd);
    std::string VerifieEndroit(std::string endroit);

    std::string CreerEntete(std::string table);
    std::string CreerDeclarations();
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
    std::string CreerFin(std::string table);

    // Constructeurs d'une classe de formulaire, que rien n'appelle encore.
    std::string CreerFormVariable(std::string nom);
    std::string CreerFormEntete(std::string nom);

private:
    std::string Ligne(int retrait, const std::string& texte);
    void CreeRepertoiresDuSite();
    std::string ValeurInitiale(structTable& champ);
    std::string ListeDesChamps();
    std::string CriteresNonVides();
    std::string ChargePremiereLigne();
};

// Le texte tel qu'il peut s'ecrire entre les guillemets d'une chaine PHP.
std::string ChainePhp(const std::string& texte);

#endif
