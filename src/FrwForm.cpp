#include "FrwForm.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "FrwSgbd.h"
#include "Utiles.h"
#include "classe_fichier.h"
#include "plateforme.h"

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
    NomFichierConnexion = Param.NomFichierConnexion;
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
    // Apres le controle contre la base, dont le point d'arret suivant la connexion arrete
    // l'etape sur toute erreur deja enregistree.
    std::string resultat = NomTable.empty() ? "" : ControleBase();
    ControlePageEcrasee();
    ControleNomsPhp();
    ControleChainesPhp();
    // Le fichier d'appui de connexion va a cote de la page, donc du descriptif : seulement
    // quand la page sera ecrite, une description refusee ne laissant rien derriere elle.
    if (!NomTable.empty() && Param.NbErreurs == 0) Param.CopieFichierConnexion(Utiles::CheminSansFichier(NomFichierForm));
    return resultat;
}

// Une copie a cote de la page qui porterait son nom la remplacerait aussitot ecrite.
void MesForms::ControlePageEcrasee() {
    // "\" ou "/", "./", "a/../" et "//" designent le meme fichier.
    auto commeChemin = [](std::string chemin) {
        std::replace(chemin.begin(), chemin.end(), '\\', '/');
        return std::filesystem::path(chemin).lexically_normal().string();
    };
    for (const Copie& copie : CopiesACote()) {
        if (commeChemin(copie.Cible) != commeChemin(NomFichierSortie)) continue;
        Param.AddErreur("La page " + NomFichierSortie + " serait remplacee par la copie de " + copie.Source +
                        " faite a cote d'elle : donnez au descriptif un autre nom.");
        return;
    }
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
        case 'A': LitLigneAttribut(motCle, valeur, ligne, numero, courant); break;
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
}

void MesForms::LitLigneAttribut(const MotCleLu& motCle, const std::string& valeur, const std::string& ligne, int numero,
                                Element& courant) {
    int& premiere = courant.*motCle.Ligne;
    if (premiere != 0) {
        const std::string n = Param.ConvertIntToString(numero);
        Param.AddWarning("l'element " + ligne + " (ligne " + n + ") est defini a la ligne " +
                         Param.ConvertIntToString(premiere) + ", puis est redefini a la ligne " + n +
                         (motCle.LigneEnPlus ? FinDeLigne : ""));
        return;
    }
    courant.*motCle.Valeur = valeur;
    premiere = numero;
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
    ListeBoutons.push_back(bouton);
}

namespace {

// Les caracteres d'un nom PHP : lettre, "_" ou octet haut, puis aussi des chiffres.
bool LettrePhp(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80); }
bool LettreOuChiffrePhp(char c) { return LettrePhp(c) || std::isdigit(static_cast<unsigned char>(c)); }

// Les variables que la page ecrit elle-meme : $F et $valeur sur toute page, les autres sur une
// page de table (PHP distingue la casse des noms de variables).
bool VariableDeLaPage(const std::string& nom, bool avecTable) {
    static const char* const variables[] = {"F",         "valeur",         "action",          "retour", "MaConnexion",
                                            "Connexion", "Editerformlien", "Effacerformlien", "_POST"};
    const size_t nombre = avecTable ? std::size(variables) : 2;
    return std::find(variables, variables + nombre, nom) != variables + nombre;
}

// Lecture des interpolations de PHP dans une chaine entre guillemets ; chaque fonction rend la
// position qui suit ce qu'elle a reconnu a partir de i, ou npos.
struct Interpolation {
    const std::string& v;
    static constexpr size_t Aucune = std::string::npos;

    size_t Nom(size_t i) const {
        if (i >= v.size() || !LettrePhp(v[i])) return Aucune;
        while (i < v.size() && LettreOuChiffrePhp(v[i])) ++i;
        return i;
    }
    // Un nombre d'indice : des chiffres, ou 0x et des chiffres hexadecimaux, ou 0b et des 0 et 1.
    size_t Nombre(size_t i) const {
        size_t fin = i;
        while (fin < v.size() && LettreOuChiffrePhp(v[fin])) ++fin;
        const std::string n = v.substr(i, fin - i);
        auto que = [&](size_t debut, const char* permis) {
            return n.size() > debut && n.find_first_not_of(permis, debut) == std::string::npos;
        };
        const bool prefixe = n.size() > 1 && n[0] == '0';
        const bool valide = que(0, "0123456789") || (prefixe && (n[1] == 'x' || n[1] == 'X') && que(2, "0123456789abcdefABCDEF")) ||
                            (prefixe && (n[1] == 'b' || n[1] == 'B') && que(2, "01"));
        return valide ? fin : Aucune;
    }
    // "[" en i : un nom, une variable ou un nombre (signe permis), puis "]".
    size_t Indice(size_t i) const {
        size_t j = i + 1;
        if (j < v.size() && v[j] == '$') j = Nom(j + 1);
        else if (j < v.size() && LettrePhp(v[j])) j = Nom(j);
        else j = Nombre(j < v.size() && v[j] == '-' ? j + 1 : j);
        return j != Aucune && j < v.size() && v[j] == ']' ? j + 1 : Aucune;
    }
    // "$nom" en i, suivi ou non d'un indice, que la valeur doit alors finir.
    size_t Simple(size_t i) const {
        const size_t fin = Nom(i + 1);
        return fin < v.size() && v[fin] == '[' ? Indice(fin) : fin;
    }
    // "{$" en i : une variable, des "->nom" et des indices numeriques, puis "}" ; rien de plus
    // n'est reconnu.
    size_t Complexe(size_t i) const {
        size_t j = Nom(i + 2);
        while (j != Aucune && j < v.size() && v[j] != '}') {
            if (v.compare(j, 2, "->") == 0) j = Nom(j + 2);
            else if (v[j] == '[') {
                const size_t fin = Nombre(j + 1);
                j = fin < v.size() && v[fin] == ']' ? fin + 1 : Aucune;
            }
            else j = Aucune;
        }
        return j == Aucune || j >= v.size() ? Aucune : j + 1;
    }
    // "\u{" en i : des chiffres hexadecimaux d'un point de code, puis "}".
    size_t PointDeCode(size_t i) const {
        const size_t fin = v.find('}', i + 3);
        if (fin == std::string::npos || fin == i + 3 || fin - i - 3 > 8) return Aucune;
        const std::string hexa = v.substr(i + 3, fin - i - 3);
        if (hexa.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return Aucune;
        return std::stoul(hexa, nullptr, 16) <= 0x10FFFF ? fin + 1 : Aucune;
    }
};

}  // namespace

// Ce qui, dans une valeur ecrite telle quelle entre les guillemets d'une chaine PHP, empeche
// la page d'etre lue ou lui fait afficher un avertissement : un guillemet que ne precede pas un
// nombre impair de barres obliques inverses ferme la chaine, une barre finale echappe le
// guillemet qui la ferme, "\u{...}" et "\400" sont des sequences que PHP refuse, "{$" et
// "$nom[" ouvrent une interpolation que la valeur doit finir, "${" est deprecie. "" si rien.
std::string MesForms::DefautChainePhp(const std::string& valeur) {
    const std::string invalide = " : la page generee ne sera pas du PHP valide";
    const Interpolation lu{valeur};
    for (size_t i = 0; i < valeur.size();) {
        const char c = valeur[i];
        const char suivant = i + 1 < valeur.size() ? valeur[i + 1] : '\0';
        if (c == '\\') {
            if (i + 1 == valeur.size()) return "une barre oblique inverse qui echappe le guillemet fermant" + invalide;
            if (suivant == 'u' && i + 2 < valeur.size() && valeur[i + 2] == '{') {
                i = lu.PointDeCode(i);
                if (i == Interpolation::Aucune) return "une sequence \\u{...} qui n'est pas un point de code" + invalide;
                continue;
            }
            size_t fin = i + 1;
            while (fin < valeur.size() && fin < i + 4 && valeur[fin] >= '0' && valeur[fin] <= '7') ++fin;
            if (fin > i + 1 && std::stoi(valeur.substr(i + 1, fin - i - 1), nullptr, 8) > 0377)
                return "une sequence octale au-dela de \\377, que PHP signale a chaque affichage de la page";
            i = std::max(fin, i + 2);
        } else if (c == '"') {
            return "un guillemet non echappe (\\\" pour l'ecrire)" + invalide;
        } else if (c == '$' && suivant == '{') {
            return "une interpolation ${, que PHP 8.2 signale comme depreciee a chaque affichage de la page";
        } else if ((c == '{' && suivant == '$') || (c == '$' && LettrePhp(suivant))) {
            const size_t fin = c == '{' ? lu.Complexe(i) : lu.Simple(i);
            if (fin == Interpolation::Aucune)
                return "une interpolation " + valeur.substr(i, c == '{' ? 2 : lu.Nom(i + 1) - i + 1) + " que PHP ne peut pas lire" +
                       invalide;
            i = fin;
        } else {
            ++i;
        }
    }
    return "";
}

// Chaque valeur de la description que la page ecrit entre guillemets dans son PHP.
void MesForms::ControleChainesPhp() {
    auto controle = [&](const std::string& ou, const std::string& motCle, const std::string& valeur) {
        const std::string defaut = DefautChainePhp(valeur);
        if (!defaut.empty())
            Param.AddWarning(ou + ", la valeur de " + motCle + " (" + valeur + ") a " + defaut + ".");
    };
    controle("Pour la table", MotCleTable, NomTable);
    for (const Element& e : ListeElements) {
        const std::string ou = "Pour l'element " + e.Champ;
        // D'un element que la page ne montre pas, seul le nom est ecrit.
        if (e.Visible != "O") {
            controle(ou, MotCleChamp, e.Champ);
            continue;
        }
        const std::pair<const std::string&, const std::string&> valeurs[] = {
            {MotCleChamp, e.Champ},           {MotCleLibelle, e.Libelle},         {MotCleTypeHtml, e.TypeHtml},
            {MotCleValeurInitiale, e.ValeurInitiale}, {MotCleOptionChamp, e.OptionChamp}, {MotCleOptionInput, e.OptionInput},
            {MotCleOptionPave1, e.OptionPave1}, {MotCleOptionPave2, e.OptionPave2}, {MotCleOptionPave3, e.OptionPave3},
            {MotCleLongueur, e.Longueur},     {MotCleObligatoire, e.Obligatoire}, {MotCleGrise, e.Grise},
            {MotCleAutofocus, e.Autofocus}};
        for (const auto& [motCle, valeur] : valeurs) controle(ou, motCle, valeur);
        for (const FElement& v : e.ListeValeurs) {
            controle(ou, MotCleElement, v.Valeur);
            controle(ou, MotCleElement, v.Donnees);
        }
    }
    for (const ElementBouton& b : ListeBoutons) {
        controle("Pour le bouton " + b.Nom, b.Type == "B" ? MotCleBouton : MotCleLien, b.Libelle);
        controle("Pour le bouton " + b.Nom, b.Type == "B" ? MotCleBouton : MotCleLien, b.Nom);
    }
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
    ControleCle();
    return "Table : " + NomTable + FinDeLigne;
}

// Editer, Modifier et Effacer reperent leur ligne par la cle de la page, son premier
// element : elle doit en designer une seule. Le peuvent la cle primaire d'une seule
// colonne, ou, sans elle, une premiere colonne qu'un index unique couvre seule.
void MesForms::ControleCle() {
    if (ListeElements.empty() || ListeChamps.empty()) return;
    const int primaire = BaseMysql::CleDUneColonne(ListeChamps);
    const structTable* cle = primaire >= 0 ? &ListeChamps[static_cast<size_t>(primaire)] : nullptr;
    // Sans cle primaire declaree, le serveur donne pour telle une colonne unique et NOT NULL :
    // une premiere colonne unique reste alors une cle aussi sure.
    const structTable* unique = ListeChamps[0].CleServeur == "UNI" ? &ListeChamps[0] : nullptr;
    for (const structTable* colonne : {cle, unique})
        if (colonne != nullptr && colonne->NomChamp == ChampCle()) return;
    if (cle == nullptr) cle = unique;
    std::string erreur = "La cle de la page, son premier element (" + ChampCle() + "), ne designe pas une seule ligne de la table " +
                         NomTable + " : Editer, Modifier et Effacer toucheraient toutes les lignes de meme valeur. ";
    if (cle == nullptr)
        erreur += "Aucune colonne ne le peut : donnez a la table une cle primaire d'une seule colonne, ou un index unique "
                  "sur sa premiere colonne seule.";
    else
        erreur += "Decrivez d'abord la colonne " + cle->NomChamp +
                  (primaire >= 0 ? ", sa cle primaire." : ", sa premiere colonne, qu'un index unique couvre.");
    Param.AddErreur(erreur);
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
    // Le commentaire de la colonne va tel quel dans une chaine PHP de la page : ses guillemets,
    // "\" et "$" y restent eux-memes.
    if (element.Libelle.empty())
        element.Libelle = colonne.Commentaire.empty() ? colonne.NomChamp : Utiles::String2Php(colonne.Commentaire);
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
    // Un nombre ou une date NOT NULL qui a un defaut peut rester vide : l'insertion le lui donne
    // (un texte vide, lui, est une valeur).
    const bool defautSiVide = FrwSgbd::VideEstNull(colonne.TypeSgbd) && !colonne.ValeurDefaut.empty();
    if (colonne.Obligatoire == "O" && !defautSiVide) element.Obligatoire = "O";
}

// Les noms que la page emploie comme variables ou methodes PHP : sans table,
// ceux des elements et des boutons ; avec une table, celui de la table et le
// champ du premier element.
void MesForms::ControleNomsPhp() {
    if (!NomTable.empty()) {
        // L'objet de la table est la variable $<table> : il ne doit pas en remplacer une de
        // celles que la page ecrit elle-meme (PHP distingue la casse des noms de variables).
        if (VariableDeLaPage(NomTable, true)) {
            Param.AddErreur("La table " + NomTable + " donnerait a son objet la variable $" + NomTable +
                            ", que la page emploie deja : la page ne peut pas servir cette table.");
            return;
        }
        ControleNomPhp(NomTable);
        if (!ListeElements.empty()) ControleNomPhp(ListeElements[0].Champ);
        // Un champ hors de la table est lu par son nom de variable, comme sur une page sans table.
        for (size_t i = 1; i < ListeElements.size(); ++i)
            if (ListeElements[i].PresentEnBase != "O" && ListeElements[i].Visible == "O") ControleNomPhp(ListeElements[i].Champ);
        return;
    }
    for (const Element& element : ListeElements) ControleNomPhp(element.Champ);
    for (const ElementBouton& bouton : ListeBoutons) ControleNomPhp(bouton.Nom);
}

// Un identifiant PHP : lettre, "_" ou octet haut, puis aussi des chiffres ; et
// pas un nom que PHP se reserve ni une variable que la page emploie deja.
void MesForms::ControleNomPhp(const std::string& nom) {
    const bool valide = !nom.empty() && LettrePhp(nom[0]) && std::all_of(nom.begin(), nom.end(), LettreOuChiffrePhp) &&
                        !Utiles::VariableReserveePhp(nom) && !VariableDeLaPage(nom, false);
    if (!valide)
        Param.AddWarning("Le nom '" + nom + "' ne peut pas servir de nom PHP (identifiant invalide ou deja employe " +
                         "par la page) : la page generee sera invalide.");
}

// ====================================================================
// Ecriture de la page et des copies
// ====================================================================

namespace {

// Vide les valeurs par defaut des champs du formulaire (jamais celles des
// boutons), puis le remet a zero pour qu'il les montre. Une case a cocher
// garde sa valeur : seul son etat coche par defaut disparait.
const char* const ScriptClearForm =
    "<script>function clearForm(form) { \"use strict\"; var champs = form.elements, champ, genre, options, i, j; "
    "for (i = 0; i < champs.length; i++) { champ = champs[i]; genre = (champ.type || \"\").toLowerCase(); \n"
    "// Ne pas changer les valeurs de submit, reset & buttons\n"
    "if (genre == \"submit\" || genre == \"reset\" || genre == \"button\") continue; "
    "if (champ.tagName.toLowerCase() == \"select\") { options = champ.options; "
    "for (j = 0; j < options.length; j++) options[j].defaultSelected = false; } "
    "else if (genre == \"checkbox\" || genre == \"radio\") { champ.defaultChecked = false; } "
    "else if (\"defaultValue\" in champ) { champ.defaultValue = \"\"; } } // Maintenant on reinit.\n"
    "form.reset(); return false; }</script>";

// La ligne qui refuse une demande dont un champ est envoye en tableau.
const char* const RefusTableau = "Demande refus\xC3\xA9" "e : un champ est envoy\xC3\xA9 en tableau.";

// Un argument texte d'un appel PHP, suivi de sa virgule.
std::string Argument(const std::string& valeur) { return "\"" + valeur + "\","; }

// La longueur est comparee en texte : "10" et "00" passent, "0", "" et "-1" non.
std::string ArgumentLongueur(const std::string& longueur) {
    return Argument(longueur > std::string("0") ? longueur : "");
}

// La valeur postee du champ, vide au premier affichage (sans avertissement de PHP 8) ; en argument, suivie de sa virgule.
std::string ValeurPostee(const std::string& champ) { return "($_POST['" + champ + "'] ?? \"\")"; }
std::string ArgumentPoste(const std::string& champ) { return ValeurPostee(champ) + ","; }

}  // namespace

std::string MesForms::ConstruireFichierFormulaireDescriptif() {
    Param.initErreur();
    const std::string page = Creation_RecupChampsPhp(NomTable) + Creation_TraitementPhp(NomTable) +
                             FaitFormulaire(NomTable) + "</BODY>" + FinDeLigne + "</HTML>" + FinDeLigne;
    Fichier fichier;
    const int code = fichier.RemplaceFichier(NomFichierSortie, page);
    if (code != 0) {
        Param.AddErreur("Le fichier formulaire " + NomFichierSortie + " n'a pu etre ecrit." + FinDeLigne +
                        fichier.LibelleErreur(code));
        return "";
    }
    std::string journal;
    for (const Copie& copie : CopiesACote()) journal += CopieAppui(copie.Source, copie.Cible, copie.Anomalie);
    return journal;
}

// Les fichiers que la page inclut, copies a cote d'elle : l'appui des formulaires, avec une
// table la connexion et la classe de la table, puis les fichiers a inclure. Sans repertoire
// dans son chemin, la description est dans le repertoire courant : les copies aussi.
std::vector<MesForms::Copie> MesForms::CopiesACote() const {
    const std::string repertoire = Utiles::CheminSansFichier(NomFichierForm);
    auto aCote = [&](const std::string& nom) { return plateforme::Joindre(repertoire, Param.Separateur, nom); };
    auto duProgramme = [&](const std::string& nom) {
        return plateforme::Joindre(Param.CheminAppli, Param.Separateur, nom);
    };
    std::vector<Copie> copies = {{duProgramme("CVForm.php"), aCote("CVForm.php"), ""}};
    if (!NomTable.empty()) {
        copies.push_back({duProgramme(NomFichierConnexion), aCote(NomFichierConnexion), ""});
        const std::string classe = Param.PrefixeFichierClasse + NomTable + ".php";
        copies.push_back({Param.RepertoireIncludeSources + classe, aCote(classe), ""});
    }
    for (const std::string& include : Param.ListeFichiersInclude) {
        const std::string source = Param.RepertoireIncludeSources + include;
        copies.push_back({source, aCote(include), "Le chemin pour copier le fichier (" + source + ") a inclure n'est pas correct."});
    }
    return copies;
}

std::string MesForms::CopieAppui(const std::string& source, const std::string& cible, const std::string& anomalie) {
    Fichier fichier;
    const int code = fichier.CopieFichier(source, cible);
    if (code != 0)
        Param.AddWarning((anomalie.empty() ? "Le fichier " + source + " n'a pu etre copie dans " + cible : anomalie) +
                         FinDeLigne + fichier.LibelleErreur(code) + FinDeLigne);
    return "Copie du fichier " + source + " vers " + cible + FinDeLigne;
}

std::string MesForms::ChampCle() const { return ListeElements.empty() ? "" : ListeElements[0].Champ; }

std::string MesForms::Creation_RecupChampsPhp(std::string table) {
    Emetteur e(0);
    e.Ligne("<!doctype html>").Ligne("<HTML lang=\"fr\">").Ligne("<HEAD>");
    e.Ligne(NomTable.empty() ? "<title>Formulaire : " + NomFichierForm + "</title>"
                             : "<title>Formulaire Table : " + NomTable + "</title>");
    e.Ligne("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");
    e.Brut(ScriptClearForm).Ligne("</HEAD>").Ligne("<BODY>").Ligne("<?php");
    auto recupere = [&](const std::string& n) {
        e.Ligne("if (isset($_POST['" + n + "'])) $" + n + "=$_POST['" + n + "'];" + e.Tabulation + "else" +
                e.Tabulation + "$" + n + "=" + Param.Guillemet + Param.Guillemet + ";");
    };
    e.Decale([&] {
        // Les pages et les classes ne lisent que des textes : un nom envoye en tableau
        // arreterait la page sur une erreur de type, ou ecrirait "Array".
        e.Ligne("// Un champ envoy\xC3\xA9 en tableau (nom[]=...) n'est pas une valeur : rien de la demande n'est fait.");
        e.Bloc("if (array_filter($_POST, \"is_string\")!==$_POST)\t{", [&] {
            e.Ligne(std::string("echo \"") + RefusTableau + "<br>\";").Ligne("$_POST=array();");
        });
        e.Ligne("// Variable du formulaire.");
        if (!table.empty()) {
            recupere("action");
            return;
        }
        for (const ElementBouton& bouton : ListeBoutons) {
            if (bouton.Type == "B" || bouton.Type == "L") recupere(bouton.Nom);
        }
        for (const Element& element : ListeElements) {
            if (element.Visible == "O") recupere(element.Champ);
        }
    });
    e.Ligne("?>");
    return e.Prends();
}

std::string MesForms::Creation_TraitementPhp(std::string table) {
    Emetteur e(0);
    e.Brut(Param.Banniere + "<br>");
    e.Ligne("Formulaire g&eacute;n&eacute;r&eacute; par le fichier descriptif : " + NomFichierForm + " ");
    e.Ligne(table.empty() ? ".<br>" : " et sur le descriptif de la table : " + NomTable + ".<br>");
    e.Ligne("<?php");
    ++e.Retrait;
    e.Ligne("require_once(\"CVForm.php\");");
    if (table.empty()) return e.Prends();
    const std::string& q = Param.Guillemet;
    const std::string objet = "$" + table + "->", cle = ChampCle();
    // La configuration est recopiee dans des chaines PHP : un guillemet, un "\" ou un "$" y reste lui-meme.
    e.Ligne("require_once(" + q + "CVClass__connexion.php" + q + ");");
    e.Ligne("$MaConnexion = new SGBDConnexion(\"localhost\",\"" + Utiles::String2Php(Param.UtilisateurMysql) + "\",\"" +
            Utiles::String2Php(Param.MotDePasseMysql) + "\",\"" + Utiles::String2Php(Param.DatabaseMysql) + "\");");
    e.Ligne("$Connexion = $MaConnexion->Connexion();");
    e.Ligne("require_once(" + q + Param.PrefixeFichierClasse + table + ".php" + q + ");");
    e.Ligne("$" + table + " = new " + table + "();");
    e.Ligne(objet + "Form2Variable();").LigneVide();
    e.Ligne("// Les actions en fonction du type de bouton pr\xC3\xA9ss\xC3\xA9");
    e.Bloc("if ($action==\"Editer\") {", [&] {
        e.Ligne(objet + "Cherche_" + cle + "(" + objet + cle + " ?? null);");
        e.Bloc("if (" + objet + "NbReponse==0)\t{", [&] {
            e.Ligne("echo " + q + "Enregistrement non trouv\xC3\xA9<br>" + q + ";").Ligne("exit;");
        });
    });
    BrancheAction(e, "Ajouter", objet + "Insertion()", "Pb insertion", "Ajouter Ok.");
    std::vector<std::string> gardees;
    for (const std::string& colonne : ColonnesNonMontrees()) gardees.push_back("\"" + colonne + "\"");
    const std::string garde =
        "SGBDConnexion::GardeColonnes($" + table + ",\"" + cle + "\",array(" + Utiles::Joint(gardees) + "),$_POST);";
    BrancheAction(e, "Modifier", objet + "Maj_ALL()", "Pb Modification", "Modification Ok.", garde);
    BrancheAction(e, "Effacer", objet + MethodeEffacement(cle) + "()", "Pb Effacement", "Effacement Ok.");
    e.Ligne("// Apr\xC3\xA8s un ajout ou une modification r\xC3\xA9ussis, la ligne est relue telle que la base la garde");
    e.Ligne("// (cl\xC3\xA9, d\xC3\xA9" "fauts et valeurs pos\xC3\xA9" "es par le serveur compris) ; apr\xC3\xA8s un effacement, plus rien.");
    e.Ligne("if (($action==\"Ajouter\" or $action==\"Modifier\") and !$retour) " + objet + "Cherche_" + cle + "(" + objet + cle +
            " ?? null);");
    e.Ligne("if ($action==\"Effacer\" and !$retour) $_POST=array();");
    e.Ligne("// Les champs montrent la ligne lue telle quelle, sinon ce qui a \xC3\xA9t\xC3\xA9 envoy\xC3\xA9.");
    e.Ligne("FormLien::Montre($" + table + ",$_POST);");
    return e.Prends();
}

// Les colonnes de la table, hors la cle, qu'aucun champ de la page ne laisse changer :
// non decrites, invisibles, ou portees par un champ cache.
std::vector<std::string> MesForms::ColonnesNonMontrees() const {
    std::vector<std::string> colonnes;
    for (const structTable& colonne : ListeChamps) {
        if (colonne.NomChamp == ChampCle()) continue;
        bool montree = false;
        for (const Element& element : ListeElements) {
            std::string type = element.TypeHtml;
            Utiles::Majuscule(type);
            montree = montree || (element.Champ == colonne.NomChamp && element.PresentEnBase == "O" &&
                                  element.Visible == "O" && type != "HIDDEN");
        }
        if (!montree) colonnes.push_back(colonne.NomChamp);
    }
    return colonnes;
}

void MesForms::BrancheAction(Emetteur& e, const std::string& action, const std::string& appel,
                             const std::string& echec, const std::string& succes, const std::string& avant) {
    e.Bloc("if ($action==\"" + action + "\") {", [&] {
        if (!avant.empty())
            e.Ligne("// Les colonnes que la page ne laisse pas changer, ou que la demande n'envoie pas, gardent la valeur de la ligne.")
                .Ligne(avant);
        e.Ligne("$retour=" + appel + ";");
        e.Bloc("if ($retour)\t{", [&] { e.Ligne("echo \"<strong>" + echec + " : $retour</strong><br>\";"); },
               "} else    {");
        e.Decale([&] { e.Ligne("echo \"" + succes + "<br>\";"); }).Ligne("}");
    });
}

// La classe de la table nomme EffaceAvecIndex_ la methode de sa cle primaire
// et EffaceAvec_ celle de toute autre colonne.
std::string MesForms::MethodeEffacement(const std::string& champ) const {
    for (const structTable& colonne : ListeChamps) {
        if (colonne.NomChamp == champ && colonne.Index == "O") return "EffaceAvecIndex_" + champ;
    }
    return "EffaceAvec_" + champ;
}

std::string MesForms::FaitFormulaire(std::string table) {
    Emetteur e(1);
    const std::string objet = "$" + table + "->", cle = ChampCle();
    e.Ligne("echo \"<br>\";");
    e.Ligne(table.empty() ? "// Creer un formulaire avec valeur des champs defin par le fichier descriptif."
                          : "// Creer un formulaire avec passage de cl\xC3\xA9 technique pour edition, effacement, "
                            "modification.");
    e.Ligne("$F = new FormLien(\"POST\",\"\",\"Formulaire_" + table + "\");");
    if (!table.empty()) {
        e.Ligne("if (isset(" + objet + cle + "))    echo $F->AjouteChampHidden(\"" + cle + "\"," + objet + cle + ");");
        e.Ligne("echo $F->Cadre(\"Table " + table + "\");");
    } else {
        e.Ligne("echo $F->Cadre(\"Formulaire \".htmlentities(\"" + Utiles::String2Php(NomFichierForm) + "\"));");
    }
    // Sans element (des boutons seulement), ni cle ni champ.
    size_t debut = 0;
    if (!ListeElements.empty() && ListeElements[0].Index == "O") {
        ListeElements[0].TypeHtml = "hidden";
        e.Ligne(FaitChamp(0, table));
        debut = 1;
    }
    for (size_t i = debut; i < ListeElements.size(); ++i) {
        const Element& element = ListeElements[i];
        if (element.Visible == "O")
            e.Ligne(FaitChamp(static_cast<int>(i), element.PresentEnBase == "O" ? table : ""));
        e.Ligne("echo \"<br>\\n\";");
    }
    if (!table.empty()) {
        e.Ligne("echo $F->ValidationParBouton(\"Ajouter\",\"action\");");
        e.Ligne("echo $F->ValidationParBouton(\"Modifier\",\"action\");");
        e.Ligne("echo $F->BoutonResetFormulaire();");
    }
    for (const ElementBouton& bouton : ListeBoutons) {
        if (bouton.Type == "B" || bouton.Type == "L")
            e.Ligne("echo $F->ValidationPar" + std::string(bouton.Type == "B" ? "Bouton" : "Lien") + "(\"" +
                    bouton.Libelle + "\",\"" + bouton.Nom + "\");");
    }
    e.Ligne("echo $F->FormLienFin();");
    if (table.empty()) BoiteResultat(e);
    else BlocListe(e, table);
    e.Retrait = 0;
    e.Ligne("?>");
    return e.Prends();
}

void MesForms::BlocListe(Emetteur& e, const std::string& table) {
    const std::string objet = "$" + table + "->", cle = ChampCle();
    const std::string valeurCle = "\"" + cle + "\"," + objet + cle + ");";
    struct Lien { std::string action, commentaire, quoi, avant; };
    const Lien liens[] = {
        {"Editer", "lancer l'edition du formulaire (recuperation donnees+mise dans les champs)", "une edition", ""},
        {"Effacer", "effacer l'enregistrement  dans la table", "un effacement", "<br>"}};
    for (const Lien& l : liens) {
        const std::string formulaire = "$" + l.action + "formlien";
        e.Ligne("// Creer un lien pour " + l.commentaire);
        e.Ligne(formulaire + "= new FormLien(\"POST\",\"\",\"" + l.action + "\");");
        e.Ligne("echo " + formulaire + "->AjouteChampHidden(\"action\",\"\");");
        e.Ligne("echo " + formulaire + "->AjouteChampHidden(\"" + cle + "\",\"\");");
        e.Ligne("echo " + formulaire + "->FormLienFin();");
    }
    // Des champs a leur valeur initiale filtreraient le parcours : vides, il rend toute la table.
    e.Ligne("// Champs vides : le parcours rend toutes les lignes de la table.");
    e.Ligne("foreach (array_keys(" + objet + "TabChamps) as " + objet + "ChampTri) " + objet + "{" + objet +
            "ChampTri}=\"\";");
    e.Ligne("// Determine le champ sur lequel le tri  doit \xC3\xAAtre fait et le sens + (asc) et - (desc)");
    e.Ligne(objet + "ChampTri=\"" + cle + "\";").Ligne(objet + "ChampTriSens=\"+\";").Ligne(objet + "Parcours();");
    e.Bloc("while (" + objet + "Next())\t{", [&] {
        e.Ligne("echo \"<hr>\\n\";").Ligne(objet + "AfficheVarClasse();");
        for (const Lien& l : liens) {
            const std::string formulaire = "echo $" + l.action + "formlien->";
            const std::string arguments = "\"" + l.action + "\",\"action\",\"" + l.action + "\"," + valeurCle;
            e.Ligne("echo \"" + l.avant + "Pour " + l.quoi + " de l'enregistrement par lien, cliquer sur : \";");
            e.Ligne(formulaire + "ValidationParLien2Champs(" + arguments);
            e.Ligne("echo \"<br>Pour " + l.quoi + " de l'enregistrement par bouton, cliquer sur le bouton : \";");
            e.Ligne(formulaire + "ValidationParBouton2Champs(\"" + l.action + "\"," + arguments);
        }
        e.Ligne(objet + "InitVariable();");
    });
}

// Les valeurs postees sont echappees avant d'etre montrees ; un element invisible n'a
// pas de variable, et un nom poste en tableau (x[]=...) ne doit pas arreter la page.
void MesForms::BoiteResultat(Emetteur& e) {
    e.Ligne("echo \"<fieldset><legend>R&eacutesultat du formulaire : </legend>\";");
    for (const ElementBouton& bouton : ListeBoutons)
        e.Ligne("echo \"" + bouton.Nom + "=\".htmlspecialchars(print_r($" + bouton.Nom + " ?? \"\", true)).\"<br/>\";");
    for (const Element& element : ListeElements)
        e.Ligne("echo \"" + element.Champ + "=\".htmlspecialchars(print_r($" + element.Champ + " ?? \"\", true)).\"<BR>\";");
    e.Ligne("echo \"</fieldset>\";");
}

std::string MesForms::FaitChamp(int index, std::string table) {
    Element& element = ListeElements[static_cast<size_t>(index)];
    Utiles::Majuscule(element.TypeHtml);
    // La valeur que montre le champ : celle de la ligne pour une colonne, sinon celle qui a ete
    // envoyee (une page de table ne fait pas de variable des champs hors de la table).
    const bool colonne = !table.empty() && element.PresentEnBase == "O";
    const std::string valeur = colonne            ? "$" + table + "->" + element.Champ
                               : NomTable.empty() ? "$" + element.Champ
                                                  : ValeurPostee(element.Champ);
    if (element.TypeHtml == "HIDDEN")
        return "echo $F->AjouteChampHidden(\"" + element.Champ + "\"," + (colonne ? valeur : "\"\"") + ");";
    Utiles::Majuscule(element.InputHtml);
    const std::string& genre = element.InputHtml;
    if (genre == "INPUT") return ChampSaisie(element, table);
    if (genre == "TEXTAREA") return ChampPave(element, table);
    if (genre == "SELECT" || genre == "RADIO" || genre == "CHECKBOX") return ChampValeurs(element, valeur);
    const std::string erreur = "Le parametre INPUTHTML du champ " + element.Champ + " est inattendu";
    Param.AddErreur(erreur);
    return erreur + FinDeLigne;
}

// Une ligne de saisie : sa valeur vient de l'objet de la table, sinon de la valeur
// initiale ou de la valeur postee.
std::string MesForms::ChampSaisie(Element& element, const std::string& table) {
    const std::string& c = element.Champ;
    const bool avecTable = !table.empty();
    const std::string source = avecTable ? "$" + table + "->" + c : "$" + c;
    const std::string longueur = ArgumentLongueur(element.Longueur);
    std::string texte = "if (isset(" + source + ")) $valeur=" + source + ";\telse $valeur=\"\";" +
                        FinDeLigne + "\techo $F->AjouteChampInput(" + Argument(element.InputHtml);
    if (avecTable) texte += "$" + table + "->TabChamps['" + c + "'],$" + table + "->Libelle_" + c + ".\" : \",";
    else texte += Argument(c) + Argument((element.Libelle.size() > 1 ? element.Libelle : c) + " : ");
    texte += Argument(element.TypeHtml);
    if (avecTable) texte += "$valeur,";
    else texte += element.ValeurInitiale.empty() ? ArgumentPoste(c) : Argument(element.ValeurInitiale);
    texte += Argument(element.OptionChamp) + longueur + longueur +
             Argument(element.AutoIncrement == "O" ? "N" : element.Obligatoire) + Argument(element.Grise) +
             Argument(element.Autofocus) + "\"" + element.OptionInput + "\");";
    return texte + " // " + (avecTable ? "Champ dans la table." : "");
}

std::string MesForms::ChampPave(Element& element, const std::string& table) {
    const std::string& c = element.Champ;
    const bool enBase = element.PresentEnBase == "O";
    return "echo $F->AjoutePave(" + (enBase ? "$" + table + "->TabChamps['" + c + "']," : Argument(c)) +
           Argument(element.Libelle.empty() ? "" : element.Libelle + " : ") +
           (enBase ? "$" + table + "->" + c + "," : ArgumentPoste(c)) + Argument(element.OptionChamp) +
           ArgumentLongueur(element.Longueur) + Argument(element.OptionPave1) + Argument(element.OptionPave2) +
           Argument(element.OptionPave3) + Argument(element.Obligatoire) + Argument(element.Grise) + "\"" +
           element.Autofocus + "\");";
}

// Une liste deroulante, ou un groupe de boutons radio ou de cases a cocher, qui
// montre la valeur `valeur` (la variable PHP de la ligne ou de l'envoi).
std::string MesForms::ChampValeurs(Element& element, const std::string& valeur) {
    Emetteur e(1);
    const bool liste = element.InputHtml == "SELECT";
    std::vector<std::string> offertes;
    for (const FElement& offerte : element.ListeValeurs) offertes.push_back("\"" + offerte.Valeur + "\"");
    e.Brut("$F->ValeurDuGroupe(" + valeur + ",array(" + Utiles::Joint(offertes) + "));" + FinDeLigne);
    e.Ligne(liste ? "echo $F->FormSelectDebut(\"" + element.Champ + "\",\"1\",\"N\",\"N\");"
                  : "echo $F->FormXBoxInit(\"" + element.InputHtml + "\",\"" + element.Champ + "\");");
    for (const FElement& valeur : element.ListeValeurs)
        e.Ligne("echo $F->" + std::string(liste ? "FormSelectOption" : "FormXBox") + "(\"" + valeur.Valeur +
                "\",\"" + valeur.Donnees + "\",\"" + valeur.Defaut + "\");");
    if (liste) e.Ligne("echo $F->FormSelectFin();");
    return e.Prends();
}

// ====================================================================
// Constructeurs de pages que rien n'appelle, vidages des enregistrements
// ====================================================================

namespace {

// Une ligne d'un bloc fixe : son retrait en tabulations et son texte ; un texte
// nul est une ligne vide.
struct LigneFixe {
    int retrait;
    const char* texte;
};

void EmetLignes(Emetteur& e, std::initializer_list<LigneFixe> lignes) {
    for (const LigneFixe& l : lignes) {
        if (!l.texte) {
            e.LigneVide();
            continue;
        }
        e.Retrait = l.retrait;
        e.Ligne(l.texte);
    }
}

// Les lignes des vidages : l'etiquette, ">", la valeur du champ, "<".
void EmetChamps(Emetteur& e, std::initializer_list<std::pair<const char*, std::string>> champs) {
    for (const auto& [etiquette, valeur] : champs) e.Ligne(std::string(etiquette) + ">" + valeur + "<");
}

const char* const Etoiles28 = "// ****************************";

}  // namespace

std::string MesForms::CreerFormulaireInsertion(std::string) {
    Emetteur e(1);
    EmetLignes(e, {{1, Etoiles28}, {1, "// Formulaire insertion donnees "}, {1, Etoiles28},
                   {1, "function FormInsertionDebut($nomformulaire,$page)\t{"},
                   {2, R"(if ($page=="") $page=$_SERVER['PHP_SELF'];)"},
                   {2, R"(return "<form name=\"$nomformulaire\" method=\"post\" action=\"$page\">";)"}, {1, "}"},
                   {0, nullptr}, {1, "function FormInsertionChamp($Nom,$Valeur)\t{"}});
    e.Retrait = 2;
    for (size_t i = 0; i < ListeChamps.size(); ++i) {
        const std::string& nom = ListeChamps[i].NomChamp;
        e.Ligne(std::string(i == 0 ? "" : "else") + "if ($Nom==\"" + nom + "\")\t{$champ=\"" + nom + "\";\t}");
    }
    EmetLignes(e, {{2, "else\t{"}, {3, R"(echo "Erreur FormInsertionChamp::Nom de champ inconnu";)"}, {2, "}"},
                   {2, R"(if ($Valeur!="") $r="<input name=\"$champ\" type=\"text\" value=\"$Valeur\">";)"},
                   {3, R"(else $r="<input name=\"$champ\" type=\"text\">";)"}, {2, "return $r;"}, {1, "}"},
                   {0, nullptr}, {1, "function FormInsertionElement($Type,$Nom,$Valeur,$Checked)\t{"},
                   {2, R"(if ($Valeur!="") $r="<input name=\"$Nom\" type=\"$Type\" value=\"$Valeur\" $Checked >";)"},
                   {3, R"(else $r="<input name=\"$Nom\" type=\"$Type\" $Checked >";)"}, {2, "return $r;"}, {1, "}"},
                   {0, nullptr}, {1, "function FormInsertionChampLongueur($Nom,$Valeur)\t{"}});
    e.Retrait = 2;
    for (const structTable& c : ListeChamps)
        e.Ligne("if ($Nom==\"" + c.NomChamp + "\")\t{\t$champ=\"" + c.NomChamp + "\";$longueur=\"" + c.Longueur +
                "\";\t}");
    EmetLignes(e, {{2, R"(return "<input name=\"$champ\" type=\"text\" value=\"$Valeur\" MAXLENGTH=\"$longueur\">";)"},
                   {1, "}"}, {0, nullptr}, {1, "function FormInsertionCommande($var,$valeur)\t{"},
                   {2, R"(return "<input name=\"$var\" type=\"hidden\" value=\"$valeur\">";)"}, {1, "}"}, {0, nullptr},
                   {1, "function FormInsertionBouton($nombouton)\t{"},
                   {2, R"(return "<input type=\"submit\" value=\"$nombouton\">";)"}, {1, "}"}, {0, nullptr},
                   {1, "function FormInsertionFin()\t{"}, {2, R"(return "</form>";)"}, {1, "}"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerFormAction(std::string) {
    Emetteur e(1);
    EmetLignes(e, {{1, "// ************************************"}, {1, "// Traitement selon retour formulaire"},
                   {1, "// ***********************************"}, {1, "function Traitement($action)\t{"},
                   {2, "if ($action==$Creation) this.Creation();"},
                   {2, "if ($action==$Modification) this.Modification();"},
                   {2, "if ($action==$Efface) this.Efface();"}, {1, "}"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerAffichageTableau(std::string) {
    Emetteur e(1);
    const char* const span = R"(if ($css!="") echo '<span class="'.$css.'">'.$texte[$i].'</span>';)";
    EmetLignes(e, {{1, Etoiles28}, {1, "// Gestion d'un tableau"}, {1, Etoiles28}, {1, "// Debut de Tableau"},
                   {1, "function TableauDebut($Ttexte,$LargeurTableau,$Pourcentage,$Css,$Border)\t{"},
                   {2, "if ($Pourcentage!=\"\")\t"}, {3, R"($d=explode(",",$Pourcentage);)"},
                   {2, R"(echo "<table width=\"$LargeurTableau\" border=\"$Border\">";)"},
                   {2, "if (count($Ttexte)!=0)\t{"}, {3, R"(echo "<tr>";)"}, {3, "if ($Pourcentage==\"\")\t"},
                   {5, R"(for($i=0;$i<count($Ttexte);$i++) echo '<td><span class="'.$Css.'">'.$Ttexte[$i].'</span></td>';)"},
                   {4, "else"},
                   {5, R"(for($i=0;$i<count($Ttexte);$i++) echo '<td width="'.$d[$i].'"><span class="'.$Css.'">'.$Ttexte[$i].'</span></td>';)"},
                   {3, R"(echo "</tr>";)"}, {2, "}"}, {1, "}"}, {0, nullptr},
                   {1, "// Contenus de Tableau "}, {1, "function TableauContenu($texte,$pourcentage,$css)\t{"},
                   {2, "if ($pourcentage!=\"\")\t"}, {3, R"($d=explode(",",$pourcentage);)"}, {2, R"(echo "<tr>";)"},
                   {2, "if ($pourcentage==\"\")\t{"}, {3, "for($i=0;$i<count($texte);$i++)\t{"}, {4, "echo '<td>';"},
                   {4, span}, {4, "else echo $texte[$i];"}, {4, "echo '</td>';"}, {3, "}"}, {2, "}\telse\t{"},
                   {3, "for($i=0;$i<count($texte);$i++)\t{"}, {4, R"(echo '<td width="'.$d[$i].'">';)"}, {4, span},
                   {4, "else echo $texte[$i];"}, {4, "echo '</td>';"}, {3, "}"}, {2, "}"}, {2, R"(echo "</tr>";)"},
                   {1, "}"}, {1, "// Fin de Tableau "}, {1, "function TableauFin()\t{"}, {2, R"(echo "</table>";)"},
                   {1, "}"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerFormVariable(const std::vector<Element>& liste, std::string nom) {
    Emetteur e(1);
    if (nom != "") e.Ligne("// Variable de classe " + nom + " Champs + Action.");
    e.Ligne("// Variable de la Form");
    for (const Element& element : liste) e.Ligne("public\t$" + element.Champ + ";");
    EmetLignes(e, {{1, "// Action CREATION,MODIFICATION,EFFACE"}, {1, "public\t$Ajouter=\"ajouter\";"},
                   {1, "public\t$Modification=\"modification\";"}, {1, "public\t$Efface=\"effacer\";"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerFormEntete(std::string form, std::string table) {
    Emetteur e(0);
    e.Ligne("<?php").Brut(Param.GenereListeInclude());
    e.Ligne("Require_once(\"inc/" + NomFichierConnexion + "\");").LigneVide();
    e.Ligne("// Formulaire decrit par : " + form);
    if (table != "") e.Ligne("// Utilisant la structure de la table : " + table);
    e.Ligne("// Fichier genere par " + Param.Banniere);
    e.Ligne("// Date de generation : " + Utiles::DateHeure()).LigneVide();
    if (table != "")
        e.Ligne("// Pour utiliser ce fichier formulaire avec une table MySql, les fichiers suivants : ")
            .Ligne("// inc/CVCLass_" + table + ".php")
            .Ligne("// inc/CVForm.php")
            .Ligne("// ainsi que inc/" + NomFichierConnexion + ".")
            .Ligne("// ,seront copies automatiquement dans le repertoire de votre formulaire.");
    return e.LigneVide().Prends();
}

// Une position hors de la liste donne un texte vide plutot qu'une lecture hors limites.
std::string MesForms::AfficheListeDeChamps(unsigned int n) {
    if (n >= ListeChamps.size()) return "";
    const structTable& c = ListeChamps[n];
    Emetteur e(0);
    EmetChamps(e, {{"Liste Champ   = ", Param.ConvertIntToString(static_cast<int>(n))},
                   {"NomTable      = ", c.NomTable}, {"NomChamp      = ", c.NomChamp}, {"Longueur      = ", c.Longueur},
                   {"TypeSgbd      = ", c.TypeSgbd}, {"TypePhp       = ", c.TypePhp}, {"TypeHtml      = ", c.TypeHtml},
                   {"Index         = ", c.Index}, {"AutoIncrement = ", c.AutoIncrement},
                   {"Obligatoire   = ", c.Obligatoire == "O" ? "O" : "N"}, {"Commentaire   = ", c.Commentaire}});
    return e.Prends();
}

std::string MesForms::AfficheElementBouton(unsigned int n) {
    if (n >= ListeBoutons.size()) return "";
    const ElementBouton& b = ListeBoutons[n];
    Emetteur e(0);
    e.Ligne("----------------------------------")
        .Ligne("Liste Element BOUTON/LIEN =" + Param.ConvertIntToString(static_cast<int>(n)));
    EmetChamps(e, {{"Type ELement              = ", b.Type}, {"Nom Element               = ", b.Nom},
                   {"Libelle                   = ", b.Libelle}});
    return e.Prends();
}

std::string MesForms::AfficheElement(unsigned int n) {
    if (n >= ListeElements.size()) return "";
    const Element& el = ListeElements[n];
    Emetteur e(0);
    e.Ligne("---------- Fichier ---").Ligne("Liste Element numero =" + Param.ConvertIntToString(static_cast<int>(n)));
    EmetChamps(e, {{"Champ      = ", el.Champ}, {"Libelle    = ", el.Libelle}});
    e.Ligne("Element    = >" + el.Element_ + "< Nb=" + Param.ConvertIntToString(static_cast<int>(el.ListeValeurs.size())));
    for (const FElement& v : el.ListeValeurs)
        EmetChamps(e, {{"\tValeur = ", v.Valeur}, {"\tDonnees= ", v.Donnees}, {"\tDefaut = ", v.Defaut}});
    EmetChamps(e, {{"TypeHtml   = ", el.TypeHtml}, {"TypePhp    = ", el.TypePhp}, {"TypeSgbd   = ", el.TypeSgbd},
                   {"Longueur   = ", el.Longueur}, {"Obligatoire= ", el.Obligatoire}, {"Grise      = ", el.Grise},
                   {"Autofocus  = ", el.Autofocus}, {"ControleJS = ", el.ControleJS}, {"Visible    = ", el.Visible},
                   {"Index      = ", el.Index}});
    return e.Prends();
}
