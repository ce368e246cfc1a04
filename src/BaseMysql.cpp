#include "BaseMysql.h"

#include <errmsg.h>

#include <cctype>

namespace {

// Requetes de catalogue, conservees brouillees. Les colonnes sont nommees une a
// une pour que chaque position lue tienne la meme information sur MySQL et sur
// MariaDB ; le commentaire de colonne est aux positions 18 et 19.
const char* const BrouilleRequeteTables =
    "P[KJDWWHGOB^v:tkL(r[Z7yaPGq^D,zqG-kbS5t^nErmZ,y^P4q`DJzpG/k^S+tdL(rEjiy]P*qgD0z|G:kWS3Q.nErm"
    "Z,y^P4q`DJzqGEkfS+tCL,rgZ2yeP6q`wAzsG1khS9t`L6rgjAynP7qrDJzcG;khS3tXL;rEjiy]P*qgD0z|G>keS=tj"
    "nErZZAycPGqmD:ztGKkbS+teL.rmZ3yHP,K&wiz^GKkbS+teL.rmZ3yHP5K&DCz|G0kWS:tXLFreZ0yjP/qoD3zIG5kd"
    "S*Q.nqrxZ7yaP6qbwizeh@kZS'tkL(rxZ1ynP-q`wAz^GAkjS5tvL0rgZ.ynP-qhD0zkG@kBS)tiL,rZjiyaPGqoD4zj"
    "G1kBS;tgL+rZjiyaPGqoD4zjG1kBS)t_L,T*Z6y{P<qdD8zbh@kjS'tYL3r^ZJy_P7qgD7z^G@k_S5tenET*Z3yaP+qf"
    "D>zrG9kBS)tiL,rZjiyaPGqjD;zqG5keS4tjnErmZ,y^P4q`DJz`G;kcS3Q.L5rmj5MJPZKTDXz=GUBXSLQXLYTTZLMX"
    "PQKTDYz|G_kySNt|LTrzjCypP)q]D7zbhgk6S]QQLLTYZPy<P<K&D-ziG1kuS9tZL/r^Z8y]P%qB";
const char* const BrouilleRequeteTablesFin =
    "P\017q;DZWUGPk{SXt7LIT`j5ypP)q]D7zbGKkdS'tdL,rT";
const char* const BrouilleRequeteChamps1 =
    "P[KJDWWHGOB^v:tkL(r[Z7yaPGq^D,zqG-kbS5t^nErmZ,y^P4q`DJzpG/k^S+tdL(rEjiy]P*qgD0z|G:kWS3Q.nET*"
    "Z:yhP=qhD9z|G:kWS3Q.nErhZ=y`P1qiD,ziGKkfS5tjL0rmZ4ykP6qGD.zlG8kkS3teLFr]Z0ybP)qpD7zqh@k_S9tv"
    "L5rnZ7yhP)q]D7zbh@kZS'tkL(rxjiyuP8q`wAz`G4kWS8tXL*rmZ0ynPGqhD,zuG5kcS;tdLFreZ0yjP/qoD3zIG/k^"
    "S'tiL(T*jiyaP:qzD:z`G@k[S:tvL3r^Z9ycP<qcwAzkGAkcS+tiL0T*ZJylP:q`D.zfhgk_S5tenErgZ@yiP-qmD4z`"
    "GKkiS)tXL3r^jAy_P0K&D=z^G/kjS+tiLFrlZ0ypPGqiD,zjG1kBS)tfL3reZ,ypP1qjD9z|G:kWS3Q.nET*Z:yhP=qh"
    "D9z|G@koS6Q.nET*Z:yhP=qhD9z|G7k[vstCL7rkZ4yrP1qgD0zdG1kivFQ.nqrmZ=y]mDq^D:ziGAkcS4tvL*rhZ8yi"
    "P-qiwizIG/keS2tlL4rgZJy_P7qhD8zbG:kjv:t}LYTVZXy<PQKSDQWRG^BWSGQ]LPTVZYy{P[KHDSWHGYkwvHtZL6re"
    "Z@yiP6qnw5WZGTk{SXt|n9rmZ,y^P4q`DJzpG/k^S+tdL(rVj<";
const char* const BrouilleRequeteChamps2 =
    "P\017q;DLWQGPk6S:tXL)reZ0y{P6K&D8zbG)k=";
const char* const BrouilleRequeteChamps3 =
    "P\017q;DZWUGPk{SXt7LIT`j5ykP:q_D4zkG-kbSEtgL6rlZ4ypP1qjD9zX";

const unsigned ColonnesTables = 21;
const unsigned ColonnesChamps = 20;

// Texte d'une position de ligne ; vide quand elle est NULL ou absente.
std::string Valeur(MYSQL_ROW ligne, unsigned long* longueurs, unsigned nbColonnes, unsigned position) {
    if (position >= nbColonnes || ligne[position] == nullptr) return "";
    return std::string(ligne[position], longueurs[position]);
}

bool EstNull(MYSQL_ROW ligne, unsigned nbColonnes, unsigned position) {
    return position >= nbColonnes || ligne[position] == nullptr;
}

bool CommenceParSansCasse(const std::string& texte, const std::string& debut) {
    if (texte.size() < debut.size()) return false;
    for (size_t i = 0; i < debut.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(texte[i])) != debut[i]) return false;
    return true;
}

}  // namespace

BaseMysql::BaseMysql(Parametrage& param)
    : FinDeLigne("\n"), Param(&param), ColonneCommentaire(18), JeuDeCaracteres("latin1"), Initialisee(false),
      Connectee(false), EstMariaDB(false) {}

BaseMysql::~BaseMysql() {
    if (Initialisee) mysql_close(&Connexion);
}

void BaseMysql::OuvreBase(std::string serveur, std::string base, std::string utilisateur, std::string motDePasse) {
    Serveur = serveur;
    Base = base;
    Utilisateur = utilisateur;
    MotDePasse = motDePasse;
    ColonneCommentaire = 18;
    if (Initialisee) mysql_close(&Connexion);
    Initialisee = mysql_init(&Connexion) != nullptr;
    if (!Initialisee) {
        Param->AddErreur("Une erreur s'est produite lors de la connexion a MySql." + FinDeLigne + "Erreur no:" +
                         Param->ConvertIntToString(CR_OUT_OF_MEMORY));
        return;
    }
    mysql_options(&Connexion, MYSQL_READ_DEFAULT_GROUP, "option");
    Connectee = mysql_real_connect(&Connexion, Serveur.c_str(), Utilisateur.c_str(), MotDePasse.c_str(),
                                   Base.c_str(), 0, nullptr, 0) != nullptr;
    if (!Connectee) {
        Param->AddErreur("Une erreur s'est produite lors de la connexion a MySql." + FinDeLigne + "Erreur no:" +
                         Param->ConvertIntToString(static_cast<int>(mysql_errno(&Connexion))));
        return;
    }
    mysql_set_character_set(&Connexion, JeuDeCaracteres.c_str());
    const char* version = mysql_get_server_info(&Connexion);
    EstMariaDB = version != nullptr && std::string(version).find("MariaDB") != std::string::npos;
}

MYSQL_RES* BaseMysql::Interroge(const std::string& requete, const std::string& quoi) {
    if (!Connectee) {
        Param->AddErreur("Pas de connexion a MySql pour lire " + quoi + ".");
        return nullptr;
    }
    MYSQL_RES* resultat = nullptr;
    if (mysql_real_query(&Connexion, requete.data(), requete.size()) == 0)
        resultat = mysql_store_result(&Connexion);
    if (resultat == nullptr)
        Param->AddErreur("La lecture de " + quoi + " a echoue." + FinDeLigne + "Erreur no:" +
                         Param->ConvertIntToString(static_cast<int>(mysql_errno(&Connexion))) + " " +
                         mysql_error(&Connexion));
    return resultat;
}

std::string BaseMysql::Echappe(const std::string& nom) {
    std::string resultat;
    for (char c : nom) {
        if (c == '\'' || c == '\\') resultat += '\\';
        resultat += c;
    }
    return resultat;
}

std::string BaseMysql::ChercheVersion_MYSQL() {
    ColonneCommentaire = 19;
    if (!Connectee) return "";
    const std::string requete = "select * from INFORMATION_SCHEMA.GLOBAL_VARIABLES where VARIABLE_NAME='VERSION';";
    if (mysql_real_query(&Connexion, requete.data(), requete.size()) != 0) return "";
    MYSQL_RES* resultat = mysql_store_result(&Connexion);
    if (resultat == nullptr) return "";
    std::string version;
    unsigned nbColonnes = mysql_num_fields(resultat);
    while (MYSQL_ROW ligne = mysql_fetch_row(resultat))
        version = Valeur(ligne, mysql_fetch_lengths(resultat), nbColonnes, 1);
    mysql_free_result(resultat);
    std::string::size_type tiret = version.find('-');
    if (tiret == std::string::npos) return "";
    return "Distribution Mysql : " + version.substr(tiret + 1) + FinDeLigne + "Version Mysql : " +
           version.substr(0, tiret) + FinDeLigne;
}

std::string BaseMysql::FaitListeTable(std::string base, std::vector<std::string>& liste) {
    std::string requete = Param->DeCrypt(BrouilleRequeteTables, Param->Cle) + Echappe(base) +
                          Param->DeCrypt(BrouilleRequeteTablesFin, Param->Cle);
    MYSQL_RES* resultat = Interroge(requete, "la liste des tables");
    if (resultat == nullptr) return "NOK";
    std::string retour;
    unsigned nbColonnes = mysql_num_fields(resultat);
    if (nbColonnes < ColonnesTables) {
        Param->AddErreur("La liste des tables n'a pas la forme attendue.");
        retour = "NOK";
    } else {
        while (MYSQL_ROW ligne = mysql_fetch_row(resultat)) {
            unsigned long* longueurs = mysql_fetch_lengths(resultat);
            if (EstNull(ligne, nbColonnes, 2)) continue;
            std::string commentaire = Valeur(ligne, longueurs, nbColonnes, 20);
            if (!commentaire.empty() && commentaire[0] == '_') continue;
            liste.push_back(Valeur(ligne, longueurs, nbColonnes, 2));
        }
    }
    mysql_free_result(resultat);
    return retour;
}

std::string BaseMysql::FaitListeChamps(std::string base, std::string table, std::vector<structTable>& liste) {
    std::string requete = Param->DeCrypt(BrouilleRequeteChamps1, Param->Cle) + Echappe(base) +
                          Param->DeCrypt(BrouilleRequeteChamps2, Param->Cle) + Echappe(table) +
                          Param->DeCrypt(BrouilleRequeteChamps3, Param->Cle);
    MYSQL_RES* resultat = Interroge(requete, "la liste des champs de la table " + table);
    if (resultat == nullptr) return "NOK";
    std::string retour;
    unsigned nbColonnes = mysql_num_fields(resultat);
    if (nbColonnes < ColonnesChamps) {
        Param->AddErreur("La liste des champs de la table " + table + " n'a pas la forme attendue.");
        retour = "NOK";
    } else {
        bool cleTrouvee = false;
        while (MYSQL_ROW ligne = mysql_fetch_row(resultat)) {
            unsigned long* longueurs = mysql_fetch_lengths(resultat);
            auto texte = [&](unsigned position) { return Valeur(ligne, longueurs, nbColonnes, position); };
            structTable champ;
            champ.Index = "N";
            champ.NomTable = texte(2);
            champ.NomChamp = texte(3);
            champ.Commentaire = texte(static_cast<unsigned>(ColonneCommentaire));
            champ.TypeSgbd = texte(7);
            champ.Obligatoire = texte(6).rfind("Y", 0) == 0 ? "N" : "O";
            champ.ValeurDefaut = EstMariaDB ? NormaliseDefautMariaDB(texte(5)) : texte(5);
            champ.Longueur = EstNull(ligne, nbColonnes, 8) ? "0" : texte(8);
            if (champ.Longueur == "0") {
                static const std::pair<const char*, const char*> largeurs[] = {
                    {"bigint", "19"}, {"smallint", "5"}, {"tinyint", "3"}, {"int", "10"},   {"long", "10"},
                    {"decimal", "10"}, {"float", "10"},  {"datetime", "19"}, {"time", "10"}, {"date", "10"}};
                for (const auto& largeur : largeurs)
                    if (champ.TypeSgbd == largeur.first) champ.Longueur = largeur.second;
            }
            if (!cleTrouvee && texte(15).find("PRI") != std::string::npos) {
                champ.Index = "O";
                cleTrouvee = true;
            }
            champ.TypePhp = TypeSgbd2Php(champ.TypeSgbd);
            champ.TypeHtml = TypeSgbd2Html(champ.TypeSgbd);
            champ.AutoIncrement = texte(17).find("auto_increment") != std::string::npos ? "O" : "N";
            liste.push_back(champ);
        }
    }
    mysql_free_result(resultat);
    return retour;
}

namespace {

// 'i' : entier, 's' : texte, 0 : inconnu.
char FamilleType(const std::string& type) {
    static const char* const entiers[] = {"tinyint", "mediumint", "bigint", "smallint", "int",
                                          "long",    "decimal",   "double", "float"};
    static const char* const textes[] = {"varchar", "char", "tinytext", "text", "mediumtext", "longtext",
                                         "binary",  "datetime", "time", "date", "timestamp"};
    for (const char* t : entiers)
        if (type == t) return 'i';
    for (const char* t : textes)
        if (type == t) return 's';
    return 0;
}

}  // namespace

std::string BaseMysql::TypeSgbd2Php(std::string type) {
    switch (FamilleType(type)) {
        case 'i': return "int";
        case 's': return "string";
        default:
            Param->AddWarning("Un type est mal decode. : " + type);
            return "";
    }
}

std::string BaseMysql::TypeSgbd2Html(std::string type) {
    if (FamilleType(type) != 0) return "TEXT";
    Param->AddWarning("Un type est mal decode. : " + type);
    return "";
}

std::string BaseMysql::NormaliseDefautMariaDB(const std::string& defaut) {
    if (defaut == "NULL") return "";
    if (CommenceParSansCasse(defaut, "current_timestamp")) return "CURRENT_TIMESTAMP";
    if (defaut.size() < 2 || defaut.front() != '\'' || defaut.back() != '\'') return defaut;
    std::string valeur;
    for (size_t i = 1; i + 1 < defaut.size(); ++i) {
        char c = defaut[i];
        if (c == '\'' && defaut[i + 1] == '\'') {
            ++i;
        } else if (c == '\\' && i + 2 < defaut.size()) {
            c = defaut[++i];
            switch (c) {
                case '0': c = '\0'; break;
                case 'n': c = '\n'; break;
                case 'r': c = '\r'; break;
                case 't': c = '\t'; break;
                case 'b': c = '\b'; break;
                case 'Z': c = '\x1A'; break;
                default: break;
            }
        }
        valeur += c;
    }
    return valeur;
}
