#include "FrwSgbd.h"

#include <cctype>

#include "Utiles.h"
#include "classe_fichier.h"
#include "plateforme.h"

namespace {

const char* const BrouilleFichierConnexion = "P+qqD.WOGMB]SYtvLFr|ZZMRPVKJDcWLG[BXvHQYLOTW";

bool EstNumerique(const std::string& type) {
    static const char* const numeriques[] = {"tinyint", "bigint", "smallint", "int", "long", "decimal", "float"};
    for (const char* t : numeriques)
        if (type == t) return true;
    return false;
}

// Un litteral numerique simple (-12, 1.50, +3e2), le seul qu'on ose ecrire tel quel en PHP.
bool EstLitteralNumerique(const std::string& texte) {
    size_t i = 0, chiffres = 0;
    if (i < texte.size() && (texte[i] == '-' || texte[i] == '+')) ++i;
    for (; i < texte.size() && std::isdigit(static_cast<unsigned char>(texte[i])); ++i) ++chiffres;
    if (i < texte.size() && texte[i] == '.')
        for (++i; i < texte.size() && std::isdigit(static_cast<unsigned char>(texte[i])); ++i) ++chiffres;
    if (chiffres > 0 && i < texte.size() && (texte[i] == 'e' || texte[i] == 'E')) {
        size_t exposant = ++i;
        if (i < texte.size() && (texte[i] == '-' || texte[i] == '+')) ++i;
        size_t debut = i;
        for (; i < texte.size() && std::isdigit(static_cast<unsigned char>(texte[i])); ++i) {}
        if (i == debut || exposant == texte.size()) return false;
    }
    return chiffres > 0 && i == texte.size();
}

}  // namespace

std::string ChainePhp(const std::string& texte) {
    std::string resultat;
    for (char c : texte) {
        if (c == '\\' || c == '"' || c == '$') resultat += '\\';
        resultat += c;
    }
    return resultat;
}

FrwSgbd::FrwSgbd(Parametrage& param) : Param(param), FinDeLigne("\n"), SuffixeRequete("") {
    NomFichierConnexion = Param.DeCrypt(BrouilleFichierConnexion, Param.Cle);
}

FrwSgbd::~FrwSgbd() {}

std::string FrwSgbd::AfficheVersionMySql() { return VersionMysql; }

std::string FrwSgbd::Ligne(int retrait, const std::string& texte) { return Param.Tab(retrait) + texte + FinDeLigne; }

void FrwSgbd::CreeRepertoiresDuSite() {
    Fichier fichier;
    for (const std::string* repertoire : {&Param.RepertoireSources, &Param.RepertoireIncludeSources,
                                          &Param.RepertoireCible, &Param.RepertoireIncludeCible}) {
        std::string chemin = *repertoire;
        if (!chemin.empty()) chemin.pop_back();
        if (fichier.IsPathExist(chemin)) continue;
        Param.AddWarning("Le repertoire " + chemin + " a ete creer.");
        if (!plateforme::CreeRepertoire(chemin)) Param.AddErreur("Error de creation du repertoire " + chemin);
    }
}

std::string FrwSgbd::PrepareFichierClasse(std::string serveur, std::string database, std::string utilisateur,
                                          std::string motDePasse) {
    Param.NbErreurs = 0;
    Param.NbAnomalies = 0;
    if (database.empty()) {
        Param.AddErreur("Aucune nom de base de donnees n'a ete fourni (" + Param.MotCleDatabase + ").");
        return "NOK";
    }
    BaseMysql base(Param);
    base.OuvreBase(serveur, database, utilisateur, motDePasse);
    VersionMysql = base.ChercheVersion_MYSQL();
    if (Param.Bavard > 0)
        VersionMysql += "Connexion avec Host=" + serveur + ",Database=" + database + ",User=" + utilisateur +
                        ",Mdp=" + motDePasse + FinDeLigne;
    Param.GestionErreur(-220, "", Parametrage::LogEcranEtFichier);
    if (!base.FaitListeTable(database, ListeTables).empty())
        Param.AddErreur("Erreur a la constitution de la liste des tables.");
    Param.GestionErreur(-230, "", Parametrage::LogEcranEtFichier);
    CreeRepertoiresDuSite();

    // Chaque table a son propre point de controle (-240), mais ce que les
    // tables precedentes ont enregistre doit encore atteindre la fin de l'etape.
    int erreurs = Param.NbErreurs;
    int anomalies = Param.NbAnomalies;
    std::string rapport;
    for (const std::string& table : ListeTables) {
        rapport += "Traitement table:" + table + FinDeLigne;
        Param.NbErreurs = 0;
        Param.NbAnomalies = 0;
        ListeChamps.clear();
        if (!base.FaitListeChamps(database, table, ListeChamps).empty())
            Param.AddErreur("Erreur a la constitution de la liste des champs.");
        Param.GestionErreur(-240, "", Parametrage::LogEcranEtFichier);
        std::string nom = Param.PrefixeFichierClasse + table + ".php";
        if (nom == NomFichierConnexion) {
            Param.AddErreur("La classe de la table " + table + " n'est pas ecrite : son fichier " + nom +
                            " serait le fichier de connexion.");
        } else {
            std::string classe = ConstruitClasse(table);
            Fichier fichier;
            for (const std::string* repertoire : {&Param.RepertoireIncludeSources, &Param.RepertoireIncludeCible}) {
                int code = fichier.RemplaceFichier(*repertoire + nom, classe);
                if (code != 0) Param.AddErreur(fichier.LibelleErreur(code));
            }
        }
        erreurs += Param.NbErreurs;
        anomalies += Param.NbAnomalies;
    }
    Param.NbErreurs = erreurs;
    Param.NbAnomalies = anomalies;
    return rapport;
}

std::string FrwSgbd::ConstruitClasse(const std::string& t) {
    return CreerEntete(t) + CreerDeclarations() + CreerConstructeur(t) + CreerInitVariable() +
           CreerTransfertChamps() + ConstruitFonctionVar2Tab() + ConstruitAfficheVarClasse(t) +
           ConstruitFonctionPost2Var() + ConstruitFonctionVar2Post() + ConstruitRequeteParcours(t) +
           ConstruitParcoursNext(t) + ConstruitDonneLigne() + ConstruitRequeteCherche(t) +
           ConstruitRequetesCherche(t) + ConstruitRequeteInsertion(t) + ConstruitRequeteUpdateAll(t) +
           ConstruitRequetesUpdate(t) + ConstruitRequeteDelete(t) + ConstruitRequeteExecute(t) +
           ConstruitVerifie_erreur() + CreerFin(t);
}

std::string FrwSgbd::DonneTypeChamp(std::string typeSgbd) {
    static const char* const caracteres[] = {"varchar", "char", "text", "datetime", "time", "date"};
    std::string type = "E";
    if (EstNumerique(typeSgbd)) type = "N";
    for (const char* t : caracteres)
        if (typeSgbd == t) type = "C";
    return type;
}

std::string FrwSgbd::VerifieEndroit(std::string endroit) {
    const std::string& q = Param.Guillemet;
    return "$this->erreur=$this->verifie_erreur($this->Resultat," + q + endroit + q + ",mysql_error() );";
}

std::string FrwSgbd::CreerEntete(std::string t) {
    return Ligne(0, "<?php") + FinDeLigne + Ligne(1, "// Classe : " + t) +
           Ligne(1, "// Fichier g\xE9n\xE9r\xE9 par " + Param.Banniere) +
           Ligne(1, "// Date de g\xE9n\xE9ration : " + Utiles::DateHeure("")) + FinDeLigne +
           Ligne(0, "class " + t + Param.Tab() + "{") + FinDeLigne;
}

std::string FrwSgbd::CreerDeclarations() {
    std::string texte = Ligne(1, "// Variable de la table.");
    for (const structTable& c : ListeChamps) texte += Ligne(1, "public $" + c.NomChamp + ";");
    texte += Ligne(1, "// Variable de la classe vers les enregistrements.");
    for (const structTable& c : ListeChamps) texte += Ligne(1, "private $v_" + c.NomChamp + ";");
    texte += Ligne(1, "// Variable Libell\xE9 des champs de la table.");
    for (const structTable& c : ListeChamps) texte += Ligne(1, "public" + Param.Tab() + "$Libelle_" + c.NomChamp + ";");
    texte += Ligne(1, "// Variable de la classe;");
    static const char* const fixes[] = {
        "public\t$Resultat;",        "public\t$TabChamps = array();", "public\t$TabChampsLibelle= array();",
        "private $data = array();",  "private $dataTab = array();",   "public\t$TabLongueurChamps;",
        "public\t$ChampTri;",        "public\t$ChampTriSens;",        "public\t$In;",
        "public\t$TabIn = array();", "public\t$ChampIn;",             "public\t$NbReponse=0;",
        "public\t$InsertionOK=0;",   "public\t$ModificationOK=0;",    "public\t$EffacementOK=0;",
        "public\t$OK=1;",            "public\t$NOK=0;",               "public\t$erreur=\"\";"};
    for (const char* ligne : fixes) texte += Ligne(1, ligne);
    return texte;
}

std::string FrwSgbd::CreerConstructeur(std::string t) {
    const std::string& q = Param.Guillemet;
    const std::string& a = Param.Apostrophe;
    const std::string commentaireLibelle =
        "// Le commentaire du champ dans mysql est vide, Le nom par defaut est initialis\xE9 avec son nom.";
    std::string texte = Ligne(1, "// Constructeur de la table " + t) + Ligne(1, "function " + t + "()" + Param.Tab() + "{") +
                        Ligne(2, "// Initialisation des libell\xE9s de champs.");
    std::string champs, numerotes, longueurs;
    int position = 0;
    for (const structTable& c : ListeChamps) {
        const std::string& f = c.NomChamp;
        if (c.Commentaire.empty())
            texte += Ligne(2, "$this->Libelle_" + f + "=" + q + f + q + "; " + commentaireLibelle);
        else
            texte += Ligne(2, "$this->Libelle_" + f + "=" + q + ChainePhp(c.Commentaire) + q + "; // " + commentaireLibelle);
        std::string separateur = position == 0 ? "" : ",";
        ++position;
        champs += separateur + a + f + a + " => " + q + f + q;
        numerotes += separateur + Param.ConvertIntToString(position) + " => " + q +
                     (c.Commentaire.empty() ? "Pas de commentaire dans SGBD pour ce champ." : ChainePhp(c.Commentaire)) + q;
        longueurs += separateur + q + f + q + " => " + q + c.Longueur + q;
    }
    texte += Ligne(2, "// Initialisation de la structure") + Ligne(2, "$this->InitVariable();") +
             Ligne(2, "// Tableau Champs Libelle") + Ligne(2, "$this->TabChamps = array(" + champs + ");") +
             Ligne(2, "// Tableau Champs Num\xE9rot\xE9") + Ligne(2, "$this->TabChampsLibNum = array(" + numerotes + ");") +
             Ligne(2, "// Tableau Libell\xE9 des Champs") +
             Ligne(2, "$this->TabLongueurChamps = array(" + longueurs + ");") + Ligne(2, "$this->ChampIn=\"\";") +
             Ligne(2, "$this->ChampTri=\"\";") + Ligne(2, "$this->ChampTriSens=\"\";") + Ligne(2, "$this->NbReponse=0;") +
             Ligne(1, "}") + FinDeLigne;
    return texte;
}

std::string FrwSgbd::ValeurInitiale(structTable& champ) {
    const std::string vide = Param.Guillemet + Param.Guillemet;
    if (champ.ValeurDefaut.empty()) return vide;
    if (champ.ValeurDefaut == "CURRENT_TIMESTAMP") champ.ValeurDefaut = Utiles::DateHeure_US("");
    // Une valeur par defaut qui n'est pas un nombre simple casserait le PHP genere.
    if (EstNumerique(champ.TypeSgbd) && EstLitteralNumerique(champ.ValeurDefaut)) return champ.ValeurDefaut;
    return vide;
}

std::string FrwSgbd::CreerInitVariable() {
    std::string texte = Ligne(1, "// Initialisation des variables.") +
                        Ligne(1, "function InitVariable()" + Param.Tab() + "{");
    for (structTable& c : ListeChamps) texte += Ligne(2, "$this->" + c.NomChamp + "=" + ValeurInitiale(c) + ";");
    texte += Ligne(1, "}") + FinDeLigne + Ligne(1, "// Initialisation des variables Virtuelles.") +
             Ligne(1, "private function InitVariableV()" + Param.Tab() + "{");
    for (structTable& c : ListeChamps) texte += Ligne(2, "$this->v_" + c.NomChamp + "=" + ValeurInitiale(c) + ";");
    return texte + Ligne(1, "}") + FinDeLigne;
}

// Methodes que la classe generee ne contient pas encore.
std::string FrwSgbd::CreerTransfertChamps() { return ""; }
std::string FrwSgbd::ConstruitFonctionVar2Tab() { return ""; }
std::string FrwSgbd::ConstruitAfficheVarClasse(std::string) { return ""; }
std::string FrwSgbd::ConstruitFonctionPost2Var() { return ""; }
std::string FrwSgbd::ConstruitFonctionVar2Post() { return ""; }
std::string FrwSgbd::ConstruitRequeteParcours(std::string) { return ""; }
std::string FrwSgbd::ConstruitParcoursNext(std::string) { return ""; }
std::string FrwSgbd::ConstruitDonneLigne() { return ""; }
std::string FrwSgbd::ConstruitRequeteCherche(std::string) { return ""; }
std::string FrwSgbd::ConstruitRequetesCherche(std::string) { return ""; }
std::string FrwSgbd::ConstruitRequeteInsertion(std::string) { return ""; }
std::string FrwSgbd::ConstruitRequeteUpdateAll(std::string) { return ""; }
std::string FrwSgbd::ConstruitRequetesUpdate(std::string) { return ""; }
std::string FrwSgbd::ConstruitRequeteDelete(std::string) { return ""; }
std::string FrwSgbd::ConstruitRequeteExecute(std::string) { return ""; }
std::string FrwSgbd::ConstruitVerifie_erreur() { return ""; }

std::string FrwSgbd::CreerFin(std::string t) {
    return Ligne(1, "// Fermeture de la table " + t) + Ligne(1, "function Ferme()" + Param.Tab() + "{") +
           Ligne(2, "if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);") + Ligne(1, "}") +
           FinDeLigne + Ligne(0, "}") + Ligne(0, "?>");
}
