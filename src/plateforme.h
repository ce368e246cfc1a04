// Couche Linux : ce que le programme attend du systeme (chemins, repertoires,
// ecriture sure d'un fichier, pause console, repertoire du programme).
#ifndef PLATEFORME_H
#define PLATEFORME_H

#include <fcntl.h>

#include <deque>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

namespace plateforme {

// La fin de ligne de tout ce que le programme ecrit.
inline const std::string FinDeLigne = "\n";

// Le programme garde "\" comme separateur dans tout ce qu'il montre ou
// construit ; c'est ici seulement, juste avant l'appel systeme, que chaque
// "\" devient "/".
inline const std::string Separateur = "\\";
std::string CheminSysteme(const std::string& chemin);
// Le chemin systeme sous une forme unique : "\" ou "/", "./", "a/../" et "//" designent le meme fichier.
std::string CheminNormal(const std::string& chemin);

// repertoire + separateur + nom, ou le nom seul quand le repertoire est vide
// (le repertoire courant, jamais "/nom").
std::string Joindre(const std::string& repertoire, const std::string& separateur, const std::string& nom);

// Faux pour ce qu'un fichier du site ne peut pas etre : un repertoire, un tube
// ou une socket (les ouvrir bloquerait ou echouerait plus loin). Vrai pour un
// chemin absent : l'ouverture dira pourquoi.
bool NiRepertoireNiTube(const std::string& chemin);

// Ce qu'on lit doit etre un fichier ordinaire : un peripherique (/dev/zero, un
// terminal) se lirait sans fin. Vrai aussi pour un chemin absent.
bool FichierOrdinaireOuAbsent(const std::string& chemin);

// Vrai quand les deux chemins existent et designent le meme repertoire.
bool MemeRepertoire(const std::string& chemin1, const std::string& chemin2);
// Vrai quand les deux chemins designent le meme fichier, par des liens ou d'autres noms
// compris, ou menent (au bout de liens pendants) au meme fichier absent, qu'une ecriture de
// l'un ou de l'autre creerait : une de leurs cles (ClesDuFichier) est commune.
bool MemeFichier(const std::string& chemin1, const std::string& chemin2);
// Vrai quand le chemin est un lien ou un fichier a plusieurs noms : l'ecrire peut changer
// un fichier qui porte un autre nom.
bool AutreNomPossible(const std::string& chemin);
// Ce qui designe le fichier qu'une ecriture du chemin changerait : son numero ("dev:ino") quand il
// existe, et son chemin absolu sans lien, celui du fichier absent qu'elle creerait au bout de liens
// pendants compris (vides quand rien ne se lit). Deux chemins menent au meme fichier quand une de
// leurs cles non vides est commune ; la seconde survit a la creation du fichier.
struct Cles {
    std::string Numero, Chemin;
};
Cles ClesDuFichier(const std::string& chemin);
// Le chemin absolu, sans "." ni ".." : deux chemins qui le partagent sont un seul nom.
std::string CheminAbsolu(const std::string& chemin);
// Vrai quand le fichier n'a pas d'autre nom que ce chemin : ni lien, ni plusieurs noms, ni un
// repertoire atteint par un lien ; vrai aussi pour un chemin absent qui n'est pas un lien pendant.
bool NomUnique(const std::string& chemin);
// Le numero ("dev:ino") du fichier ouvert, ou de celui que designe le chemin ; "" s'il ne se lit pas.
std::string NumeroDuFichier(int fd);
std::string NumeroDuChemin(const std::string& chemin);

// Les numeros d'un fichier qu'une ecriture remplace : avant (vide pour un fichier neuf) et apres.
struct Numeros {
    std::string Avant, Apres;
};

// Les fichiers d'une execution, chacun sous le nom que montrent les messages, avec leurs cles :
// ce qui dit qu'un chemin atteint, sous un autre nom, un fichier que l'execution lit ou ecrit. Le
// numero d'un fichier que l'execution ecrit change quand elle le remplace : chaque ecriture le
// note.
class Registre {
public:
    // Un fichier que l'execution lit ou ecrira, ses cles lues maintenant ; rien s'il est deja la.
    // `origine` : pour un fichier qu'elle ecrit, d'ou vient son texte (l'original d'une copie...),
    // quand un autre fichier ecrit recoit le meme ; deux fichiers de meme origine peuvent n'en
    // etre qu'un (un repertoire include partage par un lien) : rien ne s'y perd.
    void Ajoute(const std::string& chemin, const std::string& origine = "");
    // Vrai quand un fichier est deja declare sous ce chemin.
    bool Connu(const std::string& chemin) { return Cherche(chemin) != nullptr; }
    // Le fichier que l'execution vient d'ecrire (ou de trouver deja tel qu'elle l'ecrirait) sous ce
    // chemin, une entree de plus. Remplace par renommage, il change de numero : tout nom qui menait a
    // l'ancien (une autre ecriture du chemin, un lien) mene au nouveau.
    void Ecrit(const std::string& chemin, const Numeros& numeros, const std::string& origine = "");
    // Le nom d'un fichier du registre, autre que `chemin` et d'une autre origine que `origine`, qui
    // partage une des cles donnees : un fichier declare d'abord, dans l'ordre de declaration, sous
    // le nom que lui donnent les messages ; parmi ceux que l'execution a ecrits seulement quand
    // `ecritsSeuls` le dit. "" sinon.
    std::string Autre(const std::string& chemin, const Cles& cles, bool ecritsSeuls = false,
                      const std::string& origine = "");
    // L'origine du fichier que l'execution a ecrit sous ce chemin ; "" sinon.
    std::string Origine(const std::string& chemin);
    // Les cles du chemin, comme ClesDuFichier, le chemin reel de chaque repertoire lu une fois.
    Cles ClesDe(const std::string& chemin);
    // Vrai quand les deux chemins sont un seul nom : le meme chemin absolu, et la meme entree du
    // meme repertoire ("b/.." ne mene pas la ou on l'attend quand b est un lien).
    bool MemeNom(const std::string& chemin1, const std::string& chemin2);

private:
    // Un fichier declare : ses cles lues a la declaration (le numero suit les ecritures).
    struct Entree {
        std::string nom, numero, reel, origine;
        size_t rang;  // l'ordre de declaration, partage avec les ecritures
    };
    // Une ecriture : une par page ecrite, d'ou une forme sans allocation propre (le nom dans
    // NomsEcrits, l'origine, presque toujours vide, dans Origines) et une table a adressage ouvert
    // par numero, chaque case tenant la derniere ecriture de son numero, les autres chainees.
    struct Ecriture {
        std::string numero;
        size_t debutNom, longueurNom, origine, rang;
        size_t suivante;  // l'ecriture precedente du meme numero, Aucune sinon
    };
    static constexpr size_t Aucune = static_cast<size_t>(-1);
    // Une case dont le numero est parti ailleurs (renommage) : la recherche passe outre.
    static constexpr size_t Quittee = Aucune - 1;
    std::string NomEcrit(const Ecriture& ecriture) const { return NomsEcrits.substr(ecriture.debutNom, ecriture.longueurNom); }
    // La case de la table ou est (ou irait) le numero ; la table grandit avant d'etre a moitie pleine
    // (cases quittees comprises).
    size_t Case(const std::string& numero) const;
    // Fait la place d'un numero de plus : au besoin, la table refaite plus grande des `rangees`
    // premieres ecritures (vrai alors).
    bool Place(size_t rangees);
    void Range(size_t ecriture);
    std::vector<Ecriture> Ecritures;
    std::vector<size_t> TableDesNumeros;  // Aucune : case vide
    size_t NumerosRanges = 0;
    std::string NomsEcrits;
    std::vector<std::string> Origines{""};
    std::unordered_map<std::string, size_t> IndicesDesOrigines{{"", 0}};
    // L'entree declaree de ce nom, nulle sinon.
    Entree* Cherche(const std::string& chemin);
    // Le chemin reel du repertoire ecrit tel quel, lu une fois ; "" quand il ne se lit pas.
    const std::string& RepertoireReel(const std::string& repertoire);
    void Indexe(Entree* entree, const std::string& cle);
    void Desindexe(Entree* entree, const std::string& cle);
    // Les index ne gardent que l'empreinte de chaque cle, chaque entree la cle elle-meme.
    std::deque<Entree> entrees_;
    std::unordered_multimap<size_t, Entree*> parNom_, parCle_;
    size_t rang_ = 0;
    std::unordered_map<std::string, std::string> repertoiresReels_;
};

// Les noms des fichiers ordinaires du repertoire (liens vers un fichier
// ordinaire compris ; repertoires, tubes, sockets et peripheriques exclus),
// tries octet par octet pour que deux executions se ressemblent. Faux quand le
// repertoire ne s'ouvre pas.
bool ListeFichiersReguliers(const std::string& repertoire, std::vector<std::string>& noms);
// Parmi eux, ceux qui sont des liens, tries ; sans rien retenir des autres (un repertoire de
// milliers de pages se parcourt ainsi a chaque execution). LiensDuRepertoire : tous les liens,
// pendants compris.
std::vector<std::string> LiensVersFichiers(const std::string& repertoire);
std::vector<std::string> LiensDuRepertoire(const std::string& repertoire);

// Lit tous les octets d'un fichier ordinaire. 0 ; 1003 quand il ne s'ouvre pas
// ou n'est pas un fichier ordinaire (un tube ou un peripherique se liraient sans
// fin) ; 1004 quand il s'ouvre mais qu'une lecture echoue. Le contenu est vide
// apres un echec. Un chemin relatif part de `repertoire`, un repertoire ouvert.
// `numero` recoit le numero ("dev:ino") du fichier lu.
int LitFichier(const std::string& chemin, std::string& contenu, int repertoire = AT_FDCWD,
               std::string* numero = nullptr);

// Un repertoire ouvert le temps de sa vie, pour y ouvrir des fichiers sans
// refaire le chemin ; AT_FDCWD quand il ne s'ouvre pas.
class RepertoireOuvert {
public:
    explicit RepertoireOuvert(const std::string& chemin);
    ~RepertoireOuvert();
    RepertoireOuvert(const RepertoireOuvert&) = delete;
    RepertoireOuvert& operator=(const RepertoireOuvert&) = delete;
    int Fd() const { return fd_; }

private:
    int fd_;
};

// Cree un niveau de repertoire, droits par defaut ; faux en cas d'echec.
bool CreeRepertoire(const std::string& chemin);

// Ce qui peut refuser une ecriture : consultee juste avant qu'elle ne change un fichier deja la
// (son contenu differe), ou ne cree un fichier au bout d'un lien pendant. Faux : rien n'est ecrit
// et l'ecriture rend Refusee. Un fichier neuf a sa place, ou deja tel qu'on l'ecrirait, ne la
// consulte pas : rien ne s'y perd. Une garde designe la fonction sans la garder (une par page
// ecrite, sans allocation) : la fonction doit vivre jusqu'a la fin de l'ecriture.
class Garde {
public:
    Garde() = default;
    template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Garde>>>
    Garde(const F& fonction)
        : fonction_(&fonction), appel_([](const void* f) { return static_cast<bool>((*static_cast<const F*>(f))()); }) {}
    explicit operator bool() const { return appel_ != nullptr; }
    bool operator()() const { return appel_(fonction_); }

private:
    const void* fonction_ = nullptr;
    bool (*appel_)(const void*) = nullptr;
};
inline constexpr int Refusee = 1005;

// Remplace le contenu d'un fichier en entier : soit le nouveau texte est en
// place, soit l'ancien fichier reste tel quel (un fichier neuf, au bout d'un lien
// pendant aussi, n'apparait qu'entier). Seule exception, un fichier qui ne
// s'ecrit que sur place (plusieurs noms, un autre proprietaire, un repertoire ou
// rien ne se cree) peut rester en partie ecrit quand l'execution est tuee pendant
// son ecriture. Un fichier qui a deja ce contenu n'est pas touche (sa date
// reste). 0, 1003 (ouverture ou creation impossible) ou 1004 (ecriture ou
// fermeture en echec, ou pas la place pour tout ecrire). Le repertoire ou nait
// le temporaire (".cv-XXXXXX") est d'abord occupe, comme par une Occupation. `garde` peut refuser
// l'ecriture ; `numeros` recoit, en cas de succes, le numero du fichier remplace et celui du
// fichier qui porte le texte.
int RemplaceFichier(const std::string& chemin, const std::string& texte, const Garde& garde = {},
                    Numeros* numeros = nullptr);

// Dit aux autres executions, jusqu'a la fin de celle-ci, qu'on ecrit dans le
// repertoire. La premiere a l'occuper seule efface d'abord les fichiers
// temporaires (".cv-XXXXXX") qu'une execution tuee y a laisses ; une execution
// en cours garde les siens.
class Occupation {
public:
    explicit Occupation(const std::string& repertoire);

    // Ecrit le fichier `nom` du repertoire comme RemplaceFichier, sans refaire
    // le chemin quand on le sait absent.
    int Ecris(const std::string& nom, const std::string& texte, const Garde& garde = {},
              Numeros* numeros = nullptr) const;

private:
    // Vrai quand on sait que le repertoire n'avait pas d'entree de ce nom a l'arrivee.
    bool Absent(const std::string& nom) const;

    const std::string chemin_;
    RepertoireOuvert repertoire_;
    const int fd_;  // negatif quand le repertoire ne s'ouvre pas
    bool inventaire_ = false;
    std::vector<std::string> presents_;  // tries
};

// Repertoire de l'executable d'apres /proc/self/exe, "" s'il est illisible.
std::string RepertoireExecutable();

// L'equivalent de "PAUSE" : attend une ligne quand l'entree est un terminal.
void Pause();

}  // namespace plateforme

#endif
