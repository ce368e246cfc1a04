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

}  // namespace

// Le texte PHP de la classe d'une table, un generateur de FrwSgbd a la fois. Le nom de la table
// nomme la classe ; prefixe + table nomme la table dans le SQL (et, selon la methode, dans les
// commentaires et les textes d'endroit). Les methodes emises sont au premier cran de retrait,
// celui de Parametrage::Tab(), et chaque nom declare est note dans FrwSgbd::Declarations.
class FrwSgbd::ClassePhp : private Emetteur {
    friend class FrwSgbd;

public:
    ClassePhp(FrwSgbd& sgbd, const std::string& table)
        : Emetteur(1, sgbd.Param.Tab()), sgbd_(sgbd), champs_(sgbd.ListeChamps), classe_(table),
          tableSql_(sgbd.Param.PrefixeTables + table), tableRequete_(NomSql(tableSql_)),
          repere_(FrwSgbd::IndiceRepere(champs_)),
          nomsReserves_(std::any_of(champs_.begin(), champs_.end(),
                                    [](const structTable& c) { return MotReserveSql(c.NomChamp); })) {}

private:
    FrwSgbd& sgbd_;
    const std::vector<structTable>& champs_;
    const std::string classe_;    // le nom de la table, qui nomme aussi la classe PHP
    const std::string tableSql_;  // prefixe + table : le nom de la table dans le SQL
    const std::string tableRequete_;  // ce nom tel qu'une requete l'ecrit
    // La colonne qui repere la ligne des mises a jour : la cle primaire quand une seule colonne
    // la forme, sinon la premiere colonne. Reperee par une colonne non unique, une mise a jour
    // reecrirait toutes les lignes qui en partagent la valeur.
    const size_t repere_;
    const bool nomsReserves_;  // une colonne porte un nom que MariaDB se reserve

    // La tete du fichier ; elle ouvre le PHP et la classe, que CreerFin ferme.
    void CreerEntete(const std::string& dateHeure) {
        Retrait = 0;
        Ligne("<?php").LigneVide();
        Decale([&] {
            Ligne("// Classe : " + classe_);
            Ligne("// Fichier g\xE9n\xE9r\xE9 par " + sgbd_.Param.Banniere);
            Ligne("// Date de g\xE9n\xE9ration : " + dateHeure);
        });
        LigneVide();
        Ligne("class " + classe_ + Tabulation + "{").LigneVide();
    }

    // Le nom qui suit `marque` ("$" ou "function ") dans la tete d'une declaration.
    void Declare(const std::string& tete, const std::string& marque, bool methode, int source) {
        const size_t debut = tete.find(marque) + marque.size();
        size_t fin = debut;
        while (fin < tete.size() && Utiles::CaracteresIdentifiant(tete.substr(fin, 1))) ++fin;
        sgbd_.Declarations.push_back({tete.substr(debut, fin - debut), methode, source});
    }

    const std::string& Fonction(const std::string& tete, int source = Fixe) {
        Declare(tete, "function ", true, source);
        return tete;
    }

    // Cache celle d'Emetteur : toute methode emise est aussi declaree.
    template <class Corps>
    void Methode(const std::string& commentaire, const std::string& tete, Corps corps, int source = Fixe) {
        Emetteur::Methode(commentaire, Fonction(tete, source), corps);
    }

    void Propriete(const std::string& ligne, int source) {
        Declare(ligne, "$", false, source);
        Ligne(ligne);
    }

    void CreerDeclarations() {
        static const std::pair<const char*, const char*> parChamp[] = {
            {"Variable de la table.", "public $"},
            {"Variable de la classe vers les enregistrements.", "private $v_"},
            {"Variable Libell\xE9 des champs de la table.", "public\t$Libelle_"}};
        for (const auto& [commentaire, debut] : parChamp) {
            Ligne(std::string("// ") + commentaire);
            for (size_t i = 0; i < champs_.size(); ++i) Propriete(debut + champs_[i].NomChamp + ";", static_cast<int>(i));
        }
        Ligne("// Variable de la classe;");
        static const char* const fixes[] = {
            "public\t$Resultat;",                  "public\t$TabChamps = array();",       "public\t$TabChampsLibelle= array();",
            "public\t$TabChampsLibNum = array();", "private $data = array();",            "private $dataTab = array();",
            "public\t$TabLongueurChamps;",         "public\t$ChampTri;",                  "public\t$ChampTriSens;",
            "public\t$In;",                        "public\t$TabIn = array();",           "public\t$ChampIn;",
            "public\t$NbReponse=0;",               "public\t$InsertionOK=0;",             "public\t$ModificationOK=0;",
            "public\t$EffacementOK=0;",            "public\t$OK=1;",                      "public\t$NOK=0;",
            "public\t$erreur=\"\";"};
        for (const char* ligne : fixes) Propriete(ligne, Fixe);
    }

    void CreerConstructeur() {
        const std::string commentaireLibelle =
            "// Le commentaire du champ dans mysql est vide, Le nom par defaut est initialis\xE9 avec son nom.";
        std::vector<std::string> champs, numerotes, longueurs;
        for (const structTable& c : champs_) {
            const std::string& f = c.NomChamp;
            champs.push_back("'" + f + "' => \"" + f + "\"");
            numerotes.push_back(std::to_string(numerotes.size() + 1) + " => \"" +
                                (c.Commentaire.empty() ? "Pas de commentaire dans SGBD pour ce champ." : CommentairePhp(c.Commentaire)) +
                                "\"");
            longueurs.push_back("\"" + f + "\" => \"" + c.Longueur + "\"");
        }
        // new n'appelle plus, depuis PHP 8, la methode qui porte le nom de la classe :
        // __construct() le fait, et la methode reste pour qui l'appelle par son nom.
        Methode("Constructeur appel\xE9 par new : il appelle " + classe_ + "()", "function __construct()",
                [&] { Ligne("$this->" + classe_ + "();"); });
        Methode("Constructeur de la table " + classe_, "function " + classe_ + "()", [&] {
            Ligne("// Initialisation des libell\xE9s de champs.");
            for (const structTable& c : champs_) {
                if (c.Commentaire.empty()) Ligne("$this->Libelle_" + c.NomChamp + "=\"" + c.NomChamp + "\"; " + commentaireLibelle);
                else Ligne("$this->Libelle_" + c.NomChamp + "=\"" + CommentairePhp(c.Commentaire) + "\"; // " + commentaireLibelle);
            }
            Ligne("// Initialisation de la structure");
            Ligne("$this->InitVariable();");
            Ligne("// Tableau Champs Libelle");
            Ligne("$this->TabChamps = array(" + Utiles::Joint(champs) + ");");
            Ligne("// Tableau Champs Num\xE9rot\xE9");
            Ligne("$this->TabChampsLibNum = array(" + Utiles::Joint(numerotes) + ");");
            Ligne("// Tableau Libell\xE9 des Champs");
            Ligne("$this->TabLongueurChamps = array(" + Utiles::Joint(longueurs) + ");");
            for (const char* membre : {"ChampIn", "ChampTri", "ChampTriSens"}) Ligne(std::string("$this->") + membre + "=\"\";");
            Ligne("$this->NbReponse=0;");
        }, Table);
    }

    // Le defaut d'une colonne numerique s'il est un nombre simple (-12, 1.50, +3e2) ; sinon "" (un
    // autre texte casserait le PHP genere). Les zeros de tete qu'une colonne zerofill donne a son
    // defaut partent : PHP lirait 0000000017 comme un nombre octal, et 08 pas du tout.
    static std::string ValeurInitiale(const structTable& champ) {
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

    void CreerInitVariable() {
        Methode("Initialisation des variables.", "function InitVariable()", [&] {
            for (const structTable& c : champs_) Ligne("$this->" + c.NomChamp + "=" + ValeurInitiale(c) + ";");
        });
        Methode("Initialisation des variables Virtuelles.", "private function InitVariableV()", [&] {
            for (const structTable& c : champs_) Ligne("$this->v_" + c.NomChamp + "=" + ValeurInitiale(c) + ";");
        });
    }

    void CreerTransfertChamps() {
        Methode("Ecriture : Transfert les champs dans la structure pour detecter les champs NULL.",
                "function TransfertChampsEcriture()", [&] {
            for (const structTable& c : champs_) {
                const std::string m = "$this->" + c.NomChamp;
                // Un membre numerique n'entre nu dans le SQL que s'il est un nombre.
                const std::string valeur = EntreNombre(c)
                                               ? "(is_numeric(" + m + ") ? \"" + m + "\" : \"'\".addslashes(" + m + ").\"'\")"
                                               : "\"'" + m + "'\"";
                // Un nombre ou une date vide est NULL : un serveur strict refuse ''.
                const std::string vide = FrwSgbd::VideEstNull(c.TypeSgbd) ? " and " + m + "!==\"\"" : "";
                Ligne("if (isset(" + m + ")" + vide + ")\t$this->v_" + c.NomChamp + " = " + valeur + ";");
                Decale([&] { Ligne("else  $this->v_" + c.NomChamp + " = \"NULL\";"); });
            }
        });
        Methode("Lecture : Transfert les champs dans la structure pour detecter les champs NULL.",
                "function TransfertChampsLecture()", [&] {
            Ligne("$this->InitVariable();");
            for (const structTable& c : champs_) {
                const std::string& f = c.NomChamp;
                Accolade("if (isset($this->v_" + f + "))", [&] { Ligne("$this->" + f + " = $this->v_" + f + ";"); },
                         "}\telse unset($this->" + f + ");");
            }
        });
    }

    // Le membre d'une colonne, ou null quand une valeur NULL l'a detruit (sans avertissement de PHP 8).
    static std::string LuOuNull(const std::string& champ) {
        return "(isset($this->" + champ + ") ? $this->" + champ + " : null)";
    }

    // Une boucle sur les colonnes choisies par TableauAjouteColonne.
    template <class Corps>
    void PourChaqueColonneChoisie(Corps corps) {
        Accolade("for($i=0;$i<count($this->dataTab);$i++)", [&] { Accolade("if (isset($this->dataTab[$i]))", corps); });
        Ligne("return $this->data;");
    }

    void ConstruitFonctionVar2Tab() {
        Methode("Met le contenu des champs concat\xE9n\xE9s.", "function TableauInitColonne()",
                [&] { Ligne("$this->dataTab=array();"); });
        Methode("Ajoute le contenu \xE0 l'affichage.", "function TableauAjouteColonne($numColonne)",
                [&] { Ligne("$this->dataTab[count($this->dataTab)]=$numColonne;"); });
        Methode("Construit les libell\xE9s pour les entetes de colonnes.", "function TableauFaitLibelle()", [&] {
            PourChaqueColonneChoisie([&] { Ligne("$this->data[$i]=$this->TabChampsLibNum[$this->dataTab[$i]];"); });
        });
        Methode("Construit le tableau avec les champs indiqu\xE9 TableauAjouteColonne.", "function TableauFaitChamps()", [&] {
            Ligne("$this->data=array();");
            PourChaqueColonneChoisie([&] {
                int k = 0;
                for (const structTable& c : champs_)
                    Ligne("if ($this->dataTab[$i]==" + std::to_string(++k) + ")\t$this->data[count($this->data)]=" +
                          LuOuNull(c.NomChamp) + ";");
            });
        });
    }

    void ConstruitAfficheVarClasse() {
        Methode("Affichage des variables de la classe refl\xE9tant les champs de la table " + classe_,
                "function AfficheVarClasse( $var = \"\")", [&] {
            Ligne("echo \"<table border=\\\"1\\\"><tr><td>\".$var.\"</td><td>Contenu champs de la classe : " + classe_ +
                  "</td></tr>\";");
            for (const structTable& c : champs_) {
                const std::string& f = c.NomChamp;
                Ligne("if (isset($this->" + f + ")) $valeur=$this->" + f + ";    else    $valeur=\"\";");
                Ligne("echo \"<tr><td>" + f + "=</td><td>\"." + EnHtml("stripslashes($valeur)") + ".\"</td></tr>\";");
            }
            Ligne("echo \"</table>\";");
        });
    }

    // Post2Var passe la demande postee dans les membres : la methode PHP Form2Variable() ;
    // Var2Post prepare les membres pour le formulaire : Variable2Form().
    void ConstruitFonctionPost2Var() {
        Methode("R\xE9" "cup\xE9ration des donn\xE9" "es du formulaire envoy\xE9", "function Form2Variable()", [&] {
            for (const structTable& c : champs_) {
                const std::string& f = c.NomChamp;
                const std::string post = "$_POST[\"" + f + "\"]";
                if (c.Obligatoire == "N") {
                    Ligne("if ( isset(" + post + ") and (" + post + "!=\"\") )  $this->" + f + "=addslashes(" + post + ");");
                    Ligne("elseif ( isset(" + post + ") and (" + post + "==\"\") )  unset($this->" + f + ");");
                } else {
                    // Une colonne obligatoire passe aussi par addslashes : sans cela, le texte poste entrait tel quel dans le SQL.
                    Ligne("if (isset(" + post + "))  $this->" + f + "=addslashes(" + post + ");");
                }
                Decale([&] { Ligne("else unset($this->" + f + ");"); });
            }
        });
    }

    void ConstruitFonctionVar2Post() {
        Methode("Convertion des Variables en champs visible pour le navigateur", "function Variable2Form()", [&] {
            for (const structTable& c : champs_)
                if (BaseMysql::DecritType(c.TypeSgbd).Stripslashes)
                    Ligne("if (isset($this->" + c.NomChamp + ")) $this->" + c.NomChamp + "=stripslashes($this->" + c.NomChamp + ");");
        });
    }

    // Chaque nom de colonne suivi d'une virgule, la derniere comprise.
    std::string ListeDesChamps() const {
        std::string liste;
        for (const structTable& c : champs_) liste += c.NomChamp + ",";
        return liste;
    }

    // La clause where des membres non vides, sans le " and " final.
    void CriteresNonVides() {
        for (const structTable& c : champs_)
            Ligne("if (isset($this->" + c.NomChamp + ") and $this->" + c.NomChamp + "!='') $where.=\"" + NomSql(c.NomChamp) + "='$this->" + c.NomChamp + "' and \";");
        Ligne("$pos_and=strrpos($where,' and ');");
        Bloc("if (strlen($where)-$pos_and==5)    {",
             [&] { Ligne("if (strlen($where)>5) $where=substr($where, 0, strlen($where)-5);"); });
    }

    // Une colonne que l'appelant nomme (ChampTri, ChampIn) : quand la table a des noms reserves,
    // celle qui en porte un va entre accents graves ; un autre texte reste tel quel.
    std::string ColonneNommee(const std::string& membre) const {
        if (!nomsReserves_) return membre;
        return "(isset($this->TabChamps[" + membre + "]) ? \"`" + membre + "`\" : " + membre + ")";
    }

    // Le tri demande par ChampTri et ChampTriSens, ajoute a la variable PHP `variable`.
    void ClauseDeTri(const std::string& variable, const std::string& avant) {
        const std::string v = "$" + variable + ".=";
        Bloc("if (($this->ChampTri!=\"\") and ($this->ChampTriSens!=\"\")) {", [&] {
            Ligne(v + "\"" + avant + "order by \"." + ColonneNommee("$this->ChampTri") + ".\" \";");
            Ligne("if ($this->ChampTriSens==\"+\") " + v + "\"Asc\";");
            Ligne("if ($this->ChampTriSens==\"-\") " + v + "\"Desc\";");
        });
    }

    // La requete de la methode ; `argument` porte ses blancs et ses guillemets.
    void Interroge(const std::string& argument) {
        Ligne("$this->Resultat=mysql_query(" + argument + " " + sgbd_.SuffixeRequete + ");");
    }

    void VerifieEndroit(const std::string& endroit) { Ligne(sgbd_.VerifieEndroit(endroit)); }

    // La fin commune des methodes qui executent une requete.
    void Verifie(const std::string& endroit) {
        VerifieEndroit(endroit);
        Ligne("return $this->erreur;");
    }

    // La ligne lue chargee dans les membres, ou leur remise a zero.
    template <class Chargement, class Remise>
    void ChargeResultat(Chargement chargement, Remise remise) {
        Ligne("$_Resultat=mysql_fetch_object($this->Resultat);");
        Ligne("$nb=mysql_num_rows($this->Resultat);");
        Accolade("if ($nb>0)", [&] {
            chargement();
            Ligne("$this->TransfertChampsLecture();");
            Ligne("$this->NbReponse=$nb;");
        }, "}\telse\t{");
        Decale([&] {
            remise();
            Ligne("$this->NbReponse=0;");
        });
        Ligne("}");
    }

    // Apres une recherche : la premiere ligne trouvee dans les membres.
    void ChargePremiereLigne(const std::string& endroit) {
        VerifieEndroit(endroit);
        ChargeResultat([&] { for (const structTable& c : champs_) Ligne("$this->v_" + c.NomChamp + "=$_Resultat->" + c.NomChamp + ";"); },
                       [&] { Ligne("$this->InitVariable();"); });
        Ligne("return $this->erreur;");
    }

    // Sans ligne vide apres elle : Next suit directement.
    void ConstruitRequeteParcours() {
        Ligne("// Fonction parcours dans les champs " + ListeDesChamps() + " de la table " + classe_);
        Accolade(Fonction("function Parcours()"), [&] {
            Ligne("// Constitution de la requ\xEAte");
            Ligne("$where = \"\";  // Clause where");
            Ligne("$this->In = \"\"; // in value (contenu du tableau TabIn");
            Ligne("$order = \"\"; // Ordre des champs");
            CriteresNonVides();
            Ligne("// IN (champ in (valeur1, valeur2, ...)");
            Accolade("if (count($this->TabIn)>0)", [&] {
                Ligne("if ($where!=\"\")\t$this->In.=\" and \";");
                Ligne("$this->In.=" + ColonneNommee("$this->ChampIn") + ".\" in(\";");
                Accolade("foreach ($this->TabIn as $i=> $v)", [&] {
                    Ligne("$this->In.=$v;");
                    Ligne("if ($i<count($this->TabIn)-1) $this->In.=\",\";");
                });
                Ligne("$this->In.=\") \";");
                Ligne("$where.= $this->In;");
            });
            Bloc("if ($where!=\"\")", [&] { Ligne("$Requete = \"Select * from " + tableRequete_ + " where $where\";"); }, "else");
            Decale([&] { Ligne("$Requete = \"Select * from " + tableRequete_ + "\";"); });
            Ligne("// TRI");
            ClauseDeTri("order", " ");
            Ligne("if ($order!=\"\")");
            Decale([&] { Ligne("$Requete .= $order.\";\";"); });
            Interroge(" $Requete");
            Verifie(classe_ + "::Parcours toute la table:" + classe_);
        });
    }

    void ConstruitParcoursNext() {
        Methode("Fonction Next  qui recup\xE8re les enregistrements suivants (Curseur) " + ListeDesChamps() +
                    " de la table " + tableSql_,
                "function Next()", [&] {
            ChargeResultat(
                [&] {
                    Ligne("$this->InitVariableV();");
                    for (const structTable& c : champs_)
                        Ligne("if (isset($_Resultat->" + c.NomChamp + "))\t$this->v_" + c.NomChamp + "=$_Resultat->" +
                              c.NomChamp + ";");
                },
                [&] {
                    for (const structTable& c : champs_) Ligne("unset($this->v_" + c.NomChamp + ");");
                    Ligne("$this->TransfertChampsLecture();");
                });
            Ligne("return $_Resultat;");
        });
    }

    void ConstruitDonneLigne() {
        Ligne("// Fonction qui recup\xE8re les enregistrements suivants lors d'une requete libre (unions, jointure ou autre)");
        Methode("retourne un tableau contenant les champs de la requete par ordre d'apparaition", "function DonneLigne()", [&] {
            Ligne("$_Resultat=mysql_fetch_row($this->Resultat);");
            Ligne("return $_Resultat;");
        });
    }

    void ConstruitRequeteCherche() {
        Methode("Fonction Cherche dans les champs " + ListeDesChamps() + " de la table " + tableSql_, "function Cherche()", [&] {
            Ligne("$this->TransfertChampsEcriture();");
            Ligne("// Constitution de la requete");
            Ligne("$where = \"\";");
            CriteresNonVides();
            Ligne("else echo \"ERREUR : fonction Cherche multi-crit\xE8re - pas de crit\xE8re de recherche\";");
            ClauseDeTri("where", "");
            Interroge(" \"Select * from " + tableRequete_ + " where $where\"");
            ChargePremiereLigne(classe_ + "::Cherche tous les champs dans la table:" + tableSql_);
        });
    }

    void ConstruitRequetesCherche() {
        for (size_t i = 0; i < champs_.size(); ++i) {
            const std::string& f = champs_[i].NomChamp;
            Methode("Fonction Cherche dans le champ " + f + " de la table " + tableSql_,
                    "function Cherche_" + f + "( $" + f + "=null )", [&] {
                Ligne("if (isset($" + f + ") ) $this->" + f + "=$" + f + ";");
                Ligne("$this->TransfertChampsEcriture();");
                Critere(champs_[i]);
                Interroge(" \"Select * from " + tableRequete_ + " where " + NomSql(f) + "=$this->v_" + f + ";\"");
                ChargePremiereLigne(classe_ + "::Cherche dans " + tableSql_ + "." + f);
            }, static_cast<int>(i));
        }
    }

    // La valeur NULL de la colonne devient DEFAULT dans le SQL.
    void NullDevientDefaut(const std::string& colonne) {
        Ligne("if ($this->v_" + colonne + "===\"NULL\")\t$this->v_" + colonne + "=\"DEFAULT\";");
    }

    void ConstruitRequeteInsertion() {
        std::vector<std::string> colonnes, valeurs, nomsSql;
        std::string autoIncrement;
        for (const structTable& c : champs_) {
            if (c.AutoIncrement == "O") {
                if (autoIncrement.empty()) autoIncrement = c.NomChamp;
                continue;
            }
            colonnes.push_back(c.NomChamp);
            valeurs.push_back("$this->v_" + c.NomChamp);
            nomsSql.push_back(NomSql(c.NomChamp));
        }
        Methode("Fonction Insertion de la table " + classe_, "function Insertion()", [&] {
            Ligne("$this->TransfertChampsEcriture();");
            // A l'insertion, NULL ecarterait le defaut de la colonne (current_timestamp, 0 d'une
            // colonne not null...) ; DEFAULT le garde. La mise a jour ne le fait que pour une colonne
            // NOT NULL (ConstruitRequeteUpdateAll) : ailleurs, vider y range bien NULL.
            if (!colonnes.empty())
                Ligne("// Une valeur absente, ou un nombre ou une date vide, prend la valeur par d\xE9" "faut de la colonne.");
            for (const std::string& c : colonnes) NullDevientDefaut(c);
            Ligne("$Requete=\"insert into " + tableRequete_ + " (" + Utiles::Joint(nomsSql) + ") values(" +
                  Utiles::Joint(valeurs) + ");\";");
            Interroge("$Requete");
            Ligne("$this->InsertionOK=mysql_affected_rows();");
            // La cle generee revient dans la colonne auto-incrementee, et seulement la.
            if (!autoIncrement.empty()) Ligne("$this->" + autoIncrement + "=mysql_insert_id();");
            Verifie(classe_ + "::Insertion de la table:" + tableSql_);
        });
    }

    std::string NomRepere() const { return champs_.empty() ? "" : champs_[repere_].NomChamp; }

    // Apres TransfertChampsEcriture, dans une methode qui cherche la ligne par la colonne c : par une
    // cle de nombres, une valeur qui n'est pas un nombre ne designe aucune ligne, la ou le serveur
    // lirait '1abc' comme 1 (la cle d'une page passe par la demande).
    void Critere(const structTable& c) {
        const bool cle = &c == &champs_[repere_] || c.CleServeur == "PRI" || c.CleServeur == "UNI";
        if (cle && EntreNombre(c)) AucuneLigneSansNombre("$this->v_" + c.NomChamp);
    }

    // La variable PHP qui n'est pas un nombre devient NULL : elle ne designe alors aucune ligne.
    void AucuneLigneSansNombre(const std::string& variable) {
        Ligne("if (!is_numeric(" + variable + ")) " + variable + "=\"NULL\"; // Pas un nombre : aucune ligne.");
    }

    // La clause where des mises a jour par une colonne.
    std::string OuRepere() const { return " where " + NomSql(NomRepere()) + "=$this->v_" + NomRepere() + ";"; }

    // Les colonnes de $Gardees ne sont pas ecrites, si bien qu'une mise a jour faite entre-temps
    // par un autre client n'est pas defaite. $Ligne designe la ligne quand la cle elle-meme change.
    void ConstruitRequeteUpdateAll() {
        const std::string k = NomRepere();
        std::vector<std::string> affectations;
        for (const structTable& c : champs_)
            affectations.push_back("\"" + c.NomChamp + "\" => \"" + NomSql(c.NomChamp) + "=$this->v_" + c.NomChamp + "\"");
        Methode("Fonction mise \xE0 jour des champs de la table " + tableSql_, "function Maj_ALL( $Gardees = array(), $Ligne = null )", [&] {
            Ligne("$this->TransfertChampsEcriture();");
            Ligne("// La ligne est celle de la cl\xE9 $Ligne (telle que la base la garde), dont la cl\xE9 devient alors");
            Ligne("// celle du membre " + k + " ; sans $Ligne, celle du membre " + k + ", qui n'est pas \xE9" "crit.");
            Ligne("if (!isset($Ligne)) $Gardees[]=\"" + k + "\";");
            if (!champs_.empty() && EntreNombre(champs_[repere_])) {
                Ligne("$Ou = $Ligne ?? $this->v_" + k + ";");
                AucuneLigneSansNombre("$Ou");
            } else {
                Ligne("$Ou = isset($Ligne) ? \"'\".addslashes($Ligne).\"'\" : $this->v_" + k + ";");
            }
            // Vide, un nombre, une date ou un drapeau NOT NULL n'a pas d'autre sens que son defaut,
            // comme a l'insertion : NULL serait refuse par un serveur strict, et range 0 par un autre.
            std::vector<std::string> parDefaut;
            for (const structTable& c : champs_)
                if (c.Obligatoire == "O" && FrwSgbd::VideEstNull(c.TypeSgbd) && !c.ValeurDefaut.empty())
                    parDefaut.push_back(c.NomChamp);
            if (!parDefaut.empty())
                Ligne("// Vide, un nombre, une date ou un drapeau NOT NULL prend la valeur par d\xE9" "faut de sa colonne.");
            for (const std::string& c : parDefaut) NullDevientDefaut(c);
            Ligne("// Les colonnes de $Gardees ne sont pas \xE9" "crites : chacune garde la valeur que la ligne a dans la base.");
            Ligne("$Colonnes = array_diff_key(array(" + Utiles::Joint(affectations) + "), array_flip($Gardees));");
            Ligne("$Requete = \"update " + tableRequete_ + " set \".($Colonnes ? implode(\",\", $Colonnes) : \"" + NomSql(k) + "=" +
                  NomSql(k) + "\").\" where " + NomSql(k) + "=$Ou;\";");
            Interroge(" $Requete");
            Ligne("$this->ModificationOK=mysql_affected_rows();");
            Verifie(classe_ + "::Maj_All du champ " + tableSql_ + "." + k);
        });
    }

    // Une methode par colonne, sauf celle qui repere la ligne.
    void ConstruitRequetesUpdate() {
        for (size_t i = 0; i < champs_.size(); ++i) {
            if (i == repere_) continue;
            const std::string& f = champs_[i].NomChamp;
            Methode("Fonction Update du champ " + f + " de la table " + classe_, "function Maj_" + f + "()", [&] {
                Ligne("$this->TransfertChampsEcriture();");
                Critere(champs_[repere_]);
                Interroge("\"update " + tableRequete_ + " set " + NomSql(f) + "=$this->v_" + f + OuRepere() + "\"");
                Ligne("$this->ModificationOK=mysql_affected_rows();");
                Verifie(classe_ + "::Maj_" + f + " - Update du champ " + tableSql_ + "." + f);
            }, static_cast<int>(i));
        }
    }

    void ConstruitRequeteDelete() {
        for (size_t i = 0; i < champs_.size(); ++i) {
            const std::string& f = champs_[i].NomChamp;
            const bool index = champs_[i].Index == "O";
            Methode("Fonction Efface de la table " + tableSql_ + (index ? " avec le champ index" : " avec le champ ") + f,
                    (index ? "function EffaceAvecIndex_" : "function EffaceAvec_") + f + "( $" + f + " = null )", [&] {
                Ligne("if (isset( $" + f + ") ) $this->" + f + "=$" + f + ";");
                Ligne("$this->TransfertChampsEcriture();");
                Critere(champs_[i]);
                Interroge("\"Delete from " + tableRequete_ + " where " + NomSql(f) + "=$this->v_" + f + ";\"");
                Ligne("$this->EffacementOK=mysql_affected_rows();");
                Verifie(classe_ + "::Efface de la table " + classe_);
            }, static_cast<int>(i));
        }
    }

    void ConstruitRequeteExecute() {
        Methode("Fonction ex\xE9" "cute de la requ\xEAte", "function ExecuteRequete($Requete)", [&] {
            Interroge(" $Requete");
            Verifie(classe_ + "::ExecuteRequete sur la table:" + tableSql_);
        });
    }

    // Sans ligne vide apres elle : Ferme suit directement.
    void ConstruitVerifie_erreur() {
        Ligne("// V\xE9rification des erreurs MySql");
        Accolade(Fonction("function verifie_erreur($res,$endroit,$errMysql)"), [&] {
            Ligne("$retour=\"\";");
            Accolade("if (!$res)", [&] {
                Ligne("$retour=\"<br><br>ERREUR Mysql : $endroit<br>\";");
                // Le texte d'erreur de MySQL peut citer la valeur postee : il est echappe avant d'atteindre la page.
                Ligne("$retour.= " + EnHtml("$errMysql") + ".\"<br>\";");
            });
            Ligne("return $retour;");
        });
    }

    // Ferme(), puis la fin de la classe et du PHP.
    void CreerFin() {
        Methode("Fermeture de la table " + classe_, "function Ferme()",
                [&] { Ligne("if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);"); });
        Retrait = 0;
        Ligne("}").Ligne("?>");
    }
};

const std::string FrwSgbd::RaisonNomReserve =
    "son nom est reserve par PHP (mot, type, classe ou methode predefinis) ou par une classe d'appui.";

std::string FrwSgbd::CreerFormVariable(const std::string& nom) const {
    Emetteur e(1, Param.Tab());
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

std::string FrwSgbd::CreerFormEntete(const std::string& nom, const std::string& dateHeure) const {
    Emetteur e(0, Param.Tab());
    e.Ligne("<?php").Brut(Param.GenereListeInclude());
    e.Ligne("// Classe : " + nom).Ligne("// Fichier g\xE9n\xE9r\xE9 par " + Param.Banniere);
    e.Ligne("// Date de generation : " + dateHeure).LigneVide();
    return e.Ligne("class " + nom + "_FORM\t{").LigneVide().Prends();
}

FrwSgbd::FrwSgbd(Parametrage& param) : Param(param), NomFichierConnexion(param.NomFichierConnexion) {}

std::string FrwSgbd::VerifieEndroit(std::string endroit) const {
    return "$this->erreur=$this->verifie_erreur($this->Resultat," + Param.Guillemet + endroit + Param.Guillemet +
           ",mysql_error() );";
}

std::string FrwSgbd::Genere(const std::string& table, const std::function<void(ClassePhp&)>& generateur) {
    ClassePhp classe(*this, table);
    generateur(classe);
    return classe.Prends();
}

std::string FrwSgbd::CreerEntete(std::string table, const std::string& dateHeure) {
    Declarations.clear();
    return Genere(table, [&](ClassePhp& classe) { classe.CreerEntete(dateHeure); });
}

std::string FrwSgbd::CreerConstructeur(std::string table) { return Genere(table, &ClassePhp::CreerConstructeur); }

// Pour la classe, le defaut CURRENT_TIMESTAMP est l'instant ou elle est generee : la colonne le garde
// ainsi (annee d'abord) jusqu'a la table suivante. Une date n'est pas un nombre : son membre part de "".
std::string FrwSgbd::CreerInitVariable() {
    for (structTable& c : ListeChamps)
        if (c.ValeurDefaut == "CURRENT_TIMESTAMP") c.ValeurDefaut = Utiles::DateHeure_US("");
    return Genere("", &ClassePhp::CreerInitVariable);
}

std::string FrwSgbd::CreerTransfertChamps() { return Genere("", &ClassePhp::CreerTransfertChamps); }

std::string FrwSgbd::ConstruitFonctionVar2Tab() { return Genere("", &ClassePhp::ConstruitFonctionVar2Tab); }

std::string FrwSgbd::ConstruitAfficheVarClasse(std::string table) {
    return Genere(table, &ClassePhp::ConstruitAfficheVarClasse);
}

std::string FrwSgbd::ConstruitFonctionPost2Var() { return Genere("", &ClassePhp::ConstruitFonctionPost2Var); }

std::string FrwSgbd::ConstruitFonctionVar2Post() { return Genere("", &ClassePhp::ConstruitFonctionVar2Post); }

std::string FrwSgbd::ConstruitRequeteParcours(std::string table) {
    return Genere(table, &ClassePhp::ConstruitRequeteParcours);
}

std::string FrwSgbd::ConstruitParcoursNext(std::string table) {
    return Genere(table, &ClassePhp::ConstruitParcoursNext);
}

std::string FrwSgbd::ConstruitDonneLigne() { return Genere("", &ClassePhp::ConstruitDonneLigne); }

std::string FrwSgbd::ConstruitRequeteCherche(std::string table) {
    return Genere(table, &ClassePhp::ConstruitRequeteCherche);
}

std::string FrwSgbd::ConstruitRequetesCherche(std::string table) {
    return Genere(table, &ClassePhp::ConstruitRequetesCherche);
}

std::string FrwSgbd::ConstruitRequeteInsertion(std::string table) {
    return Genere(table, &ClassePhp::ConstruitRequeteInsertion);
}

std::string FrwSgbd::ConstruitRequeteUpdateAll(std::string table) {
    return Genere(table, &ClassePhp::ConstruitRequeteUpdateAll);
}

std::string FrwSgbd::ConstruitRequetesUpdate(std::string table) {
    return Genere(table, &ClassePhp::ConstruitRequetesUpdate);
}

std::string FrwSgbd::ConstruitRequeteDelete(std::string table) {
    return Genere(table, &ClassePhp::ConstruitRequeteDelete);
}

std::string FrwSgbd::ConstruitRequeteExecute(std::string table) {
    return Genere(table, &ClassePhp::ConstruitRequeteExecute);
}

std::string FrwSgbd::ConstruitVerifie_erreur() { return Genere("", &ClassePhp::ConstruitVerifie_erreur); }

// La tete, les declarations des membres, les methodes dans l'ordre du fichier, puis la fin ;
// chaque morceau est ajoute a son tour, car chacun note ses declarations.
std::string FrwSgbd::ConstruitClasse(const std::string& table, const std::string& dateHeure) {
    std::string texte = CreerEntete(table, dateHeure);
    texte += Genere(table, &ClassePhp::CreerDeclarations);
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
    return texte + Genere(table, &ClassePhp::CreerFin);
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
    const std::string classe = ConstruitClasse(table);
    const std::string doublon = DoubleDeclaration();
    if (!doublon.empty()) {
        Param.AddErreur(RefusClasse(table) + doublon);
        return;
    }
    const std::string nom = Param.PrefixeFichierClasse + table + ".php";
    if (nom == Param.NomFichierConnexion) {
        Param.AddErreur(RefusClasse(table) + "son fichier " + nom + " serait le fichier de connexion.");
        return;
    }
    // Une colonne d'un type hors des deux familles entre dans le SQL entre apostrophes.
    for (const structTable& c : ListeChamps)
        if (DonneTypeChamp(c.TypeSgbd) == "E")
            Param.AddWarning("Erreur interne : type inconnu de " + c.TypeSgbd + " de type " + c.TypePhp);
    Fichier fichier;
    for (const std::string* repertoire : {&Param.RepertoireIncludeSources, &Param.RepertoireIncludeCible}) {
        fichier.NommeFichier(*repertoire + nom);
        const int code = fichier.RemplaceFichier(fichier.NomFichier, classe);
        if (code != 0) Param.AddErreur(fichier.LibelleErreur(code));
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
