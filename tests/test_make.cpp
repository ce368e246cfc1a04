// La fonction make de bout en bout : selection des pages, assemblage depuis la
// page de reference, copie des fichiers configures, au travers du programme.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "Utiles.h"
#include "outils_test.h"

using std::string;

namespace {

const string Config = "REF_GLOBALE=ref.htm\nPREFIXE_TABLE=t_\nFICHIER_A_INCLURE=lib.php\n";
const string Absent = "<absent>";

// Un element du site : "<rep>" un repertoire, "<tube>" un tube nomme,
// "<lien>cible" un lien symbolique, tout autre texte le contenu d'un fichier.
struct Element {
    string chemin, contenu;
};

void Construit(const RepertoireTemporaire& rep, const std::vector<Element>& site, const string& lignes = "") {
    CreeSite(rep, Config + lignes);
    EcritOctets(rep / "src/inc/lib.php", "<?php ?>");
    for (const Element& e : site) {
        CreeRepertoires(rep / e.chemin.substr(0, e.chemin.rfind('/') + 1));
        if (e.contenu == "<rep>") CreeRepertoires(rep / e.chemin);
        else if (e.contenu == "<tube>") mkfifo((rep / e.chemin).c_str(), 0600);
        else if (e.contenu.rfind("<lien>", 0) == 0) symlink(e.contenu.substr(6).c_str(), (rep / e.chemin).c_str());
        else EcritOctets(rep / e.chemin, e.contenu);
    }
}

// Les dates du jour a la place des marques "<FR>" et "<US>".
string AvecDates(string texte) {
    for (const auto& d : {std::make_pair(string("<FR>"), Utiles::Date_FR()), std::make_pair(string("<US>"), Utiles::Date_US())})
        for (size_t p; (p = texte.find(d.first)) != string::npos;) texte.replace(p, d.first.size(), d.second);
    return texte;
}

}  // namespace

TEST(Make, SelectionAssemblageEtCopies) {
    const string mem = "{#reference=..\\..\\..\\..\\..\\..\\..\\..\\proc\\self\\mem}";  // s'ouvre, ne se lit pas
    const struct {
        const char* nom;
        std::vector<Element> site;
        string config;                  // lignes ajoutees a la configuration
        std::vector<string> arguments;  // apres -c site.cfg -make
        int code;
        std::vector<string> console;    // dans l'ordre, sur la sortie d'erreur
        std::vector<Element> cible;     // contenu attendu apres l'execution
    } cas[] = {
        {"aucune page", {{"ref.htm", "R"}}, "", {}, 0,
         {"Selection des fichiers:Ok.\n0 Fichier selectionne.\n\nTraitement:Ok.\n\nPost-Traitement:Ok.\n\n"}, {}},
        {"une page", {{"ref.htm", "R"}, {"src/a.php", ""}}, "", {}, 0, {"Ok.\n1 Fichier selectionne.\n"},
         {{"web/a.php", "R"}}},
        {"tri, filtre et genres d'entrees", {{"ref.htm", "R"}, {"src/b.php", ""}, {"src/a.php.bak", ""}, {"src/A.PHP", ""},
          {"src/_x.php", ""}, {"src/d.php", "<rep>"}, {"src/t.php", "<tube>"}, {"src/l.php", "<lien>b.php"},
          {"src/a\\b.php", ""}, {"src/Z.php", ""}, {"src/\xE9.php", ""}}, "", {"-bavard"}, 0,
         {"5 Fichiers selectionnes.\nListe des fichiers selectionnes:\n1 - Z.php\n2 - a.php.bak\n3 - b.php\n4 - l.php\n"
          "5 - \xE9.php\n",
          "Traitement:.\\src\\Z.php -> .\\web\\Z.php\n"},
         {{"web/b.php", "R"}, {"web/l.php", "R"}, {"web/_x.php", Absent}, {"web/A.PHP", Absent}}},
        {"CVForm.php impossible a copier", {{"ref.htm", "R"}, {"src/inc/CVForm.php", "<rep>"}}, "", {}, 0,
         {"Selection des fichiers:Des anomalies sont detectees\nLa copie de ", "CVForm.php vers .\\src\\inc\\CVForm.php a echouee.\n"},
         {}},
        {"reference globale absente", {{"src/a.php", ""}}, "", {}, 0,
         {"Le fichier .\\src\\a.php ne sera pas traite, car le fichier de reference .\\ref.htm n'existe pas."
          "(il a ete defini dans le fichier de configuration)\n"}, {{"web/a.php", Absent}}},
        {"reference propre, barres et ouvreurs", {{"ref.htm", "G"}, {"m/r.htm", "M{#x}"}, {"m/s.htm", "S"},
          {"src/a.php", "{#reference=\\m\\r.htm\\}{#DEBUT_x}1{#FIN_x}"},
          {"src/b.php", "{#REFERENCE=m\\s.htm}{#reference=m\\r.htm}{#DEBUT_x}2{#FIN_x}"},
          {"src/c.php", "{#REFERENCE=m\\absent.htm}"}, {"src/d.php", "{#reference=m\\r.htm"}}, "", {}, 0,
         {"Le fichier .\\src\\c.php ne sera pas traite, car le fichier de reference .\\m\\absent.htm n'existe pas."
          "(il a ete defini dans le fichier .\\src\\c.php)\n",
          "La balise #reference n'a pas d'accolade fermante.\n"},
         {{"web/a.php", "M1"}, {"web/b.php", "M2"}, {"web/c.php", Absent}, {"web/d.php", "G"}}},
        {"blocs", {{"ref.htm", "<{#a}|{#a}|{#b}|{#c}|{#DATE_FR}|{#n}|{#e}>{#fin"},
          {"src/p.php", "{#DEBUT_a}A{#b}{#FIN_a}{#DEBUT_b}B{#FIN_b}{#DEBUT_n}N{#DEBUT_m}M{#FIN_m}{#FIN_n}"
                        "{#FIN_e}{#DEBUT_e}E"}}, "", {}, -310,
         {"Des erreurs sont detectees\nBalise {#DEBUT_a} introuvable dans .\\src\\p.php\n"
          "Balise {#DEBUT_b} introuvable dans .\\src\\p.php\nBalise {#DEBUT_c} introuvable dans .\\src\\p.php\n"
          "Balise {#DEBUT_DATE_FR} introuvable dans .\\src\\p.php\nBalise {#DEBUT_DEBUT_m} introuvable dans .\\src\\p.php\n"
          "Balise {#DEBUT_FIN_m} introuvable dans .\\src\\p.php\n"
          "La balise {#reference=X} n'a pas d'accolade fermante dans le fichier:.\\ref.htm\n"},
         {{"web/p.php", "<AB|!#a}|!#b}|!#c}|!#DATE_FR}|N!#DEBUT_m}M!#FIN_m}|E>!#fin"}}},
        {"dates et heures", {{"ref.htm", "{#d}"},
          {"src/p.php", "{#DEBUT_d}{#DATE_FR} {#DATE_FR} {#DATE_FR} {#DATE_US}{#DATE_US}{#FIN_d}"},
          {"src/q.php", "{#FIN_d}{#DEBUT_d}{#HEURE}x{#HEURE}"}}, "", {}, 0, {},
         {{"web/p.php", "<FR> <FR> <FR> <US><US>"}, {"web/q.php", "<HEURE>x<HEURE>"}}},
        {"marqueur de fin absent", {{"ref.htm", "[{#f}]"}, {"src/p.php", "{#DEBUT_f}F"}}, "", {}, -310,
         {"Des erreurs sont detectees\nBalise {#FIN_f} introuvable dans .\\src\\p.php\n"}, {{"web/p.php", "[!#f}]"}}},
        {"reference illisible, relue a chaque page", {{"ref.htm", "R"}, {"src/a.php", mem}, {"src/b.php", mem}}, "", {},
         -310, {"est illisible.\nImpossible d'ouvrir le fichier\n\nLe fichier .\\src\\b.php ne sera pas traite."},
         {{"web/a.php", Absent}, {"web/b.php", Absent}}},
        {"page cible impossible a ecrire", {{"ref.htm", "R"}, {"src/a.php", ""}, {"web/a.php", "<rep>"}}, "", {}, -310,
         {"Des erreurs sont detectees\nLe fichier .\\web\\a.php n'a pu etre ecrit.\nImpossible d'ouvrir le fichier\n"},
         {}},
        {"fichiers a copier", {{"ref.htm", "R"}, {"src/i.gif", string("GIF\r\n\0\xFF\n", 8)}, {"src/a.css", "a"}},
         "FICHIER_A_COPIER=i.gif\nFICHIER_A_COPIER=\\a.css\n", {}, 0,
         {"Post-Traitement:Ok.\nCopie .\\src\\i.gif -> .\\web\\i.gif\nCopie .\\src\\\\a.css -> .\\web\\\\a.css\n\n"},
         {{"web/i.gif", string("GIF\r\n\0\xFF\n", 8)}, {"web/a.css", "a"}}},
        {"copie en echec", {{"ref.htm", "R"}, {"src/a.css", "a"}, {"src/b.css", "b"}},
         "FICHIER_A_COPIER=absent.css\nFICHIER_A_COPIER=a.css\nFICHIER_A_COPIER=b.css\n", {}, 0,
         {"Post-Traitement:Des anomalies sont detectees\nLa copie de .\\src\\absent.css vers .\\web\\absent.css a echouee.\n\n"
          "Fin de traitement"},
         {{"web/a.css", Absent}, {"web/b.css", Absent}}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        RepertoireTemporaire rep;
        Construit(rep, c.site, c.config);
        std::vector<string> arguments{"-c", "site.cfg", "-make"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        Execution e = Lance(rep.Chemin(), arguments);
        EXPECT_EQ(e.code, CodeShell(c.code)) << e.erreurs;
        EXPECT_TRUE(DansLOrdre(e.erreurs, c.console));
        for (const Element& fichier : c.cible) {
            if (fichier.contenu == Absent) EXPECT_FALSE(Existe(rep / fichier.chemin)) << fichier.chemin;
            else EXPECT_EQ(MasqueDates(LitOctets(rep / fichier.chemin)), MasqueDates(AvecDates(fichier.contenu)));
        }
    }
}

TEST(Make, DatesDuJourALEndroitEtALEnvers) {
    RepertoireTemporaire rep;
    Construit(rep, {{"ref.htm", "{#d}"}, {"src/p.php", "{#DEBUT_d}{#DATE_FR}|{#DATE_US}{#FIN_d}"}});
    string attendu;
    do {  // les dates lues avant et apres l'execution doivent etre celles d'un meme jour
        attendu = AvecDates("<FR>|<US>");
        EXPECT_EQ(Lance(rep.Chemin(), {"-c", "site.cfg", "-make"}).code, 0);
    } while (attendu != AvecDates("<FR>|<US>"));
    EXPECT_EQ(LitOctets(rep / "web/p.php"), attendu);
}
