#include <gtest/gtest.h>
#include <unistd.h>

#include "Parametres.h"
#include "outils_test.h"

using std::string;
using P = Parametrage;

namespace {

// Journal d'un appel : ce que la console a recu.
template <typename F>
string Console(F appel) {
    testing::internal::CaptureStderr();
    appel();
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(Journal, ConsoleEtFichierDeTrace) {
    RepertoireTemporaire rep;
    const string trace = rep / "site.log";
    const struct { const char* nom; bool avecTrace; std::function<void(P&)> appels; string console, fichier; } cas[] = {
        {"niveaux inconnus", true, [](P& p) { p.Log("x", static_cast<P::MonEnumerationLog>(7));
                                              p.LogSansCR("y", static_cast<P::MonEnumerationLog>(-1)); },
         "Pb de sortie log!!!Pb de sortie log!!!", "avant"},
        {"vidage", true, [](P& p) { p.Log("x", P::LogVideFichier); }, "", ""},
        {"ecran seul", true, [](P& p) { p.Log("x", P::LogEcran); p.LogSansCR("y", P::LogEcran); }, "x\ny", "avant"},
        {"sans nom de trace", false, [](P& p) { p.Log("x", P::LogFichier); p.Log("y", P::LogEcranEtFichier); },
         "y\n", "avant"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        EcritOctets(trace, "avant");
        P p;
        if (c.avecTrace) p.SetFichierLog(trace);
        EXPECT_EQ(Console([&] { c.appels(p); }), c.console);
        EXPECT_EQ(LitOctets(trace), c.avecTrace ? c.fichier : "avant");
    }
}

// Ce que la fermeture d'une etape journalise, et quand.
TEST(Registre, EntetesEtFermetureDEtape) {
    P p;
    p.initErreur();
    p.AddWarning("A");
    p.AddWarning("B");
    // Remise a zero des compteurs : l'avertissement attend la prochaine fermeture.
    p.NbAnomalies = 0;
    EXPECT_EQ(Console([&] { EXPECT_EQ(p.GestionErreur(-30, "F", P::LogEcranEtFichier), 0); }), "");
    p.AddWarning("C");
    for (const char* mode : {"", "f"})
        EXPECT_EQ(Console([&] { EXPECT_EQ(p.GestionErreur(-30, mode, P::LogEcranEtFichier), 0); }), "");
    EXPECT_EQ(Console([&] { EXPECT_EQ(p.GestionErreur(-30, "F", P::LogEcranEtFichier), 1); }),
              "Des anomalies sont detectees\nA\nB\nC\n\n");
    // Apres la fermeture, le registre repart de son entete.
    p.AddWarning("D");
    EXPECT_EQ(Console([&] { EXPECT_EQ(p.GestionErreur(-30, "F", P::LogEcranEtFichier), 1); }),
              "Des anomalies sont detectees\nD\n\n");
}

TEST(RegistreMort, UneErreurTermineLeProcessusAvecLeCodeDeLEtape) {
    P p;
    p.initErreur();
    p.AddErreur("E");
    EXPECT_EXIT(p.GestionErreur(-50, "F", P::LogEcranEtFichier), testing::ExitedWithCode(CodeShell(-50)),
                "^\nDes erreurs sont detectees\nE\n\n$");
}

TEST(Texte, CheminsExtensionsEtIncludes) {
    P p;
    const std::pair<string, string> trims[] = {
        {"\\", "\\"}, {"\\\\", ""}, {"\\src\\", "src"}, {"\\\\src", "\\src"}, {"/src/", "/src/"}, {"a", "a"}};
    for (const auto& t : trims) EXPECT_EQ(p.TrimSlash(t.first), t.second) << t.first;
    // Le point compte dans le dernier element du chemin, et pas en tete de nom.
    const std::pair<string, string> extensions[] = {
        {"site.cfg", "site.log"},     {"site", "site.log"},         {"a.b.cfg", "a.b.log"},
        {"conf.d/site", "conf.d/site.log"}, {"D:\\v1.2\\site", "D:\\v1.2\\site.log"},
        {"..\\site", "..\\site.log"}, {".site", ".site.log"},       {"dir/.cache.cfg", "dir/.cache.log"}};
    for (const auto& e : extensions) EXPECT_EQ(p.ChangeExtention(e.first, ".log"), e.second) << e.first;
}
