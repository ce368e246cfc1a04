#include "Utiles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sstream>

#include "classe_fichier.h"

namespace {

// Les champs de l'heure locale, lus en une seule fois pour que tous ceux d'un
// resultat viennent du meme instant ; tous sur deux chiffres, sauf l'annee.
struct Instant {
    std::string jour, mois, annee, heure, minute, seconde;
};

Instant Maintenant() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    auto deux = [](int n) { return Utiles::format2digit(std::to_string(n)); };
    return {deux(local.tm_mday), deux(local.tm_mon + 1), std::to_string(local.tm_year + 1900),
            deux(local.tm_hour), deux(local.tm_min),     deux(local.tm_sec)};
}

// Les points de code d'un texte UTF-8 ; faux s'il n'en est pas (sequence tronquee, trop longue,
// ou hors de l'Unicode).
bool PointsDeCode(const std::string& texte, std::vector<unsigned long>& points) {
    for (size_t i = 0; i < texte.size();) {
        const unsigned char tete = static_cast<unsigned char>(texte[i]);
        const int suite = tete < 0x80 ? 0 : tete >= 0xC2 && tete < 0xE0 ? 1 : tete >= 0xE0 && tete < 0xF0 ? 2
                                                                           : tete >= 0xF0 && tete < 0xF5 ? 3 : -1;
        if (suite < 0 || i + static_cast<size_t>(suite) >= texte.size()) return false;
        unsigned long point = suite == 0 ? tete : tete & (0x3F >> suite);
        for (int k = 1; k <= suite; ++k) {
            const unsigned char c = static_cast<unsigned char>(texte[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            point = (point << 6) | (c & 0x3F);
        }
        static const unsigned long minimum[] = {0, 0x80, 0x800, 0x10000};
        if (point < minimum[suite] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return false;
        points.push_back(point);
        i += static_cast<size_t>(suite) + 1;
    }
    return true;
}

}  // namespace

bool Utiles::HorsLatin1(const std::string& utf8) {
    std::vector<unsigned long> points;
    return PointsDeCode(utf8, points) && std::any_of(points.begin(), points.end(), [](unsigned long p) { return p > 0xFF; });
}

std::string Utiles::Latin1OuQuestion(const std::string& utf8) {
    std::vector<unsigned long> points;
    if (!PointsDeCode(utf8, points)) return utf8;
    std::string texte;
    for (unsigned long point : points) texte += point > 0xFF ? '?' : static_cast<char>(point);
    return texte;
}

std::string Utiles::EchappeUnicodePhp(const std::string& utf8) {
    std::vector<unsigned long> points;
    if (!PointsDeCode(utf8, points)) return utf8;
    std::string texte;
    for (unsigned long point : points) {
        char sequence[16];
        std::snprintf(sequence, sizeof(sequence), "\\u{%lX}", point);
        texte += point < 0x80 ? std::string(1, static_cast<char>(point)) : sequence;
    }
    return texte;
}

std::string Utiles::format2digit(std::string chiffres) { return chiffres.size() < 2 ? "0" + chiffres : chiffres; }

std::string Utiles::DateHeure(std::string) {
    const Instant i = Maintenant();
    return i.jour + "/" + i.mois + "/" + i.annee + " " + i.heure + ":" + i.minute + ":" + i.seconde;
}

std::string Utiles::DateHeure_US(std::string) {
    const Instant i = Maintenant();
    return i.annee + "/" + i.mois + "/" + i.jour + " " + i.heure + ":" + i.minute + ":" + i.seconde;
}

std::string Utiles::Date_US() {
    const Instant i = Maintenant();
    return i.mois + "/" + i.jour + "/" + i.annee;
}

std::string Utiles::Date_FR() {
    const Instant i = Maintenant();
    return i.jour + "/" + i.mois + "/" + i.annee;
}

std::string Utiles::Heure() {
    const Instant i = Maintenant();
    return i.heure + ":" + i.minute + ":" + i.seconde;
}

std::string Utiles::EnMajuscules(std::string texte) { return Majuscule(texte); }

std::string Utiles::Majuscule(std::string& texte) {
    for (char& c : texte)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return texte;
}

std::string Utiles::CheminSansFichier(std::string chemin) { return Fichier().RenvoiRepertoire(chemin); }

std::string Utiles::PrecedeDeBarre(const std::string& texte, const char* caracteres) {
    std::string resultat;
    for (char c : texte) {
        if (c != '\0' && std::strchr(caracteres, c) != nullptr) resultat += '\\';
        resultat += c;
    }
    return resultat;
}

std::string Utiles::EchappeHtml(const std::string& texte) {
    std::string resultat;
    for (char c : texte) {
        switch (c) {
            case '&': resultat += "&amp;"; break;
            case '<': resultat += "&lt;"; break;
            case '>': resultat += "&gt;"; break;
            case '"': resultat += "&quot;"; break;
            case '\'': resultat += "&#039;"; break;
            default: resultat += c;
        }
    }
    return resultat;
}

bool Utiles::CaracteresIdentifiant(const std::string& texte) {
    return std::all_of(texte.begin(), texte.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

bool Utiles::EstIdentifiantPhp(const std::string& texte) {
    return !texte.empty() && !(texte[0] >= '0' && texte[0] <= '9') && CaracteresIdentifiant(texte);
}

bool Utiles::LettrePhp(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80); }

bool Utiles::LettreOuChiffrePhp(char c) { return LettrePhp(c) || std::isdigit(static_cast<unsigned char>(c)); }

bool Utiles::EstNomPhp(const std::string& nom) {
    return !nom.empty() && LettrePhp(nom[0]) && std::all_of(nom.begin(), nom.end(), LettreOuChiffrePhp);
}

std::string Utiles::Joint(const std::vector<std::string>& morceaux, const std::string& separateur) {
    std::string resultat;
    for (size_t i = 0; i < morceaux.size(); ++i) resultat += (i == 0 ? "" : separateur) + morceaux[i];
    return resultat;
}

Emetteur& Emetteur::Ligne(const std::string& texte) {
    for (int i = 0; i < Retrait; ++i) Resultat += Tabulation;
    Resultat += texte;
    return LigneVide();
}

Emetteur& Emetteur::LigneVide() { return Brut(FinDeLigne); }

Emetteur& Emetteur::Brut(const std::string& texte) {
    Resultat += texte;
    return *this;
}

bool Utiles::VariableReserveePhp(const std::string& nom) {
    static const char* const reservees[] = {"this",   "GLOBALS", "_SERVER",  "_GET",     "_POST",
                                            "_FILES", "_COOKIE", "_SESSION", "_REQUEST", "_ENV"};
    return std::find(std::begin(reservees), std::end(reservees), nom) != std::end(reservees);
}

// enum, resource et numeric, que PHP 8.2 tolere encore comme noms de classe, restent permis.
bool Utiles::NomReservePhp(const std::string& nom) {
    static const ListeDeMots reserves(
        "__halt_compiler abstract and array as break callable case catch class clone const continue declare default "
        "die do echo else elseif empty enddeclare endfor endforeach endif endswitch endwhile eval exit extends final "
        "finally fn for foreach function global goto if implements include include_once instanceof insteadof "
        "interface isset list match namespace new or print private protected public readonly require require_once "
        "return static switch throw trait try unset use var while xor yield __CLASS__ __DIR__ __FILE__ __FUNCTION__ "
        "__LINE__ __METHOD__ __NAMESPACE__ __TRAIT__ bool false float int iterable mixed never null object parent "
        "self string true void ArithmeticError AssertionError Closure Directory DivisionByZeroError Error "
        "ErrorException Exception Generator ParseError php_user_filter stdClass Throwable TypeError "
        "__PHP_Incomplete_Class __call __callStatic __clone __construct __debugInfo __destruct __get __invoke __isset "
        "__serialize __set __set_state __sleep __toString __unserialize __unset __wakeup FormLien SGBDConnexion "
        "InternalIterator CompileError ArgumentCountError ValueError UnhandledMatchError ClosedGeneratorException "
        "WeakReference WeakMap Attribute ReturnTypeWillChange AllowDynamicProperties SensitiveParameter "
        "SensitiveParameterValue Fiber FiberError DateTime DateTimeImmutable DateTimeZone DateInterval DatePeriod "
        "LibXMLError OpenSSLCertificate OpenSSLCertificateSigningRequest OpenSSLAsymmetricKey InflateContext "
        "DeflateContext HashContext JsonException ReflectionException Reflection ReflectionFunctionAbstract "
        "ReflectionFunction ReflectionGenerator ReflectionParameter ReflectionType ReflectionNamedType "
        "ReflectionUnionType ReflectionIntersectionType ReflectionMethod ReflectionClass ReflectionObject "
        "ReflectionProperty ReflectionClassConstant ReflectionExtension ReflectionZendExtension ReflectionReference "
        "ReflectionAttribute ReflectionEnum ReflectionEnumUnitCase ReflectionEnumBackedCase ReflectionFiber "
        "LogicException BadFunctionCallException BadMethodCallException DomainException InvalidArgumentException "
        "LengthException OutOfRangeException RuntimeException OutOfBoundsException OverflowException RangeException "
        "UnderflowException UnexpectedValueException RecursiveIteratorIterator IteratorIterator FilterIterator "
        "RecursiveFilterIterator CallbackFilterIterator RecursiveCallbackFilterIterator ParentIterator LimitIterator "
        "CachingIterator RecursiveCachingIterator NoRewindIterator AppendIterator InfiniteIterator RegexIterator "
        "RecursiveRegexIterator EmptyIterator RecursiveTreeIterator ArrayObject ArrayIterator RecursiveArrayIterator "
        "SplFileInfo DirectoryIterator FilesystemIterator RecursiveDirectoryIterator GlobIterator SplFileObject "
        "SplTempFileObject SplDoublyLinkedList SplQueue SplStack SplHeap SplMinHeap SplMaxHeap SplPriorityQueue "
        "SplFixedArray SplObjectStorage MultipleIterator SessionHandler SodiumException PDOException PDO PDOStatement "
        "PDORow FFI finfo mysqli_sql_exception mysqli_driver mysqli mysqli_warning mysqli_result mysqli_stmt "
        "PharException Phar PharData PharFileInfo Shmop Socket AddressInfo SysvMessageQueue SysvSemaphore "
        "SysvSharedMemory PhpToken Traversable IteratorAggregate Iterator Serializable ArrayAccess Countable "
        "Stringable UnitEnum BackedEnum DateTimeInterface JsonSerializable Reflector RecursiveIterator OuterIterator "
        "SeekableIterator SplObserver SplSubject SessionHandlerInterface SessionIdInterface "
        "SessionUpdateTimestampHandlerInterface");
    return reserves.Contient(nom);
}

Utiles::ListeDeMots::ListeDeMots(std::string mots) {
    std::istringstream flux(Majuscule(mots));
    for (std::string mot; flux >> mot;) Majuscules.insert(mot);
}

bool Utiles::ListeDeMots::Contient(std::string nom) const { return Majuscules.count(Majuscule(nom)) > 0; }
