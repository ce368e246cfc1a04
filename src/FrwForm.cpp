#include "FrwForm.h"

#include <algorithm>
#include <cctype>

#include "Utiles.h"
#include "classe_fichier.h"

namespace {

// Mots cles de la description ".form", conserves brouilles comme les autres
// mots fixes. Aucun n'est contenu dans un autre : le lecteur les cherche
// partout dans la ligne.
const char* const BrouilleTable = "P<q~D-ziG1kS";
const char* const BrouilleNonUtilise1 = "P1qiD@zqG5kbqKtT";
const char* const BrouilleChamp = "P+qcD,zjG<kS";
const char* const BrouilleInputHtml = "P1qiD;zrG@k^S:tdL3rV";
const char* const BrouilleOptionChamp = "P7qkqizfG;kdS#";
const char* const BrouilleOptionInput = "P7qkqizfG:kfS:tT";
const char* const BrouilleGrise = "P/qmD4zpG1kS";
const char* const BrouilleLibelle = "P4qdD-zbG8kbS+tT";
const char* const BrouilleElement = "P-qgD0zjG1kdS:tjL$";
const char* const BrouilleTypeHtml = "P<qtD;zbG)";
const char* const BrouilleLongueur = "P4qjD9zdGAk[S;tiL$";
const char* const BrouilleValeurInitiale = "P>q~D7zfG:k_S#";
const char* const BrouilleObligatoire = "P7q]D7zfG3kWS:tfL0rkZ0yY";
const char* const BrouilleAutofocus = "P)qpqizlG2keS)tlL:rV";
const char* const BrouilleControleJS = "P+qjD9zqG>keS2t~L1rlZ(";
const char* const BrouilleVisible = "P>qdD>zfG.kbS+tT";
const char* const BrouilleNonUtilise2 = "P1qiD@zqG5kbS/tjL,rIqGyY";
const char* const BrouilleOptionPave1 = "P8qqqFzZ";
const char* const BrouilleOptionPave2 = "P8qqqGzZ";
const char* const BrouilleOptionPave3 = "P8q~DAzPG)";
const char* const BrouilleFinElement = "P.qdD9z`G4kf";
const char* const BrouilleBouton = "P*qjD@zqG;kdS#";
const char* const BrouilleLien = "P4qdD0zkG)";
const char* const BrouilleNonUtilise3 = "P1qiD@zqqG";

}  // namespace

MesForms::MesForms(Parametrage& param) : FinDeLigne("\n"), Param(param), SeparateurValeurs(",") {
    const std::pair<std::string*, const char*> motsCles[] = {
        {&MotCleTable, BrouilleTable},
        {&MotCleNonUtilise1, BrouilleNonUtilise1},
        {&MotCleChamp, BrouilleChamp},
        {&MotCleInputHtml, BrouilleInputHtml},
        {&MotCleOptionChamp, BrouilleOptionChamp},
        {&MotCleOptionInput, BrouilleOptionInput},
        {&MotCleGrise, BrouilleGrise},
        {&MotCleLibelle, BrouilleLibelle},
        {&MotCleElement, BrouilleElement},
        {&MotCleTypeHtml, BrouilleTypeHtml},
        {&MotCleLongueur, BrouilleLongueur},
        {&MotCleValeurInitiale, BrouilleValeurInitiale},
        {&MotCleObligatoire, BrouilleObligatoire},
        {&MotCleAutofocus, BrouilleAutofocus},
        {&MotCleControleJS, BrouilleControleJS},
        {&MotCleVisible, BrouilleVisible},
        {&MotCleNonUtilise2, BrouilleNonUtilise2},
        {&MotCleOptionPave1, BrouilleOptionPave1},
        {&MotCleOptionPave2, BrouilleOptionPave2},
        {&MotCleOptionPave3, BrouilleOptionPave3},
        {&MotCleFinElement, BrouilleFinElement},
        {&MotCleBouton, BrouilleBouton},
        {&MotCleLien, BrouilleLien},
        {&MotCleNonUtilise3, BrouilleNonUtilise3},
    };
    for (const auto& [motCle, brouille] : motsCles) *motCle = Param.DeCrypt(brouille, Param.Cle);
    NomFichierConnexion = Param.DeCrypt(BrouilleFichierConnexion, Param.Cle);
}

MesForms::~MesForms() {}

// ====================================================================
// Lecture de la description et controle contre la base
// ====================================================================

std::string MesForms::ChargeFichierConfigFormulaire(std::string nomFichier) {
    Param.NbErreurs = 0;
    Param.NbAnomalies = 0;
    LigneTable = 0;
    NomFichierForm = nomFichier;
    Fichier fichier;
    std::vector<std::string> lignes;
    std::string echec = fichier.LisFichier(nomFichier, lignes);
    if (!echec.empty()) {
        Param.AddErreur(echec);
        Param.Log(echec, Parametrage::LogEcranEtFichier);
        return echec;
    }
    // La page porte le nom du descriptif en ".php" : un descriptif deja en
    // ".php" serait vide puis ecrase par sa propre page.
    NomFichierSortie = Param.ChangeExtention(NomFichierForm, ".php");
    if (NomFichierSortie == NomFichierForm) {
        Param.AddErreur("La page " + NomFichierSortie + " remplacerait le fichier descriptif lui-meme : " +
                        "donnez au descriptif une autre extension que .php.");
        return "";
    }
    LisLignes(lignes);
    ControleDescription();
    std::string resultat = NomTable.empty() ? "" : ControleBase();
    ControleNomsPhp();
    return resultat;
}

// Valeurs de l'element de travail avant la premiere ligne et apres chaque fin d'element.
void MesForms::ElementDeDepart(Element& element, const std::string& presentEnBase) {
    element = Element();
    element.PresentEnBase = presentEnBase;
    element.InputHtml = "input";
    element.Longueur = "0";
    element.Visible = "O";
    element.Obligatoire = "N";
    element.Grise = "N";
    element.Autofocus = "N";
    element.ControleJS = "N";
    element.Index = "N";
}

// Chaque ligne est cherchee pour chaque mot cle, dans cet ordre, n'importe ou
// dans la ligne : une ligne peut agir plusieurs fois.
void MesForms::LisLignes(const std::vector<std::string>& lignes) {
    using E = Element;
    const MotCleLu motsCles[] = {
        {MotCleTable, 'T', nullptr, nullptr, false},
        {MotCleFinElement, 'F', nullptr, nullptr, false},
        {MotCleChamp, 'A', &E::Champ, &E::LigneChamp, false},
        {MotCleLibelle, 'A', &E::Libelle, &E::LigneLibelle, false},
        {MotCleElement, 'V', nullptr, nullptr, false},
        {MotCleTypeHtml, 'A', &E::TypeHtml, &E::LigneTypeHtml, false},
        {MotCleLongueur, 'A', &E::Longueur, &E::LigneLongueur, false},
        {MotCleObligatoire, 'A', &E::Obligatoire, &E::LigneObligatoire, false},
        {MotCleAutofocus, 'A', &E::Autofocus, &E::LigneAutofocus, false},
        {MotCleControleJS, 'A', &E::ControleJS, &E::LigneControleJS, false},
        {MotCleVisible, 'A', &E::Visible, &E::LigneVisible, true},
        {MotCleInputHtml, 'A', &E::InputHtml, &E::LigneInputHtml, true},
        {MotCleOptionChamp, 'A', &E::OptionChamp, &E::LigneOptionChamp, true},
        {MotCleValeurInitiale, 'A', &E::ValeurInitiale, &E::LigneValeurInitiale, true},
        {MotCleGrise, 'A', &E::Grise, &E::LigneGrise, true},
        {MotCleOptionInput, 'A', &E::OptionInput, &E::LigneOptionInput, true},
        {MotCleOptionPave1, 'A', &E::OptionPave1, &E::LigneOptionPave1, true},
        {MotCleOptionPave2, 'A', &E::OptionPave2, &E::LigneOptionPave2, true},
        {MotCleOptionPave3, 'A', &E::OptionPave3, &E::LigneOptionPave3, true},
        {MotCleBouton, 'B', nullptr, nullptr, false},
        {MotCleLien, 'L', nullptr, nullptr, false},
    };
    Element courant;
    ElementDeDepart(courant, "");
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const std::string& ligne = lignes[i];
        const int numero = static_cast<int>(i) + 1;
        if (ligne.empty() || ligne[0] == '#') continue;
        GuillemetsImpairs = false;
        bool reconnue = false;
        for (const MotCleLu& motCle : motsCles) {
            if (ligne.find(motCle.MotCle) == std::string::npos) continue;
            reconnue = true;
            AppliqueMotCle(motCle, ligne, numero, courant);
        }
        const std::string designation = "Dans la ligne " + ligne + " (ligne " + Param.ConvertIntToString(numero) + ")";
        if (!reconnue)
            Param.AddWarning(designation + ", cette identifiant n'est pas compris (soit pas en majuscule soit inconnu)." +
                             FinDeLigne);
        if (GuillemetsImpairs)
            Param.AddWarning(designation + ", une valeur a un nombre impair de guillemets non echappes : " +
                             "elle cassera sa chaine PHP et la page generee sera invalide.");
    }
    // Ce qui suit la derniere fin d'element n'est jamais retenu.
}

// La valeur commence a la longueur du mot cle depuis le debut de la ligne, ou
// que le mot cle s'y trouve ; rien n'est retire.
void MesForms::AppliqueMotCle(const MotCleLu& motCle, const std::string& ligne, int numero, Element& courant) {
    const std::string valeur = ligne.substr(motCle.MotCle.size());
    switch (motCle.Action) {
        case 'T': LitLigneTable(valeur, ligne, numero); break;
        case 'F':
            ListeElements.push_back(courant);
            ElementDeDepart(courant, "N");
            break;
        case 'A': LitLigneAttribut(motCle, ligne, numero, courant); break;
        case 'V': LitLigneValeur(valeur, numero, courant); break;
        default: LitLigneBouton(motCle, ligne, numero); break;
    }
}

void MesForms::LitLigneTable(const std::string& valeur, const std::string& ligne, int numero) {
    if (LigneTable != 0) {
        Param.AddWarning("l'element " + ligne + " est defini a la ligne " + Param.ConvertIntToString(LigneTable) +
                         ", puis est redefini a la ligne " + Param.ConvertIntToString(numero));
        return;
    }
    NomTable = valeur;
    LigneTable = numero;
    NoteGuillemets(valeur);
    // Le fichier d'appui de connexion va a cote de la page, donc du descriptif.
    Param.CopieFichierConnexion(Utiles::CheminSansFichier(NomFichierForm));
}

void MesForms::LitLigneAttribut(const MotCleLu& motCle, const std::string& ligne, int numero, Element& courant) {
    int& premiere = courant.*motCle.Ligne;
    if (premiere != 0) {
        const std::string n = Param.ConvertIntToString(numero);
        Param.AddWarning("l'element " + ligne + " (ligne " + n + ") est defini a la ligne " +
                         Param.ConvertIntToString(premiere) + ", puis est redefini a la ligne " + n +
                         (motCle.LigneEnPlus ? FinDeLigne : ""));
        return;
    }
    courant.*motCle.Valeur = ligne.substr(motCle.MotCle.size());
    premiere = numero;
    NoteGuillemets(courant.*motCle.Valeur);
}

void MesForms::LitLigneValeur(const std::string& valeur, int numero, Element& courant) {
    courant.Element_ += valeur + ";";
    courant.LigneElement = numero;
    const std::string::size_type separateur = valeur.find(SeparateurValeurs);
    if (separateur == std::string::npos) {
        Param.AddWarning("Dans la description d'element (" + valeur + "), le separateur n'a pas ete trouve.");
        return;
    }
    FElement offerte;
    const bool preselectionnee = !valeur.empty() && valeur[0] == '*';
    const std::string::size_type debut = preselectionnee ? 1 : 0;
    offerte.Valeur = valeur.substr(debut, separateur - debut);
    offerte.Donnees = valeur.substr(separateur + SeparateurValeurs.size());
    offerte.Defaut = preselectionnee ? "O" : "N";
    NoteGuillemets(offerte.Valeur);
    NoteGuillemets(offerte.Donnees);
    courant.ListeValeurs.push_back(offerte);
}

// Le libelle va de la fin du mot cle a la premiere virgule de la ligne ; une
// virgule placee avant cette fin donne un libelle vide.
void MesForms::LitLigneBouton(const MotCleLu& motCle, const std::string& ligne, int numero) {
    const std::string::size_type virgule = ligne.find(',');
    if (virgule == std::string::npos) {
        Param.AddWarning("Dans la ligne " + ligne + " (ligne " + Param.ConvertIntToString(numero) +
                         ") le separateur \",\" n'a pas ete trouve." + FinDeLigne);
        return;
    }
    const std::string::size_type debut = motCle.MotCle.size();
    ElementBouton bouton;
    bouton.Type = motCle.Action == 'B' ? "B" : "L";
    bouton.Libelle = virgule > debut ? ligne.substr(debut, virgule - debut) : "";
    bouton.Nom = ligne.substr(virgule + 1);
    NoteGuillemets(bouton.Libelle);
    NoteGuillemets(bouton.Nom);
    ListeBoutons.push_back(bouton);
}

// Un guillemet precede d'un nombre impair de barres obliques inverses est
// echappe ; les valeurs restent copiees telles quelles.
void MesForms::NoteGuillemets(const std::string& valeur) {
    int guillemets = 0;
    int barres = 0;
    for (char c : valeur) {
        if (c == '"' && barres % 2 == 0) ++guillemets;
        barres = c == '\\' ? barres + 1 : 0;
    }
    if (guillemets % 2 != 0) GuillemetsImpairs = true;
}

void MesForms::ControleDescription() {
    if (ListeElements.empty()) Param.AddWarning("Aucun descriptif de champ detecte dans ce fichier descriptif.");
    if (NomTable.empty() && ListeBoutons.empty())
        Param.AddErreur("Le descriptif de formulaire n'a pas de bouton, ni de lien de validation (" + MotCleBouton +
                        "," + MotCleLien + ")");
    for (std::size_t i = 0; i < ListeElements.size(); ++i) {
        for (std::size_t j = i + 1; j < ListeElements.size(); ++j) {
            if (ListeElements[i].Champ == ListeElements[j].Champ)
                Param.AddErreur("Le champ " + ListeElements[i].Champ +
                                " est defini au moins 2 fois dans le descriptif du formulaire.");
        }
    }
}

// Toute erreur enregistree depuis le debut de la lecture arrete l'etape des
// que la connexion a ete tentee.
std::string MesForms::ControleBase() {
    Param.VerificationConfigurationSGBDIdentifiant(1);
    BaseMysql base(Param);
    base.FinDeLigne = FinDeLigne;
    // Les commentaires des colonnes deviennent des libelles d'une page en UTF-8.
    base.JeuDeCaracteres = "utf8mb4";
    base.OuvreBase(Param.ServeurMysql, Param.DatabaseMysql, Param.UtilisateurMysql, Param.MotDePasseMysql);
    Param.GestionErreur(-110, "", Parametrage::LogEcranEtFichier);
    // Une liste illisible enregistre l'erreur du serveur : l'etape s'arrete la.
    if (!base.FaitListeTable(Param.DatabaseMysql, ListeTables).empty())
        Param.GestionErreur(-120, "", Parametrage::LogEcranEtFichier);
    if (std::find(ListeTables.begin(), ListeTables.end(), NomTable) == ListeTables.end()) {
        Param.AddErreur("Le nom de la table '" + NomTable + "' n'a pas ete trouve dans la liste des tables de la base '" +
                        Param.DatabaseMysql + "'");
        return "";
    }
    if (!base.FaitListeChamps(Param.DatabaseMysql, NomTable, ListeChamps).empty())
        Param.GestionErreur(-130, "", Parametrage::LogEcranEtFichier);
    PasseColonnes();
    return "Table : " + NomTable + FinDeLigne;
}

// Sans element decrit, un element par colonne ; sinon chaque colonne complete
// les elements de son nom, et une colonne qu'aucun ne nomme est une erreur.
void MesForms::PasseColonnes() {
    const bool decrits = !ListeElements.empty();
    for (const structTable& colonne : ListeChamps) {
        if (!decrits) {
            Element element;
            element.Champ = colonne.NomChamp;
            element.Libelle = colonne.Commentaire;
            element.Longueur = colonne.Longueur;
            element.Index = colonne.Index;
            element.TypeSgbd = colonne.TypeSgbd;
            element.TypePhp = colonne.TypePhp;
            element.TypeHtml = colonne.TypeHtml;
            element.AutoIncrement = colonne.AutoIncrement;
            ListeElements.push_back(element);
            continue;
        }
        bool trouve = false;
        for (Element& element : ListeElements) {
            if (element.Champ != colonne.NomChamp) continue;
            CompleteElement(element, colonne);
            trouve = true;
        }
        if (!trouve)
            Param.AddErreur("Le champ '" + colonne.NomChamp + "' n'a pas ete trouve dans la tables " + NomTable +
                            " de la base '" + Param.DatabaseMysql +
                            "' (non identique entre .form et Base de donnees)");
    }
}

void MesForms::CompleteElement(Element& element, const structTable& colonne) {
    element.PresentEnBase = "O";
    if (element.Libelle.empty()) element.Libelle = colonne.Commentaire.empty() ? colonne.NomChamp : colonne.Commentaire;
    const std::pair<std::string*, const std::string*> siVides[] = {
        {&element.Longueur, &colonne.Longueur},
        {&element.TypeSgbd, &colonne.TypeSgbd},
        {&element.TypePhp, &colonne.TypePhp},
        {&element.TypeHtml, &colonne.TypeHtml},
    };
    for (const auto& [champ, valeur] : siVides) {
        if (champ->empty()) *champ = *valeur;
    }
    element.AutoIncrement = colonne.AutoIncrement;
    if (colonne.Obligatoire == "O") element.Obligatoire = "O";
}

// Les noms que la page emploie comme variables ou methodes PHP : sans table,
// ceux des elements et des boutons ; avec une table, celui de la table et le
// champ du premier element.
void MesForms::ControleNomsPhp() {
    if (!NomTable.empty()) {
        ControleNomPhp(NomTable);
        if (!ListeElements.empty()) ControleNomPhp(ListeElements[0].Champ);
        return;
    }
    for (const Element& element : ListeElements) ControleNomPhp(element.Champ);
    for (const ElementBouton& bouton : ListeBoutons) ControleNomPhp(bouton.Nom);
}

// Un identifiant PHP : lettre, "_" ou octet haut, puis aussi des chiffres ; et
// pas un nom que la page emploie deja.
void MesForms::ControleNomPhp(const std::string& nom) {
    static const char* const dejaEmployes[] = {"F",      "valeur", "this",    "GLOBALS",  "_SERVER", "_GET",
                                               "_POST",  "_FILES", "_COOKIE", "_SESSION", "_REQUEST", "_ENV"};
    bool valide = !nom.empty() && !(nom[0] >= '0' && nom[0] <= '9');
    for (char c : nom) {
        const unsigned char u = static_cast<unsigned char>(c);
        valide = valide && (std::isalnum(u) != 0 || c == '_' || u >= 0x80);
    }
    for (const char* employe : dejaEmployes) valide = valide && nom != employe;
    if (!valide)
        Param.AddWarning("Le nom '" + nom + "' ne peut pas servir de nom PHP (identifiant invalide ou deja employe " +
                         "par la page) : la page generee sera invalide.");
}

// ====================================================================
// Ecriture de la page et des copies
// ====================================================================

std::string MesForms::ConstruireFichierFormulaireDescriptif() {
    Param.initErreur();
    return "";
}

std::string MesForms::Creation_RecupChampsPhp(std::string) { return ""; }
std::string MesForms::Creation_TraitementPhp(std::string) { return ""; }
std::string MesForms::FaitFormulaire(std::string) { return ""; }
std::string MesForms::FaitChamp(int, std::string) { return ""; }

// ====================================================================
// Constructeurs de pages que rien n'appelle, vidages des enregistrements
// ====================================================================

std::string MesForms::CreerFormulaireInsertion(std::string) { return ""; }
std::string MesForms::CreerFormAction(std::string) { return ""; }
std::string MesForms::CreerAffichageTableau(std::string) { return ""; }
std::string MesForms::CreerFormVariable(const std::vector<Element>&, std::string) { return ""; }
std::string MesForms::CreerFormEntete(std::string, std::string) { return ""; }
std::string MesForms::AfficheListeDeChamps(unsigned int) { return ""; }
std::string MesForms::AfficheElementBouton(unsigned int) { return ""; }
std::string MesForms::AfficheElement(unsigned int) { return ""; }
