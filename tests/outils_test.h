// Outils communs aux tests : repertoires temporaires, fichiers en octets,
// commandes du shell et serveur MariaDB prive.
#ifndef OUTILS_TEST_H
#define OUTILS_TEST_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

// Repertoire cree sous /tmp et efface, avec tout son contenu, a la destruction.
class RepertoireTemporaire {
public:
    RepertoireTemporaire();
    ~RepertoireTemporaire();
    RepertoireTemporaire(const RepertoireTemporaire&) = delete;
    RepertoireTemporaire& operator=(const RepertoireTemporaire&) = delete;
    const std::string& Chemin() const { return chemin_; }
    // Chemin d'un element du repertoire ("a/b.txt" donne <repertoire>/a/b.txt).
    std::string operator/(const std::string& nom) const { return chemin_ + "/" + nom; }

private:
    std::string chemin_;
};

void EcritOctets(const std::string& chemin, const std::string& octets);
std::string LitOctets(const std::string& chemin);
bool Existe(const std::string& chemin);
void CreeRepertoires(const std::string& chemin);
std::set<std::string> NomsDans(const std::string& repertoire);

// Un fichier du repertoire des tests ("attendu/...", "donnees/...", "php/...").
inline std::string CheminTests(const std::string& relatif) { return CORVALITE_EXEMPLE "/../tests/" + relatif; }
// Ce que le programme ecrit sur la sortie standard pour chaque fichier copie.
inline const std::string CopieReussie = "EcrisFichier erreur=0<\n";

// Les dates JJ/MM/AAAA deviennent "<DATE>", AAAA/MM/JJ "<DATE_US>", les heures HH:MM:SS "<HEURE>".
std::string MasqueDates(std::string texte);

// php -l accepte le fichier.
testing::AssertionResult PhpValide(const std::string& fichier);

// Le serveur MariaDB prive que lance outils/tests.sh (variables
// CORVALITE_TEST_MARIADB_PORT et CORVALITE_TEST_MARIADB_REPERTOIRE).
struct ServeurTest {
    static std::string Port() {
        const char* port = std::getenv("CORVALITE_TEST_MARIADB_PORT");
        return port ? port : "";
    }
    // Pourquoi le serveur ne peut pas servir ("" quand il repond) ; lu une fois par processus.
    static std::string Absent();
    // Execute du SQL en root (par la socket du serveur) ; le code de sortie du client.
    static int Sql(const std::string& sql, const std::string& base = "");
    // Ce que rend une requete lancee en root : colonnes separees par "\t", chaque ligne finie par "\n".
    static std::string Resultat(const std::string& sql, const std::string& base = "");
    // Une base neuve, videe si elle existait, nommee d'apres le test en cours.
    static std::string NouvelleBase();
    // Les lignes de la version du serveur, telles que le programme les journalise.
    static std::string LignesVersion();
};

// Vrai sous CI=true : la ou tout doit tourner, un test saute est un echec.
bool SousCI();

// Au debut d'un test qui a besoin du serveur : sans lui, le test est saute avec la raison (un echec
// sous CI=true) ; avec lui, y mene la bibliotheque cliente du processus, qui ne lit MYSQL_TCP_PORT
// qu'une fois, a son premier appel.
#define SERVEUR_REQUIS()                                                                                 \
    if (const std::string absent = ServeurTest::Absent(); absent.empty()) {                             \
    } else if (SousCI()) FAIL() << "saute, ce qui sous CI=true est un echec : " << absent;              \
    else GTEST_SKIP() << absent;                                                                         \
    setenv("MYSQL_TCP_PORT", ServeurTest::Port().c_str(), 1)

// Code de sortie d'une commande du shell ; sa sortie dans `sortie` si non nul.
int Commande(const std::string& commande, std::string* sortie = nullptr);

#endif
