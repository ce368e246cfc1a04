// Couche Linux : ce que le programme attend du systeme (chemins, repertoires,
// ecriture sure d'un fichier, pause console, repertoire du programme).
#ifndef PLATEFORME_H
#define PLATEFORME_H

#include <fcntl.h>

#include <string>
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

// Les noms des fichiers ordinaires du repertoire (liens vers un fichier
// ordinaire compris ; repertoires, tubes, sockets et peripheriques exclus),
// tries octet par octet pour que deux executions se ressemblent. Faux quand le
// repertoire ne s'ouvre pas.
bool ListeFichiersReguliers(const std::string& repertoire, std::vector<std::string>& noms);

// Lit tous les octets d'un fichier ordinaire. 0 ; 1003 quand il ne s'ouvre pas
// ou n'est pas un fichier ordinaire (un tube ou un peripherique se liraient sans
// fin) ; 1004 quand il s'ouvre mais qu'une lecture echoue. Le contenu est vide
// apres un echec. Un chemin relatif part de `repertoire`, un repertoire ouvert.
int LitFichier(const std::string& chemin, std::string& contenu, int repertoire = AT_FDCWD);

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

// Remplace le contenu d'un fichier en entier : soit le nouveau texte est en
// place, soit l'ancien fichier reste tel quel (un fichier neuf, au bout d'un lien
// pendant aussi, n'apparait qu'entier). Seule exception, un fichier qui ne
// s'ecrit que sur place (plusieurs noms, un autre proprietaire, un repertoire ou
// rien ne se cree) peut rester en partie ecrit quand l'execution est tuee pendant
// son ecriture. Un fichier qui a deja ce contenu n'est pas touche (sa date
// reste). 0, 1003 (ouverture ou creation impossible) ou 1004 (ecriture ou
// fermeture en echec, ou pas la place pour tout ecrire). Le repertoire ou nait
// le temporaire (".cv-XXXXXX") est d'abord occupe, comme par une Occupation.
int RemplaceFichier(const std::string& chemin, const std::string& texte);

// Dit aux autres executions, jusqu'a la fin de celle-ci, qu'on ecrit dans le
// repertoire. La premiere a l'occuper seule efface d'abord les fichiers
// temporaires (".cv-XXXXXX") qu'une execution tuee y a laisses ; une execution
// en cours garde les siens.
class Occupation {
public:
    explicit Occupation(const std::string& repertoire);

    // Ecrit le fichier `nom` du repertoire comme RemplaceFichier, sans refaire
    // le chemin quand on le sait absent.
    int Ecris(const std::string& nom, const std::string& texte) const;

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
