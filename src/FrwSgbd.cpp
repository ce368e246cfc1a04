#include "FrwSgbd.h"

#include <cctype>

#include "Utiles.h"
#include "classe_fichier.h"
#include "plateforme.h"

namespace {

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

std::string FrwSgbd::CreerTransfertChamps() {
    std::string texte = Ligne(1, "// Ecriture : Transfert les champs dans la structure pour detecter les champs NULL.") +
                        Ligne(1, "function TransfertChampsEcriture()" + Param.Tab() + "{");
    for (const structTable& c : ListeChamps) {
        const std::string& f = c.NomChamp;
        texte += Param.Tab(2) + "if (isset($this->" + f + "))" + Param.Tab();
        std::string type = DonneTypeChamp(c.TypeSgbd);
        if (type == "N") {
            // Un membre numerique n'entre nu dans le SQL que s'il est un nombre.
            texte += "$this->v_" + f + " = (is_numeric($this->" + f + ") ? \"$this->" + f +
                     "\" : \"'\".addslashes($this->" + f + ").\"'\");" + FinDeLigne;
        } else {
            if (type == "E")
                Param.AddWarning("Erreur interne : type inconnu de " + c.TypeSgbd + " de type " + c.TypePhp);
            texte += "$this->v_" + f + " = \"'$this->" + f + "'\";" + FinDeLigne;
        }
        texte += Ligne(3, "else  $this->v_" + f + " = \"NULL\";");
    }
    texte += Ligne(1, "}") + FinDeLigne +
             Ligne(1, "// Lecture : Transfert les champs dans la structure pour detecter les champs NULL.") +
             Ligne(1, "function TransfertChampsLecture()" + Param.Tab() + "{") + Ligne(2, "$this->InitVariable();");
    for (const structTable& c : ListeChamps) {
        const std::string& f = c.NomChamp;
        texte += Ligne(2, "if (isset($this->v_" + f + "))" + Param.Tab() + "{") +
                 Ligne(3, "$this->" + f + " = $this->v_" + f + ";") +
                 Ligne(2, "}" + Param.Tab() + "else unset($this->" + f + ");");
    }
    return texte + Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ConstruitFonctionVar2Tab() {
    const std::string boucle = "for($i=0;$i<count($this->dataTab);$i++)" + Param.Tab() + "{";
    const std::string positionChoisie = "if (isset($this->dataTab[$i]))" + Param.Tab() + "{";
    std::string texte = Ligne(1, "// Met le contenu des champs concat\xE9n\xE9s.") +
                        Ligne(1, "function TableauInitColonne()" + Param.Tab() + "{") +
                        Ligne(2, "unset($this->dataTab);") + Ligne(1, "}") + FinDeLigne +
                        Ligne(1, "// Ajoute le contenu \xE0 l'affichage.") +
                        Ligne(1, "function TableauAjouteColonne($numColonne)" + Param.Tab() + "{") +
                        Ligne(2, "$this->dataTab[count($this->dataTab)]=$numColonne;") + Ligne(1, "}") + FinDeLigne +
                        Ligne(1, "// Construit les libell\xE9s pour les entetes de colonnes.") +
                        Ligne(1, "function TableauFaitLibelle()" + Param.Tab() + "{") + Ligne(2, boucle) +
                        Ligne(3, positionChoisie) +
                        Ligne(4, "$this->data[$i]=$this->TabChampsLibNum[$this->dataTab[$i]];") + Ligne(3, "}") +
                        Ligne(2, "}") + Ligne(2, "return $this->data;") + Ligne(1, "}") + FinDeLigne +
                        Ligne(1, "// Construit le tableau avec les champs indiqu\xE9 TableauAjouteColonne.") +
                        Ligne(1, "function TableauFaitChamps()" + Param.Tab() + "{") + Ligne(2, "unset($this->data);") +
                        Ligne(2, boucle) + Ligne(3, positionChoisie);
    int k = 0;
    for (const structTable& c : ListeChamps)
        texte += Ligne(4, "if ($this->dataTab[$i]==" + Param.ConvertIntToString(++k) + ")" + Param.Tab() +
                              "$this->data[count($this->data)]=$this->" + c.NomChamp + ";");
    return texte + Ligne(3, "}") + Ligne(2, "}") + Ligne(2, "return $this->data;") + Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ConstruitAfficheVarClasse(std::string t) {
    std::string texte =
        Ligne(1, "// Affichage des variables de la classe refl\xE9tant les champs de la table " + t) +
        Ligne(1, "function AfficheVarClasse( $var = \"\")" + Param.Tab() + "{") +
        Ligne(2, "echo \"<table border=\\\"1\\\"><tr><td>\".$var.\"</td><td>Contenu champs de la classe : " + t +
                     "</td></tr>\";");
    for (const structTable& c : ListeChamps) {
        const std::string& f = c.NomChamp;
        // La valeur vient de la base ou d'un formulaire : elle ne doit pas devenir du HTML.
        texte += Ligne(2, "if (isset($this->" + f + ")) $valeur=$this->" + f + ";    else    $valeur=\"\";") +
                 Ligne(2, "echo " + Param.Guillemet + "<tr><td>" + f +
                              "=</td><td>\".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, \"ISO-8859-1\").\"</td></tr>" +
                              Param.Guillemet + ";");
    }
    return texte + Ligne(2, "echo \"</table>\";") + Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ConstruitFonctionPost2Var() {
    const std::string& q = Param.Guillemet;
    std::string texte = Ligne(1, "// R\xE9" "cup\xE9ration des donn\xE9" "es du formulaire envoy\xE9") +
                        Ligne(1, "function Form2Variable()" + Param.Tab() + "{");
    for (const structTable& c : ListeChamps) {
        const std::string& f = c.NomChamp;
        const std::string post = "$_POST[" + q + f + q + "]";
        if (c.Obligatoire == "N") {
            texte += Ligne(2, "if ( isset(" + post + ") and (" + post + "!=\"\") )  $this->" + f + "=addslashes(" + post + ");") +
                     Ligne(2, "elseif ( isset(" + post + ") and (" + post + "==\"\") )  unset($this->" + f + ");");
        } else {
            // Une colonne obligatoire passe aussi par addslashes : sans cela, le texte poste entrait tel quel dans le SQL.
            texte += Ligne(2, "if (isset(" + post + "))  $this->" + f + "=addslashes(" + post + ");");
        }
        texte += Ligne(3, "else unset($this->" + f + ");");
    }
    return texte + Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ConstruitFonctionVar2Post() {
    std::string texte = Ligne(1, "// Convertion des Variables en champs visible pour le navigateur") +
                        Ligne(1, "function Variable2Form()" + Param.Tab() + "{");
    for (const structTable& c : ListeChamps)
        if (c.TypeSgbd == "char" || c.TypeSgbd == "varchar")
            texte += Ligne(2, "$this->" + c.NomChamp + "=stripslashes($this->" + c.NomChamp + ");");
    return texte + Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ListeDesChamps() {
    std::string liste;
    for (const structTable& c : ListeChamps) liste += c.NomChamp + ",";
    return liste;
}

std::string FrwSgbd::CriteresNonVides() {
    std::string texte;
    for (const structTable& c : ListeChamps)
        texte += Ligne(2, "if ($this->" + c.NomChamp + "!='') $where.=\"" + c.NomChamp + "='$this->" + c.NomChamp +
                              "' and \";");
    return texte + Ligne(2, "$pos_and=strrpos($where,' and ');") +
           Ligne(2, "if (strlen($where)-$pos_and==5)    {") +
           Ligne(3, "if (strlen($where)>5) $where=substr($where, 0, strlen($where)-5);") + Ligne(2, "}");
}

std::string FrwSgbd::ConstruitRequeteParcours(std::string t) {
    const std::string& q = Param.Guillemet;
    const std::string table = Param.PrefixeTables + t;
    std::string texte = Ligne(1, "// Fonction parcours dans les champs " + ListeDesChamps() + " de la table " + t) +
                        Ligne(1, "function Parcours()" + Param.Tab() + "{") + Ligne(2, "// Constitution de la requ\xEAte") +
                        Ligne(2, "$where = \"\";  // Clause where") +
                        Ligne(2, "$this->In = \"\"; // in value (contenu du tableau TabIn") +
                        Ligne(2, "$order = \"\"; // Ordre des champs") + CriteresNonVides();
    texte += Ligne(2, "// IN (champ in (valeur1, valeur2, ...)") +
             Ligne(2, "if (count($this->TabIn)>0)" + Param.Tab() + "{") +
             Ligne(3, "if ($where!=\"\")" + Param.Tab() + "$this->In.=\" and \";") +
             Ligne(3, "$this->In.=$this->ChampIn.\" in(\";") +
             Ligne(3, "foreach ($this->TabIn as $i=> $v)" + Param.Tab() + "{") + Ligne(4, "$this->In.=$v;") +
             Ligne(4, "if ($i<count($this->TabIn)-1) $this->In.=\",\";") + Ligne(3, "}") +
             Ligne(3, "$this->In.=\") \";") + Ligne(3, "$where.= $this->In;") + Ligne(2, "}") +
             Ligne(2, "if ($where!=" + q + q + ")") +
             Ligne(3, "$Requete = " + q + "Select * from " + table + " where $where" + q + ";") + Ligne(2, "else") +
             Ligne(3, "$Requete = " + q + "Select * from " + table + q + ";") + Ligne(2, "// TRI") +
             Ligne(2, "if (($this->ChampTri!=" + q + q + ") and ($this->ChampTriSens!=" + q + q + ")) {") +
             Ligne(3, "$order.=" + q + " order by " + q + ".$this->ChampTri." + q + " " + q + ";") +
             Ligne(3, "if ($this->ChampTriSens==" + q + "+" + q + ") $order.=" + q + "Asc" + q + ";") +
             Ligne(3, "if ($this->ChampTriSens==" + q + "-" + q + ") $order.=" + q + "Desc" + q + ";") + Ligne(2, "}") +
             Ligne(2, "if ($order!=" + q + q + ")") + Ligne(3, "$Requete .= $order." + q + ";" + q + ";") +
             Ligne(2, "$this->Resultat=mysql_query( $Requete " + SuffixeRequete + ");") +
             Ligne(2, VerifieEndroit(t + "::Parcours toute la table:" + t)) + Ligne(2, "return $this->erreur;") +
             Ligne(1, "}");
    return texte;
}

std::string FrwSgbd::ConstruitParcoursNext(std::string t) {
    std::string texte =
        Ligne(1, "// Fonction Next  qui recup\xE8re les enregistrements suivants (Curseur) " + ListeDesChamps() +
                     " de la table " + Param.PrefixeTables + t) +
        Ligne(1, "function Next()" + Param.Tab() + "{") + Ligne(2, "$_Resultat=mysql_fetch_object($this->Resultat);") +
        Ligne(2, "$nb=mysql_num_rows($this->Resultat);") + Ligne(2, "if ($nb>0)" + Param.Tab() + "{") +
        Ligne(3, "$this->InitVariableV();");
    for (const structTable& c : ListeChamps)
        texte += Ligne(3, "if (isset($_Resultat->" + c.NomChamp + "))" + Param.Tab() + "$this->v_" + c.NomChamp +
                              "=$_Resultat->" + c.NomChamp + ";");
    texte += Ligne(3, "$this->TransfertChampsLecture();") + Ligne(3, "$this->NbReponse=$nb;") +
             Ligne(2, "}" + Param.Tab() + "else" + Param.Tab() + "{");
    for (const structTable& c : ListeChamps) texte += Ligne(3, "unset($this->v_" + c.NomChamp + ");");
    return texte + Ligne(3, "$this->TransfertChampsLecture();") + Ligne(3, "$this->NbReponse=0;") + Ligne(2, "}") +
           Ligne(2, "return $_Resultat;") + Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ConstruitDonneLigne() {
    return Ligne(1, "// Fonction qui recup\xE8re les enregistrements suivants lors d'une requete libre (unions, jointure ou autre)") +
           Ligne(1, "// retourne un tableau contenant les champs de la requete par ordre d'apparaition") +
           Ligne(1, "function DonneLigne()" + Param.Tab() + "{") + Ligne(2, "$_Resultat=mysql_fetch_row($this->Resultat);") +
           Ligne(2, "return $_Resultat;") + Ligne(1, "}") + FinDeLigne;
}

// Chargement de la premiere ligne trouvee dans les membres, ou remise a zero.
std::string FrwSgbd::ChargePremiereLigne() {
    std::string texte = Ligne(2, "$_Resultat=mysql_fetch_object($this->Resultat);") +
                        Ligne(2, "$nb=mysql_num_rows($this->Resultat);") + Ligne(2, "if ($nb>0)" + Param.Tab() + "{");
    for (const structTable& c : ListeChamps)
        texte += Ligne(3, "$this->v_" + c.NomChamp + "=$_Resultat->" + c.NomChamp + ";");
    return texte + Ligne(3, "$this->TransfertChampsLecture();") + Ligne(3, "$this->NbReponse=$nb;") +
           Ligne(2, "}" + Param.Tab() + "else" + Param.Tab() + "{") + Ligne(3, "$this->InitVariable();") +
           Ligne(3, "$this->NbReponse=0;") + Ligne(2, "}") + Ligne(2, "return $this->erreur;");
}

std::string FrwSgbd::ConstruitRequeteCherche(std::string t) {
    const std::string& q = Param.Guillemet;
    const std::string table = Param.PrefixeTables + t;
    return Ligne(1, "// Fonction Cherche dans les champs " + ListeDesChamps() + " de la table " + table) +
           Ligne(1, "function Cherche()" + Param.Tab() + "{") + Ligne(2, "$this->TransfertChampsEcriture();") +
           Ligne(2, "// Constitution de la requete") + Ligne(2, "$where = \"\";") + CriteresNonVides() +
           Ligne(2, "else echo \"ERREUR : fonction Cherche multi-crit\xE8re - pas de crit\xE8re de recherche\";") +
           Ligne(2, "if (($this->ChampTri!=" + q + q + ") and ($this->ChampTriSens!=" + q + q + ")) {") +
           Ligne(3, "$where.=" + q + "order by " + q + ".$this->ChampTri." + q + " " + q + ";") +
           Ligne(3, "if ($this->ChampTriSens==" + q + "+" + q + ") $where.=" + q + "Asc" + q + ";") +
           Ligne(3, "if ($this->ChampTriSens==" + q + "-" + q + ") $where.=" + q + "Desc" + q + ";") + Ligne(2, "}") +
           Ligne(2, "$this->Resultat=mysql_query( " + q + "Select * from " + table + " where $where" + q + " " +
                        SuffixeRequete + ");") +
           Ligne(2, VerifieEndroit(t + "::Cherche tous les champs dans la table:" + table)) + ChargePremiereLigne() +
           Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ConstruitRequetesCherche(std::string t) {
    const std::string table = Param.PrefixeTables + t;
    std::string texte;
    for (const structTable& c : ListeChamps) {
        const std::string& f = c.NomChamp;
        texte += Ligne(1, "// Fonction Cherche dans le champ " + f + " de la table " + table) +
                 Ligne(1, "function Cherche_" + f + "( $" + f + "=null )" + Param.Tab() + "{") +
                 Ligne(2, "if (isset($" + f + ") ) $this->" + f + "=$" + f + ";") +
                 Ligne(2, "$this->TransfertChampsEcriture();") +
                 Ligne(2, "$this->Resultat=mysql_query( \"Select * from " + table + " where " + f + "=$this->v_" + f +
                              ";\" " + SuffixeRequete + ");") +
                 Ligne(2, VerifieEndroit(t + "::Cherche dans " + table + "." + f)) + ChargePremiereLigne() +
                 Ligne(1, "}") + FinDeLigne;
    }
    return texte;
}

std::string FrwSgbd::ConstruitRequeteInsertion(std::string t) {
    const std::string& q = Param.Guillemet;
    std::string colonnes, valeurs, autoIncrement;
    for (const structTable& c : ListeChamps) {
        if (c.AutoIncrement == "O") {
            if (autoIncrement.empty()) autoIncrement = c.NomChamp;
            continue;
        }
        colonnes += (colonnes.empty() ? "" : ",") + c.NomChamp;
        valeurs += (valeurs.empty() ? "" : ",") + ("$this->v_" + c.NomChamp);
    }
    std::string texte = Ligne(1, "// Fonction Insertion de la table " + t) +
                        Ligne(1, "function Insertion()" + Param.Tab() + "{") + Ligne(2, "$this->TransfertChampsEcriture();") +
                        Ligne(2, "$Requete=" + q + "insert into " + Param.PrefixeTables + t + " (" + colonnes +
                                     ") values(" + valeurs + ");" + q + ";") +
                        Ligne(2, "$this->Resultat=mysql_query($Requete " + SuffixeRequete + ");") +
                        Ligne(2, "$this->InsertionOK=mysql_affected_rows();");
    // La cle generee revient dans la colonne auto-incrementee, et seulement la.
    if (!autoIncrement.empty()) texte += Ligne(2, "$this->" + autoIncrement + "=mysql_insert_id();");
    return texte + Ligne(2, VerifieEndroit(t + "::Insertion de la table:" + Param.PrefixeTables + t)) +
           Ligne(2, "return $this->erreur;") + Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ConstruitRequeteUpdateAll(std::string t) {
    const std::string table = Param.PrefixeTables + t;
    const std::string premier = ListeChamps.empty() ? "" : ListeChamps[0].NomChamp;
    std::string affectations;
    for (size_t i = 1; i < ListeChamps.size(); ++i)
        affectations += (i > 1 ? "," : "") + ListeChamps[i].NomChamp + "=$this->v_" + ListeChamps[i].NomChamp;
    return Ligne(1, "// Fonction mise \xE0 jour des champs de la table " + table) +
           Ligne(1, "function Maj_ALL()" + Param.Tab() + "{") + Ligne(2, "$this->TransfertChampsEcriture();") +
           Ligne(2, "$Requete = \"update " + table + " set " + affectations + " where " + premier + "=$this->v_" +
                        premier + ";\";") +
           Ligne(2, "$this->Resultat=mysql_query( $Requete " + SuffixeRequete + ");") +
           Ligne(2, "$this->ModificationOK=mysql_affected_rows();") +
           Ligne(2, VerifieEndroit(t + "::Maj_All du champ " + table + "." + premier)) + Ligne(2, "return $this->erreur;") +
           Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ConstruitRequetesUpdate(std::string t) {
    const std::string& q = Param.Guillemet;
    const std::string table = Param.PrefixeTables + t;
    std::string texte;
    for (size_t i = 1; i < ListeChamps.size(); ++i) {
        const std::string& f = ListeChamps[i].NomChamp;
        const std::string& premier = ListeChamps[0].NomChamp;
        texte += Ligne(1, "// Fonction Update du champ " + f + " de la table " + t) +
                 Ligne(1, "function Maj_" + f + "()" + Param.Tab() + "{") + Ligne(2, "$this->TransfertChampsEcriture();") +
                 Ligne(2, "$this->Resultat=mysql_query(" + q + "update " + table + " set " + f + "=$this->v_" + f +
                              " where " + premier + "=$this->v_" + premier + ";" + q + " " + SuffixeRequete + ");") +
                 Ligne(2, "$this->ModificationOK=mysql_affected_rows();") +
                 Ligne(2, VerifieEndroit(t + "::Maj_" + f + " - Update du champ " + table + "." + f)) +
                 Ligne(2, "return $this->erreur;") + Ligne(1, "}") + FinDeLigne;
    }
    return texte;
}

std::string FrwSgbd::ConstruitRequeteDelete(std::string t) {
    const std::string& q = Param.Guillemet;
    const std::string table = Param.PrefixeTables + t;
    std::string texte;
    for (const structTable& c : ListeChamps) {
        const std::string& f = c.NomChamp;
        const bool index = c.Index == "O";
        texte += Ligne(1, "// Fonction Efface de la table " + table + (index ? " avec le champ index" : " avec le champ ") + f) +
                 Ligne(1, "function " + std::string(index ? "EffaceAvecIndex_" : "EffaceAvec_") + f + "( $" + f +
                              " = null )" + Param.Tab() + "{") +
                 Ligne(2, "if (isset( $" + f + ") ) $this->" + f + "=$" + f + ";") +
                 Ligne(2, "$this->TransfertChampsEcriture();") +
                 Ligne(2, "$this->Resultat=mysql_query(" + q + "Delete from " + table + " where " + f + "=$this->v_" + f +
                              ";" + q + " " + SuffixeRequete + ");") +
                 Ligne(2, "$this->EffacementOK=mysql_affected_rows();") +
                 Ligne(2, VerifieEndroit(t + "::Efface de la table " + t)) + Ligne(2, "return $this->erreur;") +
                 Ligne(1, "}") + FinDeLigne;
    }
    return texte;
}

std::string FrwSgbd::ConstruitRequeteExecute(std::string t) {
    return Ligne(1, "// Fonction ex\xE9" "cute de la requ\xEAte") +
           Ligne(1, "function ExecuteRequete($Requete)" + Param.Tab() + "{") +
           Ligne(2, "$this->Resultat=mysql_query( $Requete " + SuffixeRequete + ");") +
           Ligne(2, VerifieEndroit(t + "::ExecuteRequete sur la table:" + Param.PrefixeTables + t)) +
           Ligne(2, "return $this->erreur;") + Ligne(1, "}") + FinDeLigne;
}

std::string FrwSgbd::ConstruitVerifie_erreur() {
    return Ligne(1, "// V\xE9rification des erreurs MySql") +
           Ligne(1, "function verifie_erreur($res,$endroit,$errMysql)" + Param.Tab() + "{") +
           Ligne(2, "$retour=\"\";") + Ligne(2, "if (!$res)" + Param.Tab() + "{") +
           Ligne(3, "$retour=\"<br><br>ERREUR Mysql : $endroit<br>\";") +
           // Le texte d'erreur de MySQL peut citer la valeur postee : il est echappe avant d'atteindre la page.
           Ligne(3, "$retour.= htmlspecialchars($errMysql, ENT_COMPAT, \"ISO-8859-1\").\"<br>\";") + Ligne(2, "}") +
           Ligne(2, "return $retour;") + Ligne(1, "}");
}

std::string FrwSgbd::CreerFormVariable(std::string nom) {
    std::string texte = Ligne(1, "// Variable de classe " + nom + " Champs + Action.") + Ligne(1, "// Variable de la Form");
    for (const structTable& c : ListeChamps) texte += Ligne(1, "public\t$" + c.NomChamp + ";");
    return texte + Ligne(1, "// Action CREATION,MODIFICATION,EFFACE") + Ligne(1, "public\t$Creation=\"CREATION\";") +
           Ligne(1, "public\t$Modification=\"MODIFICATION\";") + Ligne(1, "public\t$Efface=\"EFFACE\";") + FinDeLigne +
           Ligne(1, "// Type de formulaire") + Ligne(1, "public\t$TypeText=\"text\";") +
           Ligne(1, "public\t$TypePassword=\"password\";") + Ligne(1, "public\t$TypeFile=\"file\";") +
           Ligne(1, "public\t$TypeImage=\"image\";") + Ligne(1, "public\t$TypeHidden=\"hidden\";") +
           Ligne(1, "// Variable interne.") + Ligne(1, "public\t$NomFormulaire=\"\";");
}

std::string FrwSgbd::CreerFormEntete(std::string nom) {
    return Ligne(0, "<?php") + Param.GenereListeInclude() + Ligne(0, "// Classe : " + nom) +
           Ligne(0, "// Fichier g\xE9n\xE9r\xE9 par " + Param.Banniere) +
           Ligne(0, "// Date de generation : " + Utiles::DateHeure("")) + FinDeLigne +
           Ligne(0, "class " + nom + "_FORM\t{") + FinDeLigne;
}

std::string FrwSgbd::CreerFin(std::string t) {
    return Ligne(1, "// Fermeture de la table " + t) + Ligne(1, "function Ferme()" + Param.Tab() + "{") +
           Ligne(2, "if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);") + Ligne(1, "}") +
           FinDeLigne + Ligne(0, "}") + Ligne(0, "?>");
}
