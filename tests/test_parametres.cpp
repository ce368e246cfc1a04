// Reglages, mots fixes et petits textes que les executions du programme
// (tests/cas) n'atteignent pas.
#include <gtest/gtest.h>

#include <ctime>

#include "Parametres.h"
#include "Utiles.h"
#include "outils_test.h"

using std::string;

// Un mot cle est cherche partout dans la ligne, sauf derriere un "#" en tete ; sa valeur part
// de la longueur du mot cle depuis le debut de la ligne, et la derniere ligne l'emporte.
TEST(Configuration, LectureDesLignes) {
    RepertoireTemporaire rep;
    EcritOctets(rep / "site.cfg",
                "# RACINE=/non\nRACINE=/premiere\nRACINE=/srv/site \r\n # SOURCE=pages\nsource=minuscules\n"
                "xxHOST=abcdef\nUSER=moi MDP=secret\nFICHIER_A_COPIER=a.css\nFICHIER_A_COPIER=\n"
                "FICHIER_A_INCLURE=lib.php\nSEPREP=/\nligne sans mot cle\n\n");
    Parametrage p;
    EXPECT_EQ(p.ChargeConfiguration(rep / "site.cfg") + p.ListeErreurs + p.ListeAnomalies, "");
    EXPECT_EQ(Utiles::Joint({p.Racine, p.RepertoireSources, p.ServeurMysql, p.UtilisateurMysql, p.MotDePasseMysql,
                             Utiles::Joint(p.ListeFichiersACopier, ","), Utiles::Joint(p.ListeFichiersInclude),
                             p.Separateur}, "|"),
              "/srv/site |CE=pages|T=abcdef|moi MDP=secret|=moi MDP=secret|a.css,|lib.php|/");
}

// Les fichiers d'appui que le programme copie sont ceux que la construction met a cote de lui.
TEST(Configuration, FichiersDAppui) {
    Parametrage p;
    EXPECT_EQ(NomsDans(CheminTests("../support")), (std::set<string>{p.NomFichierAppuiForm, p.NomFichierConnexion}));
}

TEST(Texte, ExtensionsEtNomsPhp) {
    Parametrage p;
    // Le point compte dans le dernier element du chemin, et pas en tete de nom.
    for (const auto& [nom, attendu] : {std::pair<string, string>{"a.b.cfg", "a.b.log"}, {".site", ".site.log"},
                                       {"conf.d/site", "conf.d/site.log"}, {"D:\\v1.2\\site", "D:\\v1.2\\site.log"}})
        EXPECT_EQ(p.ChangeExtention(nom, ".log"), attendu) << nom;
    // Un nom PHP : lettres sans accent, chiffres et _, pas de chiffre en tete ; un prefixe peut
    // commencer par un chiffre ou etre vide. Les voisins des bornes des intervalles sont refuses.
    for (const string nom : {"client", "_x9", "T_2024"}) EXPECT_TRUE(Utiles::EstIdentifiantPhp(nom)) << nom;
    for (const string nom : {"", "9a"})
        EXPECT_TRUE(!Utiles::EstIdentifiantPhp(nom) && Utiles::CaracteresIdentifiant(nom)) << nom;
    for (const string& nom : std::vector<string>{"a-b", "Z@", "a{", "9:", "\xE9t\xE9", {"a\0b", 3}})
        EXPECT_FALSE(Utiles::EstIdentifiantPhp(nom) || Utiles::CaracteresIdentifiant(nom)) << nom;
}

// Dans un fuseau ou il est 13 h, 9 h 05 puis minuit pile : l'heure se lit sur 24 heures, chaque
// nombre sauf l'annee sur deux chiffres, les dates du jour s'ecrivent JJ/MM/AAAA, MM/JJ/AAAA et
// AAAA/MM/JJ (les cas masquent les dates du jour avec ces fonctions memes).
// Chaque cas tourne dans son propre processus : le fuseau change reste ici.
TEST(Texte, HeureEtDatesDuJour) {
    for (const auto& [chiffres, attendu] : {std::pair<string, string>{"", "0"}, {"7", "07"}, {"12", "12"}, {"2026", "2026"}})
        EXPECT_EQ(Utiles::format2digit(chiffres), attendu) << chiffres;
    for (const auto& [cible, texte] : {std::pair<long, string>{13 * 3600, "13:00"}, {9 * 3600 + 5 * 60, "09:05"}, {0, "00:00"}}) {
        const std::time_t t = std::time(nullptr);
        const long decalage = (static_cast<long>(t % 86400) - cible + 86400) % 86400;
        setenv("TZ", ("AAA+" + std::to_string(decalage / 3600) + ":" + std::to_string(decalage / 60 % 60) + ":" +
                      std::to_string(decalage % 60)).c_str(), 1);
        tzset();
        char attendu[64];
        const string format = texte + " %d/%m/%Y %m/%d/%Y %d/%m/%Y " + texte + " %Y/%m/%d " + texte;
        std::strftime(attendu, sizeof(attendu), format.c_str(), std::localtime(&t));
        // L'argument des deux dates completes n'est pas lu.
        EXPECT_EQ(Utiles::Heure().substr(0, 5) + " " + Utiles::Date_FR() + " " + Utiles::Date_US() + " " +
                      Utiles::DateHeure("x").substr(0, 16) + " " + Utiles::DateHeure_US("").substr(0, 16), attendu);
    }
}

// Chaque echappement ne touche que ses caracteres : un NUL (strchr trouverait la fin de la liste) ni
// l'apostrophe d'une chaine PHP entre guillemets ne prennent de barre.
TEST(Texte, Echappements) {
    using namespace std::string_literals;
    const string texte = "'\"\\$<&\0x"s;
    EXPECT_EQ(Utiles::String2Php(texte), "'\\\"\\\\\\$<&\0x"s);
    EXPECT_EQ(Utiles::PrecedeDeBarre(texte, "'\\"), "\\'\"\\\\$<&\0x"s);
    EXPECT_EQ(Utiles::EchappeHtml(texte), "&#039;&quot;\\$&lt;&amp;\0x"s);
}
