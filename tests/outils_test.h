// Outils communs aux tests : repertoires temporaires, fichiers en octets et
// lancement du programme construit dans un repertoire de travail.
#ifndef OUTILS_TEST_H
#define OUTILS_TEST_H

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
void CopieArborescence(const std::string& source, const std::string& cible);

// Ce que laisse une execution du programme.
struct Execution {
    int code = -1;         // code de sortie tel que le shell le voit (0 a 255)
    std::string sortie;    // sortie standard
    std::string erreurs;   // sortie d'erreur
};

// Lance le programme construit dans `repertoire`, entree standard sur /dev/null ;
// `environnement` ajoute des variables ("NOM=valeur") a celles des tests.
Execution Lance(const std::string& repertoire, const std::vector<std::string>& arguments,
                const std::vector<std::string>& environnement = {});

// Idem, avec l'entree standard sur un terminal ; `saisie` y est tapee
// `delaiSaisieMs` millisecondes apres l'affichage de "continuer...", et seulement
// si le programme tourne encore. La sortie standard et la sortie d'erreur
// arrivent melees dans `sortie`.
Execution LanceSurTerminal(const std::string& repertoire, const std::vector<std::string>& arguments,
                           const std::string& saisie, int delaiSaisieMs = 0);

// Les dates JJ/MM/AAAA deviennent "<DATE>", AAAA/MM/JJ "<DATE_US>", et les
// heures HH:MM:SS "<HEURE>".
std::string MasqueDates(std::string texte);

// Le serveur MariaDB prive que lance outils/tests.sh (variables
// CORVALITE_TEST_MARIADB_PORT et CORVALITE_TEST_MARIADB_REPERTOIRE).
struct ServeurTest {
    static bool Disponible();
    static std::string Port();
    // "MYSQL_TCP_PORT=<port>" : le programme atteint le serveur par les moyens de sa bibliotheque.
    static std::string EnvironnementPort();
    // Execute du SQL en root (par la socket du serveur) ; le code de sortie du client.
    static int Sql(const std::string& sql, const std::string& base = "");
    // Une base neuve, videe si elle existait, nommee d'apres le test en cours.
    static std::string NouvelleBase();
};

// Code de sortie d'une commande du shell ; sa sortie dans `sortie` si non nul.
int Commande(const std::string& commande, std::string* sortie = nullptr);

std::string Binaire();
std::string RepertoireExemple();

// Le code de sortie qu'un shell voit pour un code passe a exit().
inline int CodeShell(int code) { return code & 0xFF; }

#endif
