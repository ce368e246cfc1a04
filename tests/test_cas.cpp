// Joue les executions du programme decrites dans tests/cas/*.txt (format : tests/cas/format.txt).
#include <arpa/inet.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <regex>
#include <sstream>
#include <vector>

#include "Utiles.h"
#include "outils_test.h"

using std::string;
namespace fs = std::filesystem;

namespace {

const string Banniere = "corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL";
const string Binaire = CORVALITE_BINAIRE, Programme = Binaire.substr(0, Binaire.rfind('/'));
// Les mots dont l'argument s'ecrit "chemin = valeur" (pour lance : "arguments = code").
const string MotsAChemin = " fichier lien attendu ecart commence absent contient pareil classes crlf repertoire tube "
                           "scenario php affiche lecture_seule requete ajoute dur lance ";

struct Ligne { int numero; string mot, argument; };

std::vector<string> Mots(const string& texte) {
    std::istringstream flux(texte);
    return {std::istream_iterator<string>(flux), {}};
}

class CasJoue : public testing::Test {
public:
    explicit CasJoue(std::vector<Ligne> lignes) : lignes_(std::move(lignes)) {}
    ~CasJoue() override {
        if (muet_ >= 0) close(muet_);
        for (const string& c : lectureSeule_) chmod(c.c_str(), 0755);
    }

    void TestBody() override {
        bool base = false, site = false;
        for (const Ligne& l : lignes_) base |= l.mot == "base", site |= l.mot == "site";
        if (base) { SERVEUR_REQUIS(); }
        if (!site) {
            fs::create_directories(rep_ / "src/inc");
            fs::create_directories(rep_ / "web/inc");
            EcritOctets(rep_ / "site.cfg", "RACINE=.\nSOURCE=src\nCIBLE=web\nREPERTOIRE_INCLUDE=inc\n");
        }
        for (const Ligne& l : lignes_) {
            SCOPED_TRACE(testing::Message() << "ligne " << l.numero << " : " << l.mot);
            Joue(l.mot, l.argument);
            if (HasFatalFailure()) return;
        }
    }

private:
    void Joue(const string& mot, const string& argument) {
        string chemin, v;
        if (MotsAChemin.find(" " + mot + " ") != string::npos) {
            const size_t egal = argument.find(" =");
            chemin = Valeur(argument.substr(0, egal));
            if (egal != string::npos) v = Valeur(argument.substr(std::min(egal + 3, argument.size())));
        } else v = Valeur(argument);
        const string c = rep_ / chemin, cfg = rep_ / "site.cfg";
        if (mot == "site") fs::copy(CORVALITE_EXEMPLE, rep_.Chemin(), fs::copy_options::recursive);
        else if (mot == "config") EcritOctets(cfg, LitOctets(cfg) + v + "\n");
        else if (mot == "base") {
            base_ = ServeurTest::NouvelleBase();
            EcritOctets(cfg, LitOctets(cfg) + "HOST=127.0.0.1\nUSER=corvalite\nMDP=corvalite\nDATABASE=" + base_ + "\n");
            if (!v.empty()) { ASSERT_EQ(ServeurTest::Sql(v, base_), 0); }
        } else if (mot == "sql") ASSERT_EQ(ServeurTest::Sql(v, base_), 0);
        else if (mot == "requete") EXPECT_EQ(ServeurTest::Resultat(chemin, base_), v) << chemin;
        else if (mot == "fichier") { fs::create_directories(fs::path(c).parent_path()); EcritOctets(c, v); }
        else if (mot == "repertoire") fs::create_directories(c);
        else if (mot == "tube") ASSERT_EQ(mkfifo(c.c_str(), 0600), 0);
        else if (mot == "lien") ASSERT_EQ(symlink(v.c_str(), c.c_str()), 0);
        else if (mot == "dur") ASSERT_EQ(link((rep_ / v).c_str(), c.c_str()), 0);
        else if (mot == "crlf") EcritOctets(c, Remplace(LitOctets(c), "\n", "\r\n"));
        else if (mot == "ajoute") {
            string texte = LitOctets(c);
            const string motif = v.substr(v.find(' ') + 1);
            const bool numerote = motif.find("<I") != string::npos;
            for (int i = 0, n = std::stoi(v); i < n; ++i)
                texte += numerote ? Remplace(Remplace(motif, "<I>", std::to_string(i)), "<I+1>", std::to_string(i + 1)) : motif;
            EcritOctets(c, texte);
        } else if (mot == "limite") limite_ = std::stoi(v);
        else if (mot == "delai") delai_ = std::stoi(v);
        else if (mot == "tue" || mot == "panne") {
            // strace fait du N-ieme appel systeme APPEL un KILL, ou un echec de l'erreur donnee.
            const std::vector<string> m = Mots(v);
            tue_ = mot == "tue" && m.size() == 2;
            injection_ = m.size() < 2 ? "" : m[0] + (tue_ ? ":signal=KILL" : ":error=" + m.at(2)) + ":when=" + m[1];
        }
        else if (mot == "occupe") occupe_ = v.empty() ? "" : rep_ / v;
        else if (mot == "muet") Muet();
        else if (mot == "lecture_seule") lectureSeule_.push_back(c), chmod(c.c_str(), 0555);
        else if (mot == "lance") {
            Lance(chemin);
            if (!v.empty()) Joue("code", v);
        } else if (mot == "terminal") {
            EcritOctets(rep_ / "saisie", v);
            sortie_ = console_ = "";
            code_ = Commande("cd '" + rep_.Chemin() + "' && (sleep 1; cat saisie) | timeout 20 script -qec '" + Binaire +
                             "' /dev/null", &sortie_);
        } else if (mot == "code") EXPECT_EQ(code_, std::stoi(v) & 0xFF) << console_;
        else if (mot == "sortie") EXPECT_EQ(sortie_, v);
        else if (mot == "erreurs") EXPECT_EQ(console_, v);
        else if (mot == "dans") {
            const size_t trouve = console_.find(v, suiteDans_);
            EXPECT_NE(trouve, string::npos) << v << "\n--- absent ou hors d'ordre dans :\n" << console_;
            suiteDans_ = trouve == string::npos ? suiteDans_ : trouve + v.size();
        } else if (mot == "fin") EXPECT_EQ(console_.substr(console_.size() - std::min(v.size(), console_.size())), v);
        else if (mot == "attendu") EXPECT_EQ(AvecMarques(LitOctets(c)), AvecMarques(v)) << chemin;
        else if (mot == "ecart") {
            // Ce qui separe C du fichier attendu entier que nomme la premiere ligne ("--- f").
            const string entier = v.substr(4, v.find('\n') - 4);
            EXPECT_EQ(Ecart(entier, AvecMarques(Valeur("@" + entier)), chemin, AvecMarques(LitOctets(c))), AvecMarques(v)) << chemin;
        } else if (mot == "commence") EXPECT_EQ(LitOctets(c).substr(0, v.size()), v) << chemin;
        else if (mot == "absent") EXPECT_FALSE(fs::exists(fs::symlink_status(c))) << chemin;
        else if (mot == "contient") {
            const std::vector<string> noms = Mots(v);
            std::set<string> presents;
            for (const string& nom : NomsDans(c))
                presents.insert(std::regex_match(nom, std::regex(R"(\.cv-[A-Za-z0-9]{6})")) ? ".cv-XXXXXX" : nom);
            EXPECT_EQ(presents, std::set<string>(noms.begin(), noms.end())) << chemin;
        } else if (mot == "pareil") EXPECT_EQ(LitOctets(c), LitOctets(v[0] == '/' ? v : rep_ / v)) << chemin;
        else if (mot == "php") EXPECT_TRUE(PhpValide(c));
        else if (mot == "affiche") EXPECT_EQ(MessagesPhp(c), v) << chemin;
        else if (mot == "classes") {
            for (const string& nom : NomsDans(c))
                if (nom.rfind("CVClass_", 0) == 0 && nom != "CVClass__connexion.php") {
                    EXPECT_TRUE(PhpValide(c + "/" + nom));
                    EXPECT_EQ(LitOctets(rep_ / v + "/" + nom), LitOctets(c + "/" + nom)) << nom;
                }
        } else if (mot == "scenario") {
            string sortie;
            Commande("MYSQL_TCP_PORT=" + ServeurTest::Port() + " php " + CheminTests("php/scenario.php") + " " + c + " " +
                     base_ + " 2>&1", &sortie);
            EXPECT_EQ(sortie, v);
        } else FAIL() << "mot inconnu : " << mot;
    }

    // Les messages de PHP (erreurs, avertissements...) au premier affichage de la page C par php en
    // ligne de commande, lancee de son repertoire : un par ligne, sans le fichier ni la ligne ou il nait.
    // php doit l'avoir affichee jusqu'au bout, ou s'y etre arrete sur une erreur.
    static string MessagesPhp(const string& c) {
        const fs::path page(c);
        string sortie, messages;
        const int code = Commande("cd '" + page.parent_path().string() + "' && php -d display_errors=stderr " +
                                      "-d html_errors=0 -d log_errors=0 -d error_reporting=-1 '" +
                                      page.filename().string() + "' 2>&1 >/dev/null",
                                  &sortie);
        std::istringstream lignes(sortie);
        const std::regex message("(Fatal error|Parse error|Warning|Notice|Deprecated): .*");
        for (string ligne; std::getline(lignes, ligne);)
            if (std::regex_match(ligne, message)) messages += ligne.substr(0, ligne.rfind(" in ")) + "\n";
        EXPECT_EQ(code, messages.find("error: ") == string::npos ? 0 : 255) << sortie;
        return messages;
    }

    // \n \r \t \0 \xHH (\ devant tout autre caractere : ce caractere), marques <...>, "@f" : tests/f.
    string Valeur(const string& brut) const {
        string texte = brut[0] == '@' ? LitOctets(CheminTests(brut.substr(1))) : "";
        for (size_t i = 0; brut[0] != '@' && i < brut.size(); ++i) {
            const char c = brut[i] == '\\' && i + 1 < brut.size() ? brut[++i] : 0;
            if (c == 'x') texte += static_cast<char>(std::stoi(brut.substr(i + 1, 2), nullptr, 16)), i += 2;
            else texte += !c ? brut[i] : c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c == '0' ? '\0' : c;
        }
        texte = Remplace(Remplace(Remplace(texte, "<BASE>", base_), "<BANNIERE>", Banniere), "<PROGRAMME>", Programme);
        return texte.find("<VERSION>") == string::npos ? texte : Remplace(texte, "<VERSION>", ServeurTest::LignesVersion());
    }

    // Les dates du jour du lancement ou, passe minuit, du suivant.
    string AvecMarques(const string& texte) const {
        return MasqueDates(texte, {{dateFR_, dateUS_}, {Utiles::Date_FR(), Utiles::Date_US()}});
    }

    // Entree sur /dev/null ; avec exec, un signal rend -1, jamais un code attendu (strace se tue du signal
    // qui a tue le programme). ulimit compte par 512 octets, et sans XFSZ l'ecriture au-dela echoue sans
    // tuer. Root passe outre les droits : sans ces capacites, un repertoire en lecture seule l'est aussi
    // pour lui.
    void Lance(const string& arguments) {
        string commande = "cd '" + rep_.Chemin() + "' && " +
                          (limite_ ? "trap '' XFSZ && ulimit -f " + std::to_string(2 * limite_) + " && " : "") + "exec " +
                          (occupe_.empty() ? "" : "flock -s '" + occupe_ + "' ") +
                          (injection_.empty() ? "" : "strace -f -o /dev/null -e inject=" + injection_ + " ") +
                          (delai_ ? "timeout -s KILL " + std::to_string(delai_) + " " : "") + "env 'MYSQL_TCP_PORT=" +
                          (portMuet_.empty() ? ServeurTest::Port() : portMuet_) + "'" +
                          // LeakSanitizer ne sait pas travailler sous strace.
                          (injection_.empty() ? "" : " ASAN_OPTIONS=detect_leaks=0") +
                          (!lectureSeule_.empty() && geteuid() == 0 ? " setpriv --bounding-set=-dac_override,-dac_read_search" : "") +
                          " '" + Binaire + "'";
        for (const string& mot : Mots(arguments)) commande += " '" + mot + "'";
        const string config = LitOctets(rep_ / "site.cfg");
        dateFR_ = Utiles::Date_FR();
        dateUS_ = Utiles::Date_US();
        RepertoireTemporaire captures;
        sortie_.clear();
        code_ = Commande(commande + " </dev/null 2>'" + (captures / "erreurs") + "'", &sortie_);
        console_ = LitOctets(captures / "erreurs");
        EXPECT_EQ(console_.substr(0, Banniere.size() + 1), Banniere + "\n");
        console_.erase(0, Banniere.size() + 1);
        if (tue_) { EXPECT_EQ(code_, -1) << "pas tue par " << injection_; }
        suiteDans_ = 0;
        EXPECT_EQ(LitOctets(rep_ / "site.cfg"), config) << "site.cfg a change";
    }

    // Ecoute sans jamais accepter ni ecrire : le systeme accepte a sa place, le client attend le serveur.
    void Muet() {
        muet_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in adresse{};
        adresse.sin_family = AF_INET;
        adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t taille = sizeof(adresse);
        auto* a = reinterpret_cast<sockaddr*>(&adresse);
        ASSERT_TRUE(bind(muet_, a, taille) == 0 && listen(muet_, 8) == 0 && getsockname(muet_, a, &taille) == 0);
        portMuet_ = std::to_string(ntohs(adresse.sin_port));
    }

    std::vector<Ligne> lignes_;
    RepertoireTemporaire rep_;
    std::vector<string> lectureSeule_;
    bool tue_ = false;
    string injection_;
    int muet_ = -1, delai_ = 0, limite_ = 0, code_ = -1;
    string occupe_, base_, portMuet_, sortie_, console_, dateFR_, dateUS_;
    size_t suiteDans_ = 0;
};

// Chaque cas (lignes communes puis les siennes) devient le test cas_<fichier>.<titre>, liste par CTest.
void EnregistreCas(const string& fichier) {
    std::istringstream flux(LitOctets(CheminTests("cas/" + fichier)));
    std::vector<Ligne> communes, lignes;
    string titre;
    int debut = 0, numero = 0;
    const auto enregistre = [&] {
        if (titre.empty()) communes = lignes;
        else
            testing::RegisterTest(("cas_" + fichier.substr(0, fichier.size() - 4)).c_str(), titre.c_str(), nullptr,
                                  nullptr, CheminTests("cas/" + fichier).c_str(), debut,
                                  [lignes]() -> testing::Test* { return new CasJoue(lignes); });
    };
    for (string texte; std::getline(flux, texte);) {
        ++numero;
        if (texte.empty() || texte[0] == '#') continue;
        if (texte.rfind("== ", 0) == 0) {
            enregistre();
            titre = std::regex_replace(std::regex_replace(texte.substr(3), std::regex("[^A-Za-z0-9]+"), "_"),
                                       std::regex("^_|_$"), "");
            debut = numero;
            lignes = communes;
        } else if (texte.rfind("| ", 0) == 0) lignes.back().argument += texte.substr(2);
        else {
            const size_t blanc = texte.find(' ');
            lignes.push_back({numero, texte.substr(0, blanc), blanc == string::npos ? "" : texte.substr(blanc + 1)});
        }
    }
    enregistre();
}

const bool CasEnregistres = [] {
    std::set<string> fichiers;
    for (const auto& e : fs::directory_iterator(CheminTests("cas")))
        if (e.path().extension() == ".txt" && e.path().filename() != "format.txt") fichiers.insert(e.path().filename());
    for (const string& fichier : fichiers) EnregistreCas(fichier);
    return true;
}();

}  // namespace
