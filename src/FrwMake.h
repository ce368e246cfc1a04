// La fonction make : chaque page du repertoire source est reconstruite depuis
// sa page de reference, ses blocs et ses balises de date, puis ecrite sous le
// meme nom dans le repertoire cible.
#ifndef FRWMAKE_H
#define FRWMAKE_H

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "Parametres.h"
#include "plateforme.h"

class Assemblage;

class Make {
public:
    // Une page retenue par la selection.
    struct _ListeFichier {
        std::string NomFichier;
        std::string RepertoireSource;  // les repertoires du lancement, que rien ne relit
        std::string RepertoireCible;
        std::string NonUtilise;
        std::string FichierReference;  // remplace par la balise de reference de la page
    };

    // Une etiquette de page, que rien ne cree ni ne lit.
    struct _Etiquette {
        int Debut;
        int Fin;
        std::string Nom;
        int Ligne;
    };

    std::string FinDeLigne;
    // Toujours "\", pas le SEPREP configure : c'est le seul caractere que TrimSlash retire a la
    // fin d'un repertoire, et make le remet entre le repertoire et le nom ; le systeme le lit comme
    // un separateur (plateforme::CheminSysteme).
    std::string Separateur;
    Parametrage& Param;
    std::string BaliseReference;
    std::string BaliseReference2;
    std::string AccoladeFermante;
    std::string MotDebutBloc;
    std::string MotFinBloc;
    std::vector<_Etiquette> ListeEtiquettes;
    int NbFichiers;
    int NonUtilise = 0;
    std::vector<_ListeFichier> ListeFichiers;

    explicit Make(Parametrage& param);
    ~Make();

    std::string ListerRepertoire(std::string repertoire, std::string filtre, std::vector<_ListeFichier>& liste);
    // Vrai pour un nom que la selection retient avec ce filtre ; celui des pages du site.
    static bool PageRetenue(const std::string& nom, const std::string& filtre);
    static inline const std::string FiltrePages = ".php";
    // Declare les fichiers que make lit ou ecrit (pages source et cible, references, y compris
    // celles que nomment les pages, appuis, fichiers a copier) : ce que Parametrage::ReleveFichiers
    // demande. Sans `complet`, des pages, seules celles qui sont des liens (rien n'est lu). Se fait
    // sur un objet a part, dont TextePage sert de tampon.
    void FichiersDeLExecution(plateforme::Registre& registre, bool complet);
    std::string PreTraitement(std::string filtre);
    std::string Traitement();
    std::string PostTraitement();

private:
    bool CopieAppui(const std::string& source, const std::string& cible);
    // La reference que nomme la balise de la page source, "" sans balise complete.
    std::string ReferenceNommee(const std::string& source);
    // Une balise de reference dans un texte : sa position (npos sans balise), celle de son accolade
    // fermante (npos sans elle) et le chemin de la reference qu'elle nomme.
    struct BaliseDeReference {
        size_t debut = std::string::npos, fin = std::string::npos;
        std::string chemin;
    };
    BaliseDeReference TrouveReference(const std::string& texte) const;
    void ReleveBalises(const std::string& texte);
    const char* ReferenceDeLaPage(_ListeFichier& page, std::string& texte);
    const std::string* Reference(const _ListeFichier& page, const std::string& source, const char* origine);
    void RemplaceDatesEtHeures(std::string& page);
    bool AssembleLaPage(const _ListeFichier& page, const std::string& reference, const std::string& source);
    void TraitePage(_ListeFichier& page, const std::string& source, const std::string& cible, const std::string& nom);

    // La derniere page de reference lue, gardee tant que les pages suivantes la nomment ; une
    // autre la fait relire, car l'execution a pu la reecrire entre-temps.
    // Sans chemin, rien n'est garde.
    std::string CheminReference, TexteReference;
    // Les textes des dates, refaits quand la seconde change.
    std::time_t SecondeDates = -1;
    std::string DateFR, DateUS, HeureCourante;
    // Gardes d'une page a l'autre pour ne pas reallouer : la page lue, les
    // positions de ses "{#" (croissantes), la page produite et ce qui la produit.
    std::string TextePage, Sortie;
    std::vector<size_t> Balises;
    std::unique_ptr<Assemblage> Assembleur;
    // Le repertoire cible, occupe de la premiere ecriture a la fin de make.
    std::unique_ptr<plateforme::Occupation> OccupationCible;
    // Le repertoire des sources, d'ou chaque page est ouverte par son nom.
    std::unique_ptr<plateforme::RepertoireOuvert> Sources;
};

#endif
