#include "FrwMake.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <set>
#include <string_view>
#include <functional>

#include "Utiles.h"
#include "classe_fichier.h"
#include "plateforme.h"

namespace {

const std::string::size_type Aucun = std::string::npos;

// Un nom de balise s'arrete au plus tard a la fin de sa ligne ou au "{" suivant.
bool FinitUnNom(char c) { return c == '}' || c == '{' || c == '\n' || c == '\r'; }

size_t FinDuNom(const std::string& texte, size_t p) {
    while (p < texte.size() && !FinitUnNom(texte[p])) ++p;
    return p;
}

// Le mot est-il dans le texte a la position p ? Son dernier octet, le plus
// distinctif apres "{#", est compare d'abord.
bool Commence(const std::string& texte, size_t p, const std::string& mot) {
    const size_t n = mot.size();
    return n > 0 && p + n <= texte.size() && texte[p + n - 1] == mot[n - 1] &&
           std::memcmp(texte.data() + p, mot.data(), n) == 0;
}

// Ce qu'un message cite d'un nom : son debut, marque de "..." quand il est coupe.
std::string Cite(const std::string& nom) { return nom.size() <= 60 ? nom : nom.substr(0, 60) + "..."; }

}  // namespace

// Assemble une page cible en une lecture de la reference : chaque balise "{#nom}"
// cede la place au corps du bloc "nom" de la page, lu a son tour avant la suite,
// de sorte qu'un bloc peut en appeler un autre. Un "{" laisse juste avant une
// balise retiree peut former une balise avec le debut du corps qui la remplace.
// Les tampons servent d'une page a l'autre.
class Assemblage {
public:
    enum Genre { SansAccolade, SansDebut, SansFin };
    // Apprend, dans l'ordre, chaque balise qui reste sans bloc.
    struct Temoin {
        virtual void Signale(Genre genre, const std::string& nom) = 0;

    protected:
        ~Temoin() = default;
    };

    Assemblage(const std::string& motDebut, const std::string& motFin) : motDebut_(motDebut), motFin_(motFin) {}

    // Releve les marqueurs de bloc de la page parmi ses "{#" (positions croissantes).
    void Releve(const std::string& page, const std::vector<size_t>& balises);
    // Faux quand le texte assemble, celui que la page gardera, depasserait `limite` octets.
    bool Assemble(const std::string& reference, std::string& sortie, size_t limite, Temoin& temoin);

private:
    // Un marqueur de debut de la page, dans l'ordre de la page ; chacun ne sert
    // qu'une fois, dans l'ordre, et le suivant du meme nom prend la releve.
    struct Debut {
        size_t position, suivant, heure;  // heure : quand il a servi (Aucun : pas encore)
    };
    // Un nom de bloc de la page : son prochain marqueur de debut libre et son
    // premier marqueur de fin. Table a adressage ouvert, videe d'une page a
    // l'autre en changeant de generation.
    struct Bloc {
        std::string_view nom;
        size_t empreinte, generation, libre, dernier, fin;
    };
    // Ce qui reste a lire : la reference au fond, chaque corps insere par-dessus.
    struct Morceau {
        const std::string* texte;
        size_t lu, fin;
        size_t heure;  // l'horloge des blocs servis quand le morceau a ete insere
    };

    Bloc* Cherche(std::string_view nom, bool cree);
    void Agrandit();
    bool Fini();
    bool Efface(const Morceau& m, size_t q) const;
    char Car() const;
    void Copie();
    void LisNom();
    void Balise();
    void Rejette(Genre genre, const char* fermeture);

    const std::string& motDebut_;
    const std::string& motFin_;
    const std::string* page_ = nullptr;
    std::string* sortie_ = nullptr;
    Temoin* temoin_ = nullptr;
    size_t horloge_ = 0;
    std::vector<Debut> debuts_;
    std::vector<Bloc> blocs_;  // taille : une puissance de deux
    size_t generation_ = 0, noms_ = 0;
    std::vector<Morceau> pile_;
    std::string nom_;
};

void Assemblage::Releve(const std::string& page, const std::vector<size_t>& balises) {
    page_ = &page;
    debuts_.clear();
    ++generation_;
    noms_ = 0;
    for (size_t q : balises) {
        const bool debut = Commence(page, q + 2, motDebut_);
        if (!debut && !Commence(page, q + 2, motFin_)) continue;
        const size_t nom = q + 2 + (debut ? motDebut_ : motFin_).size();
        const size_t c = FinDuNom(page, nom);
        if (c == page.size() || page[c] != '}') continue;
        Bloc& bloc = *Cherche(std::string_view(page).substr(nom, c - nom), true);
        if (!debut) {
            if (bloc.fin == Aucun) bloc.fin = q;
            continue;
        }
        (bloc.libre == Aucun ? bloc.libre : debuts_[bloc.dernier].suivant) = debuts_.size();
        bloc.dernier = debuts_.size();
        debuts_.push_back({q, Aucun, Aucun});
    }
}

// Le bloc du nom ; cree vide s'il manque et que `cree` le demande, nul sinon.
Assemblage::Bloc* Assemblage::Cherche(std::string_view nom, bool cree) {
    if (cree && 2 * (noms_ + 1) > blocs_.size()) Agrandit();
    if (blocs_.empty()) return nullptr;
    const size_t empreinte = std::hash<std::string_view>()(nom);
    for (size_t i = empreinte & (blocs_.size() - 1);; i = (i + 1) & (blocs_.size() - 1)) {
        Bloc& bloc = blocs_[i];
        if (bloc.generation != generation_) {
            if (!cree) return nullptr;
            bloc = Bloc{nom, empreinte, generation_, Aucun, Aucun, Aucun};
            ++noms_;
            return &bloc;
        }
        if (bloc.empreinte == empreinte && bloc.nom == nom) return &bloc;
    }
}

void Assemblage::Agrandit() {
    std::vector<Bloc> anciens(std::max<size_t>(64, 2 * blocs_.size()), Bloc{{}, 0, 0, Aucun, Aucun, Aucun});
    anciens.swap(blocs_);
    noms_ = 0;
    for (const Bloc& bloc : anciens) {
        if (bloc.generation == generation_) *Cherche(bloc.nom, true) = bloc;
    }
}

bool Assemblage::Assemble(const std::string& reference, std::string& sortie, size_t limite, Temoin& temoin) {
    sortie_ = &sortie;
    temoin_ = &temoin;
    horloge_ = 0;
    sortie.clear();
    sortie.reserve(reference.size() + page_->size());
    pile_.assign(1, Morceau{&reference, 0, reference.size(), 0});
    // Seul compte ce qui sort : une balise qu'un bloc remplace n'en est pas. Chaque marqueur de
    // debut ne servant qu'une fois, ce qui est lu sans sortir reste borne par la page.
    while (!Fini() && sortie.size() <= limite) {
        Copie();
        if (Fini() || Car() != '{') continue;
        ++pile_.back().lu;
        sortie += '{';
        while (!sortie.empty() && sortie.back() == '{' && !Fini() && Car() == '#') Balise();
    }
    return sortie.size() <= limite;
}

bool Assemblage::Fini() {
    while (!pile_.empty() && pile_.back().lu == pile_.back().fin) pile_.pop_back();
    return pile_.empty();
}

// Le "{" du marqueur de debut d'un bloc servi avant l'insertion du morceau se lit
// "!" : le morceau est tel que la page etait quand il a ete insere.
bool Assemblage::Efface(const Morceau& m, size_t q) const {
    if (m.texte != page_ || horloge_ == 0) return false;
    auto it = std::lower_bound(debuts_.begin(), debuts_.end(), q,
                               [](const Debut& d, size_t position) { return d.position < position; });
    return it != debuts_.end() && it->position == q && it->heure < m.heure;
}

char Assemblage::Car() const {
    const Morceau& m = pile_.back();
    const char c = (*m.texte)[m.lu];
    return c == '{' && Efface(m, m.lu) ? '!' : c;
}

// Recopie le morceau du dessus jusqu'a son prochain "{" ou sa fin.
void Assemblage::Copie() {
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
void Assemblage::LisNom() {
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
void Assemblage::Balise() {
    ++pile_.back().lu;
    LisNom();
    if (Fini() || Car() != '}') return Rejette(SansAccolade, "");
    ++pile_.back().lu;
    Bloc* bloc = Cherche(nom_, false);
    if (bloc == nullptr || bloc->libre == Aucun) return Rejette(SansDebut, "}");
    if (bloc->fin == Aucun) return Rejette(SansFin, "}");
    Debut& sert = debuts_[bloc->libre];
    bloc->libre = sert.suivant;
    sert.heure = horloge_++;
    const size_t corps = sert.position + 2 + motDebut_.size() + nom_.size() + 1;
    const size_t bout = bloc->fin < corps ? page_->size() : bloc->fin;
    sortie_->pop_back();
    Fini();
    if (bout > corps) pile_.push_back(Morceau{page_, corps, bout, horloge_});
}

// La balise reste dans la sortie, "!" a la place de son "{".
void Assemblage::Rejette(Genre genre, const char* fermeture) {
    sortie_->back() = '!';
    (*sortie_ += '#') += nom_;
    *sortie_ += fermeture;
    temoin_->Signale(genre, nom_);
}

Make::Make(Parametrage& param)
    : FinDeLigne("\n"), Separateur("\\"), Param(param), AccoladeFermante("}"), NbFichiers(0) {
    BaliseReference = Param.DeCrypt("Pcq>D]WHGRk{SXt|LUr|ZPyY", Param.Cle);  // "{#reference="
    BaliseReference2 = Param.DeCrypt("Pcq>D=zbG2k[S8t~L5r~Z0yY", Param.Cle);  // "{#REFERENCE="
    MotDebutBloc = Param.DeCrypt("P,q`D-zrG@ku", Param.Cle);  // "DEBUT_"
    MotFinBloc = Param.DeCrypt("P.qdD9z|", Param.Cle);  // "FIN_"
}

Make::~Make() {}

std::string Make::ListerRepertoire(std::string repertoire, std::string filtre, std::vector<_ListeFichier>& liste) {
    std::vector<std::string> noms;
    if (!plateforme::ListeFichiersReguliers(repertoire, noms)) {
        Param.AddErreur("Repertoire " + repertoire + " illisible.");
        return "NOK";
    }
    for (const std::string& nom : noms) {
        if (!PageRetenue(nom, filtre)) continue;
        liste.push_back({nom, Param.RepertoireSources, Param.RepertoireCible, "", Param.FichierReferenceGlobal});
        ++NbFichiers;
    }
    return "";
}

// Un "\" dans un nom deviendrait un separateur en atteignant le systeme.
bool Make::PageRetenue(const std::string& nom, const std::string& filtre) {
    return !nom.empty() && nom[0] != '_' && nom.find('\\') == std::string::npos && nom.find(filtre) != std::string::npos;
}

// Une copie dont la cible mene a un autre fichier de l'execution (une page, une reference...) le
// remplacerait : elle est refusee comme une copie en echec (Parametrage::CopieFichier).
bool Make::CopieAppui(const std::string& source, const std::string& cible) {
    return Param.CopieFichier(source, cible, "La copie de " + source + " vers " + cible + " a echouee.", false);
}

// Avant l'assemblage, les references que nomment les pages ne sont pas connues : chaque page est
// lue pour trouver la sienne, sans rien signaler (l'assemblage le fera).
void Make::FichiersDeLExecution(plateforme::Registre& registre, bool complet) {
    const Parametrage::CheminsDuSite chemins = Param.Chemins();
    const std::string sources = Param.TrimSlash(chemins.Sources) + Separateur;
    const std::string cibles = Param.TrimSlash(chemins.Cible) + Separateur;
    registre.Ajoute(chemins.Reference);
    std::vector<std::string> noms;
    if (!complet) {
        // Sans rien lire : les pages et les cibles qui sont des liens (une cible n'en est une que
        // si sa page existe).
        for (const std::string& nom : plateforme::LiensVersFichiers(chemins.Sources))
            if (PageRetenue(nom, FiltrePages)) registre.Ajoute(sources + Param.TrimSlash(nom));
        for (const std::string& nom : plateforme::LiensDuRepertoire(chemins.Cible))
            if (PageRetenue(nom, FiltrePages) && Fichier().IsFileExist(sources + Param.TrimSlash(nom)))
                registre.Ajoute(cibles + Param.TrimSlash(nom));
    } else plateforme::ListeFichiersReguliers(chemins.Sources, noms);
    for (const std::string& nom : noms) {
        if (!PageRetenue(nom, FiltrePages)) continue;
        const std::string page = Param.TrimSlash(nom), source = sources + page;
        registre.Ajoute(source);
        registre.Ajoute(cibles + page);
        if (const std::string reference = ReferenceNommee(source); !reference.empty()) registre.Ajoute(reference);
    }
    for (const std::string* appui : {&Param.NomFichierAppuiForm, &Param.NomFichierConnexion})
        Parametrage::DeclareCopie(registre, plateforme::Joindre(Param.CheminAppli, Separateur, *appui),
                                  plateforme::Joindre(Param.TrimSlash(chemins.IncludeSources), Separateur, *appui));
    // Une configuration peut nommer mille fois le meme fichier : il n'est declare qu'une fois.
    for (const std::string& entree : std::set<std::string>(Param.ListeFichiersACopier.begin(), Param.ListeFichiersACopier.end()))
        Parametrage::DeclareCopie(registre, sources + entree, cibles + entree);
}

// Chaque page est lue dans le meme tampon, qui ne se remet pas a zero d'une page a l'autre.
std::string Make::ReferenceNommee(const std::string& source) {
    bool ouvert = false;
    if (Fichier().LisFichier(source, TextePage, ouvert) != 0) return "";
    const BaliseDeReference balise = TrouveReference(TextePage);
    return balise.fin == Aucun ? "" : balise.chemin;
}

// La balise de reference du texte : la premiere de sa forme en minuscules, sinon en majuscules.
Make::BaliseDeReference Make::TrouveReference(const std::string& texte) const {
    // Une lecture de la page pour les deux formes : de "{" en "{" (memchr), la premiere en
    // minuscules l'emporte, ou qu'elle soit ; sinon la premiere en majuscules.
    BaliseDeReference balise;
    const std::string* ouvreur = nullptr;
    size_t majuscules = Aucun;
    for (const char* p = texte.data(), *fin = p + texte.size();
         (p = static_cast<const char*>(std::memchr(p, '{', static_cast<size_t>(fin - p)))) != nullptr; ++p) {
        const size_t q = static_cast<size_t>(p - texte.data());
        if (Commence(texte, q, BaliseReference)) {
            balise.debut = q, ouvreur = &BaliseReference;
            break;
        }
        if (majuscules == Aucun && Commence(texte, q, BaliseReference2)) majuscules = q;
    }
    if (ouvreur == nullptr && majuscules != Aucun) balise.debut = majuscules, ouvreur = &BaliseReference2;
    if (ouvreur == nullptr) return balise;
    const size_t nom = balise.debut + ouvreur->size(), c = FinDuNom(texte, nom);
    if (c == texte.size() || texte[c] != AccoladeFermante[0]) return balise;
    balise.fin = c;
    balise.chemin = Param.Racine + Separateur + Param.TrimSlash(texte.substr(nom, c - nom));
    return balise;
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
    for (const std::string* appui : {&Param.NomFichierAppuiForm, &Param.NomFichierConnexion}) {
        std::string source = plateforme::Joindre(Param.CheminAppli, Separateur, *appui);
        std::string cible = plateforme::Joindre(Param.TrimSlash(Param.RepertoireIncludeSources), Separateur, *appui);
        if (!CopieAppui(source, cible)) return "NOK";
    }
    return resume;
}

// Retire de la page sa balise de reference (la premiere du premier ouvreur
// present) et retient le fichier qu'elle nomme ; rend les mots qui diront d'ou
// vient la reference (construits seulement s'il faut les dire).
const char* Make::ReferenceDeLaPage(_ListeFichier& page, std::string& texte) {
    const BaliseDeReference balise = TrouveReference(texte);
    if (balise.debut == Aucun) return "(il a ete defini dans le fichier de configuration)";
    if (balise.fin == Aucun) {
        Param.AddWarning("La balise #reference n'a pas d'accolade fermante.");
        return "";  // l'origine reste inconnue
    }
    page.FichierReference = balise.chemin;
    const size_t debut = balise.debut, c = balise.fin;
    texte.erase(debut, c + 1 - debut);
    // La balise commence par "{#" : elle est dans la liste, triee.
    auto p = std::lower_bound(Balises.begin(), Balises.end(), debut);
    // Les "{#" de la balise disparaissent, ceux d'apres reculent ; la coupure peut en former un.
    const size_t coupe = c + 1 - debut;
    auto apres = std::upper_bound(p, Balises.end(), c);
    for (auto q = apres; q != Balises.end(); ++q) *q -= coupe;
    p = Balises.erase(p, apres);
    if (debut > 0 && texte[debut - 1] == '{' && debut < texte.size() && texte[debut] == '#')
        Balises.insert(p, debut - 1);
    return nullptr;
}

// Les balises de date et d'heure de la page, remplacees sur place ; les textes
// des dates ne sont refaits que quand la seconde a change. Les "{#" des balises
// remplacees quittent la liste.
void Make::RemplaceDatesEtHeures(std::string& page) {
    static const std::string balises[] = {"{#DATE_FR}", "{#DATE_US}", "{#HEURE}"};
    const std::string* valeurs[] = {&DateFR, &DateUS, &HeureCourante};
    bool egales = true;
    size_t gardees = 0;
    for (size_t q : Balises) {
        size_t i = 0;
        while (i < 3 && !Commence(page, q, balises[i])) ++i;
        if (i == 3) {
            Balises[gardees++] = q;
            continue;
        }
        const std::time_t maintenant = std::time(nullptr);
        if (maintenant != SecondeDates) {
            DateFR = Utiles::Date_FR();
            DateUS = Utiles::Date_US();
            HeureCourante = Utiles::Heure();
            SecondeDates = maintenant;
        }
        if (valeurs[i]->size() == balises[i].size()) page.replace(q, balises[i].size(), *valeurs[i]);
        else egales = false;
    }
    Balises.resize(gardees);
    if (egales) return;
    // Une annee hors de 1000 a 9999 change la longueur : tout est refait, plus lentement.
    for (size_t i = 0; i < 3; ++i) {
        for (size_t q = page.find(balises[i]); q != Aucun; q = page.find(balises[i], q + valeurs[i]->size()))
            page.replace(q, balises[i].size(), *valeurs[i]);
    }
    ReleveBalises(page);
}

void Make::ReleveBalises(const std::string& texte) {
    Balises.clear();
    for (size_t q = texte.find("{#"); q != Aucun; q = texte.find("{#", q + 1)) Balises.push_back(q);
}

// Le texte de la page de reference, relu quand elle n'est pas celle de la page
// precedente ; nul quand elle manque ou ne se lit pas (rien n'est alors garde).
// `origine` : les mots qui disent ou la reference a ete nommee ; nul pour la page elle-meme.
const std::string* Make::Reference(const _ListeFichier& page, const std::string& source, const char* origine) {
    if (!CheminReference.empty() && page.FichierReference == CheminReference) return &TexteReference;
    CheminReference.clear();
    Fichier fichier;
    bool ouvert = false;
    std::string numero;
    int code = fichier.LisFichier(page.FichierReference, TexteReference, ouvert, AT_FDCWD, &numero);
    if (!ouvert) {
        Param.AddWarning("Le fichier " + source + " ne sera pas traite, car le fichier de reference " +
                         page.FichierReference + " n'existe pas." +
                         (origine != nullptr ? origine : "(il a ete defini dans le fichier " + source + ")"));
        return nullptr;
    }
    if (code != 0) {
        Param.AddErreur("Le fichier " + source + " ne sera pas traite. le fichier ref " + page.FichierReference +
                        " est illisible." + FinDeLigne + fichier.LibelleErreur(code) + FinDeLigne);
        return nullptr;
    }
    if (const std::string ecrit = Param.FichierEcrit(page.FichierReference, numero); !ecrit.empty()) {
        Param.AddErreur("Le fichier " + source + " ne sera pas traite : sa reference " + page.FichierReference +
                        " est un lien ou un second nom de " + ecrit + ", que l'execution ecrit.");
        return nullptr;
    }
    CheminReference = page.FichierReference;
    return &TexteReference;
}

// Assemble la page lue dans Sortie ; faux quand elle serait trop grande.
bool Make::AssembleLaPage(const _ListeFichier& page, const std::string& reference, const std::string& source) {
    // Une page peut laisser des centaines de milliers de balises sans bloc (autant que sa taille
    // assemblee le permet) : au-dela des premieres, le registre ne garde que leur nombre, sans quoi
    // leurs messages tiendraient plus de memoire que la page.
    static constexpr size_t Detaillees = 1000;
    struct Erreurs : Assemblage::Temoin {
        Make& make;
        const std::string& chemin;
        const std::string& source;
        size_t nombre = 0;
        Erreurs(Make& m, const std::string& c, const std::string& s) : make(m), chemin(c), source(s) {}
        void Signale(Assemblage::Genre genre, const std::string& nom) override {
            if (++nombre > Detaillees) return;
            if (genre == Assemblage::SansAccolade)
                make.Param.AddErreur("La balise {#reference=X} n'a pas d'accolade fermante dans le fichier:" + chemin);
            else
                make.Param.AddErreur("Balise {#" + (genre == Assemblage::SansDebut ? make.MotDebutBloc
                                                                                   : make.MotFinBloc) +
                                     Cite(nom) + make.AccoladeFermante + " introuvable dans " + source);
        }
    } erreurs(*this, page.FichierReference, source);
    if (!Assembleur) Assembleur = std::make_unique<Assemblage>(MotDebutBloc, MotFinBloc);
    bool entiere = false;
    try {
        Assembleur->Releve(TextePage, Balises);
        // Une page assemblee depasse rarement sa reference et sa source reunies ; au-dela
        // du double, des blocs qui s'inserent les uns dans les autres la feraient enfler.
        const size_t limite = 2 * (reference.size() + TextePage.size()) + (1 << 20);
        entiere = Assembleur->Assemble(reference, Sortie, limite, erreurs);
    } catch (const std::bad_alloc&) {
    }
    if (erreurs.nombre > Detaillees)
        Param.AddErreur("Balises en defaut dans " + source + " : " + std::to_string(erreurs.nombre - Detaillees) +
                        " de plus, non detaillees.");
    if (!entiere)
        Param.AddErreur("Le fichier " + source + " ne sera pas traite : la page produite serait trop grande.");
    return entiere;
}

void Make::TraitePage(_ListeFichier& page, const std::string& source, const std::string& cible,
                      const std::string& nom) {
    Fichier fichier;
    bool ouvert;
    const bool parNom = Sources->Fd() != AT_FDCWD;
    std::string numero;
    int code = fichier.LisFichier(parNom ? nom : source, TextePage, ouvert, Sources->Fd(), &numero);
    if (code != 0) {
        Param.AddErreur("Le fichier " + source + " est illisible, il ne sera pas traite." + FinDeLigne +
                        fichier.LibelleErreur(code));
        return;
    }
    if (const std::string ecrit = Param.FichierEcrit(source, numero); !ecrit.empty()) {
        Param.AddErreur("Le fichier " + source + " ne sera pas traite : c'est un lien ou un second nom de " + ecrit +
                        ", que l'execution ecrit.");
        return;
    }
    ReleveBalises(TextePage);
    const std::string* reference = Reference(page, source, ReferenceDeLaPage(page, TextePage));
    if (reference == nullptr) return;
    if (Param.Bavard > 0) Param.Log(source + " -> " + cible, Parametrage::LogEcranEtFichier);
    RemplaceDatesEtHeures(TextePage);
    if (!AssembleLaPage(page, *reference, source)) return;
    // Une cible qui est un lien ou un second nom d'un autre fichier de l'execution (une page, lue ou
    // ecrite, une reference, la configuration...) s'ecrirait sur lui.
    std::string autre;
    plateforme::Numeros numeros;
    code = OccupationCible->Ecris(nom, Sortie, Param.GardeEcriture(cible, autre), &numeros);
    if (code == plateforme::Refusee)
        Param.AddErreur("Le fichier " + source + " ne sera pas traite : sa cible " + cible +
                        " est un lien ou un second nom de " + autre + ", qu'elle remplacerait.");
    else if (code != 0)
        Param.AddErreur("Le fichier " + cible + " n'a pu etre ecrit." + FinDeLigne + fichier.LibelleErreur(code));
    else Param.NoteEcriture(cible, numeros);
}

std::string Make::Traitement() {
    std::string rapport;
    if (!OccupationCible) OccupationCible = std::make_unique<plateforme::Occupation>(Param.RepertoireCible);
    if (!Sources) Sources = std::make_unique<plateforme::RepertoireOuvert>(Param.RepertoireSources);
    const std::string sources = Param.TrimSlash(Param.RepertoireSources) + Separateur;
    const std::string cibles = Param.TrimSlash(Param.RepertoireCible) + Separateur;
    std::string source, cible;
    for (_ListeFichier& page : ListeFichiers) {
        const std::string nom = Param.TrimSlash(page.NomFichier);
        (source = sources) += nom;
        (cible = cibles) += nom;
        ((rapport += "Traite fichier:") += source) += FinDeLigne;
        TraitePage(page, source, cible, nom);
    }
    return rapport;
}

std::string Make::PostTraitement() {
    const std::string sources = Param.TrimSlash(Param.RepertoireSources) + Separateur;
    const std::string cibles = Param.TrimSlash(Param.RepertoireCible) + Separateur;
    std::string rapport;
    for (const std::string& entree : Param.ListeFichiersACopier) {
        std::string source = sources + entree;
        std::string cible = cibles + entree;
        rapport += "Copie " + source + " -> " + cible + FinDeLigne;
        if (!CopieAppui(source, cible)) return "NOK";
    }
    return rapport;
}
