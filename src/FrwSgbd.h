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
    // Ni lu ni ecrit apres la construction. Il reste : membre public de FrwSgbd, du code hors de ce
    // depot peut le nommer, et le retirer le casserait sans rien faire gagner a ce programme.
    std::string NonUtilise;
    // Finit chaque ligne du texte genere, du rapport et de la ligne de connexion.
    std::string FinDeLigne = "\n";
    // Ecrit dans chaque mysql_query genere, juste apres la requete ; vide, il ne change rien.
    std::string SuffixeRequete;
    // Version du serveur (et ligne de connexion en mode bavard), journalisee par main.
    std::string VersionMysql;
    // Les tables de la base, dans l'ordre ou FaitListeTable les donne.
    std::vector<std::string> ListeTables;
    // Les colonnes de la table en cours : un structTable decrit une colonne.
    std::vector<structTable> ListeChamps;
    // Le nom du fichier d'appui de connexion (22 caracteres), le meme que Parametrage::NomFichierConnexion.
    // Rien ne le lit : le pilote compare ses noms de fichier a celui de Parametrage, le nom du fichier
    // copie. Il reste pour la meme raison que NonUtilise : membre public, du code hors du depot peut le lire.
    std::string NomFichierConnexion;

    // Pourquoi une table nommee comme Utiles::NomReservePhp le refuse n'a ni classe ni page.
    static const std::string RaisonNomReserve;

    explicit FrwSgbd(Parametrage& param);

    // Declare les fichiers de classe (prefixe des classes, ".php") deja la dans les deux repertoires
    // include : ce que sgbd ecrit et ce que form copie (Parametrage::ReleveFichiers).
    void FichiersDeLExecution(plateforme::Registre& registre);

    // Le pilote : connexion, liste des tables, repertoires, puis une classe par
    // table. Rend une ligne "Traitement table:" par table.
    std::string PrepareFichierClasse(std::string serveur, std::string database, std::string utilisateur,
                                     std::string motDePasse);
    std::string AfficheVersionMySql() const { return VersionMysql; }

    // Le texte complet du fichier de classe de la table d'apres ListeChamps, `dateHeure` imprime en
    // tete : les generateurs ci-dessous dans l'ordre du fichier, entre les declarations des membres et
    // la fin de la classe. Note chaque nom que la classe declare (Declarations, que lit
    // DoubleDeclaration) ; CreerInitVariable change dans ListeChamps le defaut CURRENT_TIMESTAMP et
    // CreerTransfertChamps signale les colonnes de type inconnu.
    std::string ConstruitClasse(const std::string& table, const std::string& dateHeure = Utiles::DateHeure(""));

    // Ce que ConstruitClasse ecrit avant les generateurs : les declarations des membres d'apres
    // ListeChamps. La page de formulaire y lit les proprietes de l'objet de la table.
    std::string CreerDeclarations();

    // Les generateurs du fichier de classe : chacun rend le texte PHP d'une methode ou d'un groupe de
    // methodes pour la table en cours, d'apres ListeChamps, et n'ecrit rien. `table` est le nom de la
    // table sans le prefixe des tables ; il nomme la classe, et le SQL le prefixe.
    // La tete du fichier, qui ouvre le PHP et la classe ; la classe repart d'aucune declaration.
    std::string CreerEntete(std::string table, const std::string& dateHeure = Utiles::DateHeure(""));
    // __construct() et le constructeur nomme comme la classe : libelles et tableaux des colonnes.
    std::string CreerConstructeur(std::string table);
    // InitVariable() et InitVariableV(), qui donnent aux membres leur valeur de depart.
    std::string CreerInitVariable();
    // TransfertChampsEcriture() et TransfertChampsLecture(), entre les membres et leur forme SQL.
    std::string CreerTransfertChamps();
    // TableauInitColonne(), TableauAjouteColonne(), TableauFaitLibelle() et TableauFaitChamps().
    std::string ConstruitFonctionVar2Tab();
    // AfficheVarClasse() : les membres dans un tableau HTML.
    std::string ConstruitAfficheVarClasse(std::string table);
    // Form2Variable() : la demande postee dans les membres.
    std::string ConstruitFonctionPost2Var();
    // Variable2Form() : les membres de texte sans leurs barres obliques, pour la page.
    std::string ConstruitFonctionVar2Post();
    // Parcours() : les lignes egales aux membres non vides, choix IN et tri compris.
    std::string ConstruitRequeteParcours(std::string table);
    // Next() : la ligne suivante du resultat dans les membres.
    std::string ConstruitParcoursNext(std::string table);
    // DonneLigne() : la ligne suivante d'une requete libre, en tableau.
    std::string ConstruitDonneLigne();
    // Cherche() : la premiere ligne egale aux membres non vides.
    std::string ConstruitRequeteCherche(std::string table);
    // Cherche_<colonne>() pour chaque colonne : la premiere ligne de cette valeur.
    std::string ConstruitRequetesCherche(std::string table);
    // Insertion() : les membres en une ligne nouvelle.
    std::string ConstruitRequeteInsertion(std::string table);
    // Maj_ALL() : la ligne reperee mise a jour, sauf les colonnes gardees.
    std::string ConstruitRequeteUpdateAll(std::string table);
    // Maj_<colonne>() pour chaque colonne sauf celle qui repere la ligne.
    std::string ConstruitRequetesUpdate(std::string table);
    // EffaceAvec_<colonne>() (EffaceAvecIndex_ pour la colonne indexee) pour chaque colonne.
    std::string ConstruitRequeteDelete(std::string table);
    // ExecuteRequete() : une requete donnee par l'application.
    std::string ConstruitRequeteExecute(std::string table);
    // verifie_erreur() : le texte d'erreur de MySQL, echappe pour la page, ou "".
    std::string ConstruitVerifie_erreur();
    // L'appel PHP qui verifie la requete d'une methode a l'endroit dit, sans retrait ni fin de ligne.
    std::string VerifieEndroit(std::string endroit) const;

    // Declarations et tete d'une classe de formulaire <nom>_FORM : textes que rien n'ecrit
    // encore dans un fichier. La tete imprime `dateHeure`, par defaut la date et l'heure de l'appel.
    std::string CreerFormVariable(std::string nom) const;
    std::string CreerFormEntete(std::string nom, const std::string& dateHeure = Utiles::DateHeure("")) const;

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
    // Le texte du generateur en cours : chaque ligne a le retrait de Param.Tab() et finit par FinDeLigne.
    // Rien n'en reste d'un appel a l'autre : un generateur const peut s'en servir.
    mutable Emetteur Php;

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

    // Un texte neuf dans Php, au cran `retrait` : 1 pour le corps de la classe, 0 hors d'elle.
    Emetteur& Commence(int retrait = 1) const;
    // prefixe + table : le nom de la table dans le SQL (et dans certains commentaires).
    std::string TableSql(const std::string& table) const;
    // Ce que ConstruitClasse ecrit apres les generateurs : Ferme() et la fin.
    std::string CreerFin(const std::string& table);

    // Les morceaux que plusieurs generateurs emettent dans Php ; chacun est decrit dans FrwSgbd.cpp.
    void Declare(const std::string& tete, const std::string& marque, bool methode, int source);
    const std::string& Fonction(const std::string& tete, int source = Fixe);
    void Methode(const std::string& commentaire, const std::string& tete, const std::function<void()>& corps,
                 int source = Fixe);
    void Propriete(const std::string& ligne, int source);
    void PourChaqueColonneChoisie(const std::function<void()>& corps);
    std::string ListeDesChamps() const;
    void CriteresNonVides();
    std::string ColonneNommee(const std::string& membre) const;
    void ClauseDeTri(const std::string& variable, const std::string& avant);
    void Interroge(const std::string& argument);
    void Verifie(const std::string& endroit);
    void ChargeResultat(const std::function<void()>& chargement, const std::function<void()>& remise);
    void ChargePremiereLigne(const std::string& endroit);
    void NullDevientDefaut(const std::string& colonne);
    std::string NomRepere() const;
    void Critere(const structTable& c);
    void AucuneLigneSansNombre(const std::string& variable);
    std::string OuRepere() const;

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
