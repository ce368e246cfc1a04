#include "outils_test.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
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
    flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (!flux) throw std::runtime_error("ecriture impossible: " + chemin);
}

std::string LitOctets(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    std::ostringstream contenu;
    contenu << flux.rdbuf();
    return contenu.str();
}

bool Existe(const std::string& chemin) {
    std::error_code ignore;
    return fs::exists(fs::symlink_status(chemin, ignore));
}

void CreeRepertoires(const std::string& chemin) { fs::create_directories(chemin); }

void CopieArborescence(const std::string& source, const std::string& cible) {
    fs::copy(source, cible, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::string MasqueDates(std::string texte) {
    const struct {
        const char* forme;  // 9 : un chiffre, tout autre caractere : lui-meme
        const char* masque;
    } motifs[] = {{"99/99/9999", "<DATE>"}, {"9999/99/99", "<DATE_US>"}, {"99:99:99", "<HEURE>"}};
    for (const auto& m : motifs) {
        const std::string forme = m.forme;
        for (size_t p = 0; p + forme.size() <= texte.size(); ++p) {
            bool egal = true;
            for (size_t i = 0; egal && i < forme.size(); ++i)
                egal = forme[i] == '9' ? isdigit(static_cast<unsigned char>(texte[p + i])) != 0 : forme[i] == texte[p + i];
            if (egal) texte.replace(p, forme.size(), m.masque);
        }
    }
    return texte;
}

bool ServeurTest::Disponible() { return std::getenv("CORVALITE_TEST_MARIADB_PORT") != nullptr; }

std::string ServeurTest::Port() {
    const char* port = std::getenv("CORVALITE_TEST_MARIADB_PORT");
    return port ? port : "";
}

std::string ServeurTest::EnvironnementPort() { return "MYSQL_TCP_PORT=" + Port(); }

int Commande(const std::string& commande, std::string* sortie) {
    FILE* flux = popen(commande.c_str(), "r");
    if (flux == nullptr) return -1;
    char tampon[4096];
    size_t n;
    while ((n = fread(tampon, 1, sizeof(tampon), flux)) > 0)
        if (sortie) sortie->append(tampon, n);
    int statut = pclose(flux);
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

int ServeurTest::Sql(const std::string& sql, const std::string& base) {
    RepertoireTemporaire rep;
    EcritOctets(rep / "requete.sql", sql);
    const char* dossier = std::getenv("CORVALITE_TEST_MARIADB_REPERTOIRE");
    std::string commande = "mariadb --no-defaults --default-character-set=utf8mb4 -uroot --socket='" +
                           std::string(dossier ? dossier : "") + "/mariadb.sock' " + base + " < '" +
                           (rep / "requete.sql") + "' 2>&1";
    std::string sortie;
    int code = Commande(commande, &sortie);
    if (code != 0) fprintf(stderr, "%s", sortie.c_str());
    return code;
}

std::string ServeurTest::NouvelleBase() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string nom = "t_" + std::string(test->test_suite_name()) + "_" + test->name();
    for (char& c : nom)
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    nom = nom.substr(0, 60);
    Sql("drop database if exists `" + nom + "`; create database `" + nom + "`;");
    return nom;
}

std::string Binaire() { return CORVALITE_BINAIRE; }

std::string RepertoireExemple() { return CORVALITE_EXEMPLE; }

namespace {

std::vector<char*> Arguments(const std::vector<std::string>& arguments, std::vector<std::string>& stockage) {
    stockage.clear();
    stockage.push_back(Binaire());
    stockage.insert(stockage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : stockage) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    return argv;
}

int CodeDe(int statut) {
    if (WIFEXITED(statut)) return WEXITSTATUS(statut);
    return 1000 + WTERMSIG(statut);  // un signal n'est jamais un code attendu
}

}  // namespace

Execution Lance(const std::string& repertoire, const std::vector<std::string>& arguments,
                const std::vector<std::string>& environnement) {
    RepertoireTemporaire captures;
    std::string fichierSortie = captures / "sortie";
    std::string fichierErreurs = captures / "erreurs";
    std::vector<std::string> stockage;
    std::vector<char*> argv = Arguments(arguments, stockage);
    pid_t pid = fork();
    if (pid == 0) {
        int entree = open("/dev/null", O_RDONLY);
        int sortie = open(fichierSortie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int erreurs = open(fichierErreurs.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (entree < 0 || sortie < 0 || erreurs < 0 || chdir(repertoire.c_str()) != 0) _exit(127);
        dup2(entree, 0);
        dup2(sortie, 1);
        dup2(erreurs, 2);
        for (const std::string& variable : environnement) putenv(const_cast<char*>(variable.c_str()));
        execv(argv[0], argv.data());
        _exit(127);
    }
    int statut = 0;
    waitpid(pid, &statut, 0);
    Execution resultat;
    resultat.code = CodeDe(statut);
    resultat.sortie = LitOctets(fichierSortie);
    resultat.erreurs = LitOctets(fichierErreurs);
    return resultat;
}

Execution LanceSurTerminal(const std::string& repertoire, const std::vector<std::string>& arguments,
                           const std::string& saisie, int delaiSaisieMs) {
    std::vector<std::string> stockage;
    std::vector<char*> argv = Arguments(arguments, stockage);
    int maitre = -1;
    pid_t pid = forkpty(&maitre, nullptr, nullptr, nullptr);
    if (pid == 0) {
        if (chdir(repertoire.c_str()) != 0) _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    Execution resultat;
    bool saisieFaite = false;
    int statut = 0;
    bool termine = false;
    char tampon[4096];
    for (;;) {
        // Un programme qui attendrait sans rien dire ne doit pas bloquer les tests.
        pollfd attente{maitre, POLLIN, 0};
        if (poll(&attente, 1, 10000) <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        ssize_t n = read(maitre, tampon, sizeof(tampon));
        if (n <= 0) break;  // EIO une fois le programme termine
        resultat.sortie.append(tampon, static_cast<size_t>(n));
        if (!saisieFaite && resultat.sortie.find("continuer...") != std::string::npos) {
            saisieFaite = true;
            if (delaiSaisieMs > 0) usleep(static_cast<useconds_t>(delaiSaisieMs) * 1000);
            // Rien n'est tape pour un programme deja termine : l'echo de la saisie
            // montre alors qu'il attendait bien.
            termine = waitpid(pid, &statut, WNOHANG) == pid;
            if (!termine && write(maitre, saisie.data(), saisie.size()) < 0) break;
        }
    }
    close(maitre);
    if (!termine) waitpid(pid, &statut, 0);
    resultat.code = CodeDe(statut);
    return resultat;
}
