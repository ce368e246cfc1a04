#include "FrwMake.h"

#include <new>

#include "Utiles.h"
#include "classe_fichier.h"
#include "plateforme.h"

namespace {

const char* const BrouilleBaliseReference = "Pcq>D]WHGRk{SXt|LUr|ZPyY";
const char* const BrouilleBaliseReference2 = "Pcq>D=zbG2k[S8t~L5r~Z0yY";
const char* const BrouilleDebutBloc = "P,q`D-zrG@ku";
const char* const BrouilleFinBloc = "P.qdD9z|";

void RemplaceTout(std::string& texte, const std::string& balise, const std::string& valeur) {
    for (std::string::size_type p = texte.find(balise); p != std::string::npos; p = texte.find(balise, p + valeur.size()))
        texte.replace(p, balise.size(), valeur);
}

}  // namespace

Make::Make(Parametrage& param)
    : FinDeLigne("\n"), Separateur("\\"), Param(param), AccoladeFermante("}"), NbFichiers(0) {
    BaliseReference = Param.DeCrypt(BrouilleBaliseReference, Param.Cle);
    BaliseReference2 = Param.DeCrypt(BrouilleBaliseReference2, Param.Cle);
    MotDebutBloc = Param.DeCrypt(BrouilleDebutBloc, Param.Cle);
    MotFinBloc = Param.DeCrypt(BrouilleFinBloc, Param.Cle);
}

Make::~Make() {}

std::string Make::ListerRepertoire(std::string repertoire, std::string filtre, std::vector<_ListeFichier>& liste) {
    std::vector<std::string> noms;
    if (!plateforme::ListeFichiersReguliers(repertoire, noms)) {
        Param.AddErreur("Repertoire " + repertoire + " illisible.");
        return "NOK";
    }
    for (const std::string& nom : noms) {
        // Un "\" dans un nom deviendrait un separateur en atteignant le systeme.
        if (nom[0] == '_' || nom.find('\\') != std::string::npos || nom.find(filtre) == std::string::npos)
            continue;
        liste.push_back({nom, Param.RepertoireSources, Param.RepertoireCible, Param.FichierReferenceGlobal});
        ++NbFichiers;
    }
    return "";
}

bool Make::CopieAppui(const std::string& source, const std::string& cible) {
    Fichier fichier;
    if (fichier.CopieFichier(source, cible) == 0) return true;
    Param.AddWarning("La copie de " + source + " vers " + cible + " a echouee.");
    return false;
}

std::string Make::PreTraitement(std::string filtre) {
    if (!ListerRepertoire(Param.RepertoireSources, filtre, ListeFichiers).empty())
        Param.AddErreur("L'exploration du repertoire " + Param.RepertoireSources + " n'est pas possible.");
    const int n = NbFichiers;
    std::string resume = Param.ConvertIntToString(n) + " Fichier" + Param.Pluriel(n) + " selectionne" +
                         Param.Pluriel(n) + "." + FinDeLigne;
    if (Param.Bavard > 0) {
        resume += "Liste des fichiers selectionnes:" + FinDeLigne;
        for (size_t i = 0; i < ListeFichiers.size(); ++i)
            resume += Param.ConvertIntToString(static_cast<int>(i) + 1) + " - " + ListeFichiers[i].NomFichier +
                      FinDeLigne;
    }
    for (const char* appui : {"CVForm.php", "CVClass__connexion.php"}) {
        std::string source = plateforme::Joindre(Param.CheminAppli, Separateur, appui);
        std::string cible = plateforme::Joindre(Param.TrimSlash(Param.RepertoireIncludeSources), Separateur, appui);
        if (!CopieAppui(source, cible)) return "NOK";
    }
    return resume;
}

void Make::RemplaceDatesEtHeures(std::string& page) {
    RemplaceTout(page, "{#DATE_FR}", Utiles::Date_FR());
    RemplaceTout(page, "{#DATE_US}", Utiles::Date_US());
    RemplaceTout(page, "{#HEURE}", Utiles::Heure());
}

// Remplace chaque balise "{#nom}" de la sortie par le bloc "nom" de la page. Un
// bloc ne sert qu'une fois : son marqueur de debut est neutralise dans la page.
void Make::AssembleBlocs(std::string& sortie, std::string& page, const std::string& source,
                         const std::string& reference) {
    // Rien avant p ne change : la recherche reprend juste avant, la ou un "{"
    // pourrait se coller au debut d'un bloc insere.
    for (std::string::size_type p = sortie.find("{#"); p != std::string::npos;
         p = sortie.find("{#", p > 0 ? p - 1 : 0)) {
        std::string::size_type c = sortie.find(AccoladeFermante, p);
        if (c == std::string::npos) {
            Param.AddErreur("La balise {#reference=X} n'a pas d'accolade fermante dans le fichier:" + reference);
            sortie[p] = '!';
            continue;
        }
        std::string nom = sortie.substr(p + 2, c - p - 2);
        std::string debut = "{#" + MotDebutBloc + nom + AccoladeFermante;
        std::string::size_type b = page.find(debut);
        sortie[p] = '!';
        if (b == std::string::npos) {
            Param.AddErreur("Balise " + debut + " introuvable dans " + source);
            continue;
        }
        std::string fin = "{#" + MotFinBloc + nom + AccoladeFermante;
        std::string::size_type e = page.find(fin);
        if (e == std::string::npos) {
            Param.AddErreur("Balise " + fin + " introuvable dans " + source);
            continue;
        }
        std::string::size_type corps = b + debut.size();
        std::string bloc = e < corps ? page.substr(corps) : page.substr(corps, e - corps);
        sortie.replace(p, c + 1 - p, bloc);
        page[b] = '!';
    }
}

std::string Make::Traitement() {
    std::string rapport;
    std::string cheminMemorise, referenceMemorisee;
    Fichier fichier;
    for (_ListeFichier& page : ListeFichiers) {
        std::string source = Param.TrimSlash(Param.RepertoireSources) + Separateur + Param.TrimSlash(page.NomFichier);
        std::string cible = Param.TrimSlash(Param.RepertoireCible) + Separateur + Param.TrimSlash(page.NomFichier);
        rapport += "Traite fichier:" + source + FinDeLigne;
        std::string texte;
        fichier.LisFichier(source, texte);

        std::string origine;
        std::string::size_type p = texte.find(BaliseReference);
        std::string::size_type ouvrant = BaliseReference.size();
        if (p == std::string::npos) {
            p = texte.find(BaliseReference2);
            ouvrant = BaliseReference2.size();
        }
        if (p == std::string::npos) {
            origine = "(il a ete defini dans le fichier de configuration)";
        } else {
            std::string::size_type c = texte.find(AccoladeFermante, p);
            if (c == std::string::npos) {
                Param.AddWarning("La balise #reference n'a pas d'accolade fermante.");
            } else {
                std::string nom = texte.substr(p + ouvrant, c - p - ouvrant);
                origine = "(il a ete defini dans le fichier " + source + ")";
                page.FichierReference = Param.Racine + Separateur + Param.TrimSlash(nom);
                texte.erase(p, c + 1 - p);
            }
        }
        if (!fichier.IsFileExist(page.FichierReference)) {
            Param.AddWarning("Le fichier " + source + " ne sera pas traite, car le fichier de reference " +
                             page.FichierReference + " n'existe pas." + origine);
            continue;
        }
        if (page.FichierReference != cheminMemorise) {
            int code = fichier.LisFichier(page.FichierReference, referenceMemorisee);
            if (code != 0) {
                // Une lecture ratee n'est pas gardee : la page suivante relira le fichier.
                cheminMemorise.clear();
                Param.AddErreur("Le fichier " + source + " ne sera pas traite. le fichier ref " +
                                page.FichierReference + " est illisible." + FinDeLigne + fichier.LibelleErreur(code) +
                                FinDeLigne);
                continue;
            }
            cheminMemorise = page.FichierReference;
        }
        std::string sortie = referenceMemorisee;
        if (Param.Bavard > 0) Param.Log(source + " -> " + cible, Parametrage::LogEcranEtFichier);
        RemplaceDatesEtHeures(texte);
        try {
            AssembleBlocs(sortie, texte, source, page.FichierReference);
        } catch (const std::bad_alloc&) {
            Param.AddErreur("Le fichier " + source + " ne sera pas traite : la page produite serait trop grande.");
            continue;
        }
        int code = fichier.RemplaceFichier(cible, sortie);
        if (code != 0)
            Param.AddErreur("Le fichier " + cible + " n'a pu etre ecrit." + FinDeLigne + fichier.LibelleErreur(code));
    }
    return rapport;
}

std::string Make::PostTraitement() {
    std::string rapport;
    for (const std::string& entree : Param.ListeFichiersACopier) {
        std::string source = Param.TrimSlash(Param.RepertoireSources) + Separateur + entree;
        std::string cible = Param.TrimSlash(Param.RepertoireCible) + Separateur + entree;
        rapport += "Copie " + source + " -> " + cible + FinDeLigne;
        if (!CopieAppui(source, cible)) return "NOK";
    }
    return rapport;
}
