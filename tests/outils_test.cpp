#include "outils_test.h"

#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>

namespace fs = std::filesystem;

RepertoireTemporaire::RepertoireTemporaire() {
    char modele[] = "/tmp/corvalite-test-XXXXXX";
    chemin_ = mkdtemp(modele);
}

RepertoireTemporaire::~RepertoireTemporaire() {
    std::error_code ignore;
    fs::permissions(chemin_, fs::perms::owner_all, fs::perm_options::add, ignore);
    fs::remove_all(chemin_, ignore);
}

void EcritOctets(const std::string& chemin, const std::string& octets) {
    std::ofstream(chemin, std::ios::binary) << octets;
}

std::string LitOctets(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(flux), {});
}

std::set<std::string> NomsDans(const std::string& repertoire) {
    std::set<std::string> noms;
    for (const auto& e : fs::directory_iterator(repertoire)) noms.insert(e.path().filename().string());
    return noms;
}

std::string Remplace(std::string texte, const std::string& quoi, const std::string& par) {
    for (size_t p = 0; (p = texte.find(quoi, p)) != std::string::npos; p += par.size()) texte.replace(p, quoi.size(), par);
    return texte;
}

int Commande(const std::string& commande, std::string* sortie) {
    FILE* flux = popen(commande.c_str(), "r");
    char tampon[4096];
    for (size_t n; (n = fread(tampon, 1, sizeof(tampon), flux)) > 0;)
        if (sortie) sortie->append(tampon, n);
    const int statut = pclose(flux);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

std::string Ecart(const std::string& etiquetteEntier, const std::string& entier, const std::string& etiquetteObtenu,
                  const std::string& obtenu) {
    RepertoireTemporaire rep;
    EcritOctets(rep / "entier", entier);
    EcritOctets(rep / "obtenu", obtenu);
    std::string ecart;
    Commande("diff -U0 --label '" + etiquetteEntier + "' --label '" + etiquetteObtenu + "' '" + rep / "entier" + "' '" +
             rep / "obtenu" + "'", &ecart);
    return ecart;
}

testing::AssertionResult PhpValide(const std::string& fichier) {
    std::string sortie;
    if (Commande("php -l '" + fichier + "' 2>&1", &sortie) == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << fichier << "\n" << sortie;
}

std::string MasqueDates(std::string texte, const std::vector<std::pair<std::string, std::string>>& jours) {
    bool confondus = false;
    for (const auto& jour : jours) texte = Remplace(texte, jour.first, "<FR>"), confondus |= jour.first == jour.second;
    for (const auto& jour : jours) texte = Remplace(texte, jour.second, "<US>");
    if (confondus) texte = Remplace(texte, "<US>", "<FR>");
    for (const auto& [forme, masque] : {std::pair{R"(\d\d/\d\d/\d{4})", "<DATE>"}, {R"(\d{4}/\d\d/\d\d)", "<DATE_US>"},
                                        {R"(\d\d:\d\d:\d\d)", "<HEURE>"}})
        texte = std::regex_replace(texte, std::regex(forme), masque);
    return texte;
}

structTable Colonne(const std::string& nom, const std::string& type, const std::string& longueur,
                    const std::string& commentaire, const std::string& defaut, const std::string& index,
                    const std::string& autoIncrement, const std::string& obligatoire, const std::string& cle) {
    return {"t", nom, longueur, type, "", "", index, commentaire, autoIncrement, obligatoire, defaut, cle};
}

std::string ServeurTest::Port() {
    const char* port = std::getenv("CORVALITE_TEST_MARIADB_PORT");
    return port ? port : "";
}

// Le client root sur `sql`, par la socket du serveur ; son code, sa sortie (erreurs comprises) dans `sortie`.
static int Client(const std::string& sql, const std::string& options, std::string& sortie) {
    RepertoireTemporaire rep;
    EcritOctets(rep / "q.sql", sql);
    const char* dossier = std::getenv("CORVALITE_TEST_MARIADB_REPERTOIRE");
    return Commande("mariadb --no-defaults --default-character-set=utf8mb4 -uroot --socket='" +
                    std::string(dossier ? dossier : "") + "/mariadb.sock' " + options + " < '" + (rep / "q.sql") + "' 2>&1",
                    &sortie);
}

std::string ServeurTest::Absent() {
    static const std::string raison = [] {
        std::string sortie;
        if (Port().empty()) return std::string("pas de serveur MariaDB de test (outils/tests.sh le lance)");
        return Client("select 1", "", sortie) ? "le serveur MariaDB de test ne repond pas (port " + Port() + ")" : "";
    }();
    return raison;
}

int ServeurTest::Sql(const std::string& sql, const std::string& base) {
    std::string sortie;
    const int code = Client(sql, base, sortie);
    if (code) fputs(sortie.c_str(), stderr);
    return code;
}

std::string ServeurTest::NouvelleBase() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string complet = std::string(test->test_suite_name()) + "_" + test->name();
    // Au plus 64 caracteres : le debut du nom du test et une empreinte du nom entier (bases toutes distinctes).
    std::string nom = "t_" + complet.substr(0, 40) + "_" + std::to_string(std::hash<std::string>{}(complet));
    std::replace_if(nom.begin(), nom.end(), [](char c) { return !isalnum(static_cast<unsigned char>(c)); }, '_');
    Sql("drop database if exists `" + nom + "`; create database `" + nom + "`;");
    return nom;
}

std::string ServeurTest::Resultat(const std::string& sql, const std::string& base) {
    std::string sortie;
    Client(sql, "-N -B " + base, sortie);
    return sortie;
}

std::string ServeurTest::LignesVersion() {
    std::string version = Resultat("select version()");
    version.erase(version.find_last_not_of('\n') + 1);
    const size_t tiret = version.find('-');
    return "Distribution Mysql : " + version.substr(tiret + 1) + "\nVersion Mysql : " + version.substr(0, tiret) + "\n";
}
