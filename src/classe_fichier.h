// Operations sur des fichiers entiers : chaque appel ouvre, travaille et ferme.
// Les echecs reviennent en codes (0, 1001, 1003, 1004) ou en texte, jamais en exception.
#ifndef CLASSE_FICHIER_H
#define CLASSE_FICHIER_H

#include <fcntl.h>

#include "plateforme.h"

#include <string>
#include <vector>

class Fichier {
public:
    std::vector<std::string> Lignes;  // rien ne s'en sert
    // Le dernier fichier nomme par NommeFichier, lu par LisFichier ou copie par CopieFichier.
    std::string NomFichier;
    std::string FinDeLigne = "\n";
    // Le separateur que cherche RenvoiRepertoire ; "/" separe aussi, le systeme le lit comme "\".
    std::string Separateur = "\\";

    void NommeFichier(std::string chemin) { NomFichier = chemin; }
    // Le chemin jusqu'a son dernier separateur, non compris ; "" sans separateur.
    std::string RenvoiRepertoire(std::string chemin);
    bool IsPathExist(std::string chemin);
    std::string LibelleErreur(int code);
    void VideFichier(std::string chemin);
    // Ajoute le texte, octet pour octet, a la fin du fichier (cree s'il manque).
    int EcrisFichier(std::string chemin, const std::string& texte);
    // Le meme ajout, pour un morceau de ligne : le fichier recoit lui aussi le texte tel quel.
    int EcrisFichierSansCR(std::string chemin, const std::string& texte) { return EcrisFichier(chemin, texte); }
    bool IsFileExist(std::string chemin);
    int LisFichier(std::string chemin, std::string& texte);
    // La meme lecture ; `ouvert` faux quand le fichier ne s'ouvre pas (absent,
    // interdit, ou pas un fichier ordinaire), vrai quand seule la lecture echoue.
    // Un chemin relatif part de `repertoire`, un repertoire ouvert.
    // `numero` recoit le numero ("dev:ino") du fichier lu.
    int LisFichier(const std::string& chemin, std::string& texte, bool& ouvert, int repertoire = AT_FDCWD,
                   std::string* numero = nullptr);
    std::string LisFichier(std::string chemin, std::vector<std::string>& lignes);
    // `garde` et `numeros` : comme pour plateforme::RemplaceFichier ; une copie refusee n'ecrit pas
    // sa ligne.
    int CopieFichier(std::string source, std::string cible, const plateforme::Garde& garde = {},
                     plateforme::Numeros* numeros = nullptr);
    // Ecrit le texte a la place du fichier, en entier ou pas du tout (sauf, tuee pendant
    // l'ecriture, une ecriture sur place : voir plateforme::RemplaceFichier).
    int RemplaceFichier(std::string chemin, const std::string& texte);
};

#endif
