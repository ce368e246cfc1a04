#include "Utiles.h"

#include <ctime>
#include <sstream>

namespace {

struct Instant {
    std::string jour, mois, annee, heure, minute, seconde;
};

std::string EnTexte(int n) {
    std::ostringstream flux;
    flux << n;
    return flux.str();
}

// Une seule lecture de l'horloge par resultat, pour que tous ses champs
// viennent du meme instant.
Instant Maintenant() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    Instant i;
    i.jour = Utiles::format2digit(EnTexte(local.tm_mday));
    i.mois = Utiles::format2digit(EnTexte(local.tm_mon + 1));
    i.annee = EnTexte(local.tm_year + 1900);
    i.heure = Utiles::format2digit(EnTexte(local.tm_hour));
    i.minute = Utiles::format2digit(EnTexte(local.tm_min));
    i.seconde = Utiles::format2digit(EnTexte(local.tm_sec));
    return i;
}

}  // namespace

Utiles::Utiles() {}

Utiles::~Utiles() {}

std::string Utiles::format2digit(std::string chiffres) {
    return chiffres.size() < 2 ? "0" + chiffres : chiffres;
}

std::string Utiles::DateHeure(std::string) {
    Instant i = Maintenant();
    return i.jour + "/" + i.mois + "/" + i.annee + " " + i.heure + ":" + i.minute + ":" + i.seconde;
}

std::string Utiles::DateHeure_US(std::string) {
    Instant i = Maintenant();
    return i.annee + "/" + i.mois + "/" + i.jour + " " + i.heure + ":" + i.minute + ":" + i.seconde;
}

std::string Utiles::Date_US() {
    Instant i = Maintenant();
    return i.mois + "/" + i.jour + "/" + i.annee;
}

std::string Utiles::Date_FR() {
    Instant i = Maintenant();
    return i.jour + "/" + i.mois + "/" + i.annee;
}

std::string Utiles::Heure() {
    Instant i = Maintenant();
    return i.heure + ":" + i.minute + ":" + i.seconde;
}

std::string Utiles::Majuscule(std::string& texte) {
    for (char& c : texte) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
    }
    return texte;
}

std::string Utiles::CheminSansFichier(std::string chemin) {
    std::string::size_type pos = chemin.find_last_of("\\/");
    if (pos == std::string::npos) return "";
    return chemin.substr(0, pos);
}

std::string Utiles::String2Php(std::string& texte) {
    std::string resultat;
    for (char c : texte) {
        if (c == '\\') resultat += "\\\\";
        else resultat += c;
    }
    return resultat;
}

bool Utiles::CaracteresIdentifiant(const std::string& texte) {
    for (char c : texte) {
        const bool lettre = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!lettre && !(c >= '0' && c <= '9') && c != '_') return false;
    }
    return true;
}

bool Utiles::EstIdentifiantPhp(const std::string& texte) {
    return !texte.empty() && !(texte[0] >= '0' && texte[0] <= '9') && CaracteresIdentifiant(texte);
}

Emetteur::Emetteur(int retrait, std::string tabulation, std::string finDeLigne)
    : Retrait(retrait), Tabulation(std::move(tabulation)), FinDeLigne(std::move(finDeLigne)) {}

Emetteur& Emetteur::Ligne(const std::string& texte) {
    for (int i = 0; i < Retrait; ++i) Resultat += Tabulation;
    Resultat += texte;
    Resultat += FinDeLigne;
    return *this;
}

Emetteur& Emetteur::LigneVide() {
    Resultat += FinDeLigne;
    return *this;
}

Emetteur& Emetteur::Brut(const std::string& texte) {
    Resultat += texte;
    return *this;
}
