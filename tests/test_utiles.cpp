#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <tuple>

#include "Utiles.h"

TEST(Utiles, DatesEtHeuresSurVingtQuatreHeures) {
    // Un fuseau ou il est minuit, puis une seconde avant : l'heure se lit sur 24 heures.
    const std::time_t t = std::time(nullptr);
    const char* tz = std::getenv("TZ");
    const std::string ancien = tz ? tz : "";
    for (const auto& [decalage, attendue] : {std::make_pair(0L, "00:00:0"), std::make_pair(1L, "23:59:5")}) {
        const long s = static_cast<long>(t % 86400) + decalage;
        setenv("TZ", ("AAA+" + std::to_string(s / 3600) + ":" + std::to_string(s / 60 % 60) + ":" +
                      std::to_string(s % 60)).c_str(), 1);
        tzset();
        EXPECT_EQ(Utiles::Heure().substr(0, 7), attendue);
    }
    if (tz) setenv("TZ", ancien.c_str(), 1);
    else unsetenv("TZ");
    tzset();
    std::string fr, us, heure, dh;
    do {  // les quatre lectures dans la meme seconde
        heure = Utiles::Heure();
        fr = Utiles::Date_FR();
        us = Utiles::Date_US();
        dh = Utiles::DateHeure();
    } while (heure != Utiles::Heure());
    char attendu[16];
    const std::time_t maintenant = std::time(nullptr);
    std::strftime(attendu, sizeof(attendu), "%d/%m/%Y", std::localtime(&maintenant));
    EXPECT_EQ(fr, attendu);
    EXPECT_EQ(us, fr.substr(3, 3) + fr.substr(0, 3) + fr.substr(6));
    EXPECT_EQ(dh, fr + " " + heure);
}

TEST(Utiles, TextesEtChemins) {
    const std::pair<std::string, std::string> chemins[] = {
        {"D:\\outils\\gen.exe", "D:\\outils"}, {"gen.exe", ""}, {"D:\\outils\\", "D:\\outils"},
        {"/usr/bin/corvalite", "/usr/bin"},    {"./corvalite", "."}};
    for (const auto& c : chemins) EXPECT_EQ(Utiles::CheminSansFichier(c.first), c.second) << c.first;
    // Entre les guillemets d'une chaine PHP, ni "\\", ni "\"", ni "$" ne doivent garder leur sens.
    EXPECT_EQ(Utiles::String2Php("C:\\f.form \"$x\" \xE9'"), "C:\\\\f.form \\\"\\$x\\\" \xE9'");
    EXPECT_EQ(Utiles::Joint({}) + "|" + Utiles::Joint({"a"}) + "|" + Utiles::Joint({"a", "", "b"}, ", "), "|a|a, , b");
}

TEST(Utiles, NomsPhp) {
    // Texte ; est un nom PHP ; fait de caracteres de nom.
    const std::tuple<std::string, bool, bool> cas[] = {
        {"client", true, true},   {"_x9", true, true},     {"T_2024", true, true},      {"", false, true},
        {"9a", false, true},      {"12", false, true},      {"a-b", false, false},       {"a b", false, false},
        {"a'b", false, false},    {"a\"b", false, false},   {"a`b", false, false},       {"a\nb", false, false},
        {"a$b", false, false},    {"a/../b", false, false}, {"x?><?php", false, false},  {"\xE9t\xE9", false, false},
        {"\xC3\xA9", false, false}, {std::string("a\0b", 3), false, false}, {"Z@", false, false}, {"[", false, false},
        {"a{", false, false}, {"9:", false, false}};
    for (const auto& [texte, nom, caracteres] : cas) {
        EXPECT_EQ(Utiles::EstIdentifiantPhp(texte), nom) << texte;
        EXPECT_EQ(Utiles::CaracteresIdentifiant(texte), caracteres) << texte;
    }
}
