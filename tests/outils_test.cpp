#include "outils_test.h"

#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

RepertoireTemporaire::RepertoireTemporaire() {
    char modele[] = "/tmp/corvalite-test-XXXXXX";
    if (mkdtemp(modele) == nullptr) throw std::runtime_error("mkdtemp");
    chemin_ = modele;
}

RepertoireTemporaire::~RepertoireTemporaire() {
    std::error_code ignore;
    fs::permissions(chemin_, fs::perms::owner_all, fs::perm_options::add, ignore);
    fs::remove_all(chemin_, ignore);
}

void EcritOctets(const std::string& chemin, const std::string& octets) {
    std::ofstream flux(chemin, std::ios::binary | std::ios::trunc);
    if (!flux.write(octets.data(), static_cast<std::streamsize>(octets.size())))
        throw std::runtime_error("ecriture impossible: " + chemin);
}

std::string LitOctets(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(flux), {});
}

bool Existe(const std::string& chemin) {
    std::error_code ignore;
    return fs::exists(fs::symlink_status(chemin, ignore));
}

void CreeRepertoires(const std::string& chemin) { fs::create_directories(chemin); }

std::set<std::string> NomsDans(const std::string& repertoire) {
    std::set<std::string> noms;
    for (const auto& e : fs::directory_iterator(repertoire)) noms.insert(e.path().filename().string());
    return noms;
}

std::string MasqueDates(std::string texte) {
    // Dans une forme, 9 tient lieu d'un chiffre et tout autre caractere de lui-meme.
    const std::pair<std::string, const char*> motifs[] = {
        {"99/99/9999", "<DATE>"}, {"9999/99/99", "<DATE_US>"}, {"99:99:99", "<HEURE>"}};
    const auto egal = [](char f, char t) { return f == '9' ? isdigit(static_cast<unsigned char>(t)) != 0 : f == t; };
    for (const auto& [forme, masque] : motifs)
        for (size_t p = 0; p + forme.size() <= texte.size(); ++p)
            if (std::equal(forme.begin(), forme.end(), texte.begin() + p, egal)) texte.replace(p, forme.size(), masque);
    return texte;
}

int Commande(const std::string& commande, std::string* sortie) {
    FILE* flux = popen(commande.c_str(), "r");
    if (flux == nullptr) return -1;
    char tampon[4096];
    for (size_t n; (n = fread(tampon, 1, sizeof(tampon), flux)) > 0;)
        if (sortie) sortie->append(tampon, n);
    const int statut = pclose(flux);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

testing::AssertionResult PhpValide(const std::string& fichier) {
    std::string sortie;
    if (Commande("php -l '" + fichier + "' 2>&1", &sortie) == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << fichier << "\n" << sortie;
}

// Le client mariadb en root, par la socket du serveur de test.
static std::string ClientRoot() {
    const char* dossier = std::getenv("CORVALITE_TEST_MARIADB_REPERTOIRE");
    return "mariadb --no-defaults --default-character-set=utf8mb4 -uroot --socket='" +
           std::string(dossier ? dossier : "") + "/mariadb.sock' ";
}

bool SousCI() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && std::string(ci) == "true";
}

std::string ServeurTest::Absent() {
    static const std::string raison = []() -> std::string {
        if (Port().empty())
            return "pas de serveur MariaDB de test : CORVALITE_TEST_MARIADB_PORT n'est pas defini (outils/tests.sh le lance)";
        if (Commande(ClientRoot() + "-e 'select 1' >/dev/null 2>&1") != 0)
            return "le serveur MariaDB de test ne repond pas (port " + Port() + ")";
        return "";
    }();
    return raison;
}

// Le client root sur le texte `sql` ; son code de sortie, sa sortie (erreurs comprises) dans `sortie`.
static int Client(const std::string& options, const std::string& sql, std::string* sortie) {
    RepertoireTemporaire rep;
    EcritOctets(rep / "requete.sql", sql);
    return Commande(ClientRoot() + options + " < '" + (rep / "requete.sql") + "' 2>&1", sortie);
}

int ServeurTest::Sql(const std::string& sql, const std::string& base) {
    std::string sortie;
    const int code = Client(base, sql, &sortie);
    if (code != 0) fprintf(stderr, "%s", sortie.c_str());
    return code;
}

std::string ServeurTest::Resultat(const std::string& sql, const std::string& base) {
    std::string sortie;
    Client("-N -B " + base, sql, &sortie);
    return sortie;
}

std::string ServeurTest::NouvelleBase() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string nom = "t_" + std::string(test->test_suite_name()) + "_" + test->name();
    for (char& c : nom)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    // Un nom de base tient en 64 caracteres : le debut du nom du test et une empreinte du nom entier,
    // pour que deux tests lances ensemble n'aient jamais la meme base.
    char empreinte[17];
    snprintf(empreinte, sizeof(empreinte), "%016zx", std::hash<std::string>{}(nom));
    nom = nom.substr(0, 43) + "_" + empreinte;
    Sql("drop database if exists `" + nom + "`; create database `" + nom + "`;");
    return nom;
}

std::string ServeurTest::LignesVersion() {
    std::string version = Resultat("select version()");
    version.erase(version.find_last_not_of('\n') + 1);
    const size_t tiret = version.find('-');
    return "Distribution Mysql : " + version.substr(tiret + 1) + "\nVersion Mysql : " + version.substr(0, tiret) + "\n";
}
