// La fonction form, premiere moitie : la lecture de la description ".form" et son controle
// contre la base. L'ecriture de la page est dans FrwFormPage.cpp.
#include "FrwForm.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <tuple>
#include <utility>

#include "FrwSgbd.h"
#include "classe_fichier.h"
#include "plateforme.h"

namespace {

// Valeurs de l'element de travail avant la premiere ligne et apres chaque fin d'element.
MesForms::Element ElementDeDepart(const std::string& presentEnBase) {
    MesForms::Element element;
    element.PresentEnBase = presentEnBase;
    element.InputHtml = "input";
    element.Longueur = "0";
    element.Visible = "O";
    element.Obligatoire = "N";
    element.Grise = "N";
    element.Autofocus = "N";
    element.ControleJS = "N";
    element.Index = "N";
    return element;
}

using Sorte = ReleveDesChaines::Sorte;
using Acces = ReleveDesChaines::Acces;
using Variable = ReleveDesChaines::Variable;

// Vrai quand la page, avec ou sans table, definit elle-meme une variable de ce nom.
bool VariableDeLaPage(const std::string& nom, bool avecTable) {
    const std::vector<std::string> noms = MesForms::VariablesDeLaPage(avecTable);
    return std::find(noms.begin(), noms.end(), nom) != noms.end();
}

// Lecture des interpolations de PHP dans une chaine entre guillemets ; chaque fonction rend la
// position qui suit ce qu'elle a reconnu a partir de i, ou npos.
struct Interpolation {
    const std::string& v;
    static constexpr size_t Aucune = std::string::npos;

    // c en i : la position qui le suit.
    size_t Apres(size_t i, char c) const { return i < v.size() && v[i] == c ? i + 1 : Aucune; }
    size_t Nom(size_t i) const {
        if (i >= v.size() || !Utiles::LettrePhp(v[i])) return Aucune;
        while (i < v.size() && Utiles::LettreOuChiffrePhp(v[i])) ++i;
        return i;
    }
    // Des chiffres de `permis` en i, par groupes que separe un seul "_" (1_000).
    size_t Chiffres(size_t i, const std::string& permis) const {
        auto chiffre = [&](size_t j) { return j < v.size() && permis.find(v[j]) != std::string::npos; };
        size_t fin = i;
        while (chiffre(fin)) fin += fin + 1 < v.size() && v[fin + 1] == '_' && chiffre(fin + 2) ? 2 : 1;
        return fin == i ? Aucune : fin;
    }
    // Un nombre d'indice : des chiffres, ou 0x et des chiffres hexadecimaux, 0b et des 0 et 1, 0o et
    // des chiffres octaux, par groupes que "_" peut separer ; aucune lettre ni chiffre ne le suit.
    // Entre accolades (`litteral`), l'indice est un litteral de PHP : un 0 de tete y annonce un
    // nombre octal, si bien que 09 n'est pas un nombre.
    size_t Nombre(size_t i, bool litteral = false) const {
        const char base = i + 1 < v.size() && v[i] == '0' ? static_cast<char>(v[i + 1] | 0x20) : '\0';
        const std::string decimaux = "0123456789";
        size_t fin = base == 'x'   ? Chiffres(i + 2, decimaux + "abcdefABCDEF")
                     : base == 'b' ? Chiffres(i + 2, "01")
                     : base == 'o' ? Chiffres(i + 2, "01234567")
                                   : Chiffres(i, decimaux);
        if (fin == Aucune || (fin < v.size() && Utiles::LettreOuChiffrePhp(v[fin]))) return Aucune;
        const bool octal = litteral && base != 'x' && base != 'b' && base != 'o' && v[i] == '0' && fin > i + 1;
        return octal && v.substr(i, fin - i).find_first_of("89") != std::string::npos ? Aucune : fin;
    }
    // "[" en i : un nom, une variable ou un nombre (signe permis), puis "]".
    size_t Indice(size_t i) const {
        size_t j = i + 1;
        if (j < v.size() && v[j] == '$') j = Nom(j + 1);
        else if (j < v.size() && Utiles::LettrePhp(v[j])) j = Nom(j);
        else j = Nombre(j < v.size() && v[j] == '-' ? j + 1 : j);
        return Apres(j, ']');
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
        while (j < v.size() && v[j] != '}') {
            if (v.compare(j, 2, "->") == 0) j = Nom(j + 2);
            else if (v[j] == '[') j = Apres(Nombre(j + 1, true), ']');
            else j = Aucune;
        }
        return Apres(j, '}');
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

// Une variable de la page la ou elle ecrit une valeur : definie (variable), definie seulement
// apres certaines actions (variable et actions), pas encore definie (absente : ou la page la
// definit, "apres le formulaire"), ou que la page ne definit pas (rien).
struct Etat {
    const Variable* variable = nullptr;
    std::vector<std::string> actions;
    std::string absente;
};
using Lecture = std::function<Etat(const std::string& nom)>;

// Les variables de la page a chaque endroit de son ecriture, d'apres son releve ; les variables
// propres de la page type disent ou la page definit celles qu'elle n'a pas.
class Variables {
public:
    Variables(const ReleveDesChaines& releve, const std::vector<std::pair<std::string, Variable>>& propres)
        : releve_(releve), propres_(propres) {
        for (size_t i = 0; i < releve.definitions.size(); ++i) parNom_[releve.definitions[i].first].push_back(i);
    }

    // La variable `nom` pour une valeur ecrite apres les `rang` premieres definitions.
    Etat Au(const std::string& nom, size_t rang) const {
        Etat etat;
        const auto trouvees = parNom_.find(nom);
        const std::vector<size_t> aucune;
        const std::vector<size_t>& indices = trouvees == parNom_.end() ? aucune : trouvees->second;
        const auto fin = std::lower_bound(indices.begin(), indices.end(), rang);
        if (fin == indices.begin()) {
            if (!indices.empty()) etat.absente = releve_.definitions[indices.front()].second.quand;
            for (const auto& [propre, variable] : propres_)
                if (indices.empty() && propre == nom) etat.absente = variable.quand;
            return etat;
        }
        bool toujours = false;
        for (auto i = indices.begin(); i != fin; ++i) {
            const std::string& action = releve_.definitions[*i].second.action;
            toujours = toujours || action.empty();
            if (!action.empty() && std::find(etat.actions.begin(), etat.actions.end(), action) == etat.actions.end())
                etat.actions.push_back(action);
        }
        if (toujours) etat.actions.clear();
        etat.variable = &releve_.definitions[*(fin - 1)].second;
        return etat;
    }

private:
    const ReleveDesChaines& releve_;
    const std::vector<std::pair<std::string, Variable>>& propres_;
    std::map<std::string, std::vector<size_t>> parNom_;
};

const char* const Arret = " : la page s'arretera sur une erreur en l'affichant";
const char* const Signale = ", ce que PHP signale a chaque affichage de la page";

// " : " et pourquoi la variable `montree` (avec son "$") n'existe pas la : la page ne la definit
// que plus loin, ou qu'apres certaines actions.
std::string Absente(const std::string& montree, const Etat& etat) {
    const std::string debut = " : la page ne definit " + montree + " qu'";
    if (!etat.absente.empty()) return debut + etat.absente + Signale;
    std::string actions;
    for (size_t i = 0; i < etat.actions.size(); ++i)
        actions += (i == 0 ? "" : i + 1 == etat.actions.size() ? " ou " : ", ") + etat.actions[i];
    return debut + "apres " + actions + ", ce que PHP signale a tout autre affichage de la page";
}

// Ce que fait PHP d'un texte lu a un indice ecrit tel quel apres "$nom[" : il le lit a un entier
// (chiffres decimaux, signe et zeros de tete permis, dans 64 bits) ; il refuse une cle texte (un
// nom, un entier trop grand) ; d'un indice qui commence par un tel entier (0x1f, 1_000), il lit
// cet entier en le signalant.
enum class LectureDeTexte { Entier, Refusee, Signalee };
LectureDeTexte IndiceDeTexte(std::string n) {
    const bool negatif = !n.empty() && n[0] == '-';
    if (negatif) n.erase(0, 1);
    const size_t chiffres = std::min(n.find_first_not_of("0123456789"), n.size());
    if (chiffres == 0) return LectureDeTexte::Refusee;
    std::string entier = n.substr(0, chiffres);
    entier.erase(0, std::min(entier.find_first_not_of('0'), entier.size() - 1));
    const std::string limite = negatif ? "9223372036854775808" : "9223372036854775807";
    if (entier.size() > limite.size() || (entier.size() == limite.size() && entier > limite))
        return LectureDeTexte::Refusee;
    return chiffres == n.size() ? LectureDeTexte::Entier : LectureDeTexte::Signalee;
}

// Ce que fait PHP de l'interpolation de la variable `nom` telle que la page l'a definie : suivie
// d'une propriete (que rien ne suit entre les accolades quand `seule`), d'un indice ou de rien ;
// "" quand cela depend des valeurs. `debut` nomme l'interpolation.
std::string DefautDefinie(const std::string& debut, const std::string& nom, const Variable& variable,
                          const std::string* propriete, bool seule, const std::string* indice, const Lecture& lire) {
    const Sorte sorte = variable.sorte;
    const std::string ce = " : $" + nom + (sorte == Sorte::Tableau ? ", un tableau de la page,"
                                           : sorte == Sorte::Objet ? ", un objet de la page,"
                                                                   : ", un texte de la page,");
    if (sorte == Sorte::Objet) {
        if (!propriete)
            return debut + (indice ? ", l'indice d'un objet de la page, que PHP refuse"
                                   : ", un objet de la page que PHP ne sait pas ecrire en texte") + Arret;
        if (!variable.proprietes) return "";
        const auto lue = variable.proprietes->find(*propriete);
        if (lue == variable.proprietes->end()) return debut + ce + " n'a pas de propriete " + *propriete + Signale;
        if (lue->second == Acces::Privee) return debut + ce + " garde privee sa propriete " + *propriete + Arret;
        if (lue->second == Acces::Tableau && seule)
            return debut + " : $" + nom + "->" + *propriete + ", un tableau de la page, s'ecrit Array" + Signale;
        return "";
    }
    if (propriete) return debut + ce + " n'a pas de propriete" + Signale;
    if (sorte == Sorte::Tableau && !indice) return debut + ce + " s'ecrit Array" + Signale;
    if (!indice) return "";
    // Une variable de la page pour indice : un tableau ou un objet n'en est jamais un, et un texte
    // qui n'est jamais un nombre ne lit pas un texte.
    if (!indice->empty() && (*indice)[0] == '$') {
        const Etat cle = lire(indice->substr(1));
        if (!cle.absente.empty() || !cle.actions.empty()) return debut + Absente(*indice, cle);
        if (!cle.variable || cle.variable->sorte == Sorte::Texte) return "";
        if (cle.variable->sorte == Sorte::Mot)
            return sorte == Sorte::Tableau ? ""
                                           : debut + ce + " ne se lit qu'a un indice entier, et " + *indice +
                                                 ", un texte de la page, n'est jamais un nombre" + Arret;
        return debut + " : " + *indice + (cle.variable->sorte == Sorte::Tableau ? ", un tableau" : ", un objet") +
               " de la page, ne peut servir d'indice" + Arret;
    }
    if (sorte == Sorte::Tableau) return "";
    switch (IndiceDeTexte(*indice)) {
        case LectureDeTexte::Refusee: return debut + ce + " ne se lit qu'a un indice entier" + Arret;
        case LectureDeTexte::Signalee: return debut + ce + " est lu a un indice qui n'est pas un entier decimal" + Signale;
        default: return "";
    }
}

// Ce que fait PHP, a chaque affichage, de l'interpolation `montree` de la variable `nom` (voir
// DefautDefinie) : "" quand cela depend des valeurs ou que la page ne definit pas la variable.
// Une variable que la page ne definit qu'apres certaines actions n'existe pas aux autres
// affichages ; apres elles, elle peut encore arreter la page.
std::string DefautVariable(const std::string& montree, const std::string& nom, const std::string* propriete, bool seule,
                           const std::string* indice, const Lecture& lire) {
    const std::string debut = "une interpolation " + montree;
    if (nom == "this") return "une interpolation $this, que PHP refuse hors d'un objet" + std::string(Arret);
    const Etat etat = lire(nom);
    if (!etat.absente.empty()) return debut + Absente("$" + nom, etat);
    if (!etat.variable) return "";
    const std::string defaut = DefautDefinie(debut, nom, *etat.variable, propriete, seule, indice, lire);
    if (etat.actions.empty()) return defaut;
    const std::string arret = Arret;
    const bool arrete = defaut.size() >= arret.size() && defaut.substr(defaut.size() - arret.size()) == arret;
    return debut + Absente("$" + nom, etat) +
           (arrete ? " ; apres ces actions, la page s'arretera sur une erreur en l'affichant" : "");
}

// Ce qui, dans une valeur ecrite telle quelle entre les guillemets d'une chaine PHP, empeche
// la page d'etre lue ou lui fait afficher un avertissement : un guillemet que ne precede pas un
// nombre impair de barres obliques inverses ferme la chaine, une barre finale echappe le
// guillemet qui la ferme, "\u{...}" et "\400" sont des sequences que PHP refuse, "{$" et
// "$nom[" ouvrent une interpolation que la valeur doit finir, "${" est deprecie ; une variable de
// la page interpolee l'arrete ou l'avertit a chaque affichage selon ce qu'elle est (DefautVariable).
// La page ecrit la valeur tapee suivie de `suite` ; en majuscules quand `majuscules` le dit, ou
// une variable interpolee changerait de nom. "" si rien.
std::string DefautChainePhp(const std::string& tapee, const std::string& suite, const Lecture& lire, bool majuscules) {
    const std::string invalide = " : la page generee ne sera pas du PHP valide";
    std::string valeur = tapee;
    if (majuscules) Utiles::Majuscule(valeur);
    valeur += suite;
    const std::string ecrite = tapee + suite;
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
        } else if ((c == '{' && suivant == '$') || (c == '$' && Utiles::LettrePhp(suivant))) {
            const bool complexe = c == '{';
            const size_t fin = complexe ? lu.Complexe(i) : lu.Simple(i);
            if (fin == Interpolation::Aucune)
                return "une interpolation " + valeur.substr(i, complexe ? 2 : lu.Nom(i + 1) - i + 1) + " que PHP ne peut pas lire" +
                       invalide;
            const size_t nom = i + (complexe ? 2 : 1), finNom = lu.Nom(nom);
            const std::string variable = valeur.substr(nom, finNom - nom);
            if (variable != ecrite.substr(nom, finNom - nom))
                return "une interpolation $" + ecrite.substr(nom, finNom - nom) + " que la page ecrit en majuscules ($" +
                       variable + ") : PHP y lit une autre variable";
            // Ce qui suit le nom : "->nom" (une propriete, que PHP lit seule hors des accolades), "["
            // (un indice ; ecrit tel quel hors des accolades), ou rien que PHP lise.
            const size_t finPropriete = valeur.compare(finNom, 2, "->") == 0 ? lu.Nom(finNom + 2) : Interpolation::Aucune;
            const bool propriete = finPropriete != Interpolation::Aucune;
            const std::string nomPropriete = propriete ? valeur.substr(finNom + 2, finPropriete - finNom - 2) : "";
            const bool seule = !complexe || (propriete && valeur[finPropriete] == '}');
            const bool indexee = finNom < valeur.size() && valeur[finNom] == '[';
            // Entre accolades, l'indice est un litteral entier de PHP : il se lit comme "0".
            const std::string indice = !indexee ? "" : complexe ? "0" : valeur.substr(finNom + 1, fin - finNom - 2);
            const std::string montree = valeur.substr(i, (propriete && !complexe ? finPropriete : fin) - i);
            if (const std::string defaut = DefautVariable(montree, variable, propriete ? &nomPropriete : nullptr, seule,
                                                          indexee ? &indice : nullptr, lire);
                !defaut.empty())
                return defaut;
            i = fin;
        } else {
            ++i;
        }
    }
    return "";
}

// Un element decrit, complete par sa colonne.
void CompleteElement(MesForms::Element& element, const structTable& colonne) {
    element.PresentEnBase = "O";
    // Le commentaire de la colonne va tel quel dans une chaine PHP de la page : ses guillemets,
    // "\" et "$" y restent eux-memes.
    if (element.Libelle.empty())
        element.Libelle = colonne.Commentaire.empty() ? colonne.NomChamp : Utiles::String2Php(colonne.Commentaire);
    if (element.Longueur.empty()) element.Longueur = colonne.Longueur;
    if (element.TypeSgbd.empty()) element.TypeSgbd = colonne.TypeSgbd;
    if (element.TypePhp.empty()) element.TypePhp = colonne.TypePhp;
    if (element.TypeHtml.empty()) element.TypeHtml = colonne.TypeHtml;
    element.AutoIncrement = colonne.AutoIncrement;
    // Un nombre ou une date NOT NULL qui a un defaut peut rester vide : l'insertion le lui donne
    // (un texte vide, lui, est une valeur).
    const bool defautSiVide = FrwSgbd::VideEstNull(colonne.TypeSgbd) && !colonne.ValeurDefaut.empty();
    if (colonne.Obligatoire == "O" && !defautSiVide) element.Obligatoire = "O";
}

}  // namespace

std::vector<std::string> MesForms::VariablesDeLaPage(bool avecTable) {
    std::vector<std::string> noms;
    for (const auto& [nom, variable] : VariablesPropres(avecTable)) noms.push_back(nom);
    return noms;
}

// Les variables que l'ecriture d'une page type definit elle-meme, sans table et avec, a leur
// premiere definition : la page type a un element de chaque genre et un bouton, si bien que
// l'ecriture y passe partout.
const std::vector<std::pair<std::string, ReleveDesChaines::Variable>>& MesForms::VariablesPropres(bool avecTable) {
    static const auto propres = [] {
        std::array<std::vector<std::pair<std::string, Variable>>, 2> pages;
        for (const bool table : {false, true}) {
            Parametrage param;
            MesForms page(param);
            page.NomTable = table ? "t" : "";
            for (const char* genre : {"input", "textarea", "select", "radio", "checkbox"}) {
                Element element = ElementDeDepart(table ? "O" : "N");
                element.Champ = std::string("c") + genre;
                element.InputHtml = genre;
                page.ListeElements.push_back(element);
                structTable colonne;
                colonne.NomChamp = element.Champ;
                if (table) page.ListeChamps.push_back(colonne);
            }
            page.ListeBoutons.push_back({"B", "b", "B"});
            ReleveDesChaines releve;
            page.Releve = &releve;
            page.Creation_RecupChampsPhp(page.NomTable);
            page.Creation_TraitementPhp(page.NomTable);
            page.FaitFormulaire(page.NomTable);
            for (const auto& [nom, variable] : releve.definitions) {
                const auto deja = [&](const auto& propre) { return propre.first == nom; };
                if (variable.propre && std::none_of(pages[table].begin(), pages[table].end(), deja))
                    pages[table].emplace_back(nom, variable);
            }
        }
        return pages;
    }();
    return propres[avecTable];
}

const std::vector<std::string>& MesForms::MembresDuFormulaire() {
    static const std::vector<std::string> membres = {"submit", "requestSubmit", "reset", "elements", "appendChild"};
    return membres;
}

MesForms::MesForms(Parametrage& param) : FinDeLigne("\n"), Param(param), SeparateurValeurs(",") {
    // Mots cles de la description ".form", conserves brouilles comme les autres
    // mots fixes. Aucun n'est contenu dans un autre : le lecteur les cherche
    // partout dans la ligne.
    const std::pair<std::string*, const char*> motsCles[] = {
        {&MotCleTable, "P<q~D-ziG1kS"},                    // "TABLE="
        {&MotCleNonUtilise1, "P1qiD@zqG5kbqKtT"},          // "INUTIL1="
        {&MotCleChamp, "P+qcD,zjG<kS"},                    // "CHAMP="
        {&MotCleInputHtml, "P1qiD;zrG@k^S:tdL3rV"},        // "INPUTHTML="
        {&MotCleOptionChamp, "P7qkqizfG;kdS#"},            // "OPTION="
        {&MotCleOptionInput, "P7qkqizfG:kfS:tT"},          // "OPTINPT="
        {&MotCleGrise, "P/qmD4zpG1kS"},                    // "GRISE="
        {&MotCleLibelle, "P4qdD-zbG8kbS+tT"},              // "LIBELLE="
        {&MotCleElement, "P-qgD0zjG1kdS:tjL$"},            // "ELEMENTS="
        {&MotCleTypeHtml, "P<qtD;zbG)"},                   // "TYPE="
        {&MotCleLongueur, "P4qjD9zdGAk[S;tiL$"},           // "LONGUEUR="
        {&MotCleValeurInitiale, "P>q~D7zfG:k_S#"},         // "VALINI="
        {&MotCleObligatoire, "P7q]D7zfG3kWS:tfL0rkZ0yY"},  // "OBLIGATOIRE="
        {&MotCleAutofocus, "P)qpqizlG2keS)tlL:rV"},        // "AUTOFOCUS="
        {&MotCleControleJS, "P+qjD9zqG>keS2t~L1rlZ("},     // "CONTROLEJS="
        {&MotCleVisible, "P>qdD>zfG.kbS+tT"},              // "VISIBLE="
        {&MotCleNonUtilise2, "P1qiD@zqG5kbS/tjL,rIqGyY"},  // "INUTILISE02="
        {&MotCleOptionPave1, "P8qqqFzZ"},                  // "PV1="
        {&MotCleOptionPave2, "P8qqqGzZ"},                  // "PV2="
        {&MotCleOptionPave3, "P8q~DAzPG)"},                // "PAV3="
        {&MotCleFinElement, "P.qdD9z`G4kf"},               // "FINCHP"
        {&MotCleBouton, "P*qjD@zqG;kdS#"},                 // "BOUTON="
        {&MotCleLien, "P4qdD0zkG)"},                       // "LIEN="
        {&MotCleNonUtilise3, "P1qiD@zqqG"},                // "INUT3"
        // Le fichier de connexion copie a cote de la page : le meme que celui de Parametrage.
        {&NomFichierConnexion, "P+qqD.WOGMB]SYtvLFr|ZZMRPVKJDcWLG[BXvHQYLOTW"},  // "CVClass__connexion.php"
    };
    for (const auto& [motCle, brouille] : motsCles) *motCle = Param.DeCrypt(brouille, Param.Cle);
}

// ====================================================================
// Lecture de la description et controle contre la base
// ====================================================================

std::string MesForms::ChargeFichierConfigFormulaire(std::string nomFichier) {
    Param.NbErreurs = 0;
    Param.NbAnomalies = 0;
    LigneTable = LigneNonUtilise1 = LigneNonUtilise2 = LigneNonUtilise3 = 0;
    NomFichierForm = nomFichier;
    std::vector<std::string> lignes;
    if (const std::string echec = Fichier().LisFichier(nomFichier, lignes); !echec.empty()) {
        Param.AddErreur(echec);
        Param.Log(echec, Parametrage::LogEcranEtFichier);
        return echec;
    }
    if (const std::string ecrit = Param.FichierEcrit(nomFichier, plateforme::NumeroDuChemin(nomFichier)); !ecrit.empty()) {
        Param.AddErreur("Le fichier descriptif " + nomFichier + " est un lien ou un second nom de " + ecrit +
                        ", que l'execution ecrit : donnez au descriptif un autre nom.");
        return "";
    }
    // La page s'ecrit a cote de la description : les temporaires qu'une execution tuee y a laisses
    // s'effacent ici, meme quand la description est refusee plus bas.
    const std::string repertoire = Fichier().RenvoiRepertoire(NomFichierForm);
    const plateforme::Occupation occupation(repertoire.empty() ? "." : repertoire);
    // La page porte le nom du descriptif en ".php" : un descriptif deja en
    // ".php" serait vide puis ecrase par sa propre page.
    NomFichierSortie = Param.ChangeExtention(NomFichierForm, ".php");
    if (NomFichierSortie == NomFichierForm) {
        Param.AddErreur("La page " + NomFichierSortie + " remplacerait le fichier descriptif lui-meme : " +
                        "donnez au descriptif une autre extension que .php.");
        return "";
    }
    // Une page deja la qui est un lien vers le descriptif, ou un second nom du meme fichier, s'ecrirait
    // sur lui.
    if (plateforme::MemeFichier(NomFichierSortie, NomFichierForm)) {
        Param.AddErreur("La page " + NomFichierSortie + " remplacerait le fichier descriptif lui-meme, dont elle " +
                        "est un lien ou un second nom : donnez au descriptif un autre nom.");
        return "";
    }
    LisLignes(lignes);
    ControleDescription();
    // Apres le controle contre la base, dont le point d'arret suivant la connexion arrete
    // l'etape sur toute erreur deja enregistree.
    std::string resultat = NomTable.empty() ? "" : ControleBase();
    ControlePageEcrasee();
    if (NomTable.empty()) ControleNomsSansTable();
    else ControleNomsDeTable();
    ControleChainesPhp();
    return resultat;
}

// La table de la description dit quelles classe et connexion sont copiees a cote de la page : le
// lecteur la lit, pour un objet a part, dont les anomalies ne comptent pas.
void MesForms::FichiersDeLExecution(const std::string& nomFichierForm, plateforme::Registre& registre) {
    NomFichierForm = nomFichierForm;
    registre.Ajoute(NomFichierForm);
    registre.Ajoute(Param.ChangeExtention(NomFichierForm, ".php"));
    std::vector<std::string> lignes;
    if (Fichier().LisFichier(NomFichierForm, lignes).empty()) {
        Parametrage aPart;
        MesForms lecteur(aPart);
        lecteur.LisLignes(lignes);
        NomTable = lecteur.NomTable;
    }
    for (const Copie& copie : CopiesACote()) Parametrage::DeclareCopie(registre, copie.Source, copie.Cible);
}

// Une copie a cote de la page qui porterait son nom, ou y menerait (lien, meme pendant, ou second
// nom), la remplacerait aussitot ecrite ; une copie qui tomberait sur le descriptif, par son nom ou
// par un autre, l'effacerait. Une page qui menerait a l'original d'une copie l'ecraserait, comme
// une copie qui menerait a l'original d'une autre.
void MesForms::ControlePageEcrasee() {
    const std::vector<Copie> copies = CopiesACote();
    for (const Copie& copie : copies) {
        const std::string cible = plateforme::CheminNormal(copie.Cible);
        if (cible == plateforme::CheminNormal(NomFichierSortie) ||
            plateforme::MemeFichier(copie.Cible, NomFichierSortie)) {
            Param.AddErreur("La page " + NomFichierSortie + " serait remplacee par la copie de " + copie.Source +
                            " faite a cote d'elle : donnez au descriptif un autre nom.");
            return;
        }
        if (cible == plateforme::CheminNormal(NomFichierForm) || plateforme::MemeFichier(copie.Cible, NomFichierForm)) {
            Param.AddErreur("Le fichier descriptif " + NomFichierForm + " serait remplace par la copie de " +
                            copie.Source + " faite a cote de sa page : donnez au descriptif un autre nom.");
            return;
        }
        if (plateforme::MemeFichier(NomFichierSortie, copie.Source)) {
            Param.AddErreur("La page " + NomFichierSortie + " remplacerait " + copie.Source +
                            ", qu'elle copie a cote d'elle : donnez au descriptif un autre nom.");
            return;
        }
        if (!plateforme::AutreNomPossible(copie.Cible)) continue;
        for (const Copie& autre : copies) {
            if (plateforme::CheminNormal(autre.Source) == plateforme::CheminNormal(copie.Source) ||
                !plateforme::MemeFichier(copie.Cible, autre.Source))
                continue;
            Param.AddErreur("Le fichier " + autre.Source + " serait remplace par la copie de " + copie.Source +
                            " faite a cote de sa page : donnez au descriptif un autre nom.");
            return;
        }
    }
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
    Element courant = ElementDeDepart("");
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
        if (!reconnue)
            Param.AddWarning("Dans la ligne " + ligne + " (ligne " + Param.ConvertIntToString(numero) +
                             "), cette identifiant n'est pas compris (soit pas en majuscule soit inconnu)." +
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
        case 'F': ListeElements.push_back(std::exchange(courant, ElementDeDepart("N"))); break;
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
    courant.Element += valeur + ";";
    courant.LigneElement = numero;
    const std::string::size_type separateur = valeur.find(SeparateurValeurs);
    if (separateur == std::string::npos) {
        Param.AddWarning("Dans la description d'element (" + valeur + "), le separateur n'a pas ete trouve.");
        return;
    }
    const bool preselectionnee = !valeur.empty() && valeur[0] == '*';
    const std::string::size_type debut = preselectionnee ? 1 : 0;
    courant.ListeValeurs.push_back(
        {valeur.substr(debut, separateur - debut), valeur.substr(separateur + SeparateurValeurs.size()),
         preselectionnee ? "O" : "N"});
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
    const std::string libelle = virgule > debut ? ligne.substr(debut, virgule - debut) : "";
    ListeBoutons.push_back({std::string(1, motCle.Action), ligne.substr(virgule + 1), libelle});
}

// Chaque valeur de la description que la page ecrit entre guillemets dans son PHP : la page est
// ecrite sans etre enregistree, son releve dit chaque valeur telle qu'elle l'ecrit et les
// variables qu'elle a definies a cet endroit. Une valeur que la page n'ecrit pas n'est pas
// controlee ; une valeur ecrite a plusieurs endroits est signalee une fois, par le premier qui
// l'empeche d'etre lue ou qui l'arrete ou l'avertit. Les valeurs sont dites par table, element,
// puis bouton, dans l'ordre ou la page les ecrit.
void MesForms::ControleChainesPhp() {
    ReleveDesChaines releve;
    // PHP donne ces tableaux a toute page ($_SESSION n'existe qu'une session ouverte, ce que la
    // page ne fait pas).
    for (const char* nom : {"GLOBALS", "_SERVER", "_GET", "_POST", "_FILES", "_COOKIE", "_REQUEST", "_ENV"})
        releve.definitions.emplace_back(nom, Variable{Sorte::Tableau, nullptr, "au debut de la page", "", false});
    // L'ecriture met les types en majuscules et cache la cle dans les elements memes : ils sont
    // rendus tels que la description les donne.
    const std::vector<Element> elements = ListeElements;
    Releve = &releve;
    Creation_RecupChampsPhp(NomTable);
    Creation_TraitementPhp(NomTable);
    FaitFormulaire(NomTable);
    Releve = nullptr;
    ListeElements = elements;

    const Variables variables(releve, VariablesPropres(!NomTable.empty()));
    struct Jugee {
        const ReleveDesChaines::Valeur* valeur;
        std::string defaut;
    };
    std::vector<Jugee> jugees;
    std::map<std::tuple<int, std::string, std::string>, size_t> vues;
    for (const ReleveDesChaines::Valeur& v : releve.valeurs) {
        const auto [vue, premiere] = vues.emplace(std::make_tuple(v.ou, v.motCle, v.tapee), jugees.size());
        if (premiere) jugees.push_back({&v, ""});
        Jugee& jugee = jugees[vue->second];
        const Lecture lire = [&](const std::string& nom) { return variables.Au(nom, v.rang); };
        if (jugee.defaut.empty()) jugee.defaut = DefautChainePhp(v.tapee, v.suite, lire, v.majuscules);
    }
    std::stable_sort(jugees.begin(), jugees.end(),
                     [](const Jugee& a, const Jugee& b) { return a.valeur->ou < b.valeur->ou; });
    for (const Jugee& jugee : jugees) {
        if (jugee.defaut.empty()) continue;
        const ReleveDesChaines::Valeur& v = *jugee.valeur;
        const size_t ou = static_cast<size_t>(v.ou), elements = ListeElements.size();
        const std::string qui = v.ou < 0         ? "Pour la table"
                                : ou < elements ? "Pour l'element " + ListeElements[ou].Champ
                                                : "Pour le bouton " + ListeBoutons[ou - elements].Nom;
        Param.AddWarning(qui + ", la valeur de " + v.motCle + " (" + v.tapee + ") a " + jugee.defaut + ".");
    }
}

void MesForms::ControleDescription() {
    if (ListeElements.empty()) Param.AddWarning("Aucun descriptif de champ detecte dans ce fichier descriptif.");
    if (NomTable.empty() && ListeBoutons.empty())
        Param.AddErreur("Le descriptif de formulaire n'a pas de bouton, ni de lien de validation (" + MotCleBouton +
                        "," + MotCleLien + ")");
    for (std::size_t i = 0; i < ListeElements.size(); ++i)
        for (std::size_t j = i + 1; j < ListeElements.size(); ++j)
            if (ListeElements[i].Champ == ListeElements[j].Champ)
                Param.AddErreur("Le champ " + ListeElements[i].Champ +
                                " est defini au moins 2 fois dans le descriptif du formulaire.");
}

// Toute erreur enregistree depuis le debut de la lecture arrete l'etape des
// que la connexion a ete tentee.
std::string MesForms::ControleBase() {
    Param.VerificationConfigurationSGBDIdentifiant(1);
    BaseMysql base(Param);
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
        if (colonne != nullptr && colonne->NomChamp == ChampCle()) return AvertitCle(*colonne);
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

// La cle designe une seule ligne, mais pas forcement chacune : les lignes que la page ne
// pourrait ni editer, ni modifier, ni effacer sont dites avant qu'un utilisateur les rencontre.
void MesForms::AvertitCle(const structTable& cle) {
    // Un index unique admet plusieurs NULL : NULL ne designe aucune ligne.
    if (cle.Obligatoire != "O")
        Param.AddWarning("La cle de la page (" + cle.NomChamp + ") admet NULL : les lignes ou elle est NULL sont listees, "
                         "mais la page ne peut ni les editer, ni les modifier, ni les effacer. Rendez la colonne NOT NULL.");
    // Un float se montre arrondi (0.1 pour 0.100000001490116...) : la valeur montree n'est pas
    // celle que la base compare.
    if (cle.TypeSgbd.rfind("float", 0) == 0)
        Param.AddWarning("La cle de la page (" + cle.NomChamp + ") est un float : la page montre sa valeur arrondie, qui "
                         "peut ne designer aucune ligne (0.1, 123456789). Preferez une cle decimal, double ou entiere.");
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

// Les noms que la page emploie comme variables PHP, sur une page sans table : ceux des elements
// et des boutons.
void MesForms::ControleNomsSansTable() {
    for (const Element& element : ListeElements) ControleNomPhp(element.Champ);
    for (const ElementBouton& bouton : ListeBoutons) ControleNomPhp(bouton.Nom);
}

// Sur la page d'une table : le nom de la table, qui nomme l'objet et la classe, puis la cle et
// les colonnes montrees, membres de l'objet ; un champ hors de la table est lu comme sans table.
void MesForms::ControleNomsDeTable() {
    // L'objet de la table est la variable $<table> : il ne doit pas en remplacer une de
    // celles que la page ecrit elle-meme (PHP distingue la casse des noms de variables).
    if (VariableDeLaPage(NomTable, true)) {
        Param.AddErreur("La table " + NomTable + " donnerait a son objet la variable $" + NomTable +
                        ", que la page emploie deja : la page ne peut pas servir cette table.");
        return;
    }
    // Sa classe ne pourrait etre declaree : PHP en a deja une de ce nom.
    if (Utiles::NomReservePhp(NomTable)) {
        Param.AddErreur("La table " + NomTable + " n'a pas de page : " + FrwSgbd::RaisonNomReserve);
        return;
    }
    ControleNomPhp(NomTable);
    // La cle (toujours montree : les formulaires Editer et Effacer la portent) et chaque colonne
    // montree sont des membres de l'objet ($table->nom) dont le champ porte le nom. Ce nom doit
    // etre un nom PHP, et ni celui d'une commande de la page (action, un bouton ou un lien), dont
    // il prendrait la place dans l'envoi, ni celui d'un membre du formulaire que ses scripts
    // appellent, qu'il masquerait. Un champ hors de la table est lu par son nom de variable,
    // comme sur une page sans table.
    const std::vector<std::string>& membres = MembresDuFormulaire();
    for (size_t i = 0; i < ListeElements.size(); ++i) {
        const std::string& nom = ListeElements[i].Champ;
        const bool montre = ListeElements[i].Visible == "O", colonne = ListeElements[i].PresentEnBase == "O";
        if (i > 0 && !(colonne && montre)) {
            if (!colonne && montre) ControleNomPhp(nom);
            continue;
        }
        const std::string ou = " de la table " + NomTable;
        if (!Utiles::EstNomPhp(nom)) {
            Param.AddErreur("L'element " + nom + ou + " n'est pas un nom PHP (lettres, chiffres et _, pas de " +
                            "chiffre en tete) : la page l'ecrirait comme membre de l'objet de la table.");
            continue;
        }
        if (i == 0) ControleNomPhp(nom);
        const auto bouton = [&](const ElementBouton& b) { return b.Nom == nom; };
        const bool commande = nom == "action" || std::any_of(ListeBoutons.begin(), ListeBoutons.end(), bouton);
        if (commande || std::find(membres.begin(), membres.end(), nom) != membres.end())
            Param.AddErreur("La colonne " + nom + ou + " ne peut pas etre montree dans la page : son champ " +
                            "porterait le nom " + (commande ? "d'une commande de la page (action, un bouton ou un lien)"
                                                            : "d'un membre du formulaire que ses scripts emploient") +
                            (i == 0 ? ". Elle est la cle de la page : renommez-la."
                                    : ". Cachez-la (VISIBLE=N) ou renommez-la."));
    }
}

void MesForms::ControleNomPhp(const std::string& nom) {
    if (!Utiles::EstNomPhp(nom) || Utiles::VariableReserveePhp(nom) || VariableDeLaPage(nom, false))
        Param.AddWarning("Le nom '" + nom + "' ne peut pas servir de nom PHP (identifiant invalide ou deja employe " +
                         "par la page) : la page generee sera invalide.");
}
