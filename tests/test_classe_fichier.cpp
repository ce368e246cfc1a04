#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>

#include "classe_fichier.h"
#include "outils_test.h"
#include "plateforme.h"

using std::string;
using Lignes = std::vector<string>;

TEST(Fichier, LectureEnUnTexteOuEnListe) {
    // En un texte, les octets sont gardes et la fin rognee.
    const std::pair<string, string> textes[] = {
        {"", ""}, {"a\r\nb\r\n", "a\r\nb"},
        {"a\nb\n", "a\nb"},  // un LF seul ne disparait plus entre deux lignes
        {"a\r\nb", "a\r\nb"}, {"x\r\n\r\n", "x"},
        {"\r\n", "\r"},  // le premier octet reste toujours
        {"ab\x14\r\n", "ab"}, {string("ab\r\0", 4), string("ab\0", 3)},
        {string("a\0\n\0\r", 5), string("a\0\0", 3)}, {string("\0b\x1A", 3), string("\0b\x1A", 3)},
    };
    // En liste, le texte est decoupe sur LF.
    const std::pair<string, Lignes> listes[] = {
        {"", {}},           {"a\r\nb\r\n", {"a", "b"}}, {"a\nb", {"a", "b"}},
        {"\n", {""}},       {"a\n\nb\n", {"a", "", "b"}}, {"a\rb\n", {"a\rb"}},
        {"a\r\r\n", {"a\r"}}, {"\xEF\xBB\xBFx\n", {"x"}}, {"y\xEF\xBB\xBF", {"y\xEF\xBB\xBF"}},
    };
    RepertoireTemporaire rep;
    Fichier f;
    for (const auto& [contenu, attendu] : textes) {
        EcritOctets(rep / "f", contenu);
        string texte = "reste";
        EXPECT_EQ(f.LisFichier(rep / "f", texte), 0);
        EXPECT_EQ(texte, attendu) << testing::PrintToString(contenu);
    }
    for (const auto& [contenu, attendu] : listes) {
        EcritOctets(rep / "f", contenu);
        Lignes lignes{"ancienne"};
        EXPECT_EQ(f.LisFichier(rep / "f", lignes), "");
        EXPECT_EQ(lignes, attendu) << testing::PrintToString(contenu);
    }
    // Fichier absent, repertoire ou nom vide : ni texte ni lignes.
    CreeRepertoires(rep / "dossier");
    for (const string& chemin : {rep / "absent", rep / "dossier", string("")}) {
        string texte = "x";
        Lignes lignes{"x"};
        EXPECT_EQ(f.LisFichier(chemin, texte), 1003);
        EXPECT_EQ(texte, "");
        EXPECT_EQ(f.LisFichier(chemin, lignes), "Impossible d'ouvrir le fichier:" + chemin + "\n");
        EXPECT_TRUE(lignes.empty());
        EXPECT_FALSE(f.IsFileExist(chemin));
    }
}

TEST(Fichier, AjoutVidageEtCodesDErreur) {
    RepertoireTemporaire rep;
    CreeRepertoires(rep / "dossier");
    Fichier f;
    EXPECT_EQ(f.EcrisFichier(rep / "f", "a"), 0);
    EXPECT_EQ(f.EcrisFichier(rep / "f", "b\n"), 0);
    EXPECT_EQ(f.EcrisFichier(rep / "f", ""), 0);
    EXPECT_EQ(LitOctets(rep / "f"), "ab\n");  // octet pour octet, aucun CR ajoute
    EXPECT_EQ(f.EcrisFichier(rep / "vide", ""), 0);
    EXPECT_TRUE(Existe(rep / "vide"));
    EXPECT_EQ(f.EcrisFichier(rep / "absent/f", "a"), 1003);
    EXPECT_FALSE(Existe(rep / "absent"));
    EXPECT_EQ(f.EcrisFichier(rep / "dossier", "a"), 1003);
    EXPECT_EQ(f.EcrisFichier("/dev/full", "disque plein"), 1004);
    f.VideFichier(rep / "f");
    f.VideFichier(rep / "nouveau");
    EXPECT_EQ(LitOctets(rep / "f"), "");
    EXPECT_TRUE(Existe(rep / "nouveau"));
    // Le separateur du programme devient "/" au moment d'atteindre le systeme.
    EXPECT_EQ(f.EcrisFichier(rep.Chemin() + "\\dossier\\g", "z"), 0);
    EXPECT_EQ(LitOctets(rep / "dossier/g"), "z");
}

TEST(Fichier, CopieOctetPourOctetLiensTubesEtLignesSurLaSortie) {
    RepertoireTemporaire rep;
    const string binaire("GIF89a\r\n\0\x14\xFF\n\r\n", 14);
    EcritOctets(rep / "image.gif", binaire);
    EcritOctets(rep / "ancienne.gif", "ancien contenu plus long");
    chmod((rep / "ancienne.gif").c_str(), 0640);
    EcritOctets(rep / "vrai", "ancien");
    ASSERT_EQ(symlink("vrai", (rep / "lien").c_str()), 0);
    ASSERT_EQ(symlink("pointe", (rep / "pendant").c_str()), 0);
    EcritOctets(rep / "a", "ancien");
    ASSERT_EQ(link((rep / "a").c_str(), (rep / "b").c_str()), 0);
    ASSERT_EQ(mkfifo((rep / "tube").c_str(), 0600), 0);
    const string lecture = "LisFichier erreur=1003<\n", ecriture = "EcrisFichier erreur=1003<\n";
    const struct { string source, cible; int code; string sortie; } cas[] = {
        {rep / "absent", rep / "cible", 1003, lecture},
        {rep / "image.gif", rep / "copie.gif", 0, CopieReussie},
        {rep / "image.gif", rep / "ancienne.gif", 0, CopieReussie},
        {rep / "image.gif", rep / "absent/copie.gif", 1003, ecriture},
        {rep / "image.gif", "/dev/full", 1004, "EcrisFichier erreur=1004<\n"},
        // Le lien reste un lien ; les deux noms d'un fichier a liens multiples voient le nouveau contenu.
        {rep / "image.gif", rep / "lien", 0, CopieReussie},
        {rep / "image.gif", rep / "pendant", 0, CopieReussie},
        {rep / "image.gif", rep / "a", 0, CopieReussie},
        // Un tube n'est ni lu ni ecrit : sans lecteur en face, l'ouvrir bloquerait.
        {rep / "image.gif", rep / "tube", 1003, ecriture},
        {rep / "tube", rep / "x", 1003, lecture},
    };
    for (const auto& c : cas) {
        Fichier f;
        testing::internal::CaptureStdout();
        EXPECT_EQ(f.CopieFichier(c.source, c.cible), c.code) << c.cible;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.sortie) << c.cible;
    }
    for (const char* copie : {"copie.gif", "ancienne.gif", "vrai", "pointe", "b"})
        EXPECT_EQ(LitOctets(rep / copie), binaire) << copie;
    EXPECT_EQ(std::filesystem::status(rep / "ancienne.gif").permissions(), std::filesystem::perms(0640));
    EXPECT_TRUE(std::filesystem::is_symlink(rep / "lien"));
    Fichier f;
    EXPECT_EQ(f.EcrisFichier(rep / "tube", "x"), 1003);
    EXPECT_FALSE(f.IsFileExist(rep / "tube"));
    // Ni "cible", ni "x", ni fichier temporaire apres un remplacement.
    EXPECT_EQ(NomsDans(rep.Chemin()), (std::set<string>{"a", "ancienne.gif", "b", "copie.gif", "image.gif", "lien",
                                                        "pendant", "pointe", "tube", "vrai"}));
}

TEST(Fichier, RepertoiresEtLibelles) {
    Fichier f;
    EXPECT_EQ(f.LibelleErreur(1001) + "|" + f.LibelleErreur(1004),
              "Repertoire non trouv\xE9|Erreur non identifie sur la gestion de fichier");

    RepertoireTemporaire rep;
    CreeRepertoires(rep / "a/b");
    EcritOctets(rep / "a/f", "x");
    const std::pair<string, int> chemins[] = {  // 1 : repertoire, 2 : fichier ordinaire, separateur compris
        {rep.Chemin() + "\\a\\b\\", 1}, {rep.Chemin() + "\\a\\f", 2}, {rep / "absent", 0}, {"", 0}};
    for (const auto& [chemin, genre] : chemins)
        EXPECT_EQ(f.IsPathExist(chemin) + 2 * f.IsFileExist(chemin), genre) << chemin;
}

TEST(Fichier, RemplacementDUnContenuIdentiqueSansEcriture) {
    // Comme un outil de construction : un fichier qui a deja le texte garde sa date et son inode.
    RepertoireTemporaire rep;
    const string f = rep / "page.php";
    EcritOctets(f, "meme texte");
    const timespec hier[2] = {{std::time(nullptr) - 86400, 0}, {std::time(nullptr) - 86400, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, f.c_str(), hier, 0), 0);
    struct stat avant, apres;
    ASSERT_EQ(stat(f.c_str(), &avant), 0);
    Fichier fichier;
    EXPECT_EQ(fichier.RemplaceFichier(f, "meme texte"), 0);
    ASSERT_EQ(stat(f.c_str(), &apres), 0);
    EXPECT_EQ(apres.st_ino, avant.st_ino);
    EXPECT_EQ(apres.st_mtime, avant.st_mtime);
    EXPECT_EQ(fichier.RemplaceFichier(f, "meme texte, un peu plus"), 0);
    ASSERT_EQ(stat(f.c_str(), &apres), 0);
    EXPECT_GT(apres.st_mtime, avant.st_mtime);
    EXPECT_EQ(LitOctets(f), "meme texte, un peu plus");
}

TEST(Occupation, EcritLaPageNeuveEtGardeLaPagePareille) {
    RepertoireTemporaire rep;
    EcritOctets(rep / "pareille.php", "R1");
    EcritOctets(rep / "changee.php", "R1");
    const timespec hier[2] = {{std::time(nullptr) - 86400, 0}, {std::time(nullptr) - 86400, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (rep / "pareille.php").c_str(), hier, 0), 0);
    struct stat avant, apres;
    ASSERT_EQ(stat((rep / "pareille.php").c_str(), &avant), 0);
    plateforme::Occupation occupation(rep.Chemin());
    EXPECT_EQ(occupation.Ecris("neuve.php", "R2"), 0);
    EXPECT_EQ(LitOctets(rep / "neuve.php"), "R2");
    EXPECT_EQ(occupation.Ecris("pareille.php", "R1"), 0);
    ASSERT_EQ(stat((rep / "pareille.php").c_str(), &apres), 0);
    EXPECT_EQ(apres.st_ino, avant.st_ino);
    EXPECT_EQ(apres.st_mtime, avant.st_mtime);
    // Meme taille, autres octets : la page est a refaire, pas gardee.
    EXPECT_EQ(occupation.Ecris("changee.php", "R2"), plateforme::Occupation::AFaireAilleurs);
    EXPECT_EQ(occupation.Ecris("changee.php", "R"), plateforme::Occupation::AFaireAilleurs);
    EXPECT_EQ(LitOctets(rep / "changee.php"), "R1");
}
