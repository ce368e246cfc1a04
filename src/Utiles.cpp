#include "Utiles.h"

#include <ctime>

namespace {

struct Instant {
    std::string jour, mois, annee, heure, minute, seconde;
};

std::string DeuxChiffres(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// Une seule lecture de l'horloge par resultat, pour que tous ses champs
// viennent du meme instant.
Instant Maintenant() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {DeuxChiffres(local.tm_mday), DeuxChiffres(local.tm_mon + 1), std::to_string(local.tm_year + 1900),
            DeuxChiffres(local.tm_hour), DeuxChiffres(local.tm_min),     DeuxChiffres(local.tm_sec)};
}

}  // namespace

std::string Utiles::DateHeure() {
    Instant i = Maintenant();
    return i.jour + "/" + i.mois + "/" + i.annee + " " + i.heure + ":" + i.minute + ":" + i.seconde;
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
    for (char& c : texte)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return texte;
}

std::string Utiles::CheminSansFichier(std::string chemin) {
    std::string::size_type pos = chemin.find_last_of("\\/");
    if (pos == std::string::npos) return "";
    return chemin.substr(0, pos);
}

std::string Utiles::String2Php(const std::string& texte) {
    std::string resultat;
    for (char c : texte) {
        if (c == '\\' || c == '"' || c == '$') resultat += '\\';
        resultat += c;
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

std::string Utiles::Joint(const std::vector<std::string>& morceaux, const std::string& separateur) {
    std::string resultat;
    for (size_t i = 0; i < morceaux.size(); ++i) resultat += (i == 0 ? "" : separateur) + morceaux[i];
    return resultat;
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

bool Utiles::VariableReserveePhp(const std::string& nom) {
    static const char* const reservees[] = {"this",   "GLOBALS", "_SERVER",  "_GET",     "_POST",
                                            "_FILES", "_COOKIE", "_SESSION", "_REQUEST", "_ENV"};
    for (const char* reservee : reservees)
        if (nom == reservee) return true;
    return false;
}
