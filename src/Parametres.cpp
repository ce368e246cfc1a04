#include "Parametres.h"

#include <cstdlib>
#include <iostream>

#include "Utiles.h"

namespace {

bool Contient(const std::string& texte, const std::string& motif) { return texte.find(motif) != std::string::npos; }

}  // namespace

Parametrage::Parametrage() {
    // Les mots fixes du programme sont conserves brouilles, rendus lisibles par DeCrypt avec la cle ;
    // chacun est dit en clair a cote. La banniere, "corvalite V 1.6.3 Build (150418) - Generateur de
    // sites PHP et MySQL", a deux morceaux brouilles : "corvalite " et " Generateur de sites PHP et MySQL".
    Banniere = DeCrypt("PKKTD]WYGMBVSOQ]LLr9", Cle) + Version + " Build (" + DateBuild + ") -" +
               DeCrypt("m8qbDPWQGQB~SGQ]LLT~Z]y<PLKJw5WVGUB^SKQ~n9riZ3ylm8KJD_z=G9BcS9thL3", Cle);
    MotCleRacine = DeCrypt("P:q~D.zfG:k[S#", Cle);  // "RACINE="
    MotCleRepertoireSources = DeCrypt("P;qjD@zoG/k[S#", Cle);  // "SOURCE="
    MotCleRepertoireCible = DeCrypt("P+qdD-ziG1kS", Cle);  // "CIBLE="
    MotCleServeur = DeCrypt("P0qjD>zqG)", Cle);  // "HOST="
    MotCleUtilisateur = DeCrypt("P=qnD0zoG)", Cle);  // "USER="
    MotCleMotDePasse = DeCrypt("P5q_D;zZ", Cle);  // "MDP="
    MotCleDatabase = DeCrypt("P,q~wiz^G.kWS9t~L$", Cle);  // "DATABASE="
    MotCleFichierLog = DeCrypt("P.qdD.zeG5k[S8tvL3rhZ2yY", Cle);  // "FICHIER_LOG="
    MotCleReferenceGlobal = DeCrypt("P:q`D1z|G3kbS5tYL(reZ0yY", Cle);  // "REF_GLOBALE="
    MotCleFichierACopier = DeCrypt("P.qdD.zeG5k[S8tvL(rxZ.ykP8qdD0zoG)", Cle);  // "FICHIER_A_COPIER="
    MotCleRepertoireInclude = DeCrypt("P:q`D;zbG>kjS5t`L9r^ZJyeP6q^D7zrG0k[S#", Cle);  // "REPERTOIRE_INCLUDE="
    MotCleSeparateur = DeCrypt("P;q`D;zoG1kfS#", Cle);  // "SEPREP="
    MotClePrefixeTables = DeCrypt("P8qmD0zcG5knS+tvL;rZZ-yhP-qX", Cle);  // "PREFIXE_TABLE="
    MotCleFichierInclude = DeCrypt("P.qdD.zeG5k[S8tvL(rxZ4yjP+qgD@zoG1kS", Cle);  // "FICHIER_A_INCLURE="
    NomFichierConnexion = DeCrypt("P+qqD.WOGMB]SYtvLFr|ZZMRPVKJDcWLG[BXvHQYLOTW", Cle);  // "CVClass__connexion.php"
    PrefixeFichierClasse = DeCrypt("P+qqD.WOGMB]SYtv", Cle);  // "CVClass_"
}

Parametrage::~Parametrage() {}

// ---------------------------------------------------------------- journal

void Parametrage::Log(std::string texte, MonEnumerationLog niveau) { Journalise(texte, niveau, true); }

void Parametrage::LogSansCR(std::string texte, MonEnumerationLog niveau) { Journalise(texte, niveau, false); }

// La fin de ligne ne va qu'a la console : le fichier de trace recoit le texte tel quel.
void Parametrage::Journalise(const std::string& texte, MonEnumerationLog niveau, bool finDeLigne) {
    if (niveau == LogVideFichier) {
        FichierTrace.VideFichier(FichierLog);
        // Une page, une reference ou une description qui serait la trace sous un autre nom se voit
        // a sa lecture (FichierEcrit).
        if (!FichierLog.empty()) NoteEcriture(FichierLog, {"", plateforme::NumeroDuChemin(FichierLog)});
        return;
    }
    if (niveau != LogEcran && niveau != LogFichier && niveau != LogEcranEtFichier) {
        std::cerr << "Pb de sortie log!!!";
        return;
    }
    if (niveau != LogFichier) {
        std::cerr << texte;
        if (finDeLigne) std::cerr << std::endl;
    }
    if (niveau == LogEcran || FichierLog.empty()) return;
    if (finDeLigne) FichierTrace.EcrisFichier(FichierLog, texte);
    else FichierTrace.EcrisFichierSansCR(FichierLog, texte);
}

void Parametrage::AddErreur(std::string message) {
    if (NbErreursDepuisInit == 0) ListeErreurs += EnteteErreurs;
    ListeErreurs += message + FinDeLigne;
    ++NbErreursDepuisInit;
    ++NbErreurs;
}

void Parametrage::AddWarning(std::string message) {
    if (NbAnomaliesDepuisInit == 0) ListeAnomalies += EnteteAnomalies;
    ListeAnomalies += message + FinDeLigne;
    ++NbAnomaliesDepuisInit;
    ++NbAnomalies;
}

void Parametrage::initErreur() {
    ListeErreurs.clear();
    ListeAnomalies.clear();
    NbErreurs = 0;
    NbErreursDepuisInit = 0;
    NbAnomalies = 0;
    NbAnomaliesDepuisInit = 0;
}

int Parametrage::GestionErreur(int code, std::string mode, MonEnumerationLog niveau) {
    if (NbErreurs > 0) {
        Log(ListeAnomalies, niveau);
        Log(ListeErreurs, niveau);
        std::exit(code);
    }
    if (NbAnomalies > 0 && mode == "F") {
        Log(ListeAnomalies, niveau);
        initErreur();
        return 1;
    }
    return 0;
}

// ---------------------------------------------------------------- texte

std::string Parametrage::Tab() const { return Tabulation; }

std::string Parametrage::Tab(int n) const {
    std::string retrait;
    for (int i = 0; i < n; ++i) retrait += Tab();
    return retrait;
}

std::string Parametrage::Pluriel(int n) { return n > 1 ? "s" : ""; }

std::string Parametrage::GenereListeInclude() const {
    Emetteur e(1, Tab());
    for (const std::string& include : ListeFichiersInclude) e.Ligne("Require_once(\"" + include + "\");");
    return e.Prends();
}

void Parametrage::SetFichierLog(std::string nom) { FichierLog = nom; }

std::string Parametrage::ConvertIntToString(int n) { return std::to_string(n); }

std::string Parametrage::TrimSlash(std::string texte) const {
    if (texte.size() < 2) return texte;
    if (texte.front() == '\\') texte.erase(0, 1);
    if (!texte.empty() && texte.back() == '\\') texte.pop_back();
    return texte;
}

std::string Parametrage::ChangeExtention(std::string nom, std::string extension) {
    // Seul un point du dernier element du chemin, et pas en tete de cet
    // element, annonce une extension : "conf.d/site" n'en a pas.
    std::string::size_type separateur = nom.find_last_of("\\/");
    std::string::size_type debutNom = separateur == std::string::npos ? 0 : separateur + 1;
    std::string::size_type point = nom.find_last_of('.');
    if (point == std::string::npos || point <= debutNom) return nom + extension;
    return nom.substr(0, point) + extension;
}

std::string Parametrage::DeCrypt(std::string texte, std::string cle) {
    std::string resultat;
    if (cle.empty()) return resultat;
    std::string::size_type k = 0;
    for (std::string::size_type p = 0; p < texte.size(); p += 2) {
        signed char selecteur = static_cast<signed char>(texte[p]);
        int x = p + 1 < texte.size() ? static_cast<unsigned char>(texte[p + 1]) : 0;
        if (x == '~') x = '\\';
        int d = cle[k] - '0';
        int sortie = selecteur <= 0x60 ? x + d + 20 : x - d - 20;
        resultat += static_cast<char>(((sortie % 256) + 256) % 256);
        if (++k == cle.size()) k = 0;
    }
    return resultat;
}

// ---------------------------------------------------------------- configuration

std::string Parametrage::ChargeConfiguration(std::string nomFichier) {
    NbErreurs = 0;
    NbAnomalies = 0;
    Fichier fichier;
    std::vector<std::string> lignes;
    std::string echec = fichier.LisFichier(nomFichier, lignes);
    if (!echec.empty()) {
        AddErreur(echec);
        return "";
    }
    struct Reglage {
        const std::string& motCle;
        std::string* valeur;
        std::vector<std::string>* liste;
    };
    const Reglage reglages[] = {
        {MotCleRacine, &Racine, nullptr},
        {MotCleRepertoireSources, &RepertoireSources, nullptr},
        {MotCleRepertoireCible, &RepertoireCible, nullptr},
        {MotCleServeur, &ServeurMysql, nullptr},
        {MotCleUtilisateur, &UtilisateurMysql, nullptr},
        {MotCleMotDePasse, &MotDePasseMysql, nullptr},
        {MotCleDatabase, &DatabaseMysql, nullptr},
        {MotCleReferenceGlobal, &FichierReferenceGlobal, nullptr},
        {MotCleRepertoireInclude, &NomRepertoireInclude, nullptr},
        {MotCleSeparateur, &Separateur, nullptr},
        {MotClePrefixeTables, &PrefixeTables, nullptr},
        {MotCleFichierACopier, nullptr, &ListeFichiersACopier},
        {MotCleFichierInclude, nullptr, &ListeFichiersInclude},
    };
    for (const std::string& ligne : lignes) {
        if (!ligne.empty() && ligne[0] == '#') continue;
        for (const Reglage& reglage : reglages) {
            if (!Contient(ligne, reglage.motCle)) continue;
            // La valeur commence a la longueur du mot cle, ou qu'il soit dans la ligne.
            std::string valeur = ligne.substr(reglage.motCle.size());
            if (reglage.valeur != nullptr) *reglage.valeur = valeur;
            else reglage.liste->push_back(valeur);
        }
    }
    return "";
}

void Parametrage::VerificationConfiguration(int make, int sgbd, int form) {
    NbErreurs = 0;
    NbAnomalies = 0;
    if (make + sgbd + form == 0) AddErreur("Aucune fonction (make,sgbd,form) n'est active, rien ne sera fait.");
    if (Racine.empty())
        AddErreur("Le chemin de la racine (" + MotCleRacine + ") du site n'est pas defini.");
    if (FichierLog.empty())
        AddErreur("Le nom du fichier de log (" + MotCleFichierLog + ") (ex: mon_site.log), n'est pas defini.");
    if (RepertoireSources.empty() && make != 1)
        AddErreur("Le nom  du repertoire des sources (" + MotCleRepertoireSources +
                  ") (ex: sources) du site n'est pas defini.");
    if (RepertoireCible.empty() && make != 1)
        AddErreur("Le nom du repertoire cible (" + MotCleRepertoireCible +
                  ") (ex: cible) pour generation du site n'est pas defini.");
    if (NomRepertoireInclude.empty() && !(make == 1 && sgbd != 1))
        AddErreur("Le nom du repertoire include (" + MotCleRepertoireInclude +
                  ") (ex: include) pour generation du site n'est pas defini.");
    if (ListeFichiersInclude.empty() && make > 0) AddWarning("Il n'y a pas de fichier a inclure dans le projet.");
    for (const std::string& include : ListeFichiersInclude) {
        if (Contient(include, Apostrophe))
            AddErreur("Un fichier a inclure (" + include + ") contient un " + Apostrophe + ".");
        if (Contient(include, Guillemet))
            AddErreur("Le fichier a inclure (" + include + ") contient un " + Guillemet + ".");
        std::string chemin = Racine + Separateur + RepertoireSources + Separateur + NomRepertoireInclude +
                             Separateur + include;
        if (!Fichier().IsFileExist(chemin)) AddWarning("Le fichier a inclure (" + chemin + ") n'existe pas.");
    }
    if (FichierReferenceGlobal.empty() && make != 1)
        AddWarning("Le nom du fichier de reference global (" + MotCleReferenceGlobal +
                   ") (ex: ref.htm), n'est pas defini.");
    if (Separateur.empty()) AddWarning("Le separateur de repertoire n'est pas defini.");
    if (PrefixeTables.empty())
        AddWarning("Le prefixe des tables de la base MySql (" + MotClePrefixeTables +
                   ") (ex: CLASS_), n'est pas defini. (Par defaut : " + Apostrophe + Apostrophe + ")");
    // Le prefixe finit dans le SQL et les chaines PHP des classes generees : rien
    // d'autre qu'un morceau de nom ne doit pouvoir y entrer.
    if (!Utiles::CaracteresIdentifiant(PrefixeTables))
        AddErreur("Le prefixe des tables de la base MySql (" + MotClePrefixeTables + PrefixeTables +
                  ") ne doit contenir que des lettres sans accent, des chiffres et des _.");
}

void Parametrage::VerificationConfigurationSGBDIdentifiant(int sgbd) {
    if (sgbd < 1) return;
    if (ServeurMysql.empty())
        AddErreur("Le nom du serveur MYQSL (" + MotCleServeur +
                  ") (ex: 192.168.1.5) pour se connecter a MYSQL, n'est pas defini.");
    if (UtilisateurMysql.empty())
        AddErreur("Le nom de l'utilisateur du serveur MYQSL (" + MotCleUtilisateur +
                  ") (ex: 192.168.1.5) pour se connecter a MYSQL, n'est pas defini.");
    if (MotDePasseMysql.empty())
        AddWarning("Le mot de passe de l'utilisateur du serveur MYQSL (" + MotCleMotDePasse +
                   ") (ex: zelp) pour se connecter a MYSQL, n'est pas defini.");
    if (DatabaseMysql.empty())
        AddWarning("La database du serveur MYQSL (" + MotCleDatabase + "), n'est pas defini.");
}

void Parametrage::ConstructionDesChemins() {
    NbErreurs = 0;
    NbAnomalies = 0;
    const CheminsDuSite chemins = Chemins();
    RepertoireSources = chemins.Sources;
    RepertoireCible = chemins.Cible;
    RepertoireIncludeSources = chemins.IncludeSources;
    RepertoireIncludeCible = chemins.IncludeCible;
    FichierReferenceGlobal = chemins.Reference;
    CheminsConstruits = true;
}

Parametrage::CheminsDuSite Parametrage::Chemins() const {
    if (CheminsConstruits)
        return {RepertoireSources, RepertoireIncludeSources, RepertoireCible, RepertoireIncludeCible, FichierReferenceGlobal};
    const std::string& s = Separateur;
    CheminsDuSite c;
    c.Sources = TrimSlash(Racine) + s + TrimSlash(RepertoireSources) + s;
    c.Cible = TrimSlash(Racine) + s + TrimSlash(RepertoireCible) + s;
    c.IncludeSources = TrimSlash(c.Sources) + s + TrimSlash(NomRepertoireInclude) + s;
    c.IncludeCible = TrimSlash(c.Cible) + s + TrimSlash(NomRepertoireInclude) + s;
    c.Reference = TrimSlash(Racine) + s + TrimSlash(FichierReferenceGlobal);
    return c;
}

void Parametrage::VerificationExistenceChemin(int make, int, int) {
    NbErreurs = 0;
    NbAnomalies = 0;
    Fichier fichier;
    if (!fichier.IsPathExist(Racine + Separateur + "."))
        AddErreur("Le repertoire racine n'existe pas:" + Racine + FinDeLigne);
    if (make != 1) return;
    const std::pair<const char*, const std::string*> repertoires[] = {
        {"Le repertoire source n'existe pas:", &RepertoireSources},
        {"Le repertoire include de la source n'existe pas:", &RepertoireIncludeSources},
        {"Le repertoire cible n'existe pas:", &RepertoireCible},
        {"Le repertoire include de la cible n'existe pas:", &RepertoireIncludeCible},
    };
    for (const auto& [message, chemin] : repertoires)
        if (!fichier.IsPathExist(*chemin)) AddErreur(message + *chemin + FinDeLigne);
    // make ecrit ses pages dans la cible : si c'est la source, il ecraserait
    // les pages qu'il lit.
    if (plateforme::MemeRepertoire(RepertoireSources, RepertoireCible))
        AddErreur("Le repertoire source et le repertoire cible sont identiques:" + RepertoireSources + FinDeLigne);
}

// Le fichier deja dans l'include n'est pas recopie : c'est la garde de cette copie, qui ne compte
// donc pas parmi les cibles ecrites une fois (make recopie ensuite le fichier avec ses appuis).
void Parametrage::CopieFichierConnexion(std::string repertoire) {
    if (Fichier().IsFileExist(RepertoireIncludeSources + NomFichierConnexion)) return;
    const std::string source = plateforme::Joindre(CheminAppli, Separateur, NomFichierConnexion);
    // Le repertoire garde son separateur final (RepertoireIncludeSources en a un) : le message
    // montre alors deux separateurs, que le systeme lit comme un seul.
    const std::string destination = plateforme::Joindre(repertoire, Separateur, NomFichierConnexion);
    CopieFichier(source, destination, "Le fichier " + source + " n'a pu etre copie dans " + destination, true, false);
}

bool Parametrage::CopieFichier(const std::string& source, const std::string& cible, const std::string& anomalie,
                               bool raison, bool uneFois) {
    const std::string normal = plateforme::CheminNormal(cible);
    if (uneFois && !CiblesCopiees.insert(normal).second) return true;
    const std::string numeroSource = plateforme::NumeroDuChemin(source);
    if (const std::string ecrit = FichierEcrit(source, numeroSource); !ecrit.empty()) {
        if (uneFois) CiblesCopiees.erase(normal);
        AddWarning("La copie de " + source + " vers " + cible + " n'est pas faite : " + source +
                   " est un lien ou un second nom de " + ecrit + ", que l'execution ecrit.");
        return false;
    }
    // Deux copies du meme original ont le meme texte : qu'elles soient un seul fichier ne perd rien.
    const std::string origine = OrigineCopie(numeroSource);
    Fichier fichier;
    std::string autre;
    plateforme::Numeros numeros;
    const int code = fichier.CopieFichier(source, cible, GardeEcriture(cible, autre, origine), &numeros);
    if (code == 0) {
        // Une copie sur son original meme (un repertoire partage) n'a rien ecrit.
        if (numeros.Apres != numeroSource) NoteEcriture(cible, numeros, origine);
        return true;
    }
    if (uneFois) CiblesCopiees.erase(normal);
    if (code == plateforme::Refusee)
        AddWarning("La copie de " + source + " vers " + cible + " remplacerait " + autre +
                   " (un lien ou un second nom) : elle n'est pas faite.");
    else AddWarning(anomalie + (raison ? FinDeLigne + fichier.LibelleErreur(code) + FinDeLigne : ""));
    return false;
}

// ---------------------------------------------------------------- fichiers de l'execution

void Parametrage::DeclareCopie(plateforme::Registre& registre, const std::string& source, const std::string& cible) {
    registre.Ajoute(source);
    if (!registre.Connu(cible) && !plateforme::MemeFichier(source, cible))
        registre.Ajoute(cible, OrigineCopie(plateforme::NumeroDuChemin(source)));
}

std::string Parametrage::OrigineCopie(const std::string& numeroSource) {
    return numeroSource.empty() ? "" : "copie:" + numeroSource;
}

// Le releve partiel est complete par le releve complet : les fichiers deja declares gardent leur entree.
void Parametrage::Releve(bool complet) {
    if (ReleveComplet || (FichiersReleves && !complet)) return;
    FichiersReleves = true;
    ReleveComplet = complet;
    if (ReleveFichiers) ReleveFichiers(Fichiers, complet);
}

std::string Parametrage::FichierRemplace(const std::string& chemin, const std::string& origine) {
    Releve(true);
    return AutreFichier(chemin, origine);
}

std::string Parametrage::AutreFichier(const std::string& chemin, const std::string& origine) {
    return Fichiers.Autre(chemin, Fichiers.ClesDe(chemin), false, origine);
}

void Parametrage::NoteEcriture(const std::string& chemin, const plateforme::Numeros& numeros, const std::string& origine) {
    Fichiers.Ecrit(chemin, numeros, origine);
}

// Un fichier que l'execution a ecrit sous ce chemin meme, lu ensuite : un autre fichier ecrit du meme
// texte (meme origine) peut en etre un second nom.
std::string Parametrage::FichierEcrit(const std::string& chemin, const std::string& numero) {
    if (numero.empty()) return "";
    const std::string autre = Fichiers.Autre(chemin, {numero, ""}, true);
    const std::string origine = autre.empty() ? "" : Fichiers.Origine(chemin);
    return origine.empty() ? autre : Fichiers.Autre(chemin, {numero, ""}, true, origine);
}

int Parametrage::EcritFichier(const std::string& chemin, const std::string& texte, std::string& autre,
                              const std::string& origine) {
    plateforme::Numeros numeros;
    const int code = plateforme::RemplaceFichier(chemin, texte, GardeEcriture(chemin, autre, origine), &numeros);
    if (code == 0) NoteEcriture(chemin, numeros, origine);
    return code;
}

void Parametrage::FichiersDeLExecution(const std::string& configuration, plateforme::Registre& registre) const {
    registre.Ajoute(configuration);
    if (!FichierLog.empty()) registre.Ajoute(FichierLog);
    const std::string includes = Chemins().IncludeSources;
    for (const std::string& include : std::set<std::string>(ListeFichiersInclude.begin(), ListeFichiersInclude.end()))
        registre.Ajoute(includes + include);
    for (const std::string* appui : {&NomFichierAppuiForm, &NomFichierConnexion})
        registre.Ajoute(plateforme::Joindre(CheminAppli, Separateur, *appui));
}

// Une trace qui n'a que son nom peut encore etre le fichier d'un lien de l'execution (une
// configuration qui mene a elle) : le releve partiel, fait a chaque execution, les connait, sauf les
// references que seules nomment les pages.
void Parametrage::ControleTrace() {
    if (FichierLog.empty()) return;
    Releve(!plateforme::NomUnique(FichierLog));
    const std::string autre = AutreFichier(FichierLog);
    if (autre.empty()) return;
    AddErreur("Le fichier de trace " + FichierLog + " est un lien ou un second nom de " + autre +
              ", qu'il remplacerait : il n'est pas ecrit.");
    FichierLog.clear();
}
