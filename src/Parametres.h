// L'objet unique d'une execution : textes fixes, configuration lue, chemins
// construits, journal (console et fichier de trace) et registre des anomalies
// et des erreurs.
#ifndef PARAMETRES_H
#define PARAMETRES_H

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "classe_fichier.h"
#include "plateforme.h"

class Parametrage {
public:
    // Type sous-jacent fixe : une valeur hors liste reste representable et
    // doit etre signalee, pas provoquer un comportement indefini.
    enum MonEnumerationLog : int {
        LogEcran = 0,
        LogFichier = 1,
        LogEcranEtFichier = 2,
        LogVideFichier = 3
    };

    std::string Version = "V 1.6.3";
    std::string DateBuild = "150418";
    std::string Banniere;
    std::string FinDeLigne = plateforme::FinDeLigne;
    // Un cran de retrait du texte genere, que rendent Tab() et Tab(n).
    std::string Tabulation = "\t";
    std::string Cle = "471902635518";
    std::string PrefixeErreur = "ERREUR:";
    std::string Guillemet = "\"";
    std::string Apostrophe = "'";
    std::string MotCleRacine;
    std::string MotCleRepertoireSources;
    std::string MotCleRepertoireCible;
    std::string MotCleServeur;
    std::string MotCleUtilisateur;
    std::string MotCleMotDePasse;
    std::string MotCleDatabase;
    std::string MotCleFichierLog;
    std::string MotCleReferenceGlobal;
    std::string MotCleFichierACopier;
    std::string MotCleRepertoireInclude;
    std::string MotCleSeparateur;
    std::string MotClePrefixeTables;
    std::string MotCleFichierInclude;
    std::string NomFichierConnexion;
    // Le fichier d'appui des pages de formulaire (la classe FormLien), copie comme la connexion.
    std::string NomFichierAppuiForm = "CVForm.php";
    // Le registre : une anomalie (AddWarning) est un avertissement, elle
    // n'arrete jamais l'execution ; une erreur l'arrete a la fermeture d'etape.
    std::string ListeErreurs;
    std::string ListeAnomalies;
    int NbErreurs = 0;
    int NbErreursDepuisInit = 0;
    int NbAnomalies = 0;
    int NbAnomaliesDepuisInit = 0;
    int Bavard = 0;
    std::string CheminAppli;
    std::string Racine;
    std::string RepertoireSources;
    std::string RepertoireIncludeSources;
    std::string RepertoireCible;
    std::string RepertoireIncludeCible;
    std::string ServeurMysql;
    std::string UtilisateurMysql;
    std::string MotDePasseMysql;
    std::string DatabaseMysql;
    std::string NomRepertoireInclude;
    std::string FichierLog;
    std::string FichierReferenceGlobal;
    std::string Separateur = plateforme::Separateur;
    std::string PrefixeTables;
    std::string PrefixeFichierClasse;
    std::vector<std::string> ListeFichiersInclude;
    std::vector<std::string> ListeFichiersACopier;
    std::string EnteteAnomalies = "Des anomalies sont detectees" + FinDeLigne;
    std::string EnteteErreurs = "Des erreurs sont detectees" + FinDeLigne;
    Fichier FichierTrace;

    Parametrage();
    virtual ~Parametrage();
    Parametrage(const Parametrage&) = delete;
    Parametrage& operator=(const Parametrage&) = delete;

    // Journal et registre.
    void Log(std::string texte, MonEnumerationLog niveau);
    void LogSansCR(std::string texte, MonEnumerationLog niveau);
    void AddErreur(std::string message);
    void AddWarning(std::string message);
    void initErreur();
    int GestionErreur(int code, std::string mode, MonEnumerationLog niveau);

    // Petites fonctions de texte.
    // Un cran de retrait ; n crans ("" pour n < 1).
    std::string Tab() const;
    std::string Tab(int n) const;
    std::string Pluriel(int n);
    void SetFichierLog(std::string nom);
    std::string ConvertIntToString(int n);
    std::string TrimSlash(std::string texte) const;
    std::string ChangeExtention(std::string nom, std::string extension);
    std::string DeCrypt(std::string texte, std::string cle);
    // Une ligne Require_once par fichier a inclure, retrait d'une tabulation ; "" sans fichier.
    std::string GenereListeInclude() const;

    // Fichier de configuration, controles, chemins et repertoires.
    std::string ChargeConfiguration(std::string nomFichier);
    void VerificationConfiguration(int make, int sgbd, int form);
    void VerificationConfigurationSGBDIdentifiant(int sgbd);
    void ConstructionDesChemins();
    void VerificationExistenceChemin(int make, int sgbd, int form);
    void CopieFichierConnexion(std::string repertoire);
    // La seule copie de fichier du programme. Un echec est une anomalie, `anomalie` suivie de la
    // raison quand `raison` le demande ; rend vrai quand la cible est la copie de la source. Avec
    // `uneFois`, une cible deja ecrite ainsi par le lancement ne l'est pas de nouveau. Une copie qui
    // remplacerait un autre fichier de l'execution, ou dont la source en est un que l'execution a
    // ecrit sous un autre nom, n'est pas faite : une anomalie le dit.
    bool CopieFichier(const std::string& source, const std::string& cible, const std::string& anomalie,
                      bool raison = true, bool uneFois = true);

    // Les repertoires et la reference du site tels que ConstructionDesChemins les fait (deja faits
    // ou non) : ce que lisent les releves des fichiers de l'execution, avant les controles aussi.
    struct CheminsDuSite {
        std::string Sources, IncludeSources, Cible, IncludeCible, Reference;
    };
    CheminsDuSite Chemins() const;

    // Aucun fichier que l'execution ecrit n'est, sous un autre nom (lien, second nom, autre chemin),
    // un fichier qu'elle lit ou ecrit ailleurs. `ReleveFichiers`, que pose main, declare tous ceux
    // de l'execution : il n'est appele qu'a la premiere ecriture qui changerait un fichier deja la,
    // ou creerait un fichier au bout d'un lien pendant ; chaque ecriture est notee (NoteEcriture).
    // `complet` faux : sans les pages de make (ni leurs cibles ni les references qu'elles nomment),
    // sauf celles qui sont des liens ; ce qu'il faut a la trace, a chaque execution.
    std::function<void(plateforme::Registre&, bool complet)> ReleveFichiers;
    // La garde d'une ecriture du chemin : elle la refuse quand FichierRemplace nomme un fichier,
    // rendu dans `autre`. A passer telle quelle a l'ecriture (plateforme::Garde la designe).
    auto GardeEcriture(const std::string& chemin, std::string& autre, std::string origine = "") {
        return [this, &chemin, &autre, origine] {
            autre = FichierRemplace(chemin, origine);
            return autre.empty();
        };
    }
    // Le fichier que l'execution vient d'ecrire sous ce chemin (son numero, "dev:ino").
    void NoteEcriture(const std::string& chemin, const plateforme::Numeros& numeros, const std::string& origine = "");
    // L'origine des classes de la table que sgbd ecrit : les deux fichiers de la classe ont le meme texte.
    static std::string OrigineClasse(const std::string& nomFichier) { return "classe:" + nomFichier; }
    // Declare une copie : son original, et sa cible sauf quand elle est l'original meme (un
    // repertoire partage), qu'elle ne peut changer.
    static void DeclareCopie(plateforme::Registre& registre, const std::string& source, const std::string& cible);
    // Le fichier que l'execution a ecrit et qui est, sous un autre nom que `chemin`, le fichier lu
    // de numero `numero` ; "" sinon.
    std::string FichierEcrit(const std::string& chemin, const std::string& numero);
    // Ecrit le fichier en entier (Fichier::RemplaceFichier) sous la garde de l'execution, et note
    // l'ecriture : plateforme::Refusee, et le fichier qu'elle remplacerait dans `autre`, quand la
    // garde la refuse.
    int EcritFichier(const std::string& chemin, const std::string& texte, std::string& autre,
                     const std::string& origine = "");
    // Avant que la trace ne soit videe : une trace qui a un autre nom que le sien (lien, second nom,
    // repertoire atteint par un lien) ne doit etre aucun fichier de l'execution. Sinon, une erreur
    // le dit, et la trace n'est plus ecrite : l'etape s'arrete, son message a la console seule.
    void ControleTrace();
    // Declare les fichiers de toute execution : la configuration, la trace, les fichiers a inclure
    // et les fichiers d'appui du programme.
    void FichiersDeLExecution(const std::string& configuration, plateforme::Registre& registre) const;

private:
    // Le fichier de l'execution que l'ecriture du chemin changerait sous un autre nom ; "" sinon.
    // `origine` : d'ou vient le texte ecrit, quand un autre fichier ecrit recoit le meme
    // (plateforme::Registre::Ajoute) ; un tel fichier n'est pas compte.
    std::string FichierRemplace(const std::string& chemin, const std::string& origine = "");
    // La meme recherche, sans relever les fichiers de l'execution.
    std::string AutreFichier(const std::string& chemin, const std::string& origine = "");
    // L'origine d'une copie : l'original lui-meme (son numero), quel que soit le chemin qui y mene.
    static std::string OrigineCopie(const std::string& numeroSource);
    // Le releve des fichiers de l'execution, complet ou non (ReleveFichiers), fait une fois.
    void Releve(bool complet);
    plateforme::Registre Fichiers;
    bool FichiersReleves = false, ReleveComplet = false;
    bool CheminsConstruits = false;
    // Les cibles que CopieFichier a deja ecrites une fois pour toutes, chemins normalises.
    std::set<std::string> CiblesCopiees;
    void Journalise(const std::string& texte, MonEnumerationLog niveau, bool finDeLigne);
};

#endif
