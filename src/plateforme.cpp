#include "plateforme.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <iostream>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plateforme {

std::string CheminSysteme(const std::string& chemin) {
    std::string resultat(chemin);
    std::replace(resultat.begin(), resultat.end(), Separateur[0], '/');
    return resultat;
}

std::string CheminNormal(const std::string& chemin) {
    return std::filesystem::path(CheminSysteme(chemin)).lexically_normal().string();
}

std::string Joindre(const std::string& repertoire, const std::string& separateur, const std::string& nom) {
    return repertoire.empty() ? nom : repertoire + separateur + nom;
}

namespace {

// Vrai quand les deux chemins existent et designent le meme fichier, dont `st` recoit l'etat.
bool Meme(const std::string& chemin1, const std::string& chemin2, struct stat& st) {
    struct stat st2;
    return stat(CheminSysteme(chemin1).c_str(), &st) == 0 && stat(CheminSysteme(chemin2).c_str(), &st2) == 0 &&
           st.st_dev == st2.st_dev && st.st_ino == st2.st_ino;
}

}  // namespace

bool MemeRepertoire(const std::string& chemin1, const std::string& chemin2) {
    struct stat st;
    return Meme(chemin1, chemin2, st) && S_ISDIR(st.st_mode);
}

namespace {

// Le repertoire d'un chemin systeme tel qu'il est ecrit ("." sans barre, la barre finale gardee)
// et son dernier element.
std::pair<std::string, std::string> Coupe(const std::string& systeme) {
    const std::string::size_type barre = systeme.find_last_of('/');
    if (barre == std::string::npos) return {".", systeme};
    return {systeme.substr(0, barre + 1), systeme.substr(barre + 1)};
}

// Ecrit a chaque page lue ou ecrite : sans flux ni texte intermediaire.
std::string NumeroDe(const struct stat& st) {
    char texte[48];
    char* fin = std::to_chars(texte, texte + 20, static_cast<std::uint64_t>(st.st_dev)).ptr;
    *fin++ = ':';
    fin = std::to_chars(fin, texte + sizeof(texte), static_cast<std::uint64_t>(st.st_ino)).ptr;
    return std::string(texte, fin);
}

// Le chemin ou aboutit une ecriture du chemin systeme : chaque lien suivi, jusqu'a ce qui n'en
// est pas un ou qui manque (le bout d'un lien pendant, que l'ecriture creerait). Vide quand la
// chaine ne finit pas ou ne se lit pas.
std::string BoutDesLiens(std::string chemin) {
    for (int sauts = 0; sauts < 40; ++sauts) {
        char cible[PATH_MAX];
        const ssize_t n = readlink(chemin.c_str(), cible, sizeof(cible));
        if (n < 0) return errno == EINVAL || errno == ENOENT ? chemin : "";
        if (n == 0 || static_cast<size_t>(n) == sizeof(cible)) return "";
        // Une cible relative part du repertoire du lien.
        const std::string::size_type barre = chemin.find_last_of('/');
        const std::string suite(cible, static_cast<size_t>(n));
        chemin = suite[0] == '/' || barre == std::string::npos ? suite : chemin.substr(0, barre + 1) + suite;
    }
    return "";
}

// Le chemin absolu, sans lien ni ".." dans son repertoire, du fichier absent qu'une ecriture du
// chemin systeme creerait ; vide quand il existe ou que son repertoire manque.
std::string FichierACreer(const std::string& chemin) {
    const std::string bout = BoutDesLiens(chemin);
    struct stat st;
    if (bout.empty() || lstat(bout.c_str(), &st) == 0 || errno != ENOENT) return "";
    const auto [repertoire, nom] = Coupe(bout);
    char reel[PATH_MAX];
    if (nom.empty() || nom == "." || nom == ".." || realpath(repertoire.c_str(), reel) == nullptr) return "";
    return std::string(reel) + "/" + nom;
}

}  // namespace

std::string NumeroDuFichier(int fd) {
    struct stat st;
    return fstat(fd, &st) == 0 ? NumeroDe(st) : "";
}

std::string NumeroDuChemin(const std::string& chemin) {
    struct stat st;
    return stat(CheminSysteme(chemin).c_str(), &st) == 0 ? NumeroDe(st) : "";
}

std::string CheminAbsolu(const std::string& chemin) {
    std::error_code erreur;
    const std::filesystem::path absolu = std::filesystem::absolute(CheminSysteme(chemin), erreur);
    return (erreur ? std::filesystem::path(CheminSysteme(chemin)) : absolu).lexically_normal().string();
}

bool NomUnique(const std::string& chemin) {
    const std::string systeme = CheminSysteme(chemin);
    struct stat st;
    if (lstat(systeme.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISLNK(st.st_mode) || st.st_nlink > 1) return false;
    // Le repertoire aussi : atteint par un lien, ou par ".." apres un lien, le fichier a un autre
    // chemin. Le repertoire tel qu'il est ecrit est resolu, puis compare a sa forme sans "..".
    const std::string ecrit = Coupe(systeme).first;
    char reel[PATH_MAX];
    return realpath(ecrit.c_str(), reel) != nullptr &&
           std::filesystem::path(CheminAbsolu(ecrit)).lexically_normal() / "" == std::filesystem::path(reel) / "";
}

bool MemeFichier(const std::string& chemin1, const std::string& chemin2) {
    const Cles cles1 = ClesDuFichier(chemin1), cles2 = ClesDuFichier(chemin2);
    return (!cles1.Numero.empty() && cles1.Numero == cles2.Numero) || (!cles1.Chemin.empty() && cles1.Chemin == cles2.Chemin);
}

bool AutreNomPossible(const std::string& chemin) {
    struct stat st;
    return lstat(CheminSysteme(chemin).c_str(), &st) == 0 && (S_ISLNK(st.st_mode) || st.st_nlink > 1);
}

Cles ClesDuFichier(const std::string& chemin) {
    const std::string systeme = CheminSysteme(chemin);
    struct stat st;
    if (stat(systeme.c_str(), &st) != 0) return {"", FichierACreer(systeme)};
    char reel[PATH_MAX];
    return {NumeroDe(st), realpath(systeme.c_str(), reel) != nullptr ? std::string(reel) : ""};
}

// Un repertoire qui manque encore (sgbd peut le creer) est relu a la demande suivante.
const std::string& Registre::RepertoireReel(const std::string& repertoire) {
    static const std::string aucun;
    auto connu = repertoiresReels_.find(repertoire);
    if (connu == repertoiresReels_.end()) {
        char reel[PATH_MAX];
        if (realpath(repertoire.c_str(), reel) == nullptr) return aucun;
        connu = repertoiresReels_.emplace(repertoire, std::string(reel) == "/" ? "" : reel).first;
    }
    return connu->second;
}

Cles Registre::ClesDe(const std::string& chemin) {
    const std::string systeme = CheminSysteme(chemin);
    struct stat st;
    // Un lien, ou ce qui ne se lit pas, passe par le chemin entier ; un fichier ordinaire (ou absent)
    // par le chemin reel de son repertoire, lu une fois pour tous ceux qu'il contient.
    const bool present = lstat(systeme.c_str(), &st) == 0;
    if ((present && S_ISLNK(st.st_mode)) || (!present && errno != ENOENT)) return ClesDuFichier(chemin);
    const auto [repertoire, nom] = Coupe(systeme);
    if (nom.empty() || nom == "." || nom == "..") return ClesDuFichier(chemin);
    const std::string& reel = RepertoireReel(repertoire);
    if (reel.empty() && repertoire != "/") return {present ? NumeroDe(st) : "", ""};
    return {present ? NumeroDe(st) : "", reel + "/" + nom};
}

bool Registre::MemeNom(const std::string& chemin1, const std::string& chemin2) {
    if (CheminAbsolu(chemin1) != CheminAbsolu(chemin2)) return false;
    const auto [repertoire1, nom1] = Coupe(CheminSysteme(chemin1));
    const auto [repertoire2, nom2] = Coupe(CheminSysteme(chemin2));
    return nom1 == nom2 && RepertoireReel(repertoire1) == RepertoireReel(repertoire2);
}

void Registre::Indexe(Entree* entree, const std::string& cle) {
    if (!cle.empty()) parCle_.emplace(std::hash<std::string>()(cle), entree);
}

void Registre::Desindexe(Entree* entree, const std::string& cle) {
    for (auto [debut, fin] = parCle_.equal_range(std::hash<std::string>()(cle)); debut != fin; ++debut)
        if (debut->second == entree) {
            parCle_.erase(debut);
            return;
        }
}

Registre::Entree* Registre::Cherche(const std::string& chemin) {
    for (auto [debut, fin] = parNom_.equal_range(std::hash<std::string>()(chemin)); debut != fin; ++debut)
        if (debut->second->nom == chemin) return debut->second;
    return nullptr;
}

void Registre::Ajoute(const std::string& chemin, const std::string& origine) {
    if (Cherche(chemin) != nullptr) return;
    const Cles cles = ClesDe(chemin);
    Entree* entree = &entrees_.emplace_back(Entree{chemin, cles.Numero, cles.Chemin, origine, rang_++});
    parNom_.emplace(std::hash<std::string>()(chemin), entree);
    Indexe(entree, cles.Numero);
    Indexe(entree, cles.Chemin);
}

size_t Registre::Case(const std::string& numero) const {
    const size_t masque = TableDesNumeros.size() - 1;
    for (size_t i = std::hash<std::string>()(numero) & masque;; i = (i + 1) & masque) {
        const size_t tete = TableDesNumeros[i];
        if (tete == Aucune || (tete != Quittee && Ecritures[tete].numero == numero)) return i;
    }
}

// Refaite, elle repart des ecritures, chainees dans leur ordre, sans case quittee.
bool Registre::Place(size_t rangees) {
    if (!TableDesNumeros.empty() && 2 * (NumerosRanges + 1) <= TableDesNumeros.size()) return false;
    TableDesNumeros.assign(std::max<size_t>(64, 2 * TableDesNumeros.size()), Aucune);
    NumerosRanges = 0;
    for (size_t e = 0; e < rangees; ++e) {
        size_t& tete = TableDesNumeros[Case(Ecritures[e].numero)];
        NumerosRanges += tete == Aucune;
        Ecritures[e].suivante = tete;
        tete = e;
    }
    return true;
}

void Registre::Range(size_t ecriture) {
    Place(ecriture);
    size_t& tete = TableDesNumeros[Case(Ecritures[ecriture].numero)];
    NumerosRanges += tete == Aucune;
    Ecritures[ecriture].suivante = tete;
    tete = ecriture;
}

void Registre::Ecrit(const std::string& chemin, const Numeros& numeros, const std::string& origine) {
    if (numeros.Apres.empty()) return;
    // Renomme, l'ancien fichier n'avait que ce nom (un fichier a plusieurs noms s'ecrit sur place) :
    // ce qui menait a son numero (ce chemin declare ou ecrit avant, autrement ecrit, un lien) mene
    // au nouveau, et le numero libere peut revenir a un fichier neuf.
    if (!numeros.Avant.empty() && numeros.Avant != numeros.Apres) {
        std::vector<Entree*> anciennes;
        for (auto [debut, fin] = parCle_.equal_range(std::hash<std::string>()(numeros.Avant)); debut != fin; ++debut)
            if (debut->second->numero == numeros.Avant) anciennes.push_back(debut->second);
        for (Entree* ancienne : anciennes) {
            Desindexe(ancienne, ancienne->numero);
            ancienne->numero = numeros.Apres;
            Indexe(ancienne, numeros.Apres);
        }
        // Les ecritures de l'ancien numero (toute sa chaine) passent au nouveau, en tete de sa chaine.
        if (!TableDesNumeros.empty()) {
            const size_t ancienne = Case(numeros.Avant);
            const size_t tete = TableDesNumeros[ancienne];
            if (tete != Aucune) {
                TableDesNumeros[ancienne] = Quittee;
                size_t queue = tete;
                for (size_t e = tete; e != Aucune; e = Ecritures[e].suivante) Ecritures[e].numero = numeros.Apres, queue = e;
                // Refaite, la table les a deja rangees sous leur nouveau numero.
                if (!Place(Ecritures.size())) {
                    size_t& nouvelle = TableDesNumeros[Case(numeros.Apres)];
                    NumerosRanges += nouvelle == Aucune;
                    Ecritures[queue].suivante = nouvelle;
                    nouvelle = tete;
                }
            }
        }
    }
    const auto [origineConnue, nouvelle] = IndicesDesOrigines.emplace(origine, Origines.size());
    if (nouvelle) Origines.push_back(origine);
    Ecritures.push_back({numeros.Apres, NomsEcrits.size(), chemin.size(), origineConnue->second, rang_++, Aucune});
    NomsEcrits += chemin;
    Range(Ecritures.size() - 1);
}

std::string Registre::Origine(const std::string& chemin) {
    for (size_t e = Ecritures.size(); e-- > 0;)
        if (Ecritures[e].longueurNom == chemin.size() && NomsEcrits.compare(Ecritures[e].debutNom, chemin.size(), chemin) == 0)
            return Origines[Ecritures[e].origine];
    return "";
}

std::string Registre::Autre(const std::string& chemin, const Cles& cles, bool ecritsSeuls, const std::string& origine) {
    auto exclue = [&](const std::string& o) { return !o.empty() && o == origine; };
    // Le premier declare, sinon le premier ecrit, pour que le message ne depende pas du hasard.
    size_t premier = Aucune;
    std::string nom;
    if (!ecritsSeuls)
        for (const std::string* cle : {&cles.Numero, &cles.Chemin}) {
            if (cle->empty()) continue;
            for (auto [debut, fin] = parCle_.equal_range(std::hash<std::string>()(*cle)); debut != fin; ++debut) {
                const Entree& entree = *debut->second;
                if ((entree.numero != *cle && entree.reel != *cle) || entree.rang >= premier || exclue(entree.origine))
                    continue;
                // Le meme nom, ecrit autrement ("./a", "c/../a") : c'est le fichier lui-meme.
                if (!MemeNom(entree.nom, chemin)) premier = entree.rang, nom = entree.nom;
            }
        }
    if (!nom.empty() || cles.Numero.empty() || TableDesNumeros.empty()) return nom;
    for (size_t e = TableDesNumeros[Case(cles.Numero)]; e != Aucune; e = Ecritures[e].suivante) {
        const Ecriture& ecriture = Ecritures[e];
        if (ecriture.rang >= premier || exclue(Origines[ecriture.origine])) continue;
        if (const std::string ecrit = NomEcrit(ecriture); !MemeNom(ecrit, chemin)) premier = ecriture.rang, nom = ecrit;
    }
    // Le fichier ecrit se dit sous le nom de sa declaration, quand il en a une : celui des messages.
    for (auto [debut, fin] = parCle_.equal_range(std::hash<std::string>()(cles.Numero)); debut != fin && !nom.empty(); ++debut)
        if (debut->second->numero == cles.Numero && MemeNom(debut->second->nom, nom)) return debut->second->nom;
    return nom;
}

bool CreeRepertoire(const std::string& chemin) {
    return !chemin.empty() && mkdir(CheminSysteme(chemin).c_str(), 0777) == 0;
}

namespace {

std::vector<std::string> Liens(const std::string& repertoire, bool versFichiers) {
    std::vector<std::string> liens;
    DIR* rep = opendir(CheminSysteme(repertoire).c_str());
    if (rep == nullptr) return liens;
    while (dirent* entree = readdir(rep)) {
        struct stat st;
        if (entree->d_type != DT_LNK && entree->d_type != DT_UNKNOWN) continue;
        if (fstatat(dirfd(rep), entree->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(st.st_mode)) continue;
        if (!versFichiers || (fstatat(dirfd(rep), entree->d_name, &st, 0) == 0 && S_ISREG(st.st_mode)))
            liens.push_back(entree->d_name);
    }
    closedir(rep);
    std::sort(liens.begin(), liens.end());
    return liens;
}

}  // namespace

std::vector<std::string> LiensVersFichiers(const std::string& repertoire) { return Liens(repertoire, true); }

std::vector<std::string> LiensDuRepertoire(const std::string& repertoire) { return Liens(repertoire, false); }

bool ListeFichiersReguliers(const std::string& repertoire, std::vector<std::string>& noms) {
    noms.clear();
    DIR* rep = opendir(CheminSysteme(repertoire).c_str());
    if (rep == nullptr) return false;
    bool ok = true;
    for (;;) {
        errno = 0;
        dirent* entree = readdir(rep);
        if (entree == nullptr) {
            ok = errno == 0;  // fin du repertoire, ou lecture interrompue
            break;
        }
        // Le genre donne par le repertoire suffit, sauf pour un lien ou un genre inconnu.
        if (entree->d_type == DT_REG) {
            noms.push_back(entree->d_name);
            continue;
        }
        if (entree->d_type != DT_LNK && entree->d_type != DT_UNKNOWN) continue;
        struct stat st;
        if (fstatat(dirfd(rep), entree->d_name, &st, 0) == 0) {
            if (S_ISREG(st.st_mode)) noms.push_back(entree->d_name);
        } else if (errno != ENOENT && errno != ELOOP) {
            ok = false;  // un fichier qu'on ne peut pas examiner ne doit pas disparaitre sans bruit
            break;
        }
    }
    closedir(rep);
    std::sort(noms.begin(), noms.end());
    return ok;
}

namespace {

// Le code rendu quand le fichier ne peut s'ecrire que sur place.
const int SurPlace = -1;

// Les caracteres des six derniers d'un nom de temporaire.
const char LettresTemporaire[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Le masque ne se lit qu'en le changeant : lu une fois, le programme n'en change pas.
mode_t Masque() {
    static const mode_t m = [] {
        mode_t masque = umask(0);
        umask(masque);
        return masque;
    }();
    return m;
}

// Ferme le descripteur en quittant la portee, sauf s'il a ete ferme avant.
struct Descripteur {
    int fd;
    explicit Descripteur(int f) : fd(f) {}
    ~Descripteur() {
        if (fd >= 0) close(fd);
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    bool Ferme() {
        int code = close(fd);
        fd = -1;
        return code == 0;
    }
};

// Ecrit n octets a la suite, ou a partir de `position` quand elle est positive.
bool EcritTout(int fd, const char* p, size_t reste, off_t position = -1) {
    while (reste > 0) {
        ssize_t n = position < 0 ? write(fd, p, reste) : pwrite(fd, p, reste, position);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        reste -= static_cast<size_t>(n);
        if (position >= 0) position += n;
    }
    return true;
}

// Vrai quand le fichier ouvert contient deja exactement le texte. Une lecture
// d'un octet de plus que le texte, rendue courte, dit que la fin est atteinte ;
// un peripherique qui ne finit pas donne cet octet de trop.
bool MemeContenu(int fd, const std::string& texte) {
    char tampon[65536];
    for (size_t lu = 0;;) {
        const size_t voulu = std::min(sizeof(tampon), texte.size() + 1 - lu);
        ssize_t n = pread(fd, tampon, voulu, static_cast<off_t>(lu));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || lu + static_cast<size_t>(n) > texte.size() ||
            std::memcmp(tampon, texte.data() + lu, static_cast<size_t>(n)) != 0)
            return false;
        lu += static_cast<size_t>(n);
        if (static_cast<size_t>(n) < voulu) return lu == texte.size();
    }
}

// Ecriture sur place d'un fichier ordinaire ouvert. La place des nouveaux octets
// est prise avant de toucher aux anciens : reservee quand le systeme de fichiers
// le sait (le texte part alors en une ecriture, la plus courte fenetre ou le
// fichier melange l'ancien et le nouveau), sinon occupee en ecrivant d'abord la
// nouvelle fin. Sans place, l'ancien contenu reste.
int RemplaceSurPlace(int fd, off_t ancienne, const std::string& texte) {
    const off_t nouvelle = static_cast<off_t>(texte.size());
    // La taille permise au processus borne aussi la reecriture d'octets deja la.
    struct rlimit taille;
    if (getrlimit(RLIMIT_FSIZE, &taille) == 0 && taille.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(nouvelle) > taille.rlim_cur)
        return 1004;
    const bool reserve = nouvelle == 0 || fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, nouvelle) == 0;
    if (!reserve && (errno == ENOSPC || errno == EDQUOT || errno == EFBIG)) return 1004;
    off_t tete = nouvelle;  // ce qui reste a ecrire depuis le debut du fichier
    if (!reserve && nouvelle > ancienne) {
        if (!EcritTout(fd, texte.data() + ancienne, static_cast<size_t>(nouvelle - ancienne), ancienne)) {
            static_cast<void>(ftruncate(fd, ancienne) == 0);  // rend la fin ecrite en partie
            return 1004;
        }
        tete = ancienne;
    }
    if (!EcritTout(fd, texte.data(), static_cast<size_t>(tete), 0)) return 1004;
    if (nouvelle < ancienne && ftruncate(fd, nouvelle) != 0) return 1004;
    return 0;
}

// Sur place par le chemin : un peripherique.
int EcritSurPlace(const std::string& chemin, const std::string& texte) {
    Descripteur d(open(chemin.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    struct stat st;
    if (d.fd < 0 || fstat(d.fd, &st) != 0) return 1003;
    int code = S_ISREG(st.st_mode) ? RemplaceSurPlace(d.fd, st.st_size, texte)
                                   : EcritTout(d.fd, texte.data(), texte.size()) ? 0 : 1004;
    return d.Ferme() ? code : 1004;
}

// ".cv-" et six lettres ou chiffres : les temporaires que ce programme cree.
bool EstTemporaire(const char* nom) {
    return std::strncmp(nom, ".cv-", 4) == 0 && std::strlen(nom) == 10 && std::strspn(nom + 4, LettresTemporaire) == 6;
}

// Efface les temporaires du repertoire et rend les noms des autres entrees,
// tries ; faux quand la lecture du repertoire echoue.
bool Inventorie(int repertoire, std::vector<std::string>& noms) {
    int copie = dup(repertoire);
    DIR* rep = copie < 0 ? nullptr : fdopendir(copie);
    if (rep == nullptr) {
        if (copie >= 0) close(copie);
        return false;
    }
    for (errno = 0; dirent* entree = readdir(rep); errno = 0) {
        struct stat st;
        if (!EstTemporaire(entree->d_name)) noms.push_back(entree->d_name);
        else if (entree->d_type == DT_REG ||
                 (entree->d_type == DT_UNKNOWN &&
                  fstatat(dirfd(rep), entree->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)))
            unlinkat(dirfd(rep), entree->d_name, 0);
    }
    const bool complet = errno == 0;
    closedir(rep);
    std::sort(noms.begin(), noms.end());
    return complet;
}

// Occupe le repertoire ouvert `fd` jusqu'a la fin de l'execution : un temporaire ne
// s'y cree qu'ainsi. La premiere fois, une execution qui l'a seule (verrou exclusif
// obtenu : aucune autre n'y ecrit) efface les temporaires qu'une execution tuee y a
// laisses et rend dans `noms` les autres entrees ; vrai alors. Le verrou partage qui
// suit, tenu par une copie du descripteur jamais fermee, garde ceux de l'execution.
bool Occupe(int fd, std::vector<std::string>& noms) {
    static std::set<std::pair<dev_t, ino_t>> occupes;
    struct stat st;
    if (fstat(fd, &st) != 0 || !occupes.insert({st.st_dev, st.st_ino}).second) return false;
    const int garde = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (garde < 0) {
        occupes.erase({st.st_dev, st.st_ino});
        return false;
    }
    const bool seule = flock(garde, LOCK_EX | LOCK_NB) == 0 && Inventorie(garde, noms);
    flock(garde, LOCK_SH);
    return seule;
}

// Occupe le repertoire d'un chemin systeme, ou le temporaire d'une ecriture va naitre.
void OccupeRepertoire(const std::string& repertoire) {
    Descripteur d(open(repertoire.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    std::vector<std::string> noms;
    if (d.fd >= 0) Occupe(d.fd, noms);
}

// Cree a cote de la cible un temporaire au nom libre : ".cv-" et six lettres ou chiffres.
int CreeTemporaire(const std::string& cible, mode_t mode, std::string& temporaire) {
    static std::uint64_t etat = static_cast<std::uint64_t>(getpid()) << 32 ^
                                static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::string::size_type barre = cible.find_last_of('/');
    OccupeRepertoire(barre == std::string::npos ? "." : cible.substr(0, barre + 1));
    temporaire = (barre == std::string::npos ? "" : cible.substr(0, barre + 1)) + ".cv-XXXXXX";
    for (int essai = 0; essai < 100; ++essai) {
        for (size_t i = temporaire.size() - 6; i < temporaire.size(); ++i) {
            etat = etat * 6364136223846793005ULL + 1442695040888963407ULL;
            temporaire[i] = LettresTemporaire[(etat >> 33) % 62];
        }
        int fd = open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Le texte va dans un temporaire du meme repertoire, avec le proprietaire et les
// droits de l'ancien fichier quand il y en a un, puis le temporaire prend la place
// de la cible : un lecteur voit l'ancien fichier ou le nouveau, jamais un fichier
// coupe. SurPlace quand le repertoire refuse toute creation.
int RemplaceParRenommage(const std::string& cible, const std::string& texte, const struct stat* ancien,
                         Numeros* numeros) {
    const mode_t mode = ancien != nullptr ? ancien->st_mode & 07777 : 0666;
    std::string temporaire;
    Descripteur d(CreeTemporaire(cible, mode, temporaire));
    if (d.fd < 0) return errno == EACCES || errno == EPERM ? SurPlace : 1003;
    bool ok = EcritTout(d.fd, texte.data(), texte.size());
    // A la creation, le groupe a pu venir du repertoire et le masque retirer des droits.
    if (ancien != nullptr && (ancien->st_uid != geteuid() || ancien->st_gid != getegid()) &&
        fchown(d.fd, ancien->st_uid, ancien->st_gid) != 0 && geteuid() == 0)
        ok = false;
    if (ancien != nullptr && (mode & (Masque() | 07000)) != 0 && fchmod(d.fd, mode) != 0) ok = false;
    if (ok && numeros != nullptr) {
        numeros->Avant = ancien != nullptr ? NumeroDe(*ancien) : "";
        numeros->Apres = NumeroDuFichier(d.fd);
    }
    if (!d.Ferme()) ok = false;
    if (!ok || rename(temporaire.c_str(), cible.c_str()) != 0) {
        unlink(temporaire.c_str());
        return ok ? 1003 : 1004;
    }
    return 0;
}

// Ce qu'une ecriture recoit : la garde, et ou rendre les numeros du fichier ecrit.
struct Ecriture {
    const Garde& garde;
    Numeros* numeros;
    bool Permise() const { return !garde || garde(); }
};

int Remplace(const std::string& cible, const std::string& texte, bool suitLien, const Ecriture& e, bool viaLien);

// Donne au fichier sans nom ouvert le nom `nom` dans le repertoire ouvert, ou
// le nom ne doit pas exister.
bool Nomme(int fd, int repertoire, const char* nom) {
    // Lier un descripteur demande un privilege ; sans lui, on passe par /proc.
    static bool parProc = false;
    if (!parProc) {
        if (linkat(fd, "", repertoire, nom, AT_EMPTY_PATH) == 0) return true;
        if (errno != ENOENT && errno != EPERM) return false;
        parProc = true;
    }
    const std::string chemin = "/proc/self/fd/" + std::to_string(fd);
    return linkat(AT_FDCWD, chemin.c_str(), repertoire, nom, AT_SYMLINK_FOLLOW) == 0;
}

// Un lien symbolique garde sa place : c'est le fichier pointe qui est remplace. Au bout d'un
// lien pendant, le fichier nait pres de sa place comme toute page neuve, entier, et le lien
// le designe alors.
int RemplaceLien(const std::string& lien, const std::string& texte, const Ecriture& e) {
    const std::string bout = BoutDesLiens(lien);
    return bout.empty() ? 1003 : Remplace(bout, texte, false, e, true);
}

int Remplace(const std::string& cible, const std::string& texte, bool suitLien, const Ecriture& e, bool viaLien) {
    if (cible.empty()) return 1003;
    Descripteur d(open(cible.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (d.fd < 0) {
        if (errno == ENOENT) {
            if (viaLien && !e.Permise()) return Refusee;
            int code = RemplaceParRenommage(cible, texte, nullptr, e.numeros);
            return code == SurPlace ? 1003 : code;
        }
        return errno == ELOOP && suitLien ? RemplaceLien(cible, texte, e) : 1003;
    }
    // Le plus souvent la page n'a pas change : une lecture suffit a le voir.
    if (MemeContenu(d.fd, texte)) {
        if (e.numeros != nullptr) e.numeros->Avant = e.numeros->Apres = NumeroDuFichier(d.fd);
        return 0;
    }
    struct stat st;
    if (fstat(d.fd, &st) != 0 || S_ISDIR(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) return 1003;
    if (!e.Permise()) return Refusee;
    if (!S_ISREG(st.st_mode)) {  // un peripherique
        d.Ferme();
        return EcritSurPlace(cible, texte);
    }
    // Un fichier a plusieurs noms ou d'un autre proprietaire ne se remplace pas sans dommage.
    bool partage = st.st_nlink > 1 || (geteuid() != 0 && st.st_uid != geteuid());
    int code = partage ? SurPlace : RemplaceParRenommage(cible, texte, &st, e.numeros);
    if (code != SurPlace) return code;
    code = RemplaceSurPlace(d.fd, st.st_size, texte);
    if (code == 0 && e.numeros != nullptr) e.numeros->Avant = e.numeros->Apres = NumeroDe(st);
    return d.Ferme() ? code : 1004;
}

// Quand une ecriture directe ne se fait pas : il faut passer par le chemin.
const int AFaireAilleurs = -2;

// Fait naitre d'un coup, tout ecrit, le fichier `nom` absent du repertoire
// ouvert : un fichier sans nom (qu'une execution tuee ne laisse pas derriere
// elle) recoit son nom une fois plein.
int CreeEntier(int repertoire, const std::string& nom, const std::string& texte, Numeros* numeros) {
    Descripteur d(openat(repertoire, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (d.fd < 0) return AFaireAilleurs;
    if (!EcritTout(d.fd, texte.data(), texte.size())) return 1004;
    if (!Nomme(d.fd, repertoire, nom.c_str())) return AFaireAilleurs;
    if (numeros != nullptr) *numeros = {"", NumeroDuFichier(d.fd)};
    return d.Ferme() ? 0 : 1004;
}

}  // namespace

bool FichierOrdinaireOuAbsent(const std::string& chemin) {
    struct stat st;
    return stat(CheminSysteme(chemin).c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

bool NiRepertoireNiTube(const std::string& chemin) {
    struct stat st;
    if (stat(CheminSysteme(chemin).c_str(), &st) != 0) return true;  // l'ouverture dira pourquoi
    return !S_ISDIR(st.st_mode) && !S_ISFIFO(st.st_mode) && !S_ISSOCK(st.st_mode);
}

int LitFichier(const std::string& chemin, std::string& contenu, int repertoire, std::string* numero) {
    Descripteur d(openat(repertoire, CheminSysteme(chemin).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st;
    if (d.fd < 0 || fstat(d.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        contenu.clear();
        return 1003;
    }
    if (numero != nullptr) *numero = NumeroDe(st);
    try {
        // Les octets deja la servent de place sans etre remis a zero : la
        // lecture les recouvre et la taille finale coupe le reste.
        const size_t annonce = static_cast<size_t>(st.st_size);
        const size_t place = annonce > 0 ? annonce + 1 : 65536;
        if (contenu.size() < place || contenu.size() > 2 * place + 65536) contenu.resize(place);
        for (size_t lu = 0;;) {
            if (lu == contenu.size()) contenu.resize(2 * lu);
            ssize_t n = read(d.fd, &contenu[lu], contenu.size() - lu);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) break;
            lu += static_cast<size_t>(n);
            // Une lecture courte qui atteint la taille annoncee est la fin : pas d'appel de plus.
            if (n == 0 || (annonce > 0 && lu >= annonce && lu < contenu.size())) {
                contenu.resize(lu);
                return 0;
            }
        }
    } catch (const std::exception&) {
        // Un fichier plus grand que la memoire echoue comme une lecture.
    }
    contenu.clear();
    return 1004;
}

int RemplaceFichier(const std::string& chemin, const std::string& texte, const Garde& garde, Numeros* numeros) {
    return Remplace(CheminSysteme(chemin), texte, true, Ecriture{garde, numeros}, false);
}

RepertoireOuvert::RepertoireOuvert(const std::string& chemin)
    : fd_(open(CheminSysteme(chemin).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0) fd_ = AT_FDCWD;
}

RepertoireOuvert::~RepertoireOuvert() {
    if (fd_ >= 0) close(fd_);
}

Occupation::Occupation(const std::string& repertoire)
    : chemin_(repertoire), repertoire_(repertoire), fd_(repertoire_.Fd()) {
    if (fd_ >= 0) inventaire_ = Occupe(fd_, presents_);
}

bool Occupation::Absent(const std::string& nom) const {
    return inventaire_ && !std::binary_search(presents_.begin(), presents_.end(), nom);
}

int Occupation::Ecris(const std::string& nom, const std::string& texte, const Garde& garde, Numeros* numeros) const {
    if (fd_ >= 0 && nom.find('/') == std::string::npos && Absent(nom)) {
        const int code = CreeEntier(fd_, nom, texte, numeros);
        if (code != AFaireAilleurs) return code;
    }
    return RemplaceFichier(Joindre(chemin_, Separateur, nom), texte, garde, numeros);
}

std::string RepertoireExecutable() {
    char chemin[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", chemin, sizeof(chemin) - 1);
    if (n <= 0) return "";
    return std::filesystem::path(std::string(chemin, static_cast<size_t>(n))).parent_path().string();
}

void Pause() {
    if (!isatty(STDIN_FILENO)) return;
    std::cout << "Appuyez sur une touche pour continuer..." << std::flush;
    std::string ligne;
    std::getline(std::cin, ligne);
}

}  // namespace plateforme
