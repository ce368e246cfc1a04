#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "Utiles.h"

namespace {

// Place le fuseau local de facon que l'heure locale soit `decalage` secondes
// avant minuit, le temps d'un appel.
std::string HeureAvecDecalage(long decalageAvantMinuit) {
    std::time_t t = std::time(nullptr);
    long depuisMinuitUtc = static_cast<long>(t % 86400) + decalageAvantMinuit;
    char tz[32];
    std::snprintf(tz, sizeof(tz), "AAA+%ld:%02ld:%02ld", depuisMinuitUtc / 3600, depuisMinuitUtc / 60 % 60,
                  depuisMinuitUtc % 60);
    const char* ancien = std::getenv("TZ");
    std::string sauve = ancien ? ancien : "";
    setenv("TZ", tz, 1);
    tzset();
    std::string heure = Utiles::Heure();
    if (ancien) setenv("TZ", sauve.c_str(), 1);
    else unsetenv("TZ");
    tzset();
    return heure;
}

}  // namespace

TEST(Utiles, DatesEtHeuresSurVingtQuatreHeures) {
    EXPECT_EQ(HeureAvecDecalage(0).substr(0, 7), "00:00:0");
    EXPECT_EQ(HeureAvecDecalage(1).substr(0, 7), "23:59:5");
    std::string fr, us, heure, dh, dhUs;
    do {  // les cinq lectures dans la meme seconde
        heure = Utiles::Heure();
        fr = Utiles::Date_FR();
        us = Utiles::Date_US();
        dh = Utiles::DateHeure("");
        dhUs = Utiles::DateHeure_US("x");
    } while (heure != Utiles::Heure());
    EXPECT_EQ(us, fr.substr(3, 3) + fr.substr(0, 3) + fr.substr(6));
    EXPECT_EQ(dh, fr + " " + heure);
    EXPECT_EQ(dhUs, fr.substr(6) + "/" + fr.substr(3, 2) + "/" + fr.substr(0, 2) + " " + heure);
    char attendu[16];
    std::time_t t = std::time(nullptr);
    std::strftime(attendu, sizeof(attendu), "%d/%m/%Y", std::localtime(&t));
    EXPECT_EQ(fr, attendu);
    EXPECT_EQ(Utiles::format2digit("7"), "07");
    EXPECT_EQ(Utiles::format2digit("123"), "123");
}

TEST(Utiles, TextesEtChemins) {
    std::string texte = "abc-XYZ 09 \xE9t\xE9 {z}";
    EXPECT_EQ(Utiles::Majuscule(texte), "ABC-XYZ 09 \xE9T\xE9 {Z}");
    EXPECT_EQ(texte, "ABC-XYZ 09 \xE9T\xE9 {Z}");

    const std::pair<std::string, std::string> chemins[] = {
        {"D:\\outils\\gen.exe", "D:\\outils"}, {"gen.exe", ""}, {"D:\\outils\\", "D:\\outils"},
        {"/usr/bin/corvalite", "/usr/bin"},    {"./corvalite", "."},
    };
    for (const auto& c : chemins) EXPECT_EQ(Utiles::CheminSansFichier(c.first), c.second) << c.first;

    const std::pair<std::string, std::string> php[] = {
        {"sans barre \"$x\"\n", "sans barre \"$x\"\n"}, {"a\\\\b", "a\\\\\\\\b"}, {"C:\\f.form", "C:\\\\f.form"}};
    for (auto c : php) {
        std::string original = c.first;
        EXPECT_EQ(Utiles::String2Php(c.first), c.second);
        EXPECT_EQ(c.first, original);
    }
}
