// Joue les executions du programme decrites dans tests/cas/*.txt (format : tests/cas/format.txt) :
// site prepare dans un repertoire temporaire, lancement, puis console, code de sortie et fichiers.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>

#include "Utiles.h"
#include "outils_test.h"

using std::string;
namespace fs = std::filesystem;

namespace {

const string Banniere = "corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL";
const string Binaire = CORVALITE_BINAIRE, Programme = Binaire.substr(0, Binaire.rfind('/'));
// Les mots dont l'argument s'ecrit "chemin = valeur".
const string MotsAChemin = " fichier lien attendu commence absent contient pareil classes crlf repertoire tube "
                           "scenario php lecture_seule requete ajoute dur ";

struct Ligne { int numero; string mot, argument; };

string Remplace(string texte, const string& quoi, const string& par) {
    for (size_t p = 0; (p = texte.find(quoi, p)) != string::npos; p += par.size()) texte.replace(p, quoi.size(), par);
    return texte;
}

std::vector<string> Mots(const string& texte) {
    std::istringstream flux(texte);
    std::vector<string> mots;
    for (string mot; flux >> mot;) mots.push_back(mot);
    return mots;
}

// Un cas joue comme un test a lui. Sans serveur, un cas qui en a besoin est saute (echoue sous CI=true).
class CasJoue : public testing::Test {
public:
    explicit CasJoue(std::vector<Ligne> lignes) : lignes_(std::move(lignes)) {}
    ~CasJoue() override {
        if (muet_ >= 0) close(muet_);
        for (const string& c : lectureSeule_) chmod(c.c_str(), 0755);
    }

    void TestBody() override {
        const auto mot = [&](const char* m) {
            return std::any_of(lignes_.begin(), lignes_.end(), [&](const Ligne& l) { return l.mot == m; });
        };
        if (mot("base")) { SERVEUR_REQUIS(); }
        if (!mot("site")) {
            CreeRepertoires(rep_ / "src/inc");
            CreeRepertoires(rep_ / "web/inc");
            EcritOctets(rep_ / "site.cfg", "RACINE=.\nSOURCE=src\nCIBLE=web\nREPERTOIRE_INCLUDE=inc\n");
        }
        for (const Ligne& l : lignes_) {
            SCOPED_TRACE(testing::Message() << "ligne " << l.numero << " : " << l.mot);
            Joue(l);
            if (HasFatalFailure()) return;
        }
    }

private:
    void Joue(const Ligne& l) {
        const string& mot = l.mot;
        string chemin, valeur, a;
        if (MotsAChemin.find(" " + mot + " ") != string::npos) {
            const size_t egal = l.argument.find(" =");
            chemin = Valeur(l.argument.substr(0, egal));
            if (egal != string::npos) valeur = Valeur(l.argument.substr(std::min(egal + 3, l.argument.size())));
        } else a = Valeur(l.argument);
        const string c = rep_ / chemin;
        if (mot == "site") {
            ASSERT_EQ(a, "exemple");
            fs::copy(CORVALITE_EXEMPLE, rep_.Chemin(), fs::copy_options::recursive);
        } else if (mot == "config") EcritOctets(rep_ / "site.cfg", LitOctets(rep_ / "site.cfg") + a + "\n");
        else if (mot == "base") {
            base_ = ServeurTest::NouvelleBase();
            if (!a.empty()) { ASSERT_EQ(ServeurTest::Sql(a, base_), 0); }
            const string serveur = "HOST=127.0.0.1\nUSER=corvalite\nMDP=corvalite\nDATABASE=" + base_ + "\n";
            EcritOctets(rep_ / "site.cfg", LitOctets(rep_ / "site.cfg") + serveur);
        } else if (mot == "sql") ASSERT_EQ(ServeurTest::Sql(a, base_), 0);
        else if (mot == "requete") EXPECT_EQ(ServeurTest::Resultat(chemin, base_), valeur) << chemin;
        else if (mot == "fichier") { CreeRepertoires(c.substr(0, c.rfind('/'))); EcritOctets(c, valeur); }
        else if (mot == "repertoire") CreeRepertoires(c);
        else if (mot == "tube") ASSERT_EQ(mkfifo(c.c_str(), 0600), 0);
        else if (mot == "lien") ASSERT_EQ(symlink(valeur.c_str(), c.c_str()), 0);
        else if (mot == "crlf") EcritOctets(c, Remplace(LitOctets(c), "\n", "\r\n"));
        else if (mot == "ajoute") {  // "N TEXTE" : TEXTE N fois a la fin du fichier
            const size_t blanc = valeur.find(' ');
            string texte = LitOctets(c);
            for (int n = std::stoi(valeur.substr(0, blanc)); n > 0; --n) texte += valeur.substr(blanc + 1);
            EcritOctets(c, texte);
        } else if (mot == "dur") ASSERT_EQ(link((rep_ / valeur).c_str(), c.c_str()), 0);
        else if (mot == "limite") limite_ = std::stoi(a);
        else if (mot == "muet") Muet();
        else if (mot == "delai") delai_ = std::stoi(a);
        else if (mot == "lecture_seule") {
            ASSERT_EQ(chmod(c.c_str(), 0555), 0);
            lectureSeule_.push_back(c);
        } else if (mot == "lance") Lance(a);
        else if (mot == "terminal") Terminal(a);
        else if (mot == "code") EXPECT_EQ(code_, std::stoi(a) & 0xFF) << console_;  // le code vu du shell
        else if (mot == "sortie") EXPECT_EQ(sortie_, a);
        else if (mot == "erreurs") EXPECT_EQ(console_, a);
        else if (mot == "dans") {
            const size_t trouve = console_.find(a, suiteDans_);
            EXPECT_NE(trouve, string::npos) << "absent ou hors d'ordre :\n" << a << "\n---\n" << console_;
            if (trouve != string::npos) suiteDans_ = trouve + a.size();
        } else if (mot == "sans") EXPECT_EQ(console_.find(a), string::npos) << a << "\n---\n" << console_;
        else if (mot == "fin") EXPECT_EQ(console_.substr(console_.size() - std::min(a.size(), console_.size())), a);
        else if (mot == "attendu") EXPECT_EQ(AvecMarques(LitOctets(c)), AvecMarques(valeur)) << chemin;
        else if (mot == "commence") EXPECT_EQ(LitOctets(c).substr(0, valeur.size()), valeur) << chemin;
        else if (mot == "absent") EXPECT_FALSE(Existe(c)) << chemin;
        else if (mot == "contient") {
            const std::vector<string> noms = Mots(valeur);
            EXPECT_EQ(NomsDans(c), std::set<string>(noms.begin(), noms.end())) << chemin;
        } else if (mot == "pareil") EXPECT_EQ(LitOctets(c), LitOctets(valeur[0] == '/' ? valeur : rep_ / valeur));
        else if (mot == "php") {  // sans la ligne `valeur` (le texte d'erreur que le programme y ecrit)
            string sortie;
            const string filtre = valeur.empty() ? "cat" : "grep -vxF '" + valeur + "'";
            EXPECT_EQ(Commande(filtre + " '" + c + "' | php -l 2>&1", &sortie), 0) << chemin << sortie;
        } else if (mot == "classes") Classes(c, rep_ / valeur);
        else if (mot == "scenario") {
            string sortie;
            EXPECT_EQ(Commande("MYSQL_TCP_PORT=" + ServeurTest::Port() + " php '" + CheminTests("php/scenario.php") +
                               "' '" + c + "' '" + base_ + "' 2>&1", &sortie), 0);
            EXPECT_EQ(sortie, valeur);
        } else FAIL() << "mot inconnu : " << mot;
    }

    // Echappements \n \r \t \0 \xHH (et \ devant tout autre caractere), marques <...>, "@f" : tests/f.
    string Valeur(const string& brut) const {
        const bool fichier = brut.rfind("@", 0) == 0;
        string texte = fichier ? LitOctets(CheminTests(brut.substr(1))) : "";
        for (size_t i = 0; !fichier && i < brut.size(); ++i) {
            if (brut[i] != '\\' || i + 1 == brut.size()) { texte += brut[i]; continue; }
            const char c = brut[++i];
            if (c == 'x') {
                texte += static_cast<char>(std::stoi(brut.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else texte += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c == '0' ? '\0' : c;
        }
        texte = Remplace(Remplace(Remplace(texte, "<BASE>", base_), "<BANNIERE>", Banniere), "<PROGRAMME>", Programme);
        return texte.find("<VERSION>") == string::npos ? texte : Remplace(texte, "<VERSION>", ServeurTest::LignesVersion());
    }

    // Les dates du jour (celui du lancement ou, passe minuit, le suivant) deviennent <FR> et <US>,
    // les autres dates et les heures sont masquees. Quand le jour egale le mois, <US> et <FR> se confondent.
    string AvecMarques(string texte) const {
        for (const string& fr : {dateFR_, Utiles::Date_FR()}) texte = Remplace(texte, fr, "<FR>");
        for (const string& us : {dateUS_, Utiles::Date_US()}) texte = Remplace(texte, us, "<US>");
        if (dateFR_ == dateUS_) texte = Remplace(texte, "<US>", "<FR>");
        return MasqueDates(texte);
    }

    // Entree standard sur /dev/null, le port du serveur de test (ou du muet) dans l'environnement ;
    // mots entre apostrophes ; avec exec, un signal rend -1, jamais un code attendu. Taille de fichier
    // bornee (en Ko ; ulimit compte par 512 octets) : l'ecriture au-dela echoue sans signal.
    void Lance(const string& arguments) {
        const string borne = limite_ > 0 ? "trap '' XFSZ && ulimit -f " + std::to_string(2 * limite_) + " && " : "";
        string commande = "cd '" + rep_.Chemin() + "' && " + borne + "exec " +
                          (delai_ > 0 ? "timeout -s KILL " + std::to_string(delai_) + " " : "") +
                          "env 'MYSQL_TCP_PORT=" + (portMuet_.empty() ? ServeurTest::Port() : portMuet_) + "'";
        // root passe outre les droits : sans ces capacites, un repertoire en lecture seule l'est aussi pour lui.
        if (!lectureSeule_.empty() && geteuid() == 0) commande += " setpriv --bounding-set=-dac_override,-dac_read_search";
        commande += " '" + Binaire + "'";
        for (const string& mot : Mots(arguments)) commande += " '" + mot + "'";
        const string config = LitOctets(rep_ / "site.cfg");
        dateFR_ = Utiles::Date_FR();
        dateUS_ = Utiles::Date_US();
        RepertoireTemporaire captures;
        code_ = Commande(commande + " </dev/null >'" + (captures / "sortie") + "' 2>'" + (captures / "erreurs") + "'");
        sortie_ = LitOctets(captures / "sortie");
        console_ = LitOctets(captures / "erreurs");
        EXPECT_EQ(console_.substr(0, Banniere.size() + 1), Banniere + "\n");
        console_.erase(0, std::min(console_.size(), Banniere.size() + 1));
        suiteDans_ = 0;
        EXPECT_EQ(LitOctets(rep_ / "site.cfg"), config) << "la configuration a change";
    }

    // Ecoute sur 127.0.0.1 sans jamais accepter ni ecrire : le systeme accepte les connexions a
    // sa place, et le client attend le premier paquet du serveur.
    void Muet() {
        muet_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in adresse{};
        adresse.sin_family = AF_INET;
        adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t taille = sizeof(adresse);
        ASSERT_EQ(bind(muet_, reinterpret_cast<sockaddr*>(&adresse), taille), 0);
        ASSERT_EQ(listen(muet_, 8), 0);
        ASSERT_EQ(getsockname(muet_, reinterpret_cast<sockaddr*>(&adresse), &taille), 0);
        portMuet_ = std::to_string(ntohs(adresse.sin_port));
    }

    // Sans argument, sur un terminal : `saisie` y est tapee une seconde apres le lancement.
    void Terminal(const string& saisie) {
        EcritOctets(rep_ / "saisie", saisie);
        sortie_.clear();
        code_ = Commande("cd '" + rep_.Chemin() + "' && (sleep 1; cat saisie) | timeout 20 script -qec '" + Binaire +
                         "' /dev/null", &sortie_);
        console_.clear();
    }

    // Chaque CVClass_*.php du repertoire R (sauf celui de connexion) passe php -l et se trouve a
    // l'identique dans R2.
    void Classes(const string& r, const string& r2) {
        for (const string& nom : NomsDans(r))
            if (nom.rfind("CVClass_", 0) == 0 && nom != "CVClass__connexion.php") {
                EXPECT_TRUE(PhpValide(r + "/" + nom));
                EXPECT_EQ(LitOctets(r2 + "/" + nom), LitOctets(r + "/" + nom)) << nom;
            }
    }

    std::vector<Ligne> lignes_;
    RepertoireTemporaire rep_;
    std::vector<string> lectureSeule_;
    int muet_ = -1, delai_ = 0, limite_ = 0, code_ = -1;  // code vu du shell (0 a 255), -1 pour un signal
    string base_, portMuet_, sortie_, console_, dateFR_, dateUS_;
    size_t suiteDans_ = 0;
};

// Le titre d'un cas en nom de test : lettres et chiffres, le reste en "_".
string NomDeTest(const string& titre) {
    string nom = std::regex_replace(titre, std::regex("[^A-Za-z0-9]+"), "_");
    if (nom.back() == '_') nom.pop_back();
    return nom[0] == '_' ? nom.substr(1) : nom;
}

// Chaque cas d'un fichier (les lignes communes puis les siennes) devient le test cas_<fichier>.<titre>,
// que CTest liste par son nom.
void EnregistreCas(const string& fichier) {
    std::istringstream flux(LitOctets(CheminTests("cas/" + fichier)));
    std::vector<Ligne> communes, lignes;
    string titre;
    int debut = 0, numero = 0;
    const auto enregistre = [&] {
        if (titre.empty()) communes = lignes;
        else
            testing::RegisterTest(("cas_" + fichier.substr(0, fichier.size() - 4)).c_str(), NomDeTest(titre).c_str(),
                                  nullptr, nullptr, CheminTests("cas/" + fichier).c_str(), debut,
                                  [lignes]() -> testing::Test* { return new CasJoue(lignes); });
    };
    for (string texte; std::getline(flux, texte);) {
        ++numero;
        if (texte.empty() || texte[0] == '#') continue;
        if (texte.rfind("== ", 0) == 0) {
            enregistre();
            titre = texte.substr(3);
            debut = numero;
            lignes = communes;
        } else if (texte.rfind("| ", 0) == 0 && !lignes.empty()) lignes.back().argument += texte.substr(2);
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
