// La fonction form : une page PHP/HTML de formulaire depuis une description ".form".
#ifndef FRWFORM_H
#define FRWFORM_H

#include <string>
#include <vector>

#include "BaseMysql.h"
#include "Utiles.h"
#include "Parametres.h"

class MesForms {
public:
    // Une valeur offerte par une liste, des boutons radio ou des cases a cocher.
    struct FElement {
        std::string Valeur;   // la valeur postee
        std::string Donnees;  // le texte montre
        std::string Defaut;   // "O" quand elle est preselectionnee
    };

    // Un bouton de validation ("B") ou un lien ("L").
    struct ElementBouton {
        std::string Type;
        std::string Nom;      // le nom de l'action
        std::string Libelle;  // le texte montre
    };

    // Un champ decrit du formulaire. Chaque attribut qu'une ligne de la
    // description donne est suivi de son numero de ligne (0 : pas encore donne).
    // Construit vide : le lecteur pose lui-meme ses valeurs de depart.
    struct Element {
        std::string PresentEnBase;
        std::string Champ;
        int LigneChamp = 0;
        std::string Libelle;
        int LigneLibelle = 0;
        std::string InputHtml;
        int LigneInputHtml = 0;
        std::string OptionChamp;
        int LigneOptionChamp = 0;
        std::string OptionInput;
        int LigneOptionInput = 0;
        std::string Element;  // la liste des valeurs en texte, chacune suivie de ";"
        std::vector<FElement> ListeValeurs;
        int LigneElement = 0;
        std::string TypeHtml;
        int LigneTypeHtml = 0;
        std::string Longueur;
        int LigneLongueur = 0;
        std::string Obligatoire;
        int LigneObligatoire = 0;
        std::string Grise;
        int LigneGrise = 0;
        std::string Autofocus;
        int LigneAutofocus = 0;
        std::string ControleJS;
        int LigneControleJS = 0;
        std::string ValeurInitiale;
        int LigneValeurInitiale = 0;
        std::string Visible;
        int LigneVisible = 0;
        std::string Index;
        int LigneIndex = 0;  // aucun mot cle ne donne Index
        std::string TypeSgbd;
        std::string TypePhp;
        std::string AutoIncrement;
        // OptionPave2 est declaree avant OptionPave1 : les numeros donnent
        // l'ordre ou la zone de texte recoit ses trois options.
        std::string OptionPave2;
        int LigneOptionPave2 = 0;
        std::string OptionPave1;
        int LigneOptionPave1 = 0;
        std::string OptionPave3;
        int LigneOptionPave3 = 0;
    };

    std::string FinDeLigne;
    Parametrage& Param;
    std::string SeparateurValeurs;

    // Les mots cles de la description, dans l'ordre de leur declaration.
    std::string MotCleTable;
    std::string MotCleNonUtilise1;
    std::string MotCleChamp;
    std::string MotCleInputHtml;
    std::string MotCleOptionChamp;
    std::string MotCleOptionInput;
    std::string MotCleGrise;
    std::string MotCleLibelle;
    std::string MotCleElement;
    std::string MotCleTypeHtml;
    std::string MotCleLongueur;
    std::string MotCleValeurInitiale;
    std::string MotCleObligatoire;
    std::string MotCleAutofocus;
    std::string MotCleControleJS;
    std::string MotCleVisible;
    std::string MotCleNonUtilise2;
    std::string MotCleOptionPave1;
    std::string MotCleOptionPave2;
    std::string MotCleOptionPave3;
    std::string MotCleFinElement;
    std::string MotCleBouton;
    std::string MotCleLien;
    std::string MotCleNonUtilise3;

    std::vector<Element> ListeElements;
    std::vector<ElementBouton> ListeBoutons;
    // Trois paires de la forme de NomTable et LigneTable, que rien ne donne ni ne lit.
    std::string NonUtilise1;
    int LigneNonUtilise1 = 0;
    std::string NonUtilise2;
    int LigneNonUtilise2 = 0;
    std::string NonUtilise3;
    int LigneNonUtilise3 = 0;
    std::string NomTable;
    int LigneTable = 0;
    std::string NomFichierSortie;
    std::string NomFichierForm;
    std::string NomFichierConnexion;
    std::vector<std::string> ListeTables;
    std::vector<structTable> ListeChamps;
    Fichier FichierSortie;  // rien ne s'en sert : la page s'ecrit par un Fichier de l'ecrivain

    // Les variables que la page ecrit elle-meme (PHP distingue leur casse) : $F et $valeur sur toute
    // page, les autres sur une page de table. Ni la table ni, sans table, un element ne les prend.
    static std::vector<std::string> VariablesDeLaPage(bool avecTable);
    // Les membres du formulaire que les scripts de la page appellent : le champ d'une colonne
    // qui porterait l'un de ces noms le masquerait.
    static const std::vector<std::string>& MembresDuFormulaire();

    explicit MesForms(Parametrage& param);
    MesForms(const MesForms&) = delete;
    MesForms& operator=(const MesForms&) = delete;

    // Lecture de la description et controle contre la base.
    std::string ChargeFichierConfigFormulaire(std::string nomFichierForm);
    // Declare les fichiers que form lit ou ecrit pour la description (elle, sa page, les copies a
    // cote d'elle et leurs originaux, sans ceux de la table, qu'elle seule nomme) : ce que
    // Parametrage::ReleveFichiers demande.
    void FichiersDeLExecution(const std::string& nomFichierForm, plateforme::Registre& registre);

    // Ecriture de la page et des copies a cote d'elle ; rend le journal des copies.
    std::string ConstruireFichierFormulaireDescriptif();
    std::string Creation_RecupChampsPhp(std::string table);
    std::string Creation_TraitementPhp(std::string table);
    std::string FaitFormulaire(std::string table);
    // Le texte d'un element, tel que le corps de la page l'ecrit entre un retrait et une fin de ligne.
    // TypeHtml, et InputHtml d'un champ qui n'est pas cache, restent en majuscules dans l'element.
    std::string FaitChamp(int index, std::string table);

    // Constructeurs de pages que rien n'appelle.
    std::string CreerFormulaireInsertion(std::string inutilise);
    std::string CreerFormAction(std::string inutilise);
    std::string CreerAffichageTableau(std::string inutilise);
    std::string CreerFormVariable(const std::vector<Element>& liste, std::string nom);
    std::string CreerFormEntete(std::string form, std::string table);

    // Vidages des enregistrements.
    std::string AfficheListeDeChamps(unsigned int n);
    std::string AfficheElementBouton(unsigned int n);
    std::string AfficheElement(unsigned int n);

private:
    // --- lecture (aides privees du lecteur et du controle) ---

    // Un mot cle tel que le lecteur le cherche : son action ('T' table, 'F' fin
    // d'element, 'A' attribut, 'V' ligne de valeur, 'B' bouton, 'L' lien) et,
    // pour un attribut, le champ qu'il pose, son numero de ligne et si
    // l'avertissement de redefinition finit par une ligne vide.
    struct MotCleLu {
        const std::string& MotCle;
        char Action;
        std::string Element::*Valeur;
        int Element::*Ligne;
        bool LigneEnPlus;
    };

    void LisLignes(const std::vector<std::string>& lignes);
    void AppliqueMotCle(const MotCleLu& motCle, const std::string& ligne, int numero, Element& courant);
    void LitLigneTable(const std::string& valeur, const std::string& ligne, int numero);
    void LitLigneAttribut(const MotCleLu& motCle, const std::string& valeur, const std::string& ligne, int numero,
                          Element& courant);
    void LitLigneValeur(const std::string& valeur, int numero, Element& courant);
    void LitLigneBouton(const MotCleLu& motCle, const std::string& ligne, int numero);
    void ControleChainesPhp();
    void ControlePageEcrasee();
    void ControleDescription();
    std::string ControleBase();
    void PasseColonnes();
    void ControleCle();
    void AvertitCle(const structTable& cle);
    void ControleNomsSansTable();
    void ControleNomsDeTable();
    void ControleNomPhp(const std::string& nom);

    // --- ecriture (aides privees de la page) ---
    // Le champ du premier element, cle de la page ; "" sans element.
    std::string ChampCle() const;
    // Vrai quand le premier element est la cle de la page, que la page ecrit en champ cache.
    bool CleCachee() const;
    // La colonne dont la cle chargee porte la valeur : celle par laquelle Maj_ALL repere la ligne.
    std::string ColonneRepere() const;
    // La methode d'effacement que la classe de la table definit pour ce champ.
    std::string MethodeEffacement(const std::string& champ) const;
    std::vector<std::string> ColonnesNonMontrees() const;
    void BlocListe(Emetteur& e, const std::string& table) const;
    void BoiteResultat(Emetteur& e) const;
    // Les lignes d'un element, comme FaitChamp les rend.
    void EmetChamp(Emetteur& e, size_t index, const std::string& table);
    // Un fichier copie a cote de la page et l'anomalie d'un echec (vide : celle par defaut).
    struct Copie { std::string Source, Cible, Anomalie; };
    std::vector<Copie> CopiesACote() const;
};

#endif
