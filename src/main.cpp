// Point d'entree : ligne de commande, puis la suite fixe des etapes, chacune
// fermee par Parametrage::GestionErreur avec son propre code de sortie.
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "FrwForm.h"
#include "FrwMake.h"
#include "FrwSgbd.h"
#include "Parametres.h"
#include "Utiles.h"
#include "plateforme.h"

std::string Chemin_Appli;
std::string Nom_Fichier_Configuration;
std::string Nom_Fichier_Log;

namespace {

// Ce que la ligne de commande demande : combien de mots ont choisi chaque
// fonction (seul un compte de 1 la lance), et le fichier .form.
struct Demande {
    int make = 0, sgbd = 0, form = 0;
    std::string fichierForm;
};

// Une etape journalisee : son titre, son code de sortie en cas d'erreur,
// l'action qui rend le rapport ecrit apres "Ok.", et si elle a lieu.
struct Etape {
    std::string titre;
    int code;
    std::function<std::string()> action;
    bool active = true;
};

void EcritLignesUsage() {
    std::cerr << "Usage : corvalite -c fichier.cfg make sgbd form" << std::endl;
    std::cerr << "-c Fichier_de_configuration" << std::endl;
    std::cerr << "fonction: make,sgbd,form" << std::endl;
}

// Forme capitale d'abord, minuscule seulement en son absence : un mot compte au plus une fois.
bool Designe(const std::string& mot, const char* capitales, const char* minuscules) {
    return mot.find(capitales) != std::string::npos || mot.find(minuscules) != std::string::npos;
}

std::string RepertoireDuProgramme(const std::string& cheminAppli) {
    std::string repertoire = Utiles::CheminSansFichier(cheminAppli);
    if (repertoire.empty()) repertoire = plateforme::RepertoireExecutable();
    if (repertoire.empty()) repertoire = ".";
    return repertoire;
}

void FermeEtape(Parametrage& param, int code, const std::string& rapport) {
    if (param.GestionErreur(code, "F", Parametrage::LogEcranEtFichier) == 0)
        param.Log("Ok." + param.FinDeLigne + rapport, Parametrage::LogEcranEtFichier);
}

// Chaque etape part de compteurs a zero : l'anomalie d'une copie du fichier de connexion, faite
// avant elle, ne se montre que si l'etape en enregistre une a son tour.
void JoueEtapes(Parametrage& param, const std::vector<Etape>& etapes) {
    for (const Etape& etape : etapes) {
        if (!etape.active) continue;
        param.NbErreurs = 0;
        param.NbAnomalies = 0;
        param.LogSansCR(etape.titre, Parametrage::LogEcranEtFichier);
        FermeEtape(param, etape.code, etape.action());
    }
}

// Le mot qui suit `index`, ou rien (et le message) quand l'option est le dernier mot.
bool MotSuivant(int argc, int& index, const char* option, const Parametrage& param) {
    if (++index < argc) return true;
    std::cerr << param.PrefixeErreur << "Pas de nom de fichier suivant le " << option << std::endl;
    return false;
}

void NommeConfiguration(const std::string& nom, Parametrage& param) {
    Nom_Fichier_Configuration = nom;
    Nom_Fichier_Log = param.ChangeExtention(Nom_Fichier_Configuration, ".log");
    // Une configuration nommee "site.log" ne doit jamais servir de trace a elle-meme.
    if (Nom_Fichier_Log == Nom_Fichier_Configuration) Nom_Fichier_Log += ".log";
    param.SetFichierLog(Nom_Fichier_Log);
}

// Les mots sont cherches n'importe ou dans chaque argument. Le mot qui suit -c
// ou -form est un nom de fichier, jamais une option : "-c mon-sgbd.cfg" ne
// demande pas sgbd. Les options du mot -form lui-meme comptent avant lui.
Demande LisArguments(int argc, char* argv[], Parametrage& param) {
    Demande demande;
    for (int index = 1; index < argc; ++index) {
        const std::string mot = argv[index];
        if (Designe(mot, "-C", "-c") && MotSuivant(argc, index, "-c", param)) {
            NommeConfiguration(argv[index], param);
            continue;
        }
        if (Designe(mot, "-MAKE", "-make")) ++demande.make;
        if (Designe(mot, "-SGBD", "-sgbd")) ++demande.sgbd;
        if (Designe(mot, "-FORM", "-form")) {
            ++demande.form;
            if (MotSuivant(argc, index, "-form", param)) {
                demande.fichierForm = argv[index];
                continue;
            }
        }
        if (Designe(mot, "-BAVARD", "-bavard")) ++param.Bavard;
    }
    return demande;
}

// Etape 1 : la configuration est lue avant que la trace ne soit videe.
void LitConfiguration(Parametrage& param, const Demande& demande) {
    std::vector<std::string> options;
    if (demande.make != 0) options.push_back("MAKE");
    if (demande.sgbd != 0) options.push_back("SGBD");
    if (demande.form != 0) options.push_back("FORM");
    const std::string& fin = param.FinDeLigne;
    std::string entete = "Fichier de configuration:" + Nom_Fichier_Configuration + fin + "Option:" +
                         Utiles::Joint(options) + "." + fin + "Fichier de trace d'execution:" + Nom_Fichier_Log +
                         fin + "Lecture du fichier de configuration:" + Nom_Fichier_Configuration;
    param.initErreur();
    entete += param.ChargeConfiguration(Nom_Fichier_Configuration);
    param.ControleTrace();
    param.Log("", Parametrage::LogVideFichier);
    param.Log(param.Banniere, Parametrage::LogFichier);
    param.Log(entete, Parametrage::LogEcranEtFichier);
    FermeEtape(param, -20, "");
}

void VerifieConfiguration(Parametrage& param, const Demande& d) {
    JoueEtapes(param, {{"Analyse du fichier de configuration:", -30,
                        [&] { param.VerificationConfiguration(d.make, d.sgbd, d.form); return ""; }},
                       {"Analyse de la configuration pour l'option SGBD:", -40,
                        [&] { param.VerificationConfigurationSGBDIdentifiant(d.sgbd); return ""; }, d.sgbd != 0},
                       {"Construction des chemins:", -50, [&] { param.ConstructionDesChemins(); return ""; }},
                       {"Verification des repertoires:", -60,
                        [&] { param.VerificationExistenceChemin(d.make, d.sgbd, d.form); return ""; }}});
}

// Les fonctions dans l'ordre fixe sgbd, make, form ; chacune seulement quand un seul mot l'a choisie.
void LanceFonctions(Parametrage& param, const Demande& d) {
    if (d.sgbd == 1) {
        FrwSgbd sgbd(param);
        param.CopieFichierConnexion(param.RepertoireIncludeSources);
        JoueEtapes(param, {{"Creation classe de base de donnees:", -200, [&] {
                                return sgbd.PrepareFichierClasse(param.ServeurMysql, param.DatabaseMysql,
                                                                 param.UtilisateurMysql, param.MotDePasseMysql);
                            }}});
        param.Log(sgbd.AfficheVersionMySql(), Parametrage::LogEcranEtFichier);
    }
    if (d.make == 1) {
        Make make(param);
        param.CopieFichierConnexion(param.RepertoireIncludeSources);
        JoueEtapes(param, {{"Selection des fichiers:", -300, [&] { return make.PreTraitement(Make::FiltrePages); }},
                           {"Traitement:", -310, [&] { return make.Traitement(); }},
                           {"Post-Traitement:", -320, [&] { return make.PostTraitement(); }}});
    }
    if (d.form == 1) {
        MesForms form(param);
        JoueEtapes(param, {{"Lecture du fichier .form " + d.fichierForm + ":", -100,
                            [&] { return form.ChargeFichierConfigFormulaire(d.fichierForm); }},
                           {"Creation du fichier formulaire en php:", -110,
                            [&] { return form.ConstruireFichierFormulaireDescriptif(); }}});
    }
}

}  // namespace

void usage() {
    EcritLignesUsage();
    std::exit(-1);
}

int main(int argc, char* argv[]) {
    Parametrage param;
    Chemin_Appli = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    param.CheminAppli = RepertoireDuProgramme(Chemin_Appli);
    std::cerr << param.Banniere << std::endl;

    if (argc <= 1) {
        std::cout << std::endl << std::endl;
        EcritLignesUsage();
        plateforme::Pause();
        std::exit(0);
    }
    const Demande demande = LisArguments(argc, argv, param);
    if (Nom_Fichier_Configuration.empty()) {
        std::cerr << param.PrefixeErreur << "Pas de fichier de configuration valide.";
        usage();
    }
    // Les fichiers que lit ou ecrit chaque fonction lancee : aucun n'est ecrit sous le nom d'un autre.
    param.ReleveFichiers = [&param, &demande](plateforme::Registre& registre, bool complet) {
        param.FichiersDeLExecution(Nom_Fichier_Configuration, registre);
        if (demande.sgbd == 1 || demande.form == 1) FrwSgbd(param).FichiersDeLExecution(registre);
        if (demande.make == 1) Make(param).FichiersDeLExecution(registre, complet);
        if (demande.form == 1) MesForms(param).FichiersDeLExecution(demande.fichierForm, registre);
    };
    LitConfiguration(param, demande);
    VerifieConfiguration(param, demande);
    LanceFonctions(param, demande);
    if (demande.make + demande.sgbd + demande.form != 0)
        param.LogSansCR("Fin de traitement", Parametrage::LogEcranEtFichier);
    return 0;
}
