#include "classe_fichier.h"

#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <iostream>

#include "plateforme.h"

namespace {

bool EstFinDeTexte(char c) { return c == '\r' || c == '\n' || c == '\x14' || c == '\0'; }

}  // namespace

std::string Fichier::RenvoiRepertoire(std::string chemin) {
    const std::string::size_type pos = chemin.find_last_of(Separateur + "/");
    return pos == std::string::npos ? "" : chemin.substr(0, pos);
}

bool Fichier::IsPathExist(std::string chemin) {
    if (chemin.empty()) return false;
    DIR* rep = opendir(plateforme::CheminSysteme(chemin).c_str());
    if (rep == nullptr) return false;
    closedir(rep);
    return true;
}

std::string Fichier::LibelleErreur(int code) {
    switch (code) {
        case 1000: return "Nom de fichier trop long";
        case 1001: return "Repertoire non trouv\xE9";
        case 1002: return "Fichier non trouv\xE9";
        case 1003: return "Impossible d'ouvrir le fichier";
        default: return "Erreur non identifie sur la gestion de fichier";
    }
}

void Fichier::VideFichier(std::string chemin) {
    if (!plateforme::NiRepertoireNiTube(chemin)) return;
    std::ofstream flux(plateforme::CheminSysteme(chemin), std::ios::out | std::ios::trunc);
}

int Fichier::EcrisFichier(std::string chemin, const std::string& texte) {
    if (!plateforme::NiRepertoireNiTube(chemin)) return 1003;
    try {
        std::ofstream flux(plateforme::CheminSysteme(chemin), std::ios::out | std::ios::app | std::ios::binary);
        if (!flux.is_open()) return 1003;
        flux.write(texte.data(), static_cast<std::streamsize>(texte.size()));
        flux.close();
        return flux.fail() ? 1004 : 0;
    } catch (const std::exception&) {
        return 1001;
    }
}

bool Fichier::IsFileExist(std::string chemin) {
    if (chemin.empty() || !plateforme::FichierOrdinaireOuAbsent(chemin)) return false;
    std::ifstream flux(plateforme::CheminSysteme(chemin));
    return flux.is_open();
}

int Fichier::LisFichier(std::string chemin, std::string& texte) {
    bool ouvert;
    return LisFichier(chemin, texte, ouvert);
}

int Fichier::LisFichier(const std::string& chemin, std::string& texte, bool& ouvert, int repertoire,
                        std::string* numero) {
    NomFichier = chemin;
    const int code = plateforme::LitFichier(chemin, texte, repertoire, numero);
    ouvert = code != 1003;
    if (code != 0) return 1003;
    // La fin du texte perd ses CR, LF et DC4 mais garde ses NUL ; le premier
    // octet reste toujours.
    std::string::size_type debut = texte.size();
    while (debut > 0 && EstFinDeTexte(texte[debut - 1])) --debut;
    if (debut == 0 && !texte.empty()) debut = 1;
    const std::string::size_type nuls = std::count(texte.begin() + debut, texte.end(), '\0');
    texte.resize(debut);
    texte.append(nuls, '\0');
    return 0;
}

std::string Fichier::LisFichier(std::string chemin, std::vector<std::string>& lignes) {
    NomFichier = chemin;
    lignes.clear();
    std::string contenu;
    if (plateforme::LitFichier(chemin, contenu) != 0)
        return "Impossible d'ouvrir le fichier:" + chemin + plateforme::FinDeLigne;
    std::string::size_type debut = 0;
    if (contenu.compare(0, 3, "\xEF\xBB\xBF") == 0) debut = 3;
    while (debut < contenu.size()) {
        std::string::size_type fin = contenu.find('\n', debut);
        if (fin == std::string::npos) {
            lignes.push_back(contenu.substr(debut));
            break;
        }
        std::string::size_type longueur = fin - debut;
        if (longueur > 0 && contenu[fin - 1] == '\r') --longueur;
        lignes.push_back(contenu.substr(debut, longueur));
        debut = fin + 1;
    }
    return "";
}

// La source est lue octet pour octet, sans la fin rognee de LisFichier ; elle devient pourtant,
// comme par LisFichier, le fichier de l'objet.
int Fichier::CopieFichier(std::string source, std::string cible, const plateforme::Garde& garde,
                          plateforme::Numeros* numeros) {
    NomFichier = source;
    std::string contenu;
    if (plateforme::LitFichier(source, contenu) != 0) {
        std::cout << "LisFichier erreur=" << 1003 << "<" << std::endl;
        return 1003;
    }
    int code = plateforme::RemplaceFichier(cible, contenu, garde, numeros);
    if (code == plateforme::Refusee) return code;
    std::cout << "EcrisFichier erreur=" << code << "<" << std::endl;
    return code;
}

int Fichier::RemplaceFichier(std::string chemin, const std::string& texte) {
    return plateforme::RemplaceFichier(chemin, texte);
}
