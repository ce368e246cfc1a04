// Fonctions sans etat partagees : date et heure locales en texte, majuscules,
// repertoire d'un chemin, echappement pour une chaine PHP, noms PHP.
#ifndef UTILES_H
#define UTILES_H

#include <string>
#include <utility>

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
    // Lettres ASCII, chiffres et "_" seulement (le texte vide en est fait).
    static bool CaracteresIdentifiant(const std::string& texte);
    // Un nom PHP sur : de ces caracteres, non vide, sans chiffre en tete. Un nom venu
    // de la base ne sert de nom de classe, de chemin ou de texte genere qu'a ce prix.
    static bool EstIdentifiantPhp(const std::string& texte);
};

// Texte genere (fichiers de classe, pages de formulaire) : chaque ligne a
// l'indentation courante et sa fin de ligne ; un bloc ecrit sa tete, son corps
// un cran plus loin, puis sa fin, de sorte que les accolades s'equilibrent
// toujours et qu'aucun niveau ne se compte a la main.
class Emetteur {
public:
    explicit Emetteur(int retrait = 0, std::string tabulation = "\t", std::string finDeLigne = "\n");

    // Le retrait courant, le texte, puis la fin de ligne.
    Emetteur& Ligne(const std::string& texte);
    // Une fin de ligne seule.
    Emetteur& LigneVide();
    // Du texte tel quel, sans retrait ni fin de ligne.
    Emetteur& Brut(const std::string& texte);

    // tete, le corps un cran plus loin, puis fin au retrait de la tete.
    template <class Corps>
    Emetteur& Bloc(const std::string& tete, Corps corps, const std::string& fin = "}") {
        Ligne(tete);
        ++Retrait;
        corps();
        --Retrait;
        return Ligne(fin);
    }

    // La forme commune des methodes generees : "// commentaire", la tete
    // suivie d'une tabulation et de "{", le corps, "}" et une ligne vide.
    template <class Corps>
    Emetteur& Methode(const std::string& commentaire, const std::string& tete, Corps corps) {
        Ligne("// " + commentaire);
        Bloc(tete + Tabulation + "{", corps);
        return LigneVide();
    }

    const std::string& Texte() const { return Resultat; }
    std::string Prends() { return std::move(Resultat); }

    int Retrait;
    const std::string Tabulation;
    const std::string FinDeLigne;

private:
    std::string Resultat;
};

#endif
