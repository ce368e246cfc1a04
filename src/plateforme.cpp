#include "plateforme.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

namespace plateforme {

std::string CheminSysteme(const std::string& chemin) {
    std::string resultat(chemin);
    for (char& c : resultat) {
        if (c == Separateur[0]) c = '/';
    }
    return resultat;
}

std::string Joindre(const std::string& repertoire, const std::string& separateur,
                    const std::string& nom) {
    if (repertoire.empty()) return nom;
    return repertoire + separateur + nom;
}

bool MemeRepertoire(const std::string& chemin1, const std::string& chemin2) {
    struct stat st1, st2;
    if (stat(CheminSysteme(chemin1).c_str(), &st1) != 0 || stat(CheminSysteme(chemin2).c_str(), &st2) != 0)
        return false;
    return S_ISDIR(st1.st_mode) && S_ISDIR(st2.st_mode) && st1.st_dev == st2.st_dev &&
           st1.st_ino == st2.st_ino;
}

bool CreeRepertoire(const std::string& chemin) {
    return !chemin.empty() && mkdir(CheminSysteme(chemin).c_str(), 0777) == 0;
}

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

bool EcritTout(int fd, const std::string& texte) {
    const char* p = texte.data();
    size_t reste = texte.size();
    while (reste > 0) {
        ssize_t n = write(fd, p, reste);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        reste -= static_cast<size_t>(n);
    }
    return true;
}

// Ecriture sur place, comme un vidage suivi d'un ajout : pour ce qui ne se
// remplace pas sans dommage (peripherique, fichier a plusieurs liens, fichier
// d'un autre proprietaire, repertoire ou l'on ne peut rien creer).
int EcritSurPlace(const std::string& chemin, const std::string& texte, mode_t mode) {
    int fd = open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    if (fd < 0) return 1003;
    bool ok = EcritTout(fd, texte);
    if (close(fd) != 0) ok = false;
    return ok ? 0 : 1004;
}

mode_t ModeParDefaut() {
    mode_t masque = umask(0);
    umask(masque);
    return 0666 & ~masque;
}

}  // namespace

bool Lisible(const std::string& chemin) {
    struct stat st;
    return stat(CheminSysteme(chemin).c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

bool Ouvrable(const std::string& chemin) {
    struct stat st;
    if (stat(CheminSysteme(chemin).c_str(), &st) != 0) return true;  // l'ouverture dira pourquoi
    return !S_ISDIR(st.st_mode) && !S_ISFIFO(st.st_mode) && !S_ISSOCK(st.st_mode);
}

int RemplaceFichier(const std::string& chemin, const std::string& texte) {
    std::string cible = CheminSysteme(chemin);
    if (cible.empty() || !Ouvrable(chemin)) return 1003;
    struct stat st;
    bool existe = stat(cible.c_str(), &st) == 0;
    if (existe) {
        if (access(cible.c_str(), W_OK) != 0) return 1003;
        if (!S_ISREG(st.st_mode) || st.st_nlink > 1 || (geteuid() != 0 && st.st_uid != geteuid()))
            return EcritSurPlace(cible, texte, 0);
        // Un lien symbolique garde sa place : c'est le fichier pointe qui est remplace.
        char reel[PATH_MAX];
        if (realpath(cible.c_str(), reel) != nullptr) cible = reel;
    } else {
        struct stat lien;
        if (lstat(cible.c_str(), &lien) == 0) return EcritSurPlace(cible, texte, ModeParDefaut());
    }
    std::string::size_type barre = cible.find_last_of('/');
    std::string temporaire = (barre == std::string::npos ? "" : cible.substr(0, barre + 1)) + ".cv-XXXXXX";
    int fd = mkstemp(&temporaire[0]);
    if (fd < 0) {
        // Sans droit de creer dans le repertoire, le fichier lui-meme peut rester
        // inscriptible ; toute autre cause (disque plein...) laisse l'ancien intact.
        if (errno == EACCES || errno == EPERM) return EcritSurPlace(cible, texte, ModeParDefaut());
        return 1003;
    }
    bool ok = EcritTout(fd, texte);
    if (existe) {
        if (fchown(fd, st.st_uid, st.st_gid) != 0 && geteuid() == 0) ok = false;
        if (fchmod(fd, st.st_mode & 07777) != 0) ok = false;
    } else if (fchmod(fd, ModeParDefaut()) != 0) {
        ok = false;
    }
    if (close(fd) != 0) ok = false;
    if (!ok) {
        unlink(temporaire.c_str());
        return 1004;
    }
    if (rename(temporaire.c_str(), cible.c_str()) != 0) {
        unlink(temporaire.c_str());
        return 1003;
    }
    return 0;
}

std::string RepertoireExecutable() {
    char chemin[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", chemin, sizeof(chemin) - 1);
    if (n <= 0) return "";
    std::string exe(chemin, static_cast<size_t>(n));
    std::string::size_type barre = exe.find_last_of('/');
    if (barre == std::string::npos) return "";
    if (barre == 0) return "/";
    return exe.substr(0, barre);
}

void Pause() {
    if (!isatty(STDIN_FILENO)) return;
    std::cout << "Appuyez sur une touche pour continuer..." << std::flush;
    std::string ligne;
    std::getline(std::cin, ligne);
}

}  // namespace plateforme
