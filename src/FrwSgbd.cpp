#include "FrwSgbd.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "Utiles.h"
#include "classe_fichier.h"
#include "plateforme.h"

namespace {

// Un nom venu de la base tel qu'un message peut le montrer : entre guillemets, les
// octets de controle en \xHH, le guillemet et la barre oblique inverse precedes de "\".
std::string NomMontre(const std::string& nom) {
    static const char chiffres[] = "0123456789ABCDEF";
    std::string texte = "\"";
    for (char c : nom) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) texte += std::string("\\x") + chiffres[u >> 4] + chiffres[u & 0xF];
        else if (c == '"' || c == '\\') texte += std::string("\\") + c;
        else texte += c;
    }
    return texte + "\"";
}

std::string RefusClasse(const std::string& table) {
    return "La classe de la table " + NomMontre(table) + " n'est pas ecrite : ";
}

// Une valeur venue de la base ou d'un formulaire, rendue inoffensive pour la page.
std::string EnHtml(const std::string& valeur) { return "htmlspecialchars(" + valeur + ", ENT_COMPAT, \"ISO-8859-1\")"; }

// Le commentaire d'une colonne dans une chaine PHP du fichier de classe, ecrit en Latin-1. La
// lecture laisse en UTF-8 le commentaire qui a un caractere hors du Latin-1 (euro, oe, japonais) :
// il s'ecrit alors tout entier en sequences \u{...}, la chaine est de l'UTF-8 et la page le montre
// tel que la base le garde.
std::string CommentairePhp(const std::string& commentaire) {
    const std::string texte = Utiles::String2Php(commentaire);
    return Utiles::HorsLatin1(commentaire) ? Utiles::EchappeUnicodePhp(texte) : texte;
}

// Les mots que MariaDB se reserve : une table ou une colonne qui en porte un ne se nomme dans
// une requete qu'entre accents graves. La casse n'y compte pas.
bool MotReserveSql(const std::string& nom) {
    static const Utiles::ListeDeMots reserves(
        "ACCESSIBLE ADD ALL ALTER ANALYZE AND AS ASC ASENSITIVE BEFORE BETWEEN BIGINT BINARY BLOB BOTH BY CALL "
        "CASCADE CASE CHANGE CHAR CHARACTER CHECK COLLATE COLUMN CONDITION CONSTRAINT CONTINUE CONVERT CREATE CROSS "
        "CURRENT_DATE CURRENT_ROLE CURRENT_TIME CURRENT_TIMESTAMP CURRENT_USER CURSOR DATABASE DATABASES DAY_HOUR "
        "DAY_MICROSECOND DAY_MINUTE DAY_SECOND DEC DECIMAL DECLARE DEFAULT DELAYED DELETE DELETE_DOMAIN_ID DESC "
        "DESCRIBE DETERMINISTIC DISTINCT DISTINCTROW DIV DO_DOMAIN_IDS DOUBLE DROP DUAL EACH ELSE ELSEIF ENCLOSED "
        "ESCAPED EXCEPT EXISTS EXIT EXPLAIN FALSE FETCH FLOAT FLOAT4 FLOAT8 FOR FORCE FOREIGN FROM FULLTEXT GENERAL "
        "GRANT GROUP HAVING HIGH_PRIORITY HOUR_MICROSECOND HOUR_MINUTE HOUR_SECOND IF IGNORE IGNORE_DOMAIN_IDS "
        "IGNORE_SERVER_IDS IN INDEX INFILE INNER INOUT INSENSITIVE INSERT INT INT1 INT2 INT3 INT4 INT8 INTEGER "
        "INTERSECT INTERVAL INTO IS ITERATE JOIN KEY KEYS KILL LEADING LEAVE LEFT LIKE LIMIT LINEAR LINES LOAD "
        "LOCALTIME LOCALTIMESTAMP LOCK LONG LONGBLOB LONGTEXT LOOP LOW_PRIORITY MASTER_HEARTBEAT_PERIOD "
        "MASTER_SSL_VERIFY_SERVER_CERT MATCH MAXVALUE MEDIUMBLOB MEDIUMINT MEDIUMTEXT MIDDLEINT MINUTE_MICROSECOND "
        "MINUTE_SECOND MOD MODIFIES NATURAL NOT NO_WRITE_TO_BINLOG NULL NUMERIC OFFSET ON OPTIMIZE OPTION OPTIONALLY "
        "OR ORDER OUT OUTER OUTFILE OVER PAGE_CHECKSUM PARSE_VCOL_EXPR PARTITION POSITION PRECISION PRIMARY PROCEDURE "
        "PURGE RANGE READ READS READ_WRITE REAL RECURSIVE REF_SYSTEM_ID REFERENCES REGEXP RELEASE RENAME REPEAT "
        "REPLACE REQUIRE RESIGNAL RESTRICT RETURN RETURNING REVOKE RIGHT RLIKE ROW_NUMBER ROWS SCHEMA SCHEMAS "
        "SECOND_MICROSECOND SELECT SENSITIVE SEPARATOR SET SHOW SIGNAL SLOW SMALLINT SPATIAL SPECIFIC SQL "
        "SQLEXCEPTION SQLSTATE SQLWARNING SQL_BIG_RESULT SQL_CALC_FOUND_ROWS SQL_SMALL_RESULT SSL STARTING "
        "STATS_AUTO_RECALC STATS_PERSISTENT STATS_SAMPLE_PAGES STRAIGHT_JOIN TABLE TERMINATED THEN TINYBLOB TINYINT "
        "TINYTEXT TO TRAILING TRIGGER TRUE UNDO UNION UNIQUE UNLOCK UNSIGNED UPDATE USAGE USE USING UTC_DATE UTC_TIME "
        "UTC_TIMESTAMP VALUES VARBINARY VARCHAR VARCHARACTER VARYING WHEN WHERE WHILE WINDOW WITH WRITE XOR "
        "YEAR_MONTH ZEROFILL");
    return reserves.Contient(nom);
}

// Le nom d'une table ou d'une colonne tel qu'une requete l'ecrit : entre accents graves s'il est
// reserve, tel quel sinon (un nom PHP n'a pas d'autre caractere qui l'exige).
std::string NomSql(const std::string& nom) { return MotReserveSql(nom) ? "`" + nom + "`" : nom; }

// Une colonne dont la valeur entre nue dans le SQL quand elle est un nombre.
bool EntreNombre(const structTable& c) { return BaseMysql::DecritType(c.TypeSgbd).NombreNu; }

// Le defaut d'une colonne numerique s'il est un nombre simple (-12, 1.50, +3e2) ; sinon "" (un
// autre texte casserait le PHP genere). Les zeros de tete qu'une colonne zerofill donne a son
// defaut partent : PHP lirait 0000000017 comme un nombre octal, et 08 pas du tout.
std::string ValeurInitiale(const structTable& champ) {
    const std::string& v = champ.ValeurDefaut;
    const std::string rien = "\"\"";
    if (FrwSgbd::DonneTypeChamp(champ.TypeSgbd) != "N") return rien;
    auto chiffres = [&v](size_t& i) {
        const size_t debut = i;
        while (i < v.size() && std::isdigit(static_cast<unsigned char>(v[i]))) ++i;
        return i - debut;
    };
    size_t i = (!v.empty() && (v[0] == '-' || v[0] == '+')) ? 1 : 0;
    const size_t mantisse = i;
    size_t nombres = chiffres(i);
    if (i < v.size() && v[i] == '.') nombres += chiffres(++i);
    if (nombres == 0) return rien;
    const size_t finMantisse = i;
    if (i < v.size() && (v[i] == 'e' || v[i] == 'E')) {
        ++i;
        if (i < v.size() && (v[i] == '-' || v[i] == '+')) ++i;
        if (chiffres(i) == 0) return rien;
    }
    if (i != v.size()) return rien;
    size_t zero = mantisse;
    while (zero + 1 < finMantisse && v[zero] == '0' && std::isdigit(static_cast<unsigned char>(v[zero + 1]))) ++zero;
    return v.substr(0, mantisse) + v.substr(zero);
}

// Le membre d'une colonne, ou null quand une valeur NULL l'a detruit (sans avertissement de PHP 8).
std::string LuOuNull(const std::string& champ) {
    return "(isset($this->" + champ + ") ? $this->" + champ + " : null)";
}

}  // namespace

const std::string FrwSgbd::RaisonNomReserve =
    "son nom est reserve par PHP (mot, type, classe ou methode predefinis) ou par une classe d'appui.";

// Le nom du fichier de connexion est garde brouille, comme les mots fixes de Parametrage, et rendu
// lisible ici depuis la copie de FrwSgbd, celle dont Parametrage tire le meme nom.
FrwSgbd::FrwSgbd(Parametrage& param)
    : Param(param),
      NomFichierConnexion(param.DeCrypt("P+qqD.WOGMB]SYtvLFr|ZZMRPVKJDcWLG[BXvHQYLOTW", param.Cle)) {}  // "CVClass__connexion.php"

std::string FrwSgbd::VerifieEndroit(std::string endroit) const {
    return "$this->erreur=$this->verifie_erreur($this->Resultat," + Param.Guillemet + endroit + Param.Guillemet +
           ",mysql_error() );";
}

// Le texte PHP de la classe d'une table : chaque generateur ci-dessous en emet une part dans Php. Le
// nom de la table nomme la classe ; prefixe + table nomme la table dans le SQL (et, selon la methode,
// dans les commentaires et les textes d'endroit). Les methodes emises sont au premier cran de
// retrait, celui de Param.Tab(), et chaque nom declare est note dans Declarations.

// Chaque generateur part d'un texte vide, au retrait et a la fin de ligne du moment.
Emetteur& FrwSgbd::Commence(int retrait) const {
    Php = Emetteur(retrait, Param.Tab(), FinDeLigne);
    return Php;
}

std::string FrwSgbd::TableSql(const std::string& table) const { return Param.PrefixeTables + table; }

// Le nom qui suit `marque` ("$" ou "function ") dans la tete d'une declaration.
void FrwSgbd::Declare(const std::string& tete, const std::string& marque, bool methode, int source) {
    const size_t debut = tete.find(marque) + marque.size();
    size_t fin = debut;
    while (fin < tete.size() && Utiles::CaracteresIdentifiant(tete.substr(fin, 1))) ++fin;
    Declarations.push_back({tete.substr(debut, fin - debut), methode, source});
}

// La tete d'une methode, son nom note.
const std::string& FrwSgbd::Fonction(const std::string& tete, int source) {
    Declare(tete, "function ", true, source);
    return tete;
}

// La forme commune des methodes (Emetteur::Methode), le nom note.
void FrwSgbd::Methode(const std::string& commentaire, const std::string& tete, const std::function<void()>& corps,
                      int source) {
    Php.Methode(commentaire, Fonction(tete, source), corps);
}

// La ligne qui declare un membre, son nom note.
void FrwSgbd::Propriete(const std::string& ligne, int source) {
    Declare(ligne, "$", false, source);
    Php.Ligne(ligne);
}

// La tete du fichier ; elle ouvre le PHP et la classe, que CreerFin ferme.
std::string FrwSgbd::CreerEntete(std::string table, const std::string& dateHeure) {
    Declarations.clear();
    Commence(0).Ligne("<?php").LigneVide();
    Php.Decale([&] {
        Php.Ligne("// Classe : " + table);
        Php.Ligne("// Fichier g\xE9n\xE9r\xE9 par " + Param.Banniere);
        Php.Ligne("// Date de g\xE9n\xE9ration : " + dateHeure);
    });
    Php.LigneVide();
    Php.Ligne("class " + table + Php.Tabulation + "{").LigneVide();
    return Php.Prends();
}

// Les membres de la classe : par colonne sa valeur, sa forme SQL et son libelle, puis les fixes.
std::string FrwSgbd::CreerDeclarations() {
    Commence();
    static const std::pair<const char*, const char*> parChamp[] = {
        {"Variable de la table.", "public $"},
        {"Variable de la classe vers les enregistrements.", "private $v_"},
        {"Variable Libell\xE9 des champs de la table.", "public\t$Libelle_"}};
    for (const auto& [commentaire, debut] : parChamp) {
        Php.Ligne(std::string("// ") + commentaire);
        for (size_t i = 0; i < ListeChamps.size(); ++i) Propriete(debut + ListeChamps[i].NomChamp + ";", static_cast<int>(i));
    }
    Php.Ligne("// Variable de la classe;");
    static const char* const fixes[] = {
        "public\t$Resultat;",                  "public\t$TabChamps = array();",       "public\t$TabChampsLibelle= array();",
        "public\t$TabChampsLibNum = array();", "private $data = array();",            "private $dataTab = array();",
        "public\t$TabLongueurChamps;",         "public\t$ChampTri;",                  "public\t$ChampTriSens;",
        "public\t$In;",                        "public\t$TabIn = array();",           "public\t$ChampIn;",
        "public\t$NbReponse=0;",               "public\t$InsertionOK=0;",             "public\t$ModificationOK=0;",
        "public\t$EffacementOK=0;",            "public\t$OK=1;",                      "public\t$NOK=0;",
        "public\t$erreur=\"\";"};
    for (const char* ligne : fixes) Propriete(ligne, Fixe);
    return Php.Prends();
}

std::string FrwSgbd::CreerConstructeur(std::string table) {
    Commence();
    const std::string commentaireLibelle =
        "// Le commentaire du champ dans mysql est vide, Le nom par defaut est initialis\xE9 avec son nom.";
    std::vector<std::string> champs, numerotes, longueurs;
    for (const structTable& c : ListeChamps) {
        const std::string& f = c.NomChamp;
        champs.push_back("'" + f + "' => \"" + f + "\"");
        numerotes.push_back(std::to_string(numerotes.size() + 1) + " => \"" +
                            (c.Commentaire.empty() ? "Pas de commentaire dans SGBD pour ce champ." : CommentairePhp(c.Commentaire)) +
                            "\"");
        longueurs.push_back("\"" + f + "\" => \"" + c.Longueur + "\"");
    }
    // new n'appelle plus, depuis PHP 8, la methode qui porte le nom de la classe :
    // __construct() le fait, et la methode reste pour qui l'appelle par son nom.
    Methode("Constructeur appel\xE9 par new : il appelle " + table + "()", "function __construct()",
            [&] { Php.Ligne("$this->" + table + "();"); });
    Methode("Constructeur de la table " + table, "function " + table + "()", [&] {
        Php.Ligne("// Initialisation des libell\xE9s de champs.");
        for (const structTable& c : ListeChamps) {
            if (c.Commentaire.empty()) Php.Ligne("$this->Libelle_" + c.NomChamp + "=\"" + c.NomChamp + "\"; " + commentaireLibelle);
            else Php.Ligne("$this->Libelle_" + c.NomChamp + "=\"" + CommentairePhp(c.Commentaire) + "\"; // " + commentaireLibelle);
        }
        Php.Ligne("// Initialisation de la structure");
        Php.Ligne("$this->InitVariable();");
        Php.Ligne("// Tableau Champs Libelle");
        Php.Ligne("$this->TabChamps = array(" + Utiles::Joint(champs) + ");");
        Php.Ligne("// Tableau Champs Num\xE9rot\xE9");
        Php.Ligne("$this->TabChampsLibNum = array(" + Utiles::Joint(numerotes) + ");");
        Php.Ligne("// Tableau Libell\xE9 des Champs");
        Php.Ligne("$this->TabLongueurChamps = array(" + Utiles::Joint(longueurs) + ");");
        for (const char* membre : {"ChampIn", "ChampTri", "ChampTriSens"}) Php.Ligne(std::string("$this->") + membre + "=\"\";");
        Php.Ligne("$this->NbReponse=0;");
    }, Table);
    return Php.Prends();
}

// Pour la classe, le defaut CURRENT_TIMESTAMP est l'instant ou elle est generee : la colonne le garde
// ainsi (annee d'abord) jusqu'a la table suivante. Une date n'est pas un nombre : son membre part de "".
std::string FrwSgbd::CreerInitVariable() {
    for (structTable& c : ListeChamps)
        if (c.ValeurDefaut == "CURRENT_TIMESTAMP") c.ValeurDefaut = Utiles::DateHeure_US("");
    Commence();
    Methode("Initialisation des variables.", "function InitVariable()", [&] {
        for (const structTable& c : ListeChamps) Php.Ligne("$this->" + c.NomChamp + "=" + ValeurInitiale(c) + ";");
    });
    Methode("Initialisation des variables Virtuelles.", "private function InitVariableV()", [&] {
        for (const structTable& c : ListeChamps) Php.Ligne("$this->v_" + c.NomChamp + "=" + ValeurInitiale(c) + ";");
    });
    return Php.Prends();
}

// Une colonne d'un type hors des deux familles (E) entre dans le SQL entre apostrophes : chacune
// est signalee, a chaque table qui en a une.
std::string FrwSgbd::CreerTransfertChamps() {
    Commence();
    Methode("Ecriture : Transfert les champs dans la structure pour detecter les champs NULL.",
            "function TransfertChampsEcriture()", [&] {
        for (const structTable& c : ListeChamps) {
            if (DonneTypeChamp(c.TypeSgbd) == "E")
                Param.AddWarning("Erreur interne : type inconnu de " + c.TypeSgbd + " de type " + c.TypePhp);
            const std::string m = "$this->" + c.NomChamp;
            // Un membre numerique n'entre nu dans le SQL que s'il est un nombre.
            const std::string valeur = EntreNombre(c)
                                           ? "(is_numeric(" + m + ") ? \"" + m + "\" : \"'\".addslashes(" + m + ").\"'\")"
                                           : "\"'" + m + "'\"";
            // Un nombre ou une date vide est NULL : un serveur strict refuse ''.
            const std::string vide = VideEstNull(c.TypeSgbd) ? " and " + m + "!==\"\"" : "";
            Php.Ligne("if (isset(" + m + ")" + vide + ")\t$this->v_" + c.NomChamp + " = " + valeur + ";");
            Php.Decale([&] { Php.Ligne("else  $this->v_" + c.NomChamp + " = \"NULL\";"); });
        }
    });
    Methode("Lecture : Transfert les champs dans la structure pour detecter les champs NULL.",
            "function TransfertChampsLecture()", [&] {
        Php.Ligne("$this->InitVariable();");
        for (const structTable& c : ListeChamps) {
            const std::string& f = c.NomChamp;
            Php.Accolade("if (isset($this->v_" + f + "))", [&] { Php.Ligne("$this->" + f + " = $this->v_" + f + ";"); },
                         "}\telse unset($this->" + f + ");");
        }
    });
    return Php.Prends();
}

// Une boucle sur les colonnes choisies par TableauAjouteColonne.
void FrwSgbd::PourChaqueColonneChoisie(const std::function<void()>& corps) {
    Php.Accolade("for($i=0;$i<count($this->dataTab);$i++)", [&] { Php.Accolade("if (isset($this->dataTab[$i]))", corps); });
    Php.Ligne("return $this->data;");
}

std::string FrwSgbd::ConstruitFonctionVar2Tab() {
    Commence();
    Methode("Met le contenu des champs concat\xE9n\xE9s.", "function TableauInitColonne()",
            [&] { Php.Ligne("$this->dataTab=array();"); });
    Methode("Ajoute le contenu \xE0 l'affichage.", "function TableauAjouteColonne($numColonne)",
            [&] { Php.Ligne("$this->dataTab[count($this->dataTab)]=$numColonne;"); });
    Methode("Construit les libell\xE9s pour les entetes de colonnes.", "function TableauFaitLibelle()", [&] {
        PourChaqueColonneChoisie([&] { Php.Ligne("$this->data[$i]=$this->TabChampsLibNum[$this->dataTab[$i]];"); });
    });
    Methode("Construit le tableau avec les champs indiqu\xE9 TableauAjouteColonne.", "function TableauFaitChamps()", [&] {
        Php.Ligne("$this->data=array();");
        PourChaqueColonneChoisie([&] {
            int k = 0;
            for (const structTable& c : ListeChamps)
                Php.Ligne("if ($this->dataTab[$i]==" + std::to_string(++k) + ")\t$this->data[count($this->data)]=" +
                          LuOuNull(c.NomChamp) + ";");
        });
    });
    return Php.Prends();
}

std::string FrwSgbd::ConstruitAfficheVarClasse(std::string table) {
    Commence();
    Methode("Affichage des variables de la classe refl\xE9tant les champs de la table " + table,
            "function AfficheVarClasse( $var = \"\")", [&] {
        Php.Ligne("echo \"<table border=\\\"1\\\"><tr><td>\".$var.\"</td><td>Contenu champs de la classe : " + table +
                  "</td></tr>\";");
        for (const structTable& c : ListeChamps) {
            const std::string& f = c.NomChamp;
            Php.Ligne("if (isset($this->" + f + ")) $valeur=$this->" + f + ";    else    $valeur=\"\";");
            Php.Ligne("echo \"<tr><td>" + f + "=</td><td>\"." + EnHtml("stripslashes($valeur)") + ".\"</td></tr>\";");
        }
        Php.Ligne("echo \"</table>\";");
    });
    return Php.Prends();
}

// Post2Var passe la demande postee dans les membres : la methode PHP Form2Variable() ;
// Var2Post prepare les membres pour le formulaire : Variable2Form().
std::string FrwSgbd::ConstruitFonctionPost2Var() {
    Commence();
    Methode("R\xE9" "cup\xE9ration des donn\xE9" "es du formulaire envoy\xE9", "function Form2Variable()", [&] {
        for (const structTable& c : ListeChamps) {
            const std::string& f = c.NomChamp;
            const std::string post = "$_POST[\"" + f + "\"]";
            if (c.Obligatoire == "N") {
                Php.Ligne("if ( isset(" + post + ") and (" + post + "!=\"\") )  $this->" + f + "=addslashes(" + post + ");");
                Php.Ligne("elseif ( isset(" + post + ") and (" + post + "==\"\") )  unset($this->" + f + ");");
            } else {
                // Une colonne obligatoire passe aussi par addslashes : sans cela, le texte poste entrait tel quel dans le SQL.
                Php.Ligne("if (isset(" + post + "))  $this->" + f + "=addslashes(" + post + ");");
            }
            Php.Decale([&] { Php.Ligne("else unset($this->" + f + ");"); });
        }
    });
    return Php.Prends();
}

std::string FrwSgbd::ConstruitFonctionVar2Post() {
    Commence();
    Methode("Convertion des Variables en champs visible pour le navigateur", "function Variable2Form()", [&] {
        for (const structTable& c : ListeChamps)
            if (BaseMysql::DecritType(c.TypeSgbd).Stripslashes)
                Php.Ligne("if (isset($this->" + c.NomChamp + ")) $this->" + c.NomChamp + "=stripslashes($this->" + c.NomChamp + ");");
    });
    return Php.Prends();
}

// Chaque nom de colonne suivi d'une virgule, la derniere comprise.
std::string FrwSgbd::ListeDesChamps() const {
    std::string liste;
    for (const structTable& c : ListeChamps) liste += c.NomChamp + ",";
    return liste;
}

// La clause where des membres non vides, sans le " and " final.
void FrwSgbd::CriteresNonVides() {
    for (const structTable& c : ListeChamps)
        Php.Ligne("if (isset($this->" + c.NomChamp + ") and $this->" + c.NomChamp + "!='') $where.=\"" + NomSql(c.NomChamp) + "='$this->" + c.NomChamp + "' and \";");
    Php.Ligne("$pos_and=strrpos($where,' and ');");
    Php.Bloc("if (strlen($where)-$pos_and==5)    {",
             [&] { Php.Ligne("if (strlen($where)>5) $where=substr($where, 0, strlen($where)-5);"); });
}

// Une colonne que l'appelant nomme (ChampTri, ChampIn) : quand la table a des noms reserves,
// celle qui en porte un va entre accents graves ; un autre texte reste tel quel.
std::string FrwSgbd::ColonneNommee(const std::string& membre) const {
    if (std::none_of(ListeChamps.begin(), ListeChamps.end(), [](const structTable& c) { return MotReserveSql(c.NomChamp); }))
        return membre;
    return "(isset($this->TabChamps[" + membre + "]) ? \"`" + membre + "`\" : " + membre + ")";
}

// Le tri demande par ChampTri et ChampTriSens, ajoute a la variable PHP `variable`.
void FrwSgbd::ClauseDeTri(const std::string& variable, const std::string& avant) {
    const std::string v = "$" + variable + ".=";
    Php.Bloc("if (($this->ChampTri!=\"\") and ($this->ChampTriSens!=\"\")) {", [&] {
        Php.Ligne(v + "\"" + avant + "order by \"." + ColonneNommee("$this->ChampTri") + ".\" \";");
        Php.Ligne("if ($this->ChampTriSens==\"+\") " + v + "\"Asc\";");
        Php.Ligne("if ($this->ChampTriSens==\"-\") " + v + "\"Desc\";");
    });
}

// La requete de la methode ; `argument` porte ses blancs et ses guillemets.
void FrwSgbd::Interroge(const std::string& argument) {
    Php.Ligne("$this->Resultat=mysql_query(" + argument + " " + SuffixeRequete + ");");
}

// La fin commune des methodes qui executent une requete.
void FrwSgbd::Verifie(const std::string& endroit) {
    Php.Ligne(VerifieEndroit(endroit));
    Php.Ligne("return $this->erreur;");
}

// La ligne lue chargee dans les membres, ou leur remise a zero.
void FrwSgbd::ChargeResultat(const std::function<void()>& chargement, const std::function<void()>& remise) {
    Php.Ligne("$_Resultat=mysql_fetch_object($this->Resultat);");
    Php.Ligne("$nb=mysql_num_rows($this->Resultat);");
    Php.Accolade("if ($nb>0)", [&] {
        chargement();
        Php.Ligne("$this->TransfertChampsLecture();");
        Php.Ligne("$this->NbReponse=$nb;");
    }, "}\telse\t{");
    Php.Decale([&] {
        remise();
        Php.Ligne("$this->NbReponse=0;");
    });
    Php.Ligne("}");
}

// Apres une recherche : la premiere ligne trouvee dans les membres.
void FrwSgbd::ChargePremiereLigne(const std::string& endroit) {
    Php.Ligne(VerifieEndroit(endroit));
    ChargeResultat([&] { for (const structTable& c : ListeChamps) Php.Ligne("$this->v_" + c.NomChamp + "=$_Resultat->" + c.NomChamp + ";"); },
                   [&] { Php.Ligne("$this->InitVariable();"); });
    Php.Ligne("return $this->erreur;");
}

// Sans ligne vide apres elle : Next suit directement.
std::string FrwSgbd::ConstruitRequeteParcours(std::string table) {
    Commence();
    Php.Ligne("// Fonction parcours dans les champs " + ListeDesChamps() + " de la table " + table);
    Php.Accolade(Fonction("function Parcours()"), [&] {
        Php.Ligne("// Constitution de la requ\xEAte");
        Php.Ligne("$where = \"\";  // Clause where");
        Php.Ligne("$this->In = \"\"; // in value (contenu du tableau TabIn");
        Php.Ligne("$order = \"\"; // Ordre des champs");
        CriteresNonVides();
        Php.Ligne("// IN (champ in (valeur1, valeur2, ...)");
        Php.Accolade("if (count($this->TabIn)>0)", [&] {
            Php.Ligne("if ($where!=\"\")\t$this->In.=\" and \";");
            Php.Ligne("$this->In.=" + ColonneNommee("$this->ChampIn") + ".\" in(\";");
            Php.Accolade("foreach ($this->TabIn as $i=> $v)", [&] {
                Php.Ligne("$this->In.=$v;");
                Php.Ligne("if ($i<count($this->TabIn)-1) $this->In.=\",\";");
            });
            Php.Ligne("$this->In.=\") \";");
            Php.Ligne("$where.= $this->In;");
        });
        Php.Bloc("if ($where!=\"\")", [&] { Php.Ligne("$Requete = \"Select * from " + NomSql(TableSql(table)) + " where $where\";"); }, "else");
        Php.Decale([&] { Php.Ligne("$Requete = \"Select * from " + NomSql(TableSql(table)) + "\";"); });
        Php.Ligne("// TRI");
        ClauseDeTri("order", " ");
        Php.Ligne("if ($order!=\"\")");
        Php.Decale([&] { Php.Ligne("$Requete .= $order.\";\";"); });
        Interroge(" $Requete");
        Verifie(table + "::Parcours toute la table:" + table);
    });
    return Php.Prends();
}

std::string FrwSgbd::ConstruitParcoursNext(std::string table) {
    Commence();
    Methode("Fonction Next  qui recup\xE8re les enregistrements suivants (Curseur) " + ListeDesChamps() +
                " de la table " + TableSql(table),
            "function Next()", [&] {
        ChargeResultat(
            [&] {
                Php.Ligne("$this->InitVariableV();");
                for (const structTable& c : ListeChamps)
                    Php.Ligne("if (isset($_Resultat->" + c.NomChamp + "))\t$this->v_" + c.NomChamp + "=$_Resultat->" +
                              c.NomChamp + ";");
            },
            [&] {
                for (const structTable& c : ListeChamps) Php.Ligne("unset($this->v_" + c.NomChamp + ");");
                Php.Ligne("$this->TransfertChampsLecture();");
            });
        Php.Ligne("return $_Resultat;");
    });
    return Php.Prends();
}

std::string FrwSgbd::ConstruitDonneLigne() {
    Commence();
    Php.Ligne("// Fonction qui recup\xE8re les enregistrements suivants lors d'une requete libre (unions, jointure ou autre)");
    Methode("retourne un tableau contenant les champs de la requete par ordre d'apparaition", "function DonneLigne()", [&] {
        Php.Ligne("$_Resultat=mysql_fetch_row($this->Resultat);");
        Php.Ligne("return $_Resultat;");
    });
    return Php.Prends();
}

std::string FrwSgbd::ConstruitRequeteCherche(std::string table) {
    Commence();
    Methode("Fonction Cherche dans les champs " + ListeDesChamps() + " de la table " + TableSql(table), "function Cherche()", [&] {
        Php.Ligne("$this->TransfertChampsEcriture();");
        Php.Ligne("// Constitution de la requete");
        Php.Ligne("$where = \"\";");
        CriteresNonVides();
        Php.Ligne("else echo \"ERREUR : fonction Cherche multi-crit\xE8re - pas de crit\xE8re de recherche\";");
        ClauseDeTri("where", "");
        Interroge(" \"Select * from " + NomSql(TableSql(table)) + " where $where\"");
        ChargePremiereLigne(table + "::Cherche tous les champs dans la table:" + TableSql(table));
    });
    return Php.Prends();
}

std::string FrwSgbd::ConstruitRequetesCherche(std::string table) {
    Commence();
    for (size_t i = 0; i < ListeChamps.size(); ++i) {
        const std::string& f = ListeChamps[i].NomChamp;
        Methode("Fonction Cherche dans le champ " + f + " de la table " + TableSql(table),
                "function Cherche_" + f + "( $" + f + "=null )", [&] {
            Php.Ligne("if (isset($" + f + ") ) $this->" + f + "=$" + f + ";");
            Php.Ligne("$this->TransfertChampsEcriture();");
            Critere(ListeChamps[i]);
            Interroge(" \"Select * from " + NomSql(TableSql(table)) + " where " + NomSql(f) + "=$this->v_" + f + ";\"");
            ChargePremiereLigne(table + "::Cherche dans " + TableSql(table) + "." + f);
        }, static_cast<int>(i));
    }
    return Php.Prends();
}

// La valeur NULL de la colonne devient DEFAULT dans le SQL.
void FrwSgbd::NullDevientDefaut(const std::string& colonne) {
    Php.Ligne("if ($this->v_" + colonne + "===\"NULL\")\t$this->v_" + colonne + "=\"DEFAULT\";");
}

std::string FrwSgbd::ConstruitRequeteInsertion(std::string table) {
    Commence();
    std::vector<std::string> colonnes, valeurs, nomsSql;
    std::string autoIncrement;
    for (const structTable& c : ListeChamps) {
        if (c.AutoIncrement == "O") {
            if (autoIncrement.empty()) autoIncrement = c.NomChamp;
            continue;
        }
        colonnes.push_back(c.NomChamp);
        valeurs.push_back("$this->v_" + c.NomChamp);
        nomsSql.push_back(NomSql(c.NomChamp));
    }
    Methode("Fonction Insertion de la table " + table, "function Insertion()", [&] {
        Php.Ligne("$this->TransfertChampsEcriture();");
        // A l'insertion, NULL ecarterait le defaut de la colonne (current_timestamp, 0 d'une
        // colonne not null...) ; DEFAULT le garde. La mise a jour ne le fait que pour une colonne
        // NOT NULL (ConstruitRequeteUpdateAll) : ailleurs, vider y range bien NULL.
        if (!colonnes.empty())
            Php.Ligne("// Une valeur absente, ou un nombre ou une date vide, prend la valeur par d\xE9" "faut de la colonne.");
        for (const std::string& c : colonnes) NullDevientDefaut(c);
        Php.Ligne("$Requete=\"insert into " + NomSql(TableSql(table)) + " (" + Utiles::Joint(nomsSql) + ") values(" +
                  Utiles::Joint(valeurs) + ");\";");
        Interroge("$Requete");
        Php.Ligne("$this->InsertionOK=mysql_affected_rows();");
        // La cle generee revient dans la colonne auto-incrementee, et seulement la.
        if (!autoIncrement.empty()) Php.Ligne("$this->" + autoIncrement + "=mysql_insert_id();");
        Verifie(table + "::Insertion de la table:" + TableSql(table));
    });
    return Php.Prends();
}

std::string FrwSgbd::NomRepere() const { return ListeChamps.empty() ? "" : ListeChamps[IndiceRepere(ListeChamps)].NomChamp; }

// Apres TransfertChampsEcriture, dans une methode qui cherche la ligne par la colonne c : par une
// cle de nombres, une valeur qui n'est pas un nombre ne designe aucune ligne, la ou le serveur
// lirait '1abc' comme 1 (la cle d'une page passe par la demande).
void FrwSgbd::Critere(const structTable& c) {
    const bool cle = &c == &ListeChamps[IndiceRepere(ListeChamps)] || c.CleServeur == "PRI" || c.CleServeur == "UNI";
    if (cle && EntreNombre(c)) AucuneLigneSansNombre("$this->v_" + c.NomChamp);
}

// La variable PHP qui n'est pas un nombre devient NULL : elle ne designe alors aucune ligne.
void FrwSgbd::AucuneLigneSansNombre(const std::string& variable) {
    Php.Ligne("if (!is_numeric(" + variable + ")) " + variable + "=\"NULL\"; // Pas un nombre : aucune ligne.");
}

// La clause where des mises a jour par une colonne.
std::string FrwSgbd::OuRepere() const { return " where " + NomSql(NomRepere()) + "=$this->v_" + NomRepere() + ";"; }

// Les colonnes de $Gardees ne sont pas ecrites, si bien qu'une mise a jour faite entre-temps
// par un autre client n'est pas defaite. $Ligne designe la ligne quand la cle elle-meme change.
std::string FrwSgbd::ConstruitRequeteUpdateAll(std::string table) {
    Commence();
    const std::string k = NomRepere();
    std::vector<std::string> affectations;
    for (const structTable& c : ListeChamps)
        affectations.push_back("\"" + c.NomChamp + "\" => \"" + NomSql(c.NomChamp) + "=$this->v_" + c.NomChamp + "\"");
    Methode("Fonction mise \xE0 jour des champs de la table " + TableSql(table), "function Maj_ALL( $Gardees = array(), $Ligne = null )", [&] {
        Php.Ligne("$this->TransfertChampsEcriture();");
        Php.Ligne("// La ligne est celle de la cl\xE9 $Ligne (telle que la base la garde), dont la cl\xE9 devient alors");
        Php.Ligne("// celle du membre " + k + " ; sans $Ligne, celle du membre " + k + ", qui n'est pas \xE9" "crit.");
        Php.Ligne("if (!isset($Ligne)) $Gardees[]=\"" + k + "\";");
        if (!ListeChamps.empty() && EntreNombre(ListeChamps[IndiceRepere(ListeChamps)])) {
            Php.Ligne("$Ou = $Ligne ?? $this->v_" + k + ";");
            AucuneLigneSansNombre("$Ou");
        } else {
            Php.Ligne("$Ou = isset($Ligne) ? \"'\".addslashes($Ligne).\"'\" : $this->v_" + k + ";");
        }
        // Vide, un nombre, une date ou un drapeau NOT NULL n'a pas d'autre sens que son defaut,
        // comme a l'insertion : NULL serait refuse par un serveur strict, et range 0 par un autre.
        std::vector<std::string> parDefaut;
        for (const structTable& c : ListeChamps)
            if (c.Obligatoire == "O" && VideEstNull(c.TypeSgbd) && !c.ValeurDefaut.empty())
                parDefaut.push_back(c.NomChamp);
        if (!parDefaut.empty())
            Php.Ligne("// Vide, un nombre, une date ou un drapeau NOT NULL prend la valeur par d\xE9" "faut de sa colonne.");
        for (const std::string& c : parDefaut) NullDevientDefaut(c);
        Php.Ligne("// Les colonnes de $Gardees ne sont pas \xE9" "crites : chacune garde la valeur que la ligne a dans la base.");
        Php.Ligne("$Colonnes = array_diff_key(array(" + Utiles::Joint(affectations) + "), array_flip($Gardees));");
        Php.Ligne("$Requete = \"update " + NomSql(TableSql(table)) + " set \".($Colonnes ? implode(\",\", $Colonnes) : \"" + NomSql(k) + "=" +
                  NomSql(k) + "\").\" where " + NomSql(k) + "=$Ou;\";");
        Interroge(" $Requete");
        Php.Ligne("$this->ModificationOK=mysql_affected_rows();");
        Verifie(table + "::Maj_All du champ " + TableSql(table) + "." + k);
    });
    return Php.Prends();
}

// Une methode par colonne, sauf celle qui repere la ligne.
std::string FrwSgbd::ConstruitRequetesUpdate(std::string table) {
    Commence();
    const size_t repere = IndiceRepere(ListeChamps);
    for (size_t i = 0; i < ListeChamps.size(); ++i) {
        if (i == repere) continue;
        const std::string& f = ListeChamps[i].NomChamp;
        Methode("Fonction Update du champ " + f + " de la table " + table, "function Maj_" + f + "()", [&] {
            Php.Ligne("$this->TransfertChampsEcriture();");
            Critere(ListeChamps[repere]);
            Interroge("\"update " + NomSql(TableSql(table)) + " set " + NomSql(f) + "=$this->v_" + f + OuRepere() + "\"");
            Php.Ligne("$this->ModificationOK=mysql_affected_rows();");
            Verifie(table + "::Maj_" + f + " - Update du champ " + TableSql(table) + "." + f);
        }, static_cast<int>(i));
    }
    return Php.Prends();
}

std::string FrwSgbd::ConstruitRequeteDelete(std::string table) {
    Commence();
    for (size_t i = 0; i < ListeChamps.size(); ++i) {
        const std::string& f = ListeChamps[i].NomChamp;
        const bool index = ListeChamps[i].Index == "O";
        Methode("Fonction Efface de la table " + TableSql(table) + (index ? " avec le champ index" : " avec le champ ") + f,
                (index ? "function EffaceAvecIndex_" : "function EffaceAvec_") + f + "( $" + f + " = null )", [&] {
            Php.Ligne("if (isset( $" + f + ") ) $this->" + f + "=$" + f + ";");
            Php.Ligne("$this->TransfertChampsEcriture();");
            Critere(ListeChamps[i]);
            Interroge("\"Delete from " + NomSql(TableSql(table)) + " where " + NomSql(f) + "=$this->v_" + f + ";\"");
            Php.Ligne("$this->EffacementOK=mysql_affected_rows();");
            Verifie(table + "::Efface de la table " + table);
        }, static_cast<int>(i));
    }
    return Php.Prends();
}

std::string FrwSgbd::ConstruitRequeteExecute(std::string table) {
    Commence();
    Methode("Fonction ex\xE9" "cute de la requ\xEAte", "function ExecuteRequete($Requete)", [&] {
        Interroge(" $Requete");
        Verifie(table + "::ExecuteRequete sur la table:" + TableSql(table));
    });
    return Php.Prends();
}

// Sans ligne vide apres elle : Ferme suit directement.
std::string FrwSgbd::ConstruitVerifie_erreur() {
    Commence();
    Php.Ligne("// V\xE9rification des erreurs MySql");
    Php.Accolade(Fonction("function verifie_erreur($res,$endroit,$errMysql)"), [&] {
        Php.Ligne("$retour=\"\";");
        Php.Accolade("if (!$res)", [&] {
            Php.Ligne("$retour=\"<br><br>ERREUR Mysql : $endroit<br>\";");
            // Le texte d'erreur de MySQL peut citer la valeur postee : il est echappe avant d'atteindre la page.
            Php.Ligne("$retour.= " + EnHtml("$errMysql") + ".\"<br>\";");
        });
        Php.Ligne("return $retour;");
    });
    return Php.Prends();
}

// Ferme(), puis la fin de la classe et du PHP.
std::string FrwSgbd::CreerFin(const std::string& table) {
    Commence(0).Decale([&] {
        Methode("Fermeture de la table " + table, "function Ferme()",
                [&] { Php.Ligne("if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);"); });
    });
    Php.Ligne("}").Ligne("?>");
    return Php.Prends();
}

// La tete, les declarations des membres, les methodes dans l'ordre du fichier, puis la fin ;
// chaque morceau est ajoute a son tour, car chacun note ses declarations.
std::string FrwSgbd::ConstruitClasse(const std::string& table, const std::string& dateHeure) {
    std::string texte = CreerEntete(table, dateHeure);
    texte += CreerDeclarations();
    texte += CreerConstructeur(table);
    texte += CreerInitVariable();
    texte += CreerTransfertChamps();
    texte += ConstruitFonctionVar2Tab();
    texte += ConstruitAfficheVarClasse(table);
    texte += ConstruitFonctionPost2Var();
    texte += ConstruitFonctionVar2Post();
    texte += ConstruitRequeteParcours(table);
    texte += ConstruitParcoursNext(table);
    texte += ConstruitDonneLigne();
    texte += ConstruitRequeteCherche(table);
    texte += ConstruitRequetesCherche(table);
    texte += ConstruitRequeteInsertion(table);
    texte += ConstruitRequeteUpdateAll(table);
    texte += ConstruitRequetesUpdate(table);
    texte += ConstruitRequeteDelete(table);
    texte += ConstruitRequeteExecute(table);
    texte += ConstruitVerifie_erreur();
    return texte + CreerFin(table);
}

std::string FrwSgbd::CreerFormVariable(std::string nom) const {
    Emetteur& e = Commence();
    e.Ligne("// Variable de classe " + nom + " Champs + Action.").Ligne("// Variable de la Form");
    for (const structTable& c : ListeChamps) e.Ligne("public\t$" + c.NomChamp + ";");
    e.Ligne("// Action CREATION,MODIFICATION,EFFACE");
    for (const char* action : {"Creation=\"CREATION\"", "Modification=\"MODIFICATION\"", "Efface=\"EFFACE\""})
        e.Ligne(std::string("public\t$") + action + ";");
    e.LigneVide().Ligne("// Type de formulaire");
    for (const char* type : {"Text=\"text\"", "Password=\"password\"", "File=\"file\"", "Image=\"image\"", "Hidden=\"hidden\""})
        e.Ligne(std::string("public\t$Type") + type + ";");
    return e.Ligne("// Variable interne.").Ligne("public\t$NomFormulaire=\"\";").Prends();
}

std::string FrwSgbd::CreerFormEntete(std::string nom, const std::string& dateHeure) const {
    Emetteur& e = Commence(0);
    e.Ligne("<?php").Brut(Param.GenereListeInclude());
    e.Ligne("// Classe : " + nom).Ligne("// Fichier g\xE9n\xE9r\xE9 par " + Param.Banniere);
    e.Ligne("// Date de generation : " + dateHeure).LigneVide();
    return e.Ligne("class " + nom + "_FORM\t{").LigneVide().Prends();
}

std::string FrwSgbd::Origine(int source) const {
    return source == Table ? "son nom" : "le nom de sa colonne " + NomMontre(ListeChamps[source].NomChamp);
}

std::string FrwSgbd::DoubleDeclaration() const {
    std::map<std::string, const Declaration*> vus;
    for (const Declaration& d : Declarations) {
        std::string cle = d.nom;
        if (d.methode) cle = Utiles::Majuscule(cle) + "()";
        const auto [deja, nouveau] = vus.emplace(cle, &d);
        if (nouveau) continue;
        const Declaration& fautif = d.source == Fixe ? *deja->second : d;
        const Declaration& autre = &fautif == &d ? *deja->second : d;
        return Origine(fautif.source) + " donne " +
               (d.methode ? "la methode " + fautif.nom + "()" : "le membre $" + fautif.nom) +
               (autre.source == Fixe ? ", que la classe declare deja." : ", comme " + Origine(autre.source) + ".");
    }
    return "";
}

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

// Le nom de la table et ceux de ses colonnes nomment une classe, des membres, des
// methodes, des parametres et un fichier : chacun doit etre un nom PHP que PHP
// accepte a sa place, sans quoi rien n'est ecrit.
bool FrwSgbd::NomsPhp(const std::string& table) {
    const std::string regle = " n'est pas un nom PHP (lettres sans accent, chiffres et _, pas de chiffre en tete).";
    std::string raison;
    if (!Utiles::EstIdentifiantPhp(table)) raison = "son nom" + regle;
    else if (Utiles::NomReservePhp(table)) raison = RaisonNomReserve;
    for (size_t i = 0; i < ListeChamps.size() && raison.empty(); ++i) {
        const std::string colonne = "le nom de sa colonne " + NomMontre(ListeChamps[i].NomChamp);
        if (!Utiles::EstIdentifiantPhp(ListeChamps[i].NomChamp)) raison = colonne + regle;
        else if (Utiles::VariableReserveePhp(ListeChamps[i].NomChamp)) raison = colonne + " est une variable reservee de PHP.";
    }
    if (raison.empty()) return true;
    Param.AddErreur(RefusClasse(table) + raison);
    return false;
}

// La classe de la table, d'apres ListeChamps, dans les deux repertoires include.
void FrwSgbd::EcritClasse(const std::string& table) {
    if (!NomsPhp(table)) return;
    const std::string nom = Param.PrefixeFichierClasse + table + ".php";
    if (nom == Param.NomFichierConnexion) {
        Param.AddErreur(RefusClasse(table) + "son fichier " + nom + " serait le fichier de connexion.");
        return;
    }
    const std::string classe = ConstruitClasse(table);
    const std::string doublon = DoubleDeclaration();
    if (!doublon.empty()) {
        Param.AddErreur(RefusClasse(table) + doublon);
        return;
    }
    Fichier fichier;
    for (const std::string* repertoire : {&Param.RepertoireIncludeSources, &Param.RepertoireIncludeCible}) {
        fichier.NommeFichier(*repertoire + nom);
        std::string autre;
        const int code = Param.EcritFichier(fichier.NomFichier, classe, autre, Parametrage::OrigineClasse(nom));
        if (code == plateforme::Refusee)
            Param.AddErreur(RefusClasse(table) + "son fichier " + fichier.NomFichier + " est un lien ou un second nom de " +
                            autre + ", qu'il remplacerait.");
        else if (code != 0) Param.AddErreur(fichier.LibelleErreur(code));
    }
}

void FrwSgbd::FichiersDeLExecution(plateforme::Registre& registre) {
    const Parametrage::CheminsDuSite chemins = Param.Chemins();
    for (const std::string* repertoire : {&chemins.IncludeSources, &chemins.IncludeCible}) {
        std::vector<std::string> noms;
        plateforme::ListeFichiersReguliers(*repertoire, noms);
        // La connexion n'est pas une classe : main, make et form la copient de l'appui du programme.
        for (const std::string& nom : noms)
            if (nom.rfind(Param.PrefixeFichierClasse, 0) == 0 && nom.size() > 4 &&
                nom.compare(nom.size() - 4, 4, ".php") == 0 && nom != Param.NomFichierConnexion)
                registre.Ajoute(*repertoire + nom, Parametrage::OrigineClasse(nom));
    }
}

// Les colonnes de toutes les tables en une requete, quel que soit leur nombre. Un
// echec arrete l'etape (-240) ; ce qui precede n'y compte pas, mais reste enregistre.
std::map<std::string, std::vector<structTable>> FrwSgbd::LisColonnes(BaseMysql& base, const std::string& database) {
    std::map<std::string, std::vector<structTable>> colonnes;
    const int erreurs = Param.NbErreurs;
    Param.NbErreurs = 0;
    if (!base.FaitListeChampsBase(database, colonnes, false).empty())
        Param.AddErreur("Erreur a la constitution de la liste des champs.");
    Param.GestionErreur(-240, "", Parametrage::LogEcranEtFichier);
    Param.NbErreurs = erreurs;
    return colonnes;
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
    // Lu en UTF-8, un commentaire garde ses caracteres hors du Latin-1 (CommentairePhp) ; les autres
    // textes passent en Latin-1, celui des messages et des classes.
    base.JeuDeCaracteres = "utf8mb4";
    base.OuvreBase(serveur, database, utilisateur, motDePasse);
    VersionMysql = base.ChercheVersion_MYSQL();
    // Le mot de passe ne s'ecrit ni a la console ni dans la trace ; on dit seulement s'il y en a un.
    if (Param.Bavard > 0)
        VersionMysql += "Connexion avec Host=" + serveur + ",Database=" + database + ",User=" + utilisateur +
                        ",Mdp=" + (motDePasse.empty() ? "" : "********") + FinDeLigne;
    Param.GestionErreur(-220, "", Parametrage::LogEcranEtFichier);
    ListeTables.clear();
    if (!base.FaitListeTable(database, ListeTables).empty())
        Param.AddErreur("Erreur a la constitution de la liste des tables.");
    Param.GestionErreur(-230, "", Parametrage::LogEcranEtFichier);
    CreeRepertoiresDuSite();
    if (ListeTables.empty()) return "";

    std::map<std::string, std::vector<structTable>> colonnes = LisColonnes(base, database);
    std::string rapport;
    for (std::string& table : ListeTables) {
        ListeChamps = std::move(colonnes[table]);
        table = Utiles::Latin1OuQuestion(table);
        rapport += "Traitement table:" + table + FinDeLigne;
        for (structTable& c : ListeChamps) {
            for (std::string* texte : {&c.NomTable, &c.NomChamp, &c.ValeurDefaut}) *texte = Utiles::Latin1OuQuestion(*texte);
            if (!Utiles::HorsLatin1(c.Commentaire)) c.Commentaire = Utiles::Latin1OuQuestion(c.Commentaire);
        }
        base.DonneMotsDesTypes(ListeChamps);
        EcritClasse(table);
    }
    return rapport;
}
