// Fonctions sans etat partagees : date et heure locales en texte, majuscules,
// repertoire d'un chemin, echappement pour une chaine PHP.
#ifndef UTILES_H
#define UTILES_H

#include <string>

class Utiles {
public:
    Utiles();
    virtual ~Utiles();

    static std::string DateHeure(std::string inutilise);
    static std::string DateHeure_US(std::string inutilise);
    static std::string Date_US();
    static std::string Date_FR();
    static std::string Heure();
    static std::string format2digit(std::string chiffres);
    static std::string Majuscule(std::string& texte);
    static std::string CheminSansFichier(std::string chemin);
    static std::string String2Php(std::string& texte);
};

#endif
