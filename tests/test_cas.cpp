// Joue les executions du programme decrites dans tests/cas/*.txt (format :
// tests/cas/format.txt) : site prepare dans un repertoire temporaire, lancement,
// puis console, code de sortie et fichiers laisses.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Utiles.h"
#include "outils_test.h"

using std::string;

namespace {

const string Banniere = "corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL";
const string ConfigSimple = "RACINE=.\nSOURCE=src\nCIBLE=web\nREPERTOIRE_INCLUDE=inc\n";
const string Binaire = CORVALITE_BINAIRE, Programme = Binaire.substr(0, Binaire.rfind('/')),
             Appui = Programme + "/CVClass__connexion.php";
const auto Recursif = std::filesystem::copy_options::recursive;

struct Ligne { int numero; string mot, argument; };
struct Cas { string nom; int ligne; std::vector<Ligne> lignes; };

std::vector<Cas> LisCas(const string& fichier) {
    std::istringstream flux(LitOctets(CheminTests("cas/" + fichier)));
    std::vector<Cas> cas(1);  // le premier recueille les lignes communes
    int numero = 0;
    for (string texte; std::getline(flux, texte);) {
        ++numero;
        if (texte.empty() || texte[0] == '#') continue;
        if (texte.rfind("== ", 0) == 0) cas.push_back({texte.substr(3), numero, {}});
        else if (texte.rfind("| ", 0) == 0 && !cas.back().lignes.empty())  // sinon : mot inconnu "|"
            cas.back().lignes.back().argument += texte.substr(2);
        else {
            const size_t blanc = texte.find(' ');
            cas.back().lignes.push_back(
                {numero, texte.substr(0, blanc), blanc == string::npos ? "" : texte.substr(blanc + 1)});
        }
    }
    return cas;
}

string Fin(const string& texte, size_t n) { return texte.substr(texte.size() - std::min(n, texte.size())); }

string Remplace(string texte, const string& quoi, const string& par) {
    for (size_t p = 0; (p = texte.find(quoi, p)) != string::npos; p += par.size()) texte.replace(p, quoi.size(), par);
    return texte;
}

class Jeu {
public:
    Jeu() = default;
    Jeu(const Jeu&) = delete;
    Jeu& operator=(const Jeu&) = delete;
    ~Jeu() {
        if (muet_ >= 0) close(muet_);
        for (const string& c : lectureSeule_) chmod(c.c_str(), 0755);
    }

    void Joue(const Ligne& l) {
        const string& mot = l.mot;
        // Les mots qui portent sur un chemin : "chemin = valeur".
        string chemin, valeur, a;
        if (string(" fichier lien attendu commence absent contient pareil classes crlf repertoire tube scenario php "
                   "lecture_seule requete ajoute dur ")
                .find(" " + mot + " ") != string::npos) {
            const size_t egal = l.argument.find(" =");
            chemin = Valeur(l.argument.substr(0, egal));
            if (egal != string::npos) valeur = Valeur(l.argument.substr(std::min(egal + 3, l.argument.size())));
        } else a = Valeur(l.argument);
        const string c = rep_ / chemin;
        if (mot == "site" && a == "exemple") std::filesystem::copy(CORVALITE_EXEMPLE, rep_.Chemin(), Recursif);
        else if (mot == "site" && a == "simple") {
            CreeRepertoires(rep_ / "src/inc");
            CreeRepertoires(rep_ / "web/inc");
            EcritOctets(rep_ / "site.cfg", ConfigSimple);
        } else if (mot == "site") ASSERT_EQ(a, "vide");
        else if (mot == "config") EcritOctets(rep_ / "site.cfg", LitOctets(rep_ / "site.cfg") + a + "\n");
        else if (mot == "base") {
            base_ = ServeurTest::NouvelleBase();
            if (!a.empty()) { ASSERT_EQ(ServeurTest::Sql(a, base_), 0); }
            EcritOctets(rep_ / "site.cfg", LitOctets(rep_ / "site.cfg") + "HOST=127.0.0.1\nUSER=corvalite\nMDP=corvalite\n"
                                           "DATABASE=" + base_ + "\n");
        } else if (mot == "sql") ASSERT_EQ(ServeurTest::Sql(a, base_), 0);
        else if (mot == "requete") EXPECT_EQ(ServeurTest::Resultat(chemin, base_), valeur) << chemin;
        else if (mot == "fichier") {
            CreeRepertoires(c.substr(0, c.rfind('/')));
            EcritOctets(c, valeur);
        } else if (mot == "repertoire") CreeRepertoires(c);
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
        else if (mot == "env") environnement_.push_back(a);
        else if (mot == "muet") Muet();
        else if (mot == "delai") delai_ = std::stoi(a);
        else if (mot == "lance") Lance(a);
        else if (mot == "terminal") Terminal(a);
        else if (mot == "code") EXPECT_EQ(e_.code, CodeShell(std::stoi(a))) << e_.erreurs;
        else if (mot == "sortie") EXPECT_EQ(e_.sortie, a);
        else if (mot == "erreurs") EXPECT_EQ(console_, a);
        else if (mot == "dans") {
            const size_t trouve = console_.find(a, suiteDans_);
            EXPECT_NE(trouve, string::npos) << "absent ou hors d'ordre :\n" << a << "\n---\n" << console_;
            if (trouve != string::npos) suiteDans_ = trouve + a.size();
        } else if (mot == "sans") EXPECT_EQ(console_.find(a), string::npos) << a << "\n---\n" << console_;
        else if (mot == "fin") EXPECT_EQ(Fin(console_, a.size()), a);
        else if (mot == "attendu") EXPECT_EQ(AvecMarques(LitOctets(c)), AvecMarques(valeur)) << chemin;
        else if (mot == "commence") EXPECT_EQ(LitOctets(c).substr(0, valeur.size()), valeur) << chemin;
        else if (mot == "absent") EXPECT_FALSE(Existe(c)) << chemin;
        else if (mot == "contient") {
            const std::vector<string> noms = Mots(valeur);
            EXPECT_EQ(NomsDans(c), std::set<string>(noms.begin(), noms.end())) << chemin;
        }
        else if (mot == "pareil")  // "<connexion>" : le fichier d'appui, a cote du programme
            EXPECT_EQ(LitOctets(c), LitOctets(valeur == "<connexion>" ? Appui : valeur[0] == '/' ? valeur : rep_ / valeur))
                << chemin;
        else if (mot == "php") Php(c, valeur);
        else if (mot == "lecture_seule") {
            ASSERT_EQ(chmod(c.c_str(), 0555), 0);
            lectureSeule_.push_back(c);
        }
        else if (mot == "classes") Classes(c, valeur.empty() ? "" : rep_ / valeur);
        else if (mot == "scenario") {
            string sortie;
            EXPECT_EQ(Commande("MYSQL_TCP_PORT=" + ServeurTest::Port() + " php '" + CheminTests("php/scenario.php") +
                               "' '" + c + "' '" + base_ + "' 2>&1", &sortie), 0);
            EXPECT_EQ(sortie, valeur);
        }
        else FAIL() << "mot inconnu : " << mot;
    }

private:
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

    static std::vector<string> Mots(const string& texte) {
        std::istringstream flux(texte);
        std::vector<string> mots;
        for (string mot; flux >> mot;) mots.push_back(mot);
        return mots;
    }

    // Les dates du jour (celui du lancement ou, passe minuit, le suivant) deviennent <FR> et <US>,
    // les autres dates et les heures sont masquees. Quand le jour egale le mois, <US> et <FR> se confondent.
    string AvecMarques(string texte) const {
        for (const string& fr : {dateFR_, Utiles::Date_FR()}) texte = Remplace(texte, fr, "<FR>");
        for (const string& us : {dateUS_, Utiles::Date_US()}) texte = Remplace(texte, us, "<US>");
        if (dateFR_ == dateUS_) texte = Remplace(texte, "<US>", "<FR>");
        return MasqueDates(texte);
    }

    // Entree standard sur /dev/null, le port du serveur de test dans l'environnement (qu'un "env"
    // peut remplacer) ; mots entre apostrophes ; avec exec, un signal rend -1, jamais un code attendu.
    void Lance(const string& arguments) {
        // Taille de fichier bornee (en Ko ; ulimit compte par 512 octets) : l'ecriture au-dela echoue sans signal.
        const string borne = limite_ > 0 ? "trap '' XFSZ && ulimit -f " + std::to_string(2 * limite_) + " && " : "";
        string commande = "cd '" + rep_.Chemin() + "' && " + borne + "exec " +
                          (delai_ > 0 ? "timeout -s KILL " + std::to_string(delai_) + " " : "") +
                          "env 'MYSQL_TCP_PORT=" + ServeurTest::Port() + "'";
        for (const string& variable : environnement_) commande += " '" + variable + "'";
        // root passe outre les droits : sans ces capacites, un repertoire en lecture seule l'est aussi pour lui.
        if (!lectureSeule_.empty() && geteuid() == 0) commande += " setpriv --bounding-set=-dac_override,-dac_read_search";
        commande += " '" CORVALITE_BINAIRE "'";
        for (const string& mot : Mots(arguments)) commande += " '" + mot + "'";
        const string config = LitOctets(rep_ / "site.cfg");
        dateFR_ = Utiles::Date_FR();
        dateUS_ = Utiles::Date_US();
        RepertoireTemporaire captures;
        e_.code = Commande(commande + " </dev/null >'" + (captures / "sortie") + "' 2>'" + (captures / "erreurs") + "'");
        e_.sortie = LitOctets(captures / "sortie");
        e_.erreurs = LitOctets(captures / "erreurs");
        EXPECT_EQ(e_.erreurs.substr(0, Banniere.size() + 1), Banniere + "\n");
        console_ = e_.erreurs.substr(std::min(e_.erreurs.size(), Banniere.size() + 1));
        suiteDans_ = 0;
        EXPECT_EQ(LitOctets(rep_ / "site.cfg"), config) << "la configuration a change";
    }

    // Ecoute sur 127.0.0.1 sans jamais accepter ni ecrire : le systeme accepte les connexions a
    // sa place, et le client attend le premier paquet du serveur. Les lancements suivants y vont.
    void Muet() {
        muet_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in adresse{};
        adresse.sin_family = AF_INET;
        adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t taille = sizeof(adresse);
        ASSERT_EQ(bind(muet_, reinterpret_cast<sockaddr*>(&adresse), taille), 0);
        ASSERT_EQ(listen(muet_, 8), 0);
        ASSERT_EQ(getsockname(muet_, reinterpret_cast<sockaddr*>(&adresse), &taille), 0);
        environnement_.push_back("MYSQL_TCP_PORT=" + std::to_string(ntohs(adresse.sin_port)));
    }

    // Sans argument, sur un terminal : `saisie` y est tapee une seconde apres le lancement.
    void Terminal(const string& saisie) {
        EcritOctets(rep_ / "saisie", saisie);
        e_.sortie.clear();
        e_.code = Commande("cd '" + rep_.Chemin() + "' && (sleep 1; cat saisie) | timeout 20 script -qec '" + Binaire +
                           "' /dev/null", &e_.sortie);
        e_.erreurs.clear();
        console_.clear();
    }

    // `chemin` : une classe, ou un repertoire dont chaque fichier CVClass_* (sauf celui de connexion) en est une.
    void Classes(const string& chemin, const string& copies) {
        const bool repertoire = std::filesystem::is_directory(chemin);
        for (const string& nom : repertoire ? NomsDans(chemin) : std::set<string>{""}) {
            if (repertoire && (nom.rfind("CVClass_", 0) != 0 || nom == "CVClass__connexion.php")) continue;
            const string fichier = repertoire ? chemin + "/" + nom : chemin, texte = LitOctets(fichier);
            EXPECT_EQ(texte.substr(0, 6) + Fin(texte, 5), "<?php\n}\n?>\n") << fichier;
            EXPECT_TRUE(PhpValide(fichier));
            if (!copies.empty()) { EXPECT_EQ(LitOctets(copies + "/" + nom), texte) << nom; }
        }
    }

    // php -l accepte la page, une fois retiree la ligne `sauf` (le texte d'erreur que le programme y ecrit).
    void Php(const string& page, const string& sauf) {
        if (sauf.empty()) {
            EXPECT_TRUE(PhpValide(page));
            return;
        }
        std::istringstream flux(LitOctets(page));
        string texte;
        int retirees = 0;
        for (string ligne; std::getline(flux, ligne);) {
            if (ligne == sauf) ++retirees;
            else texte += ligne + "\n";
        }
        EXPECT_GT(retirees, 0) << sauf;
        RepertoireTemporaire rep;
        EcritOctets(rep / "page.php", texte);
        EXPECT_TRUE(PhpValide(rep / "page.php")) << page;
    }

    RepertoireTemporaire rep_;
    std::vector<string> lectureSeule_;
    int muet_ = -1, delai_ = 0, limite_ = 0;
    string base_, console_, dateFR_, dateUS_;
    size_t suiteDans_ = 0;
    std::vector<string> environnement_;
    struct { int code = -1; string sortie, erreurs; } e_;  // code vu du shell (0 a 255), -1 pour un signal
};

// Un cas joue comme un test a lui : le site d'abord (celui du cas plutot que le commun), puis les lignes
// communes et celles du cas. Sans serveur, un cas qui en a besoin est saute (echoue sous CI=true).
class CasJoue : public testing::Test {
public:
    explicit CasJoue(std::vector<Ligne> lignes) : lignes_(std::move(lignes)) {}

    void TestBody() override {
        bool base = false;
        for (const Ligne& l : lignes_) base |= l.mot == "base";
        if (base) { SERVEUR_REQUIS(); }
        Jeu jeu;
        for (const Ligne& l : lignes_) {
            SCOPED_TRACE(testing::Message() << "ligne " << l.numero << " : " << l.mot);
            jeu.Joue(l);
            if (HasFatalFailure()) return;
        }
    }

private:
    std::vector<Ligne> lignes_;
};

std::vector<Ligne> LignesDuCas(const Cas& commun, const Cas& cas) {
    std::vector<Ligne> lignes = commun.lignes;
    lignes.insert(lignes.end(), cas.lignes.begin(), cas.lignes.end());
    Ligne site{0, "site", "simple"};
    for (const Ligne& l : lignes) site = l.mot == "site" ? l : site;
    lignes.erase(std::remove_if(lignes.begin(), lignes.end(), [](const Ligne& l) { return l.mot == "site"; }),
                 lignes.end());
    lignes.insert(lignes.begin(), site);
    return lignes;
}

// Le titre d'un cas en nom de test : lettres et chiffres, le reste en "_".
string NomDeTest(const string& titre) {
    string nom;
    for (char c : titre) {
        if (std::isalnum(static_cast<unsigned char>(c))) nom += c;
        else if (!nom.empty() && nom.back() != '_') nom += '_';
    }
    while (!nom.empty() && nom.back() == '_') nom.pop_back();
    return nom.empty() ? "cas" : nom;
}

// Chaque cas de tests/cas/*.txt (sauf la description du format) devient le test
// cas_<fichier>.<titre>, que CTest liste par son nom.
const bool CasEnregistres = [] {
    std::vector<string> fichiers;
    for (const auto& e : std::filesystem::directory_iterator(CheminTests("cas")))
        if (e.path().extension() == ".txt" && e.path().filename() != "format.txt")
            fichiers.push_back(e.path().filename().string());
    std::sort(fichiers.begin(), fichiers.end());
    for (const string& fichier : fichiers) {
        const std::vector<Cas> cas = LisCas(fichier);
        std::set<string> noms;
        for (size_t i = 1; i < cas.size(); ++i) {
            string nom = NomDeTest(cas[i].nom);
            for (int n = 2; !noms.insert(nom).second; ++n) nom = NomDeTest(cas[i].nom) + "_" + std::to_string(n);
            const std::vector<Ligne> lignes = LignesDuCas(cas[0], cas[i]);
            testing::RegisterTest(("cas_" + fichier.substr(0, fichier.size() - 4)).c_str(), nom.c_str(), nullptr,
                                  nullptr, CheminTests("cas/" + fichier).c_str(), cas[i].ligne,
                                  [lignes]() -> testing::Test* { return new CasJoue(lignes); });
        }
    }
    return true;
}();

}  // namespace
