// Outils communs aux tests : repertoire temporaire, fichiers en octets, shell, serveur MariaDB prive.
#ifndef OUTILS_TEST_H
#define OUTILS_TEST_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BaseMysql.h"

// Repertoire sous /tmp, efface avec son contenu a la destruction ; rep / "a/b" en donne un chemin.
class RepertoireTemporaire {
public:
    RepertoireTemporaire();
    ~RepertoireTemporaire();
    RepertoireTemporaire(const RepertoireTemporaire&) = delete;
    const std::string& Chemin() const { return chemin_; }
    std::string operator/(const std::string& nom) const { return chemin_ + "/" + nom; }

private:
    std::string chemin_;
};

void EcritOctets(const std::string& chemin, const std::string& octets);
std::string LitOctets(const std::string& chemin);
std::set<std::string> NomsDans(const std::string& repertoire);
inline std::string CheminTests(const std::string& relatif) { return CORVALITE_EXEMPLE "/../tests/" + relatif; }
std::string Remplace(std::string texte, const std::string& quoi, const std::string& par);  // chaque occurrence
// Code de sortie d'une commande du shell (-1 pour un signal) ; sa sortie dans `sortie` si non nul.
int Commande(const std::string& commande, std::string* sortie = nullptr);
testing::AssertionResult PhpValide(const std::string& fichier);
// Ce qui separe le texte `obtenu` du texte `entier` (diff -U0), chacun nomme par son etiquette.
std::string Ecart(const std::string& etiquetteEntier, const std::string& entier, const std::string& etiquetteObtenu,
                  const std::string& obtenu);

// Les dates de `jours` (JJ/MM/AAAA, MM/JJ/AAAA) deviennent <FR> et <US>, les autres dates <DATE> et <DATE_US>,
// les heures <HEURE> : le texte genere se compare d'un jour a l'autre. Un de ces jours ou le jour egale le mois,
// ses deux formes se confondent : <US> y devient <FR>, des deux cotes de la comparaison.
std::string MasqueDates(std::string texte, const std::vector<std::pair<std::string, std::string>>& jours = {});
// Une colonne de la table "t", dans l'ordre ou les tests la decrivent ; TypePhp et TypeHtml vides.
structTable Colonne(const std::string& nom, const std::string& type, const std::string& longueur,
                    const std::string& commentaire = "", const std::string& defaut = "", const std::string& index = "N",
                    const std::string& autoIncrement = "N", const std::string& obligatoire = "N", const std::string& cle = "");

// Le serveur que lance outils/tests.sh (CORVALITE_TEST_MARIADB_PORT et _REPERTOIRE), SQL en root.
struct ServeurTest {
    static std::string Port();
    static std::string Absent();  // pourquoi il ne sert pas, "" s'il repond
    static int Sql(const std::string& sql, const std::string& base = "");
    // Ce qu'elle rend : colonnes separees par "\t", chaque ligne finie par "\n".
    static std::string Resultat(const std::string& sql, const std::string& base = "");
    static std::string NouvelleBase();  // neuve, nommee d'apres le test en cours
    static std::string LignesVersion();  // telles que le programme les journalise
};

// Sans serveur, le test est saute avec la raison (echec sous CI=true) ; avec, la bibliotheque cliente
// y mene (elle ne lit MYSQL_TCP_PORT qu'a son premier appel).
#define SERVEUR_REQUIS()                                                                                 \
    if (const std::string absent = ServeurTest::Absent(); absent.empty()) {                             \
    } else if (getenv("CI") && std::string(getenv("CI")) == "true") FAIL() << "saute sous CI : " << absent; \
    else GTEST_SKIP() << absent;                                                                         \
    setenv("MYSQL_TCP_PORT", ServeurTest::Port().c_str(), 1)

#endif
