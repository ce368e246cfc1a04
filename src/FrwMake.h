// La fonction make : chaque page du repertoire source est reconstruite depuis
// sa page de reference, ses blocs et ses balises de date, puis ecrite sous le
// meme nom dans le repertoire cible.
#ifndef FRWMAKE_H
#define FRWMAKE_H

#include <string>
#include <vector>

#include "Parametres.h"

class Make {
public:
    // Une page retenue par la selection.
    struct _ListeFichier {
        std::string NomFichier;
        std::string RepertoireSource;
        std::string RepertoireCible;
        std::string FichierReference;  // remplace par la balise de reference de la page
    };

    std::string FinDeLigne;
    std::string Separateur;
    Parametrage& Param;
    std::string BaliseReference;
    std::string BaliseReference2;
    std::string AccoladeFermante;
    std::string MotDebutBloc;
    std::string MotFinBloc;
    int NbFichiers;
    std::vector<_ListeFichier> ListeFichiers;

    explicit Make(Parametrage& param);
    ~Make();

    std::string ListerRepertoire(std::string repertoire, std::string filtre, std::vector<_ListeFichier>& liste);
    std::string PreTraitement(std::string filtre);
    std::string Traitement();
    std::string PostTraitement();

private:
    bool CopieAppui(const std::string& source, const std::string& cible);
    void RemplaceDatesEtHeures(std::string& page);
    void AssembleBlocs(std::string& sortie, std::string& page, const std::string& source,
                       const std::string& reference);
};

#endif
