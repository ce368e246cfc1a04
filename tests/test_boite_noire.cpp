// Le programme construit, lance dans un repertoire temporaire : console, code
// de sortie (vu modulo 256) et fichiers qu'il laisse.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "outils_test.h"

namespace {

const std::string Banniere = "corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL";
const std::string Usage =
    "Usage : corvalite -c fichier.cfg make sgbd form\n-c Fichier_de_configuration\nfonction: make,sgbd,form\n";
const std::string Invalide = "ERREUR:Pas de fichier de configuration valide." + Usage;
// make sur l'exemple copie cinq fichiers, dont celui de connexion.
const std::string CopiesDeMake = CopieReussie + CopieReussie + CopieReussie + CopieReussie + CopieReussie;

// Copie du site d'exemple ; rend le texte de sa configuration.
std::string PrepareSite(const RepertoireTemporaire& rep) {
    CopieArborescence(RepertoireExemple(), rep.Chemin());
    EcritOctets(rep / "page.form", "# formulaire\n");
    return LitOctets(rep / "site.cfg");
}

}  // namespace

TEST(BoiteNoire, SansArgumentSurUnTerminalAttendUneLigne) {
    RepertoireTemporaire rep;
    Execution e = LanceSurTerminal(rep.Chemin(), "ligne\n", 300);
    // Le terminal rend "\n" en "\r\n" ; "ligne" n'est tapee, donc renvoyee en echo,
    // que si le programme tourne encore 300 ms apres le message : il attend.
    EXPECT_EQ(e.sortie, Banniere + "\r\n\r\n\r\nUsage : corvalite -c fichier.cfg make sgbd form\r\n"
                                   "-c Fichier_de_configuration\r\nfonction: make,sgbd,form\r\n"
                                   "Appuyez sur une touche pour continuer...ligne\r\n");
    EXPECT_EQ(e.code, 0);
}

// Un fichier CR LF venu de Windows se lit comme le meme fichier en LF.
TEST(BoiteNoire, MakeSurLExempleDonneExactementLaConsoleEtLaTrace) {
    const std::string entete = "Fichier de configuration:site.cfg\nOption:MAKE.\n"
                               "Fichier de trace d'execution:site.log\nLecture du fichier de configuration:site.cfg";
    const std::string etapes[] = {
        "Analyse du fichier de configuration:Ok.\n", "Construction des chemins:Ok.\n",
        "Verification des repertoires:Ok.\n", "Selection des fichiers:Ok.\n2 Fichiers selectionnes.\n",
        "Traitement:Ok.\nTraite fichier:.\\sources\\article.php\nTraite fichier:.\\sources\\index.php\n",
        "Post-Traitement:Ok.\nCopie .\\sources\\style.css -> .\\cible\\style.css\n"
        "Copie .\\sources\\include\\commun.php -> .\\cible\\include\\commun.php\n",
        "Fin de traitement"};
    // La console recoit une fin de ligne de plus par texte journalise ; la trace
    // recoit les textes tels quels : ni la banniere ni l'entete n'y finissent la ligne.
    std::string console = Banniere + "\n" + entete + "\nOk.\n\n", trace = Banniere + entete + "Ok.\n";
    for (const std::string& etape : etapes) {
        console += etape + "\n";
        trace += etape;
    }
    console.pop_back();  // sauf apres "Fin de traitement"
    for (bool crlf : {false, true}) {
        SCOPED_TRACE(crlf ? "configuration CR LF" : "configuration LF");
        RepertoireTemporaire rep;
        std::string cfg = PrepareSite(rep);
        for (size_t p = 0; crlf && (p = cfg.find('\n', p)) != std::string::npos; p += 2) cfg.insert(p, "\r");
        EcritOctets(rep / "site.cfg", cfg);
        Execution e = Lance(rep.Chemin(), {"-c", "site.cfg", "-make"});
        EXPECT_EQ(e.code, 0);
        EXPECT_EQ(e.erreurs, console);
        EXPECT_EQ(e.sortie, CopiesDeMake);
        for (const std::string page : {"index.php", "article.php"}) {
            const std::string attendue = LitOctets(CheminTests("attendu/exemple/" + page));
            EXPECT_EQ(MasqueDates(LitOctets(rep / ("cible/" + page))), attendue) << page;
        }
        EXPECT_EQ(LitOctets(rep / "cible/include/commun.php"), LitOctets(rep / "sources/include/commun.php"));
        EXPECT_EQ(LitOctets(rep / "site.log"), trace);
        EXPECT_EQ(LitOctets(rep / "sources/include/CVClass__connexion.php"), FichierConnexionDAppui());
        EXPECT_EQ(LitOctets(rep / "site.cfg"), cfg);
    }
}

TEST(BoiteNoire, LigneDeCommandeEtEtapes) {
    enum Genre { Fichier, Absent, Repertoire, LienCasse };
    const struct {
        const char* nom;
        std::vector<std::string> arguments;
        int code;
        std::vector<std::string> dansLOrdre;  // sur la sortie d'erreur, apres la banniere
        std::vector<std::string> absents;
        std::string fin;                      // fin exacte de la sortie d'erreur, toute si rien n'est dans l'ordre
        std::string sortie = "";              // la sortie standard
        std::string trace = "site.log";       // fichier de trace attendu, "" si son repertoire manque
        std::string config = "site.cfg";
        Genre genre = Fichier;
        std::string avant = "", apres = "";   // remplacement dans la configuration
    } cas[] = {
        // Sans configuration, les lignes d'usage sortent en clair.
        {"aucun argument", {}, 0, {}, {}, Usage, "\n\n", ""},
        {"-c seul", {"-c"}, -1, {}, {}, "ERREUR:Pas de nom de fichier suivant le -c\n" + Invalide, "", ""},
        {"pas de -c", {"-make", "site.cfg"}, -1, {}, {}, Invalide, "", ""},
        // Configuration illisible : en root chmod 000 ne suffit pas, on prend donc un
        // chemin sous un repertoire absent, un lien casse et un repertoire.
        {"fichier absent", {"-c", "absent.cfg", "-make"}, -20,
         {"Option:MAKE.\n", "Lecture du fichier de configuration:absent.cfg\n",
          "Des erreurs sont detectees\nImpossible d'ouvrir le fichier:absent.cfg\n"},
         {"Ok."}, "", "", "absent.log", "absent.cfg", Absent},
        {"sous un repertoire absent", {"-c", "nulle/part/site.cfg", "-make"}, -20,
         {"Fichier de trace d'execution:nulle/part/site.log\n", "Impossible d'ouvrir le fichier:nulle/part/site.cfg\n"},
         {"Ok."}, "", "", "", "nulle/part/site.cfg", Absent},
        {"lien casse", {"-c", "lien.cfg", "-make"}, -20, {"Impossible d'ouvrir le fichier:lien.cfg\n"}, {"Ok."}, "", "",
         "lien.log", "lien.cfg", LienCasse},
        {"repertoire", {"-c", "rep.cfg", "-make"}, -20, {"Impossible d'ouvrir le fichier:rep.cfg\n"}, {"Ok."}, "", "",
         "rep.log", "rep.cfg", Repertoire},
        {"aucune fonction", {"-c", "site.cfg"}, -30, {"Option:.\n", "Analyse du fichier de configuration:\n"},
         {"Construction"}, "Des erreurs sont detectees\nAucune fonction (make,sgbd,form) n'est active, "
                           "rien ne sera fait.\n\n"},
        {"noms sans tiret ou mal ecrits", {"-c", "site.cfg", "make", "sgbd", "form", "-Make", "-Sgbd", "-Form"}, -30,
         {"Option:.\n"}, {"Construction"}, "rien ne sera fait.\n\n"},
        {"bavard seul", {"-c", "site.cfg", "-bavard", "-BAVARD"}, -30, {"Option:.\n"}, {}, "rien ne sera fait.\n\n"},
        {"racine absente", {"-c", "site.cfg", "-make"}, -60,
         {"Construction des chemins:Ok.\n\nVerification des repertoires:\n",
          "Des erreurs sont detectees\nLe repertoire racine n'existe pas:absente\n\n"},
         {"Selection"}, "Le repertoire include de la cible n'existe pas:absente\\cible\\include\\\n\n\n", "",
         "site.log", "site.cfg", Fichier, "RACINE=.", "RACINE=absente"},
        {"source et cible identiques", {"-c", "site.cfg", "-make"}, -60, {"Verification des repertoires:\n"},
         {"Selection"}, "Le repertoire source et le repertoire cible sont identiques:.\\sources\\\n\n\n", "",
         "site.log", "site.cfg", Fichier, "CIBLE=cible", "CIBLE=./sources"},
        {"-form en dernier", {"-c", "site.cfg", "-form"}, -100,
         {"ERREUR:Pas de nom de fichier suivant le -form\nFichier de configuration:site.cfg\n", "Option:FORM.\n",
          "Verification des repertoires:Ok.\n\nLecture du fichier .form :", "Des erreurs sont detectees\n"},
         {"Creation du fichier"}, ""},
        {"sgbd sans base", {"-c", "site.cfg", "-sgbd"}, -200,
         {"Option:SGBD.\n", "Analyse de la configuration pour l'option SGBD:Des anomalies sont detectees\n"}, {},
         "Creation classe de base de donnees:\nDes erreurs sont detectees\n"
         "Aucune nom de base de donnees n'a ete fourni (DATABASE=).\n\n",
         CopieReussie, "site.log", "site.cfg", Fichier, "DATABASE=corvalite_exemple", "DATABASE="},
        {"make deux fois", {"-c", "site.cfg", "-make", "-make"}, 0, {"Option:MAKE.\n"}, {"Selection"},
         "Verification des repertoires:Ok.\n\nFin de traitement"},
        {"bavard colle a make", {"-c", "site.cfg", "-bavard-make"}, 0,
         {"Option:MAKE.\n", "Liste des fichiers selectionnes:\n1 - article.php\n2 - index.php\n\n",
          "Traitement:.\\sources\\article.php -> .\\cible\\article.php\n", "Post-Traitement:Ok.\n"},
         {}, "Fin de traitement", CopiesDeMake},
        {"un mot, deux fonctions", {"-c", "site.cfg", "-MAKE-make-sgbd"}, 0,
         {"Option:MAKE,SGBD.\n", "Creation classe de base de donnees:Ok.\n", "Selection des fichiers:Ok.\n"}, {},
         "commun.php\n\nFin de traitement", CopiesDeMake},
        {"-sgbd dans le nom de la configuration", {"-c", "site-sgbd.cfg", "-sgbd"}, 0,
         {"Option:SGBD.\n", "Analyse de la configuration pour l'option SGBD:Ok.\n"}, {"Creation classe"},
         "Verification des repertoires:Ok.\n\nFin de traitement", "", "site-sgbd.log", "site-sgbd.cfg"},
        {"ordre sgbd, make, form", {"-form", "page.form", "-c", "site.cfg", "-make", "-sgbd"}, 0,
         {"Option:MAKE,SGBD,FORM.\n", "Creation classe de base de donnees:Ok.\n", "Selection des fichiers:Ok.\n",
          "Post-Traitement:Ok.\n", "Lecture du fichier .form page.form:Ok.\n"},
         {}, "Creation du fichier formulaire en php:Ok.\n\nFin de traitement", CopiesDeMake},
        {"make et form", {"-c", "site.cfg", "-make", "-form", "page.form"}, 0, {"Option:MAKE,FORM.\n"}, {},
         "Fin de traitement", CopiesDeMake},
        {"deux -c", {"-c", "autre.cfg", "-c", "site.cfg", "-make"}, 0,
         {"Fichier de configuration:site.cfg\n", "Fichier de trace d'execution:site.log\n"}, {"autre"},
         "Fin de traitement", CopiesDeMake},
        {"nom sans point", {"-c", "siteconf", "-make"}, 0, {"Fichier de trace d'execution:siteconf.log\n"}, {},
         "Fin de traitement", CopiesDeMake, "siteconf.log", "siteconf"},
        {"point dans un repertoire", {"-c", "conf.d/site", "-make"}, 0,
         {"Fichier de trace d'execution:conf.d/site.log\n"}, {}, "Fin de traitement", CopiesDeMake, "conf.d/site.log",
         "conf.d/site"},
        {"configuration en .log", {"-c", "x.log", "-make"}, 0, {"Fichier de trace d'execution:x.log.log\n"}, {},
         "Fin de traitement", CopiesDeMake, "x.log.log", "x.log"},
    };
    // sgbd se connecte vraiment : ses cas prennent une base vide du serveur prive.
    const std::string base = ServeurTest::Disponible() ? ServeurTest::NouvelleBase() : "";
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        bool sgbdTourne = false;
        for (const std::string& attendu : c.dansLOrdre) sgbdTourne |= attendu.find("donnees:Ok.") != std::string::npos;
        if (sgbdTourne && base.empty()) continue;
        RepertoireTemporaire rep;
        std::string cfg = PrepareSite(rep);
        if (!c.avant.empty()) cfg.replace(cfg.find(c.avant), c.avant.size(), c.apres);
        size_t exemple = cfg.find("corvalite_exemple");
        if (!base.empty() && exemple != std::string::npos) cfg.replace(exemple, 17, base);
        if (c.genre == Fichier) CreeRepertoires(rep / c.config.substr(0, c.config.rfind('/') + 1));
        if (c.genre == Fichier) EcritOctets(rep / c.config, cfg);
        if (c.genre == Repertoire) CreeRepertoires(rep / c.config);
        if (c.genre == LienCasse) { ASSERT_EQ(symlink("nulle-part.cfg", (rep / c.config).c_str()), 0); }
        Execution e = Lance(rep.Chemin(), c.arguments);
        EXPECT_EQ(e.code, CodeShell(c.code)) << e.erreurs;
        EXPECT_EQ(e.sortie, c.sortie);
        ASSERT_TRUE(Commence(e.erreurs, Banniere + "\n"));
        EXPECT_TRUE(DansLOrdre(e.erreurs, c.dansLOrdre, Banniere.size()));
        for (const std::string& absent : c.absents)
            EXPECT_EQ(e.erreurs.find(absent), std::string::npos) << absent << "\n" << e.erreurs;
        EXPECT_TRUE(Finit(e.erreurs, c.fin));
        if (c.dansLOrdre.empty()) { EXPECT_EQ(e.erreurs, Banniere + "\n" + c.fin); }
        const std::string debutTrace = Banniere + "Fichier de configuration:";
        if (!c.trace.empty()) { EXPECT_TRUE(Commence(LitOctets(rep / c.trace), debutTrace)) << c.trace; }
        if (c.genre == Fichier) { EXPECT_EQ(LitOctets(rep / c.config), cfg) << "la configuration a change"; }
    }
}
