#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <map>

#include "classe_fichier.h"
#include "outils_test.h"
#include "plateforme.h"

using std::string;
using Lignes = std::vector<string>;

TEST(Fichier, LectureEnTexteEtEnLignes) {
    // En un texte, les octets sont gardes et la fin rognee.
    const std::pair<string, string> textes[] = {
        {"a\r\nb\r\n", "a\r\nb"}, {"ab\x14\r\n", "ab"}, {string("a\0\n\0\r", 5), string("a\0\0", 3)}};
    // En liste, le texte est decoupe sur LF, sans BOM.
    const std::pair<string, Lignes> listes[] = {
        {"a\r\nb\r\n", {"a", "b"}}, {"a\n\nb", {"a", "", "b"}}, {"\xEF\xBB\xBFx\n", {"x"}}};
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
    // Fichier absent ou repertoire : ni texte ni lignes.
    std::filesystem::create_directory(rep / "dossier");
    EXPECT_FALSE(f.IsPathExist(rep / "f") || f.IsPathExist(""));
    for (const string& chemin : {rep / "absent", rep / "dossier"}) {
        string texte = "x";
        Lignes lignes{"x"};
        EXPECT_EQ(f.LisFichier(chemin, texte), 1003);
        EXPECT_EQ(texte, "");
        EXPECT_EQ(f.LisFichier(chemin, lignes), "Impossible d'ouvrir le fichier:" + chemin + "\n");
        EXPECT_TRUE(lignes.empty());
        EXPECT_FALSE(f.IsFileExist(chemin));
    }
}

TEST(Fichier, CopieOctetPourOctetLiensTubesEtLignesSurLaSortie) {
    RepertoireTemporaire rep;
    const string binaire("GIF89a\r\n\0\x14\xFF\n\r\n", 14);
    EcritOctets(rep / "image.gif", binaire);
    EcritOctets(rep / "ancienne.gif", "ancien contenu plus long");
    // Des droits que le masque retirerait a un fichier neuf, un proprietaire qui n'est pas celui qui ecrit.
    const mode_t masque = umask(022);
    chmod((rep / "ancienne.gif").c_str(), 0664);
    const bool root = geteuid() == 0;
    if (root) { ASSERT_EQ(chown((rep / "ancienne.gif").c_str(), 65534, 65534), 0); }
    EcritOctets(rep / "vrai", "ancien");
    ASSERT_EQ(symlink("vrai", (rep / "lien").c_str()), 0);
    EcritOctets(rep / "a", "ancien");
    ASSERT_EQ(link((rep / "a").c_str(), (rep / "b").c_str()), 0);
    ASSERT_EQ(mkfifo((rep / "tube").c_str(), 0600), 0);
    const string lecture = "LisFichier erreur=1003<\n", ecriture = "EcrisFichier erreur=1003<\n",
                 CopieReussie = "EcrisFichier erreur=0<\n";
    const struct { string source, cible; int code; string sortie; } cas[] = {
        {rep / "absent", rep / "cible", 1003, lecture},
        {rep / "image.gif", rep / "ancienne.gif", 0, CopieReussie},
        {rep / "image.gif", rep / "absent/copie.gif", 1003, ecriture},
        {rep / "image.gif", "/dev/full", 1004, "EcrisFichier erreur=1004<\n"},
        // Le lien reste un lien ; les deux noms d'un fichier a liens multiples voient le nouveau contenu.
        {rep / "image.gif", rep / "lien", 0, CopieReussie},
        {rep / "image.gif", rep / "a", 0, CopieReussie},
        // Un tube n'est ni lu ni ecrit : sans lecteur en face, l'ouvrir bloquerait.
        {rep / "image.gif", rep / "tube", 1003, ecriture},
        {rep / "tube", rep / "x", 1003, lecture},
    };
    for (const auto& c : cas) {
        // L'objet garde le nom de la source, que la copie reussisse ou non.
        Fichier f;
        f.NommeFichier("avant");
        testing::internal::CaptureStdout();
        EXPECT_EQ(f.CopieFichier(c.source, c.cible), c.code) << c.cible;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.sortie) << c.cible;
        EXPECT_EQ(f.NomFichier, c.source) << c.cible;
    }
    for (const char* copie : {"ancienne.gif", "vrai", "b"})
        EXPECT_EQ(LitOctets(rep / copie), binaire) << copie;
    struct stat st;
    ASSERT_EQ(stat((rep / "ancienne.gif").c_str(), &st), 0);
    umask(masque);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    if (root) { EXPECT_EQ(std::make_pair(st.st_uid, st.st_gid), std::make_pair(uid_t(65534), gid_t(65534))); }
    EXPECT_TRUE(std::filesystem::is_symlink(rep / "lien"));
    Fichier f;
    EXPECT_EQ(f.EcrisFichier(rep / "tube", "x"), 1003);
    EXPECT_FALSE(f.IsFileExist(rep / "tube"));
    // Ni "cible", ni "x", ni fichier temporaire apres un remplacement.
    EXPECT_EQ(NomsDans(rep.Chemin()), (std::set<string>{"a", "ancienne.gif", "b", "image.gif", "lien", "tube", "vrai"}));
}

// Comme un outil de construction : une page qui a deja le texte garde sa date et son inode.
// Deja la, une page ecrite depuis le repertoire cible ouvert passe par le remplacement par son
// chemin : les deux ecritures sont prises ici.
TEST(Fichier, ContenuIdentiqueSansEcriture) {
    RepertoireTemporaire rep;
    EcritOctets(rep / "page.php", "R1");
    const timespec hier[2] = {{std::time(nullptr) - 86400, 0}, {std::time(nullptr) - 86400, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, (rep / "page.php").c_str(), hier, 0), 0);
    struct stat avant, apres;
    ASSERT_EQ(stat((rep / "page.php").c_str(), &avant), 0);
    EXPECT_EQ(plateforme::Occupation(rep.Chemin()).Ecris("page.php", "R1"), 0);
    ASSERT_EQ(stat((rep / "page.php").c_str(), &apres), 0);
    EXPECT_EQ(apres.st_ino, avant.st_ino);
    EXPECT_EQ(apres.st_mtime, avant.st_mtime);
}

// Les fichiers d'une execution : un fichier remplace par renommage ne laisse a aucun de ses noms son
// ancien numero, qu'un fichier neuf peut reprendre ; le meme nom ecrit autrement est le fichier
// lui-meme, un lien ou ".." apres un repertoire qui est un lien en est un autre nom.
TEST(Registre, NumerosEtNoms) {
    RepertoireTemporaire rep;
    const string page = rep / "page.php", ailleurs = rep / "o/page.php";
    EcritOctets(page, "ancienne");
    std::filesystem::create_directories(rep / "o/d");
    ASSERT_EQ(symlink("page.php", (rep / "lien").c_str()), 0);
    ASSERT_EQ(symlink("o/d", (rep / "sous").c_str()), 0);
    ASSERT_EQ(symlink("../page.php", ailleurs.c_str()), 0);
    plateforme::Registre registre;
    registre.Ajoute(page);
    registre.Ajoute(rep.Chemin() + "/./page.php");
    const string ancien = plateforme::NumeroDuChemin(page);
    plateforme::Numeros numeros;
    ASSERT_EQ(plateforme::RemplaceFichier(page, "neuve", {}, &numeros), 0);
    EXPECT_EQ(numeros.Avant, ancien);
    EXPECT_NE(numeros.Apres, ancien);
    registre.Ecrit(page, numeros);
    EXPECT_EQ(registre.Autre(rep / "neuf.php", {ancien, ""}), "");
    EXPECT_EQ(registre.Autre(rep / "neuf.php", {numeros.Apres, ""}), page);
    EXPECT_EQ(registre.Autre(rep.Chemin() + "/o/../page.php", registre.ClesDe(page)), "");
    EXPECT_EQ(registre.Autre(rep / "lien", registre.ClesDe(rep / "lien")), page);
    // "sous/../page.php" s'ecrit comme la page, mais mene a o/page.php, un lien vers elle.
    EXPECT_EQ(registre.Autre(rep / "sous/../page.php", registre.ClesDe(rep / "sous/../page.php")), page);
}

// La table des fichiers ecrits contre une liste simple : des ecritures au hasard (fichiers neufs,
// remplacements par renommage dont le numero libere revient a un fichier neuf, ecritures sur place),
// puis, pour chaque numero, le premier fichier ecrit sous un autre nom que celui qu'on demande.
TEST(Registre, EcrituresContreUneListe) {
    RepertoireTemporaire rep;
    plateforme::Registre registre;
    struct Ecrit { string nom, numero; };
    std::vector<Ecrit> liste;
    std::map<string, string> actuel;  // nom -> numero de son fichier
    std::vector<string> liberes;
    unsigned graine = 12345, suivant = 1;
    auto hasard = [&](unsigned n) { return (graine = graine * 1103515245u + 12345u) / 65536u % n; };
    for (int pas = 0; pas < 3000; ++pas) {
        const string nom = rep / ("f" + std::to_string(hasard(200)));
        const auto deja = actuel.find(nom);
        plateforme::Numeros numeros;
        if (deja != actuel.end() && hasard(4) == 0) numeros = {deja->second, deja->second};  // sur place
        else {
            numeros.Avant = deja == actuel.end() ? "" : deja->second;
            if (!liberes.empty() && hasard(2) == 0) numeros.Apres = liberes.back(), liberes.pop_back();
            else numeros.Apres = "1:" + std::to_string(suivant++);
            if (!numeros.Avant.empty()) liberes.push_back(numeros.Avant);
        }
        if (numeros.Avant != numeros.Apres)
            for (Ecrit& e : liste)
                if (!numeros.Avant.empty() && e.numero == numeros.Avant) e.numero = numeros.Apres;
        registre.Ecrit(nom, numeros);
        liste.push_back({nom, numeros.Apres});
        actuel[nom] = numeros.Apres;
        const string demande = rep / ("f" + std::to_string(hasard(200)));
        const string numero = liste[hasard(static_cast<unsigned>(liste.size()))].numero;
        string attendu;
        for (const Ecrit& e : liste)
            if (e.numero == numero && e.nom != demande) {
                attendu = e.nom;
                break;
            }
        ASSERT_EQ(registre.Autre(demande, {numero, ""}, true), attendu) << "pas " << pas;
    }
}
