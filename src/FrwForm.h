// La fonction form : une page PHP/HTML de formulaire depuis une description ".form".
#ifndef FRWFORM_H
#define FRWFORM_H

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BaseMysql.h"
#include "Utiles.h"
#include "Parametres.h"

// Ce que l'ecriture de la page fait des valeurs de la description qu'elle met entre les guillemets
// de ses chaines PHP : chaque valeur, et les variables que la page a definies la ou elle l'ecrit.
// Releve en ecrivant la page sans l'enregistrer, il fait juger ces valeurs d'apres l'ecriture meme
// (MesForms::ControleChainesPhp).
struct ReleveDesChaines {
    // Un texte (ou rien encore), un texte qui n'est jamais un nombre (l'action demandee), un tableau
    // ou un objet.
    enum class Sorte { Texte, Mot, Tableau, Objet };
    // Une propriete qu'un objet laisse lire (Tableau : elle en porte un), ou qu'il garde privee.
    enum class Acces { Lue, Tableau, Privee };
    using Proprietes = std::map<std::string, Acces>;

    // Une variable telle que la page la definit.
    struct Variable {
        Sorte sorte = Sorte::Texte;
        // Les proprietes d'un objet ; nul quand elles ne sont pas connues.
        std::shared_ptr<const Proprietes> proprietes;
        // Ou la page la definit, pour une valeur qu'elle ecrit avant : "apres le formulaire".
        std::string quand;
        // Non vide : la page ne la definit que si elle fait cette action.
        std::string action;
        // Une variable de la page meme, et non un nom tire de la description.
        bool propre = false;
    };

    // Une valeur ecrite : telle que la description la donne, suivie dans la page de `suite` jusqu'au
    // guillemet fermant, en majuscules si `majuscules` ; `ou` : -1 pour la table, puis l'indice d'un
    // element, puis le nombre d'elements plus l'indice d'un bouton ; `rang` : le nombre de variables
    // definies avant elle.
    struct Valeur {
        std::string tapee, suite, motCle;
        int ou;
        bool majuscules;
        size_t rang;
    };

    // Les variables dans l'ordre ou la page les definit, les valeurs dans celui ou elle les ecrit.
    std::vector<std::pair<std::string, Variable>> definitions;
    std::vector<Valeur> valeurs;
};

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

    // Les variables que la page ecrit elle-meme (PHP distingue leur casse), relevees en ecrivant une
    // page type : $F et $valeur sur toute page, les autres sur une page de table. Ni la table ni,
    // sans table, un element ne les prend.
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
    // Une ligne de saisie ; `type` : TYPE= tel que la description le donne.
    void ChampSaisie(Emetteur& e, size_t index, const std::string& table, const std::string& type);
    std::string ChampPave(size_t index, const std::string& table);
    void ChampValeurs(Emetteur& e, size_t index, const std::string& genre, const std::string& valeur);
    void BrancheAction(Emetteur& e, const std::string& action, const std::string& appel, const std::string& echec,
                       const std::string& succes, const std::vector<std::string>& avant = {});

    // --- chaines PHP de la page, relues par le controle ---
    // Non nul pendant que le controle releve l'ecriture de la page : chaque valeur de la description
    // ecrite dans une chaine et chaque variable definie y sont notees ; rien n'est signale.
    ReleveDesChaines* Releve = nullptr;
    // Une valeur de la description (de la table, de l'element ou du bouton `ou`, voir
    // ReleveDesChaines::Valeur) ecrite dans une chaine PHP, suivie de `suite` jusqu'au guillemet
    // fermant : le texte ecrit, suite comprise, en majuscules si `majuscules`.
    std::string Chaine(const std::string& valeur, const std::string& motCle, int ou, const std::string& suite = "",
                       bool majuscules = false) const;
    // La cle de la page dans une chaine PHP ; "" sans element.
    std::string ChaineCle() const;
    int OuBouton(size_t indice) const { return static_cast<int>(ListeElements.size() + indice); }
    // La variable que definit le PHP ecrit juste avant.
    void Definit(const std::string& nom, ReleveDesChaines::Variable variable) const;
    // Les proprietes d'un objet de la classe que declare le fichier d'appui `nom`, copie depuis le
    // repertoire du programme, ou de l'objet de la table ; nul hors d'un releve.
    std::shared_ptr<const ReleveDesChaines::Proprietes> ProprietesDuProgramme(const std::string& nom) const;
    std::shared_ptr<const ReleveDesChaines::Proprietes> ProprietesDeLaTable() const;
    // Les variables propres a une page avec ou sans table, relevees sur une page type.
    static const std::vector<std::pair<std::string, ReleveDesChaines::Variable>>& VariablesPropres(bool avecTable);
    // Un fichier copie a cote de la page et l'anomalie d'un echec (vide : celle par defaut).
    struct Copie { std::string Source, Cible, Anomalie; };
    std::vector<Copie> CopiesACote() const;
};

#endif
