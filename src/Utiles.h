// Fonctions sans etat partagees : date et heure locales en texte, repertoire
// d'un chemin, echappement pour une chaine PHP, liste jointe, noms PHP ; et
// l'emetteur du texte genere.
#ifndef UTILES_H
#define UTILES_H

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "plateforme.h"

class Utiles {
public:
    virtual ~Utiles() {}

    // Chaque appel lit l'horloge une fois : JJ/MM/AAAA HH:MM:SS. L'argument n'est pas lu.
    static std::string DateHeure(std::string inutilise);
    // AAAA/MM/JJ HH:MM:SS : l'annee d'abord. L'argument n'est pas lu.
    static std::string DateHeure_US(std::string inutilise);
    static std::string Date_US();
    static std::string Date_FR();
    static std::string Heure();
    // Un "0" devant un texte de moins de deux caracteres ; les autres restent tels quels.
    static std::string format2digit(std::string chiffres);
    // Les lettres a a z en majuscules, sur place (les autres octets, accents compris, restent).
    static std::string Majuscule(std::string& texte);
    // Une copie du texte, ses lettres a a z en majuscules.
    static std::string EnMajuscules(std::string texte);
    static std::string CheminSansFichier(std::string chemin);
    // Le texte ou chacun des `caracteres` prend une barre oblique inverse devant lui.
    static std::string PrecedeDeBarre(const std::string& texte, const char* caracteres);
    // Le texte tel qu'il peut s'ecrire entre les guillemets d'une chaine PHP :
    // "\", "\"" et "$" y prennent une barre oblique inverse.
    static std::string String2Php(const std::string& texte) { return PrecedeDeBarre(texte, "\\\"$"); }
    // Le texte tel qu'il peut s'ecrire dans le HTML d'une page : &, <, >, " et ' en entites.
    static std::string EchappeHtml(const std::string& texte);
    // Les morceaux separes par `separateur`, rien avant le premier ni apres le dernier.
    static std::string Joint(const std::vector<std::string>& morceaux, const std::string& separateur = ",");
    // Les deux regles des noms PHP. La premiere garde les noms qui vont aussi dans le SQL, les
    // noms de fichiers et les classes (table, colonne, prefixe) : lettres ASCII, chiffres et "_",
    // non vide, sans chiffre en tete. Un nom venu de la base ne sert de nom de classe, de chemin
    // ou de texte genere qu'a ce prix.
    static bool CaracteresIdentifiant(const std::string& texte);  // ces caracteres seuls (le vide aussi)
    static bool EstIdentifiantPhp(const std::string& texte);
    // La seconde est celle de PHP lui-meme, pour les noms que seul PHP lit (variables et membres
    // d'une page) : lettre, "_" ou octet haut, puis aussi des chiffres.
    static bool LettrePhp(char c);
    static bool LettreOuChiffrePhp(char c);
    static bool EstNomPhp(const std::string& nom);

    // Vrai pour un texte UTF-8 qui a un caractere hors du Latin-1 (faux s'il n'est pas de l'UTF-8).
    static bool HorsLatin1(const std::string& utf8);
    // Le texte UTF-8 en Latin-1, "?" pour un caractere qui n'y a pas de place ; tel quel s'il
    // n'est pas de l'UTF-8.
    static std::string Latin1OuQuestion(const std::string& utf8);
    // Chaque caractere hors de l'ASCII d'un texte UTF-8 en sequence \u{...} d'une chaine PHP.
    static std::string EchappeUnicodePhp(const std::string& utf8);

    // Un nom que PHP 8.2 prend pour lui et qu'une classe ne peut donc porter, la casse n'y
    // comptant pas : mot cle, type, classe, interface ou trait que declarent le coeur et les
    // extensions d'un site (mysqli, PDO, SPL...), methode magique (le nom d'une table nomme
    // aussi une methode), classe d'appui des pages.
    static bool NomReservePhp(const std::string& nom);
    // Des mots separes par des espaces, lus une fois : les noms d'une table et de ses colonnes
    // y sont cherches a chaque methode generee. La casse n'y compte pas.
    class ListeDeMots {
    public:
        explicit ListeDeMots(std::string mots);
        bool Contient(std::string nom) const;

    private:
        std::set<std::string> Majuscules;
    };

    // Les variables que PHP se reserve ($this et les superglobales, la casse compte) :
    // aucune variable ni aucun parametre genere ne peut porter ces noms.
    static bool VariableReserveePhp(const std::string& nom);
};

// Texte genere (fichiers de classe, pages de formulaire) : chaque ligne a
// l'indentation courante et sa fin de ligne ; un bloc ecrit sa tete, son corps
// un cran plus loin, puis sa fin, de sorte que les accolades s'equilibrent
// toujours et qu'aucun niveau ne se compte a la main.
class Emetteur {
public:
    // `tabulation` : un cran de retrait ; celui des fichiers de classe vient de Parametrage::Tab().
    // `finDeLigne` finit chaque ligne ; celle des fichiers de classe est FrwSgbd::FinDeLigne.
    explicit Emetteur(int retrait = 0, const std::string& tabulation = "\t",
                      const std::string& finDeLigne = plateforme::FinDeLigne)
        : Retrait(retrait), Tabulation(tabulation), FinDeLigne(finDeLigne) {}

    // Le retrait courant, le texte, puis la fin de ligne.
    Emetteur& Ligne(const std::string& texte);
    // Une fin de ligne seule.
    Emetteur& LigneVide();
    // Du texte tel quel, sans retrait ni fin de ligne.
    Emetteur& Brut(const std::string& texte);

    // Le corps un cran plus loin, sans tete ni fin.
    template <class Corps>
    Emetteur& Decale(Corps corps) {
        ++Retrait;
        corps();
        --Retrait;
        return *this;
    }

    // tete, le corps un cran plus loin, puis fin au retrait de la tete.
    template <class Corps>
    Emetteur& Bloc(const std::string& tete, Corps corps, const std::string& fin = "}") {
        Ligne(tete);
        Decale(corps);
        return Ligne(fin);
    }

    // Le bloc le plus courant du texte genere : la tete, une tabulation et "{".
    template <class Corps>
    Emetteur& Accolade(const std::string& tete, Corps corps, const std::string& fin = "}") {
        return Bloc(tete + Tabulation + "{", corps, fin);
    }

    // La forme commune des methodes generees : "// commentaire", la tete
    // suivie d'une tabulation et de "{", le corps, "}" et une ligne vide.
    template <class Corps>
    Emetteur& Methode(const std::string& commentaire, const std::string& tete, Corps corps) {
        Ligne("// " + commentaire);
        Accolade(tete, corps);
        return LigneVide();
    }

    const std::string& Texte() const { return Resultat; }
    std::string Prends() { return std::move(Resultat); }

    int Retrait;
    std::string Tabulation;
    std::string FinDeLigne;

private:
    std::string Resultat;
};

#endif
