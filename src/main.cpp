// Point d'entree : ligne de commande, puis la suite fixe des etapes, chacune
// fermee par Parametrage::GestionErreur avec son propre code de sortie.
#include <cstdlib>
#include <iostream>
#include <string>

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

void EcritLignesUsage() {
    std::cerr << "Usage : corvalite -c fichier.cfg make sgbd form" << std::endl;
    std::cerr << "-c Fichier_de_configuration" << std::endl;
    std::cerr << "fonction: make,sgbd,form" << std::endl;
}

bool Contient(const std::string& mot, const char* motif) { return mot.find(motif) != std::string::npos; }

// Forme capitale d'abord, minuscule seulement en son absence : un mot compte au plus une fois.
bool Designe(const std::string& mot, const char* capitales, const char* minuscules) {
    return Contient(mot, capitales) || Contient(mot, minuscules);
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

void RemiseAZero(Parametrage& param, std::string& rapport) {
    rapport.clear();
    param.NbErreurs = 0;
    param.NbAnomalies = 0;
}

}  // namespace

void usage() {
    EcritLignesUsage();
    std::exit(-1);
}

int main(int argc, char* argv[]) {
    Parametrage param;
    const std::string finDeLigne = "\n";
    int nbMake = 0;
    int nbSgbd = 0;
    int nbForm = 0;
    std::string nomFichierForm;
    std::string mot;
    std::string rapport;

    Chemin_Appli = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    param.CheminAppli = RepertoireDuProgramme(Chemin_Appli);
    std::cerr << param.Banniere << std::endl;

    if (argc <= 1) {
        std::cout << std::endl;
        std::cout << std::endl;
        EcritLignesUsage();
        plateforme::Pause();
        std::exit(0);
    }

    int index = 1;
    do {
        mot = argv[index];
        if (Designe(mot, "-C", "-c")) {
            ++index;
            if (index < argc) {
                mot = argv[index];
                Nom_Fichier_Configuration = mot;
                Nom_Fichier_Log = param.ChangeExtention(Nom_Fichier_Configuration, ".log");
                // Une configuration nommee "site.log" ne doit jamais servir de trace a elle-meme.
                if (Nom_Fichier_Log == Nom_Fichier_Configuration) Nom_Fichier_Log += ".log";
                param.SetFichierLog(Nom_Fichier_Log);
            } else {
                std::cerr << param.PrefixeErreur << "Pas de nom de fichier suivant le -c" << std::endl;
            }
        }
        if (Designe(mot, "-MAKE", "-make")) ++nbMake;
        if (Designe(mot, "-SGBD", "-sgbd")) ++nbSgbd;
        if (Designe(mot, "-FORM", "-form")) {
            ++index;
            if (index < argc) {
                mot = argv[index];
                nomFichierForm = mot;
            } else {
                std::cerr << param.PrefixeErreur << "Pas de nom de fichier suivant le -form" << std::endl;
            }
            ++nbForm;
        }
        if (Designe(mot, "-BAVARD", "-bavard")) ++param.Bavard;
        ++index;
    } while (index < argc);

    if (Nom_Fichier_Configuration.empty()) {
        std::cerr << param.PrefixeErreur << "Pas de fichier de configuration valide.";
        usage();
    }

    std::string options;
    if (nbMake != 0) options += "MAKE";
    if (nbSgbd != 0) options += std::string(options.empty() ? "" : ",") + "SGBD";
    if (nbForm != 0) options += std::string(options.empty() ? "" : ",") + "FORM";
    std::string entete = "Fichier de configuration:" + Nom_Fichier_Configuration + finDeLigne + "Option:" +
                         options + "." + finDeLigne + "Fichier de trace d'execution:" + Nom_Fichier_Log +
                         finDeLigne + "Lecture du fichier de configuration:" + Nom_Fichier_Configuration;

    // Etape 1 : la configuration est lue avant que la trace ne soit videe.
    param.initErreur();
    entete += param.ChargeConfiguration(Nom_Fichier_Configuration);
    param.Log("", Parametrage::LogVideFichier);
    param.Log(param.Banniere, Parametrage::LogFichier);
    param.Log(entete, Parametrage::LogEcranEtFichier);
    rapport.clear();
    FermeEtape(param, -20, rapport);

    param.LogSansCR("Analyse du fichier de configuration:", Parametrage::LogEcranEtFichier);
    param.VerificationConfiguration(nbMake, nbSgbd, nbForm);
    FermeEtape(param, -30, rapport);

    if (nbSgbd != 0) {
        param.LogSansCR("Analyse de la configuration pour l'option SGBD:", Parametrage::LogEcranEtFichier);
        param.VerificationConfigurationSGBDIdentifiant(nbSgbd);
        FermeEtape(param, -40, rapport);
    }

    param.LogSansCR("Construction des chemins:", Parametrage::LogEcranEtFichier);
    param.ConstructionDesChemins();
    FermeEtape(param, -50, rapport);

    param.LogSansCR("Verification des repertoires:", Parametrage::LogEcranEtFichier);
    param.VerificationExistenceChemin(nbMake, nbSgbd, nbForm);
    FermeEtape(param, -60, rapport);

    if (nbSgbd == 1) {
        FrwSgbd sgbd(param);
        param.CopieFichierConnexion(param.RepertoireIncludeSources);
        RemiseAZero(param, rapport);
        param.LogSansCR("Creation classe de base de donnees:", Parametrage::LogEcranEtFichier);
        rapport = sgbd.PrepareFichierClasse(param.ServeurMysql, param.DatabaseMysql, param.UtilisateurMysql,
                                            param.MotDePasseMysql);
        FermeEtape(param, -200, rapport);
        param.Log(sgbd.AfficheVersionMySql(), Parametrage::LogEcranEtFichier);
    }

    if (nbMake == 1) {
        Make make(param);
        param.CopieFichierConnexion(param.RepertoireIncludeSources);
        RemiseAZero(param, rapport);
        param.LogSansCR("Selection des fichiers:", Parametrage::LogEcranEtFichier);
        rapport = make.PreTraitement(".php");
        FermeEtape(param, -300, rapport);
        RemiseAZero(param, rapport);
        param.LogSansCR("Traitement:", Parametrage::LogEcranEtFichier);
        rapport = make.Traitement();
        FermeEtape(param, -310, rapport);
        RemiseAZero(param, rapport);
        param.LogSansCR("Post-Traitement:", Parametrage::LogEcranEtFichier);
        rapport = make.PostTraitement();
        FermeEtape(param, -320, rapport);
    }

    if (nbForm == 1) {
        MesForms form(param);
        RemiseAZero(param, rapport);
        param.LogSansCR("Lecture du fichier .form " + nomFichierForm + ":", Parametrage::LogEcranEtFichier);
        rapport = form.ChargeFichierConfigFormulaire(nomFichierForm);
        FermeEtape(param, -100, rapport);
        param.LogSansCR("Creation du fichier formulaire en php:", Parametrage::LogEcranEtFichier);
        rapport = form.ConstruireFichierFormulaireDescriptif();
        FermeEtape(param, -110, rapport);
    }

    if (nbMake + nbSgbd + nbForm != 0) param.LogSansCR("Fin de traitement", Parametrage::LogEcranEtFichier);
    return 0;
}
