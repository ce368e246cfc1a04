#include "FrwMake.h"

#include <cstring>
#include <functional>
#include <new>
#include <string_view>
#include <unordered_map>

#include "Utiles.h"
#include "classe_fichier.h"
#include "plateforme.h"

namespace {

const char* const BrouilleBaliseReference = "Pcq>D]WHGRk{SXt|LUr|ZPyY";
const char* const BrouilleBaliseReference2 = "Pcq>D=zbG2k[S8t~L5r~Z0yY";
const char* const BrouilleDebutBloc = "P,q`D-zrG@ku";
const char* const BrouilleFinBloc = "P.qdD9z|";

const std::string::size_type Aucun = std::string::npos;

// Les pages de reference gardees en memoire, au plus, d'une page a l'autre.
const size_t TailleMaxReferences = size_t(4) << 20;

// Un nom de balise s'arrete au plus tard a la fin de sa ligne ou au "{" suivant.
bool FinitUnNom(char c) { return c == '}' || c == '{' || c == '\n' || c == '\r'; }

size_t FinDuNom(const std::string& texte, size_t p) {
    while (p < texte.size() && !FinitUnNom(texte[p])) ++p;
    return p;
}

// Ce qu'un message cite d'un nom : son debut, marque de "..." quand il est coupe.
std::string Cite(const std::string& nom) { return nom.size() <= 60 ? nom : nom.substr(0, 60) + "..."; }

// Les marqueurs de bloc d'une page, releves en une lecture : pour chaque nom, ses
// marqueurs de debut dans l'ordre de la page (chacun ne sert qu'une fois) et la
// position du premier marqueur de fin.
class Blocs {
public:
    struct Bloc {
        std::vector<size_t> debuts;
        size_t libre = 0;
        size_t fin = Aucun;
    };

    void Releve(const std::string& page, const std::string& motDebut, const std::string& motFin) {
        parNom_.clear();
        for (size_t q = page.find("{#"); q != Aucun; q = page.find("{#", q + 1)) {
            const bool debut = page.compare(q + 2, motDebut.size(), motDebut) == 0;
            if (!debut && page.compare(q + 2, motFin.size(), motFin) != 0) continue;
            const size_t nom = q + 2 + (debut ? motDebut : motFin).size();
            const size_t c = FinDuNom(page, nom);
            if (c == page.size() || page[c] != '}') continue;
            Bloc& bloc = parNom_[std::string_view(page).substr(nom, c - nom)];
            if (debut) bloc.debuts.push_back(q);
            else if (bloc.fin == Aucun) bloc.fin = q;
        }
    }

    Bloc* Trouve(std::string_view nom) {
        auto it = parNom_.find(nom);
        return it == parNom_.end() ? nullptr : &it->second;
    }

private:
    std::unordered_map<std::string_view, Bloc> parNom_;
};

enum class Defaut { SansAccolade, SansDebut, SansFin };

// Assemble une page cible en une lecture de la reference : chaque balise "{#nom}"
// cede la place au corps du bloc "nom" de la page, lu a son tour avant la suite,
// de sorte qu'un bloc peut en appeler un autre. Un "{" laisse juste avant une
// balise retiree peut former une balise avec le debut du corps qui la remplace.
class Assemblage {
public:
    using Signale = std::function<void(Defaut, const std::string& nom)>;

    Assemblage(const std::string& page, Blocs& blocs, size_t motDebut, Signale signale)
        : page_(page), blocs_(blocs), motDebut_(motDebut), signale_(std::move(signale)) {}

    // Faux quand le texte a assembler depasserait `limite` octets.
    bool Assemble(const std::string& reference, std::string& sortie, size_t limite) {
        sortie_ = &sortie;
        limite_ = limite;
        engage_ = reference.size();
        sortie.clear();
        if (engage_ > limite_) return false;
        pile_.assign(1, Morceau{&reference, 0, reference.size(), 0});
        while (!Fini()) {
            Copie();
            if (Fini() || Car() != '{') continue;
            Avance();
            sortie += '{';
            while (!sortie.empty() && sortie.back() == '{' && !Fini() && Car() == '#') {
                if (!Balise()) return false;
            }
        }
        return true;
    }

private:
    // Ce qui reste a lire : la reference au fond, chaque corps insere par-dessus.
    struct Morceau {
        const std::string* texte;
        size_t lu, fin;
        size_t heure;  // l'horloge des blocs servis quand le morceau a ete insere
    };

    bool Fini() {
        while (!pile_.empty() && pile_.back().lu == pile_.back().fin) pile_.pop_back();
        return pile_.empty();
    }

    // Le "{" du marqueur de debut d'un bloc servi avant l'insertion du morceau se
    // lit "!" : un bloc ne sert qu'une fois.
    bool Efface(const Morceau& m, size_t q) const {
        if (m.texte != &page_) return false;
        auto it = servis_.find(q);
        return it != servis_.end() && it->second < m.heure;
    }

    char Car() const {
        const Morceau& m = pile_.back();
        const char c = (*m.texte)[m.lu];
        return c == '{' && Efface(m, m.lu) ? '!' : c;
    }

    void Avance() { ++pile_.back().lu; }

    // Recopie le morceau du dessus jusqu'a son prochain "{" ou sa fin.
    void Copie() {
        Morceau& m = pile_.back();
        const char* t = m.texte->data();
        for (;;) {
            const void* r = std::memchr(t + m.lu, '{', m.fin - m.lu);
            const size_t q = r == nullptr ? m.fin : static_cast<size_t>(static_cast<const char*>(r) - t);
            sortie_->append(t + m.lu, q - m.lu);
            m.lu = q;
            if (q == m.fin || !Efface(m, q)) return;
            *sortie_ += '!';
            ++m.lu;
        }
    }

    // Le nom qui suit "{#", jusqu'a ce qui le finit (non compris) ou la fin du texte.
    void LisNom() {
        nom_.clear();
        while (!Fini()) {
            Morceau& m = pile_.back();
            const char* t = m.texte->data();
            size_t q = m.lu;
            while (q < m.fin && (!FinitUnNom(t[q]) || (t[q] == '{' && Efface(m, q)))) ++q;
            for (; m.lu < q; ++m.lu) nom_ += t[m.lu] == '{' ? '!' : t[m.lu];
            if (q < m.fin) return;
        }
    }

    // Au "#" qui suit le "{" de la fin de la sortie.
    bool Balise() {
        Avance();
        LisNom();
        if (Fini() || Car() != '}') return Rejette(Defaut::SansAccolade, "");
        Avance();
        Blocs::Bloc* bloc = blocs_.Trouve(nom_);
        if (bloc == nullptr || bloc->libre == bloc->debuts.size()) return Rejette(Defaut::SansDebut, "}");
        if (bloc->fin == Aucun) return Rejette(Defaut::SansFin, "}");
        const size_t debut = bloc->debuts[bloc->libre++];
        const size_t corps = debut + 2 + motDebut_ + nom_.size() + 1;
        const size_t fin = bloc->fin < corps ? page_.size() : bloc->fin;
        servis_[debut] = horloge_++;
        sortie_->pop_back();
        Fini();
        if (fin == corps) return true;
        engage_ += fin - corps;
        pile_.push_back(Morceau{&page_, corps, fin, horloge_});
        return engage_ <= limite_;
    }

    // La balise reste dans la sortie, "!" a la place de son "{".
    bool Rejette(Defaut defaut, const char* fermeture) {
        sortie_->back() = '!';
        (*sortie_ += '#') += nom_;
        *sortie_ += fermeture;
        signale_(defaut, nom_);
        return true;
    }

    const std::string& page_;
    Blocs& blocs_;
    const size_t motDebut_;
    Signale signale_;
    std::string* sortie_ = nullptr;
    size_t limite_ = 0, engage_ = 0, horloge_ = 0;
    std::vector<Morceau> pile_;
    std::unordered_map<size_t, size_t> servis_;  // position du marqueur de debut -> heure
    std::string nom_;
};

}  // namespace

Make::Make(Parametrage& param)
    : FinDeLigne("\n"), Separateur("\\"), Param(param), AccoladeFermante("}"), NbFichiers(0) {
    BaliseReference = Param.DeCrypt(BrouilleBaliseReference, Param.Cle);
    BaliseReference2 = Param.DeCrypt(BrouilleBaliseReference2, Param.Cle);
    MotDebutBloc = Param.DeCrypt(BrouilleDebutBloc, Param.Cle);
    MotFinBloc = Param.DeCrypt(BrouilleFinBloc, Param.Cle);
}

Make::~Make() {}

std::string Make::ListerRepertoire(std::string repertoire, std::string filtre, std::vector<_ListeFichier>& liste) {
    std::vector<std::string> noms;
    if (!plateforme::ListeFichiersReguliers(repertoire, noms)) {
        Param.AddErreur("Repertoire " + repertoire + " illisible.");
        return "NOK";
    }
    for (const std::string& nom : noms) {
        // Un "\" dans un nom deviendrait un separateur en atteignant le systeme.
        if (nom[0] == '_' || nom.find('\\') != std::string::npos || nom.find(filtre) == std::string::npos)
            continue;
        liste.push_back({nom, Param.RepertoireSources, Param.RepertoireCible, Param.FichierReferenceGlobal});
        ++NbFichiers;
    }
    return "";
}

bool Make::CopieAppui(const std::string& source, const std::string& cible) {
    Fichier fichier;
    if (fichier.CopieFichier(source, cible) == 0) return true;
    Param.AddWarning("La copie de " + source + " vers " + cible + " a echouee.");
    return false;
}

std::string Make::PreTraitement(std::string filtre) {
    if (!ListerRepertoire(Param.RepertoireSources, filtre, ListeFichiers).empty())
        Param.AddErreur("L'exploration du repertoire " + Param.RepertoireSources + " n'est pas possible.");
    const int n = NbFichiers;
    std::string resume = Param.ConvertIntToString(n) + " Fichier" + Param.Pluriel(n) + " selectionne" +
                         Param.Pluriel(n) + "." + FinDeLigne;
    if (Param.Bavard > 0) {
        resume += "Liste des fichiers selectionnes:" + FinDeLigne;
        for (size_t i = 0; i < ListeFichiers.size(); ++i)
            resume += Param.ConvertIntToString(static_cast<int>(i) + 1) + " - " + ListeFichiers[i].NomFichier +
                      FinDeLigne;
    }
    for (const char* appui : {"CVForm.php", "CVClass__connexion.php"}) {
        std::string source = plateforme::Joindre(Param.CheminAppli, Separateur, appui);
        std::string cible = plateforme::Joindre(Param.TrimSlash(Param.RepertoireIncludeSources), Separateur, appui);
        if (!CopieAppui(source, cible)) return "NOK";
    }
    return resume;
}

// Les balises de date et d'heure de la page, en une lecture ; les textes des
// dates ne sont refaits que quand la seconde a change.
void Make::RemplaceDatesEtHeures(std::string& page) {
    static const std::string balises[] = {"{#DATE_FR}", "{#DATE_US}", "{#HEURE}"};
    const std::string* valeurs[] = {&DateFR, &DateUS, &HeureCourante};
    std::string resultat;
    size_t copie = 0;
    for (size_t p = page.find("{#"); p != Aucun; p = page.find("{#", p + 1)) {
        size_t i = 0;
        while (i < 3 && page.compare(p, balises[i].size(), balises[i]) != 0) ++i;
        if (i == 3) continue;
        if (copie == 0) {
            resultat.reserve(page.size());
            const std::time_t maintenant = std::time(nullptr);
            if (maintenant != SecondeDates) {
                DateFR = Utiles::Date_FR();
                DateUS = Utiles::Date_US();
                HeureCourante = Utiles::Heure();
                SecondeDates = maintenant;
            }
        }
        resultat.append(page, copie, p - copie);
        resultat += *valeurs[i];
        copie = p + balises[i].size();
        p = copie - 1;
    }
    if (copie == 0) return;
    resultat.append(page, copie, Aucun);
    page.swap(resultat);
}

// Retire de la page sa balise de reference et retient le fichier qu'elle nomme ;
// rend les mots qui disent d'ou vient la reference.
std::string Make::ReferenceDeLaPage(_ListeFichier& page, std::string& texte, const std::string& source) {
    std::string::size_type p = texte.find(BaliseReference);
    std::string::size_type ouvrant = BaliseReference.size();
    if (p == Aucun) {
        p = texte.find(BaliseReference2);
        ouvrant = BaliseReference2.size();
    }
    if (p == Aucun) return "(il a ete defini dans le fichier de configuration)";
    std::string::size_type c = FinDuNom(texte, p + ouvrant);
    if (c == texte.size() || texte[c] != AccoladeFermante[0]) {
        Param.AddWarning("La balise #reference n'a pas d'accolade fermante.");
        return "";
    }
    std::string nom = texte.substr(p + ouvrant, c - p - ouvrant);
    page.FichierReference = Param.Racine + Separateur + Param.TrimSlash(nom);
    texte.erase(p, c + 1 - p);
    return "(il a ete defini dans le fichier " + source + ")";
}

// Le texte de la page de reference, lu une fois par execution ; nul quand elle
// manque ou ne se lit pas (une lecture ratee n'est pas gardee).
const std::string* Make::Reference(const _ListeFichier& page, const std::string& source,
                                   const std::string& origine) {
    auto connue = References.find(page.FichierReference);
    if (connue != References.end()) return &connue->second;
    Fichier fichier;
    std::string texte;
    bool ouvert = false;
    int code = fichier.LisFichier(page.FichierReference, texte, ouvert);
    if (!ouvert) {
        Param.AddWarning("Le fichier " + source + " ne sera pas traite, car le fichier de reference " +
                         page.FichierReference + " n'existe pas." + origine);
        return nullptr;
    }
    if (code != 0) {
        Param.AddErreur("Le fichier " + source + " ne sera pas traite. le fichier ref " + page.FichierReference +
                        " est illisible." + FinDeLigne + fichier.LibelleErreur(code) + FinDeLigne);
        return nullptr;
    }
    if (TailleReferences + texte.size() > TailleMaxReferences) {
        References.clear();
        TailleReferences = 0;
    }
    TailleReferences += texte.size();
    return &(References[page.FichierReference] = std::move(texte));
}

void Make::TraitePage(_ListeFichier& page, const std::string& source, const std::string& cible) {
    Fichier fichier;
    int code = fichier.LisFichier(source, TextePage);
    if (code != 0) {
        Param.AddErreur("Le fichier " + source + " est illisible, il ne sera pas traite." + FinDeLigne +
                        fichier.LibelleErreur(code));
        return;
    }
    const std::string origine = ReferenceDeLaPage(page, TextePage, source);
    const std::string* reference = Reference(page, source, origine);
    if (reference == nullptr) return;
    if (Param.Bavard > 0) Param.Log(source + " -> " + cible, Parametrage::LogEcranEtFichier);
    bool entiere = false;
    try {
        RemplaceDatesEtHeures(TextePage);
        Blocs blocs;
        blocs.Releve(TextePage, MotDebutBloc, MotFinBloc);
        Assemblage assemblage(TextePage, blocs, MotDebutBloc.size(), [&](Defaut defaut, const std::string& nom) {
            if (defaut == Defaut::SansAccolade)
                Param.AddErreur("La balise {#reference=X} n'a pas d'accolade fermante dans le fichier:" +
                                page.FichierReference);
            else
                Param.AddErreur("Balise {#" + (defaut == Defaut::SansDebut ? MotDebutBloc : MotFinBloc) +
                                Cite(nom) + AccoladeFermante + " introuvable dans " + source);
        });
        // Une page assemblee depasse rarement sa reference et sa source reunies ; au-dela
        // du double, des blocs qui s'inserent les uns dans les autres la feraient enfler.
        entiere = assemblage.Assemble(*reference, Sortie, 2 * (reference->size() + TextePage.size()) + (1 << 20));
    } catch (const std::bad_alloc&) {
    }
    if (!entiere) {
        Param.AddErreur("Le fichier " + source + " ne sera pas traite : la page produite serait trop grande.");
        return;
    }
    code = fichier.RemplaceFichier(cible, Sortie);
    if (code != 0)
        Param.AddErreur("Le fichier " + cible + " n'a pu etre ecrit." + FinDeLigne + fichier.LibelleErreur(code));
}

std::string Make::Traitement() {
    std::string rapport;
    if (!OccupationCible) OccupationCible = std::make_unique<plateforme::Occupation>(Param.RepertoireCible);
    for (_ListeFichier& page : ListeFichiers) {
        std::string source = Param.TrimSlash(Param.RepertoireSources) + Separateur + Param.TrimSlash(page.NomFichier);
        std::string cible = Param.TrimSlash(Param.RepertoireCible) + Separateur + Param.TrimSlash(page.NomFichier);
        rapport += "Traite fichier:" + source + FinDeLigne;
        TraitePage(page, source, cible);
    }
    return rapport;
}

std::string Make::PostTraitement() {
    std::string rapport;
    for (const std::string& entree : Param.ListeFichiersACopier) {
        std::string source = Param.TrimSlash(Param.RepertoireSources) + Separateur + entree;
        std::string cible = Param.TrimSlash(Param.RepertoireCible) + Separateur + entree;
        rapport += "Copie " + source + " -> " + cible + FinDeLigne;
        if (!CopieAppui(source, cible)) return "NOK";
    }
    return rapport;
}
