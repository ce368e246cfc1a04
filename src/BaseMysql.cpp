#include "BaseMysql.h"

#include <errmsg.h>

#include <algorithm>
#include <set>

#include "Utiles.h"

namespace {

// Requetes de catalogue, conservees brouillees. Les colonnes sont nommees une a
// une pour que chaque position lue tienne la meme information sur MySQL et sur
// MariaDB (les positions lues sont nommees plus bas).
// En clair :
//   "select TABLE_CATALOG,TABLE_SCHEMA,TABLE_NAME,TABLE_TYPE,ENGINE,VERSION,ROW_FORMAT,TABLE_ROWS,"
//   "AVG_ROW_LENGTH,DATA_LENGTH,MAX_DATA_LENGTH,INDEX_LENGTH,DATA_FREE,AUTO_INCREMENT,CREATE_TIME,"
//   "UPDATE_TIME,CHECK_TIME,TABLE_COLLATION,CHECKSUM,CREATE_OPTIONS,TABLE_COMMENT from "
//   "information_schema.TABLES where TABLE_SCHEMA='"
const char* const BrouilleRequeteTables =
    "P[KJDWWHGOB^v:tkL(r[Z7yaPGq^D,zqG-kbS5t^nErmZ,y^P4q`DJzpG/k^S+tdL(rEjiy]P*qgD0z|G:kWS3Q.nErm"
    "Z,y^P4q`DJzqGEkfS+tCL,rgZ2yeP6q`wAzsG1khS9t`L6rgjAynP7qrDJzcG;khS3tXL;rEjiy]P*qgD0z|G>keS=tj"
    "nErZZAycPGqmD:ztGKkbS+teL.rmZ3yHP,K&wiz^GKkbS+teL.rmZ3yHP5K&DCz|G0kWS:tXLFreZ0yjP/qoD3zIG5kd"
    "S*Q.nqrxZ7yaP6qbwizeh@kZS'tkL(rxZ1ynP-q`wAz^GAkjS5tvL0rgZ.ynP-qhD0zkG@kBS)tiL,rZjiyaPGqoD4zj"
    "G1kBS;tgL+rZjiyaPGqoD4zjG1kBS)t_L,T*Z6y{P<qdD8zbh@kjS'tYL3r^ZJy_P7qgD7z^G@k_S5tenET*Z3yaP+qf"
    "D>zrG9kBS)tiL,rZjiyaPGqjD;zqG5keS4tjnErmZ,y^P4q`DJz`G;kcS3Q.L5rmj5MJPZKTDXz=GUBXSLQXLYTTZLMX"
    "PQKTDYz|G_kySNt|LTrzjCypP)q]D7zbhgk6S]QQLLTYZPy<P<K&D-ziG1kuS9tZL/r^Z8y]P%qB";
// En clair :
//   "' order by TABLE_NAME;"
const char* const BrouilleRequeteTablesFin =
    "P\017q;DZWUGPk{SXt7LIT`j5ypP)q]D7zbGKkdS'tdL,rT";
// En clair :
//   "select TABLE_CATALOG,TABLE_SCHEMA,TABLE_NAME,COLUMN_NAME,ORDINAL_POSITION,COLUMN_DEFAULT,"
//   "IS_NULLABLE,DATA_TYPE,CHARACTER_MAXIMUM_LENGTH,CHARACTER_OCTET_LENGTH,NUMERIC_PRECISION,"
//   "NUMERIC_SCALE,CHARACTER_SET_NAME,COLLATION_NAME,COLUMN_TYPE,COLUMN_KEY,PRIVILEGES,EXTRA,"
//   "COLUMN_COMMENT,COLUMN_COMMENT from information_schema.COLUMNS where TABLE_SCHEMA='"
const char* const BrouilleRequeteChamps1 =
    "P[KJDWWHGOB^v:tkL(r[Z7yaPGq^D,zqG-kbS5t^nErmZ,y^P4q`DJzpG/k^S+tdL(rEjiy]P*qgD0z|G:kWS3Q.nET*"
    "Z:yhP=qhD9z|G:kWS3Q.nErhZ=y`P1qiD,ziGKkfS5tjL0rmZ4ykP6qGD.zlG8kkS3teLFr]Z0ybP)qpD7zqh@k_S9tv"
    "L5rnZ7yhP)q]D7zbh@kZS'tkL(rxjiyuP8q`wAz`G4kWS8tXL*rmZ0ynPGqhD,zuG5kcS;tdLFreZ0yjP/qoD3zIG/k^"
    "S'tiL(T*jiyaP:qzD:z`G@k[S:tvL3r^Z9ycP<qcwAzkGAkcS+tiL0T*ZJylP:q`D.zfhgk_S5tenErgZ@yiP-qmD4z`"
    "GKkiS)tXL3r^jAy_P0K&D=z^G/kjS+tiLFrlZ0ypPGqiD,zjG1kBS)tfL3reZ,ypP1qjD9z|G:kWS3Q.nET*Z:yhP=qh"
    "D9z|G@koS6Q.nET*Z:yhP=qhD9z|G7k[vstCL7rkZ4yrP1qgD0zdG1kivFQ.nqrmZ=y]mDq^D:ziGAkcS4tvL*rhZ8yi"
    "P-qiwizIG/keS2tlL4rgZJy_P7qhD8zbG:kjv:t}LYTVZXy<PQKSDQWRG^BWSGQ]LPTVZYy{P[KHDSWHGYkwvHtZL6re"
    "Z@yiP6qnw5WZGTk{SXt|n9rmZ,y^P4q`DJzpG/k^S+tdL(rVj<";
// En clair :
//   "' and TABLE_NAME='"
const char* const BrouilleRequeteChamps2 =
    "P\017q;DLWQGPk6S:tXL)reZ0y{P6K&D8zbG)k=";
// En clair :
//   "' order by ORDINAL_POSITION;"
const char* const BrouilleRequeteChamps3 =
    "P\017q;DZWUGPk{SXt7LIT`j5ykP:q_D4zkG-kbSEtgL6rlZ4ypP1qjD9zX";
// Fin de la requete des colonnes de toute la base, apres le nom de la base : table par table.
// En clair :
//   "' order by TABLE_NAME,ORDINAL_POSITION;"
const char* const BrouilleRequeteChampsBase =
    "q?q;PZPUPPPOPXq7PIP`q5P8P)P'P7P(PKP8P'P6P,qEP:P6P,P.P9P$P8PIP6P8P:P0qiP-P7P3P&";

// Positions lues dans une ligne de la liste des tables (INFORMATION_SCHEMA.TABLES).
enum PositionTable : unsigned {
    TableNom = 2,           // TABLE_NAME
    TableCommentaire = 20,  // TABLE_COMMENT
    ColonnesTables = 21,    // le nombre de colonnes demandees
};

// Positions lues dans une ligne de la liste des champs (INFORMATION_SCHEMA.COLUMNS).
// COLUMN_COMMENT y est demande deux fois, en 18 et en 19 : les deux se valent, 18 est lu.
enum PositionChamp : unsigned {
    ChampTable = 2,          // TABLE_NAME
    ChampNom = 3,            // COLUMN_NAME
    ChampDefaut = 5,         // COLUMN_DEFAULT
    ChampNullable = 6,       // IS_NULLABLE
    ChampType = 7,           // DATA_TYPE
    ChampLongueur = 8,       // CHARACTER_MAXIMUM_LENGTH
    ChampCle = 15,           // COLUMN_KEY
    ChampExtra = 17,         // EXTRA
    ChampCommentaire = 18,   // COLUMN_COMMENT, demande aussi en 19 (voir ColonneCommentaire)
    ChampCommentaireBis = 19,
    ColonnesChamps = 20,     // le nombre de colonnes demandees
};

// VARIABLE_VALUE dans une ligne de INFORMATION_SCHEMA.GLOBAL_VARIABLES.
const unsigned VariableValeur = 1;

// Delais de la connexion, en secondes : un serveur qui accepte la connexion
// puis se tait ne doit pas bloquer l'execution. La connexion (poignee de main
// comprise) est courte ; une lecture du catalogue peut etre longue sur un
// serveur charge.
const unsigned DelaiConnexion = 5;
const unsigned DelaiLectureEcriture = 120;

// Texte d'une position de ligne, que le resultat a (Interroge l'a verifie) ; vide quand elle est NULL.
std::string Valeur(MYSQL_ROW ligne, unsigned long* longueurs, unsigned position) {
    return ligne[position] == nullptr ? "" : std::string(ligne[position], longueurs[position]);
}

// Un nom dans une chaine SQL entre apostrophes.
std::string Echappe(const std::string& nom) { return Utiles::PrecedeDeBarre(nom, "'\\"); }

}  // namespace

void BaseMysql::OuvreBase(std::string serveur, std::string base, std::string utilisateur, std::string motDePasse) {
    Serveur = serveur;
    Base = base;
    Utilisateur = utilisateur;
    MotDePasse = motDePasse;
    ColonneCommentaire = ChampCommentaire;
    if (Initialisee) mysql_close(&Connexion);
    Initialisee = mysql_init(&Connexion) != nullptr;
    if (Initialisee) {
        mysql_options(&Connexion, MYSQL_READ_DEFAULT_GROUP, "option");
        mysql_options(&Connexion, MYSQL_OPT_CONNECT_TIMEOUT, &DelaiConnexion);
        mysql_options(&Connexion, MYSQL_OPT_READ_TIMEOUT, &DelaiLectureEcriture);
        mysql_options(&Connexion, MYSQL_OPT_WRITE_TIMEOUT, &DelaiLectureEcriture);
    }
    Connectee = Initialisee && mysql_real_connect(&Connexion, Serveur.c_str(), Utilisateur.c_str(), MotDePasse.c_str(),
                                                  Base.c_str(), 0, nullptr, 0) != nullptr;
    if (!Connectee) {
        // Sans initialisation, la connexion n'a pas d'erreur a dire : seul le manque de memoire l'explique.
        Param->AddErreur("Une erreur s'est produite lors de la connexion a MySql." + FinDeLigne +
                         (Initialisee ? ErreurClient() : "Erreur no:" + Param->ConvertIntToString(CR_OUT_OF_MEMORY)));
        return;
    }
    mysql_set_character_set(&Connexion, JeuDeCaracteres.c_str());
    const char* version = mysql_get_server_info(&Connexion);
    EstMariaDB = version != nullptr && std::string(version).find("MariaDB") != std::string::npos;
}

MYSQL_RES* BaseMysql::Interroge(const std::string& requete, const std::string& quoi, unsigned colonnes, bool enFlux) {
    if (!Connectee) {
        Param->AddErreur("Pas de connexion a MySql pour lire la " + quoi + ".");
        return nullptr;
    }
    MYSQL_RES* resultat = nullptr;
    if (mysql_real_query(&Connexion, requete.data(), requete.size()) == 0)
        resultat = enFlux ? mysql_use_result(&Connexion) : mysql_store_result(&Connexion);
    if (resultat == nullptr) {
        Param->AddErreur("La lecture de la " + quoi + " a echoue." + FinDeLigne + ErreurClient());
    } else if (mysql_num_fields(resultat) < colonnes) {
        Param->AddErreur("La " + quoi + " n'a pas la forme attendue.");
        mysql_free_result(resultat);
        resultat = nullptr;
    }
    return resultat;
}

std::string BaseMysql::ErreurClient() {
    return "Erreur no:" + Param->ConvertIntToString(static_cast<int>(mysql_errno(&Connexion))) + " " +
           mysql_error(&Connexion);
}

std::string BaseMysql::ChercheVersion_MYSQL() {
    ColonneCommentaire = ChampCommentaireBis;
    if (!Connectee) return "";
    const std::string requete = "select * from INFORMATION_SCHEMA.GLOBAL_VARIABLES where VARIABLE_NAME='VERSION';";
    if (mysql_real_query(&Connexion, requete.data(), requete.size()) != 0) return "";
    MYSQL_RES* resultat = mysql_store_result(&Connexion);
    if (resultat == nullptr) return "";
    std::string version;
    if (mysql_num_fields(resultat) > VariableValeur)
        while (MYSQL_ROW ligne = mysql_fetch_row(resultat))
            version = Valeur(ligne, mysql_fetch_lengths(resultat), VariableValeur);
    mysql_free_result(resultat);
    std::string::size_type tiret = version.find('-');
    if (tiret == std::string::npos) return "";
    return "Distribution Mysql : " + version.substr(tiret + 1) + FinDeLigne + "Version Mysql : " +
           version.substr(0, tiret) + FinDeLigne;
}

std::string BaseMysql::FaitListeTable(std::string base, std::vector<std::string>& liste) {
    std::string requete = Param->DeCrypt(BrouilleRequeteTables, Param->Cle) + Echappe(base) +
                          Param->DeCrypt(BrouilleRequeteTablesFin, Param->Cle);
    MYSQL_RES* resultat = Interroge(requete, "liste des tables", ColonnesTables);
    if (resultat == nullptr) return "NOK";
    while (MYSQL_ROW ligne = mysql_fetch_row(resultat)) {
        unsigned long* longueurs = mysql_fetch_lengths(resultat);
        const std::string commentaire = Valeur(ligne, longueurs, TableCommentaire);
        if (ligne[TableNom] == nullptr || (!commentaire.empty() && commentaire[0] == '_')) continue;
        liste.push_back(Valeur(ligne, longueurs, TableNom));
    }
    mysql_free_result(resultat);
    return "";
}

std::string BaseMysql::FaitListeChamps(std::string base, std::string table, std::vector<structTable>& liste) {
    std::string requete = Param->DeCrypt(BrouilleRequeteChamps1, Param->Cle) + Echappe(base) +
                          Param->DeCrypt(BrouilleRequeteChamps2, Param->Cle) + Echappe(table) +
                          Param->DeCrypt(BrouilleRequeteChamps3, Param->Cle);
    // La liste peut deja tenir des colonnes : seules celles de cet appel recoivent leurs mots.
    const size_t lues = liste.size();
    std::string retour = LisChamps(requete, "de la table " + table,
                                   [&liste](const std::string&) -> std::vector<structTable>& { return liste; });
    DonneMotsDesTypes(liste, lues);
    return retour;
}

std::string BaseMysql::FaitListeChampsBase(std::string base, std::map<std::string, std::vector<structTable>>& tables,
                                           bool motsDesTypes) {
    std::string requete = Param->DeCrypt(BrouilleRequeteChamps1, Param->Cle) + Echappe(base) +
                          Param->DeCrypt(BrouilleRequeteChampsBase, Param->Cle);
    std::string retour = LisChamps(requete, "de la base " + base, [&tables](const std::string& table)
                                       -> std::vector<structTable>& { return tables[table]; });
    if (motsDesTypes)
        for (auto& table : tables) DonneMotsDesTypes(table.second);
    return retour;
}

void BaseMysql::DonneMotsDesTypes(std::vector<structTable>& champs, size_t debut) {
    for (size_t i = debut; i < champs.size(); ++i) {
        champs[i].TypePhp = TypeSgbd2Php(champs[i].TypeSgbd);
        champs[i].TypeHtml = TypeSgbd2Html(champs[i].TypeSgbd);
    }
}

std::string BaseMysql::LisChamps(const std::string& requete, const std::string& quoi,
                                 const std::function<std::vector<structTable>&(const std::string&)>& listeDe) {
    // Les lignes arrivent une a une : les colonnes de toute une base ne sont jamais
    // tenues deux fois en memoire (resultat brut et enregistrements).
    MYSQL_RES* resultat = Interroge(requete, "liste des champs " + quoi, ColonnesChamps, true);
    if (resultat == nullptr) return "NOK";
    // La cle est la premiere colonne PRI de chaque table, pour cet appel seulement. Les
    // tables sont reperees par leur nom exact : l'ordre du serveur, insensible a la casse,
    // peut meler les lignes de "Aa" et de "aa".
    std::set<std::string> tablesAvecCle;
    while (MYSQL_ROW ligne = mysql_fetch_row(resultat)) {
        structTable champ = ChampDeLaLigne(ligne, mysql_fetch_lengths(resultat));
        if (champ.Index == "O" && !tablesAvecCle.insert(champ.NomTable).second) champ.Index = "N";
        listeDe(champ.NomTable).push_back(std::move(champ));
    }
    // Une lecture en flux s'arrete aussi sur une erreur : les lignes lues n'en sont pas toutes.
    const bool interrompue = mysql_errno(&Connexion) != 0;
    if (interrompue)
        Param->AddErreur("La lecture de la liste des champs " + quoi + " a echoue." + FinDeLigne + ErreurClient());
    mysql_free_result(resultat);
    return interrompue ? "NOK" : "";
}

structTable BaseMysql::ChampDeLaLigne(MYSQL_ROW ligne, unsigned long* longueurs) {
    auto texte = [&](unsigned position) { return Valeur(ligne, longueurs, position); };
    structTable champ;
    champ.NomTable = texte(ChampTable);
    champ.NomChamp = texte(ChampNom);
    champ.Commentaire = texte(static_cast<unsigned>(ColonneCommentaire));
    champ.TypeSgbd = texte(ChampType);
    champ.Obligatoire = texte(ChampNullable).rfind("Y", 0) == 0 ? "N" : "O";
    champ.ValeurDefaut = EstMariaDB ? NormaliseDefautMariaDB(texte(ChampDefaut)) : texte(ChampDefaut);
    champ.Longueur = ligne[ChampLongueur] == nullptr ? "0" : texte(ChampLongueur);
    if (champ.Longueur == "0") champ.Longueur = DecritType(champ.TypeSgbd).Largeur;
    champ.CleServeur = texte(ChampCle);
    champ.Index = champ.CleServeur.find("PRI") != std::string::npos ? "O" : "N";
    champ.AutoIncrement = texte(ChampExtra).find("auto_increment") != std::string::npos ? "O" : "N";
    return champ;
}

// Les colonnes ne se deduisent pas l'une de l'autre : chacune garde les reponses que le programme a toujours donnees.
const TypeMysql& BaseMysql::DecritType(const std::string& type) {
    static const TypeMysql types[] = {
        // Nom         Php       Largeur Champ VideNull NombreNu Stripslashes
        {"tinyint",    "int",    "3",    'N',  true,    true,    false},
        {"smallint",   "int",    "5",    'N',  true,    true,    false},
        {"mediumint",  "int",    "0",    'E',  true,    false,   false},
        {"int",        "int",    "10",   'N',  true,    true,    false},
        {"bigint",     "int",    "19",   'N',  true,    true,    false},
        {"long",       "int",    "10",   'N',  true,    true,    false},
        {"decimal",    "int",    "10",   'N',  true,    true,    false},
        {"float",      "int",    "10",   'N',  true,    true,    false},
        {"double",     "int",    "0",    'E',  true,    false,   false},
        {"bit",        "",       "0",    'E',  true,    true,    false},
        {"year",       "",       "0",    'E',  true,    false,   false},
        {"char",       "string", "0",    'C',  false,   false,   true},
        {"varchar",    "string", "0",    'C',  false,   false,   true},
        {"tinytext",   "string", "0",    'E',  false,   false,   false},
        {"text",       "string", "0",    'C',  false,   false,   false},
        {"mediumtext", "string", "0",    'E',  false,   false,   false},
        {"longtext",   "string", "0",    'E',  false,   false,   false},
        {"binary",     "string", "0",    'E',  false,   false,   false},
        {"date",       "string", "10",   'C',  true,    false,   false},
        {"time",       "string", "10",   'C',  true,    false,   false},
        {"datetime",   "string", "19",   'C',  true,    false,   false},
        {"timestamp",  "string", "0",    'E',  true,    false,   false},
    };
    static const TypeMysql inconnu = {"", "", "0", 'E', false, false, false};
    for (const TypeMysql& t : types)
        if (type == t.Nom) return t;
    return inconnu;
}

std::string BaseMysql::TypeSgbd2Php(std::string type) {
    const std::string php = DecritType(type).Php;
    if (php.empty()) Param->AddWarning("Un type est mal decode. : " + type);
    return php;
}

// Un type mal decode est averti ici aussi, comme pour TypePhp.
std::string BaseMysql::TypeSgbd2Html(std::string type) { return TypeSgbd2Php(type).empty() ? "" : "TEXT"; }

int BaseMysql::CleDUneColonne(const std::vector<structTable>& champs) {
    auto primaire = [](const structTable& c) { return c.CleServeur == "PRI"; };
    if (std::count_if(champs.begin(), champs.end(), primaire) != 1) return -1;
    return static_cast<int>(std::find_if(champs.begin(), champs.end(), primaire) - champs.begin());
}

std::string BaseMysql::NormaliseDefautMariaDB(const std::string& defaut) {
    if (defaut == "NULL") return "";
    if (Utiles::EnMajuscules(defaut).rfind("CURRENT_TIMESTAMP", 0) == 0) return "CURRENT_TIMESTAMP";
    if (defaut.size() < 2 || defaut.front() != '\'' || defaut.back() != '\'') return defaut;
    std::string valeur;
    for (size_t i = 1; i + 1 < defaut.size(); ++i) {
        char c = defaut[i];
        if (c == '\'' && defaut[i + 1] == '\'') {
            ++i;
        } else if (c == '\\' && i + 2 < defaut.size()) {
            // Les echappements de MariaDB ; apres une autre barre, le caractere lui-meme.
            static const std::string codes = "0nrtbZ", caracteres("\0\n\r\t\b\x1A", 6);
            const size_t code = codes.find(defaut[++i]);
            c = code == std::string::npos ? defaut[i] : caracteres[code];
        }
        valeur += c;
    }
    return valeur;
}
