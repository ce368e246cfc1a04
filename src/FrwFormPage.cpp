// La fonction form, seconde moitie : l'ecriture de la page de formulaire et des copies faites
// a cote d'elle, puis les constructeurs de pages que rien n'appelle et les vidages des
// enregistrements. La lecture et le controle de la description sont dans FrwForm.cpp.
#include <initializer_list>
#include <sstream>

#include "FrwForm.h"
#include "FrwSgbd.h"
#include "classe_fichier.h"
#include "plateforme.h"

// ====================================================================
// Ecriture de la page et des copies
// ====================================================================

namespace {

// Vide les valeurs par defaut des champs du formulaire (jamais celles des
// boutons), puis le remet a zero pour qu'il les montre. Une case a cocher
// garde sa valeur : seul son etat coche par defaut disparait.
const char* const ScriptClearForm =
    "<script>function clearForm(form) { \"use strict\"; var champs = form.elements, champ, genre, options, i, j; "
    "for (i = 0; i < champs.length; i++) { champ = champs[i]; genre = (champ.type || \"\").toLowerCase(); \n"
    "// Ne pas changer les valeurs de submit, reset & buttons\n"
    "if (genre == \"submit\" || genre == \"reset\" || genre == \"button\") continue; "
    "if (champ.tagName.toLowerCase() == \"select\") { options = champ.options; "
    "for (j = 0; j < options.length; j++) options[j].defaultSelected = false; } "
    "else if (genre == \"checkbox\" || genre == \"radio\") { champ.defaultChecked = false; } "
    "else if (\"defaultValue\" in champ) { champ.defaultValue = \"\"; } } // Maintenant on reinit.\n"
    "form.reset(); return false; }</script>";

// La ligne qui refuse une demande dont un champ est envoye en tableau.
const char* const RefusTableau = "Demande refus\xC3\xA9" "e : un champ est envoy\xC3\xA9 en tableau.";

// Les lignes PHP d'une page sans table qui refusent un envoi dont PHP n'a garde qu'une partie des
// champs (plus que max_input_vars) : il le signale avant la page, et seulement la (error_get_last).
// Elles viennent avant toute lecture de l'envoi : aucune variable ne prend une demande a moitie lue.
const char* const TestEnvoiCoupe =
    "if ($_POST && strpos(error_get_last()[\"message\"] ?? \"\",\"Input variables exceeded\")!==false)\t{";
const char* const RefusCoupe =
    "echo \"<strong>Pb Envoi : la demande d\xC3\xA9passe la limite max_input_vars de PHP (\"."
    "htmlspecialchars(ini_get(\"max_input_vars\")).\" champs) : rien n'a \xC3\xA9t\xC3\xA9 fait.</strong><br>\";";

// Un argument texte d'un appel PHP, suivi de sa virgule.
std::string Argument(const std::string& valeur) { return "\"" + valeur + "\","; }

// La longueur est comparee en texte : "10" et "00" sont ecrits, "0", "" et "-1" non.
bool LongueurEcrite(const std::string& longueur) { return longueur > std::string("0"); }

// La valeur postee du champ, vide au premier affichage (sans avertissement de PHP 8).
std::string ValeurPostee(const std::string& champ) { return "($_POST['" + champ + "'] ?? \"\")"; }

using Sorte = ReleveDesChaines::Sorte;
using Acces = ReleveDesChaines::Acces;

// Une variable que la page definit elle-meme ; `quand` dit ou.
ReleveDesChaines::Variable Propre(Sorte sorte, const std::string& quand,
                                  std::shared_ptr<const ReleveDesChaines::Proprietes> proprietes = nullptr) {
    return {sorte, std::move(proprietes), quand, "", true};
}

// Les proprietes que declare le texte PHP d'une classe, une declaration par ligne : celles qu'un
// objet laisse lire (public, var), et celles qu'il garde (private, protected), que la page ne peut
// lire sans s'arreter. Une propriete statique publique n'est pas une propriete de l'objet : PHP
// la dit absente.
std::shared_ptr<const ReleveDesChaines::Proprietes> ProprietesDeclarees(const std::string& texte) {
    auto proprietes = std::make_shared<ReleveDesChaines::Proprietes>();
    std::istringstream lignes(texte);
    for (std::string ligne; std::getline(lignes, ligne);) {
        std::istringstream mots(ligne);
        std::string mot;
        bool declaree = false, gardee = false, statique = false;
        while (mots >> mot) {
            if (mot == "public" || mot == "var") declaree = true;
            else if (mot == "private" || mot == "protected") declaree = gardee = true;
            else if (mot == "static") statique = true;
            else break;
        }
        // Le type d'une propriete typee precede son nom.
        if (declaree && !mot.empty() && mot[0] != '$') mots >> mot;
        if (!declaree || (statique && !gardee) || mot.size() < 2 || mot[0] != '$') continue;
        size_t fin = 1;
        while (fin < mot.size() && Utiles::LettreOuChiffrePhp(mot[fin])) ++fin;
        // Ce qui suit le nom, sans blancs : "=array(" ou "=[" quand elle part d'un tableau.
        std::string suite = mot.substr(fin);
        for (std::string reste; mots >> reste;) suite += reste;
        const bool tableau = suite.rfind("=array(", 0) == 0 || suite.rfind("=[", 0) == 0;
        proprietes->emplace(mot.substr(1, fin - 1), gardee ? Acces::Privee : tableau ? Acces::Tableau : Acces::Lue);
    }
    return proprietes;
}

}  // namespace

std::string MesForms::Chaine(const std::string& valeur, const std::string& motCle, int ou, const std::string& suite,
                             bool majuscules) const {
    if (Releve) Releve->valeurs.push_back({valeur, suite, motCle, ou, majuscules, Releve->definitions.size()});
    return (majuscules ? Utiles::EnMajuscules(valeur) : valeur) + suite;
}

std::string MesForms::ChaineCle() const { return ListeElements.empty() ? "" : Chaine(ChampCle(), MotCleChamp, 0); }

void MesForms::Definit(const std::string& nom, ReleveDesChaines::Variable variable) const {
    if (Releve) Releve->definitions.emplace_back(nom, std::move(variable));
}

// La page inclut les fichiers d'appui copies a cote d'elle depuis le repertoire du programme : ce
// sont leurs classes qu'elle emploie. Un fichier illisible, ou sans repertoire du programme (la page
// type de VariablesPropres), ne dit rien de ses proprietes.
std::shared_ptr<const ReleveDesChaines::Proprietes> MesForms::ProprietesDuProgramme(const std::string& nom) const {
    std::string texte;
    if (!Releve || Param.CheminAppli.empty() ||
        Fichier().LisFichier(plateforme::Joindre(Param.CheminAppli, Param.Separateur, nom), texte) != 0)
        return nullptr;
    return ProprietesDeclarees(texte);
}

// Les membres que la classe de la table declare, tels que sgbd les ecrit.
std::shared_ptr<const ReleveDesChaines::Proprietes> MesForms::ProprietesDeLaTable() const {
    if (!Releve) return nullptr;
    FrwSgbd classe(Param);
    classe.ListeChamps = ListeChamps;
    return ProprietesDeclarees(classe.CreerDeclarations());
}

// Une ligne de saisie : sa valeur vient de l'objet de la table, sinon de la valeur
// initiale ou de la valeur postee.
void MesForms::ChampSaisie(Emetteur& e, size_t index, const std::string& table, const std::string& type) {
    const Element& element = ListeElements[index];
    const int ou = static_cast<int>(index);
    const std::string& c = element.Champ;
    const bool avecTable = !table.empty();
    const std::string source = avecTable ? "$" + table + "->" + c : "$" + c;
    e.Ligne("if (isset(" + source + ")) $valeur=" + source + ";\telse $valeur=\"\";");
    Definit("valeur", Propre(Sorte::Texte, "a une ligne de saisie, et n'en a aucune avant"));
    // Chaque valeur ecrite a son tour, dans l'ordre de la ligne.
    std::string texte = "echo $F->AjouteChampInput(" + Argument("INPUT");
    if (avecTable) texte += "$" + table + "->TabChamps['" + c + "'],$" + table + "->Libelle_" + c + ".\" : \",";
    else {
        texte += Argument(Chaine(c, MotCleChamp, ou));
        texte += Argument(element.Libelle.size() > 1 ? Chaine(element.Libelle, MotCleLibelle, ou, " : ")
                                                     : Chaine(c, MotCleChamp, ou, " : "));
    }
    texte += Argument(Chaine(type, MotCleTypeHtml, ou, "", true));
    if (avecTable) texte += "$valeur,";
    else if (element.ValeurInitiale.empty()) texte += ValeurPostee(c) + ",";
    else texte += Argument(Chaine(element.ValeurInitiale, MotCleValeurInitiale, ou));
    texte += Argument(Chaine(element.OptionChamp, MotCleOptionChamp, ou));
    const std::string longueur =
        Argument(LongueurEcrite(element.Longueur) ? Chaine(element.Longueur, MotCleLongueur, ou) : "");
    texte += longueur + longueur;
    texte += Argument(element.AutoIncrement == "O" ? "N" : Chaine(element.Obligatoire, MotCleObligatoire, ou));
    texte += Argument(Chaine(element.Grise, MotCleGrise, ou));
    texte += Argument(Chaine(element.Autofocus, MotCleAutofocus, ou));
    texte += "\"" + Chaine(element.OptionInput, MotCleOptionInput, ou) + "\");";
    e.Ligne(texte + " // " + (avecTable ? "Champ dans la table." : ""));
}

std::string MesForms::ChampPave(size_t index, const std::string& table) {
    const Element& element = ListeElements[index];
    const int ou = static_cast<int>(index);
    const std::string& c = element.Champ;
    const bool enBase = element.PresentEnBase == "O";
    // Chaque valeur ecrite a son tour, dans l'ordre de la ligne.
    std::string texte =
        "echo $F->AjoutePave(" + (enBase ? "$" + table + "->TabChamps['" + c + "']," : Argument(Chaine(c, MotCleChamp, ou)));
    texte += Argument(element.Libelle.empty() ? "" : Chaine(element.Libelle, MotCleLibelle, ou, " : "));
    texte += (enBase ? "$" + table + "->" + c : ValeurPostee(c)) + ",";
    texte += Argument(Chaine(element.OptionChamp, MotCleOptionChamp, ou));
    texte += Argument(LongueurEcrite(element.Longueur) ? Chaine(element.Longueur, MotCleLongueur, ou) : "");
    texte += Argument(Chaine(element.OptionPave1, MotCleOptionPave1, ou));
    texte += Argument(Chaine(element.OptionPave2, MotCleOptionPave2, ou));
    texte += Argument(Chaine(element.OptionPave3, MotCleOptionPave3, ou));
    texte += Argument(Chaine(element.Obligatoire, MotCleObligatoire, ou));
    texte += Argument(Chaine(element.Grise, MotCleGrise, ou));
    return texte + "\"" + Chaine(element.Autofocus, MotCleAutofocus, ou) + "\");";
}

// Une liste deroulante (genre SELECT), ou un groupe de boutons radio ou de cases a cocher,
// qui montre la valeur `valeur` (la variable PHP de la ligne ou de l'envoi).
void MesForms::ChampValeurs(Emetteur& e, size_t index, const std::string& genre, const std::string& valeur) {
    const Element& element = ListeElements[index];
    const int ou = static_cast<int>(index);
    const bool liste = genre == "SELECT";
    // Le nom du groupe, puis chaque valeur offerte et son texte : la page les ecrit plus d'une fois.
    const std::string champ = Chaine(element.Champ, MotCleChamp, ou);
    std::vector<std::pair<std::string, std::string>> textes;
    for (const FElement& offerte : element.ListeValeurs) {
        const std::string ecrite = Chaine(offerte.Valeur, MotCleElement, ou);
        textes.emplace_back(ecrite, Chaine(offerte.Donnees, MotCleElement, ou));
    }
    std::vector<std::string> offertes;
    for (const auto& texte : textes) offertes.push_back("\"" + texte.first + "\"");
    e.Ligne("$F->ValeurDuGroupe(" + valeur + ",array(" + Utiles::Joint(offertes) + "));");
    // Les cases d'une colonne SET se cochent ensemble : leur valeur est la liste des cochees.
    const std::string membres = genre == "CHECKBOX" && element.TypeSgbd == "set" ? ",\"O\"" : "";
    e.Ligne(liste ? "echo $F->FormSelectDebut(\"" + champ + "\",\"1\",\"N\",\"N\");"
                  : "echo $F->FormXBoxInit(\"" + genre + "\",\"" + champ + "\"" + membres + ");");
    for (size_t i = 0; i < textes.size(); ++i)
        e.Ligne("echo $F->" + std::string(liste ? "FormSelectOption" : "FormXBox") + "(\"" + textes[i].first +
                "\",\"" + textes[i].second + "\",\"" + element.ListeValeurs[i].Defaut + "\");");
    if (liste) e.Ligne("echo $F->FormSelectFin();");
    e.LigneVide();  // detache le groupe de ce qui le suit dans la page
}

// Une branche d'action ; les lignes `avant` precedent l'appel. Elle seule definit $retour.
void MesForms::BrancheAction(Emetteur& e, const std::string& action, const std::string& appel, const std::string& echec,
                             const std::string& succes, const std::vector<std::string>& avant) {
    e.Bloc("if ($action==\"" + action + "\") {", [&] {
        for (const std::string& ligne : avant) e.Ligne(ligne);
        e.Ligne("$retour=" + appel + ";");
        Definit("retour", {Sorte::Texte, nullptr, "apres " + action, action, true});
        e.Bloc("if ($retour)\t{", [&] { e.Ligne("echo \"<strong>" + echec + " : $retour</strong><br>\";"); },
               "} else    {");
        e.Decale([&] { e.Ligne("echo \"" + succes + "<br>\";"); }).Ligne("}");
    });
}

std::string MesForms::ConstruireFichierFormulaireDescriptif() {
    Param.initErreur();
    const std::string page = Emetteur().Brut(Creation_RecupChampsPhp(NomTable)).Brut(Creation_TraitementPhp(NomTable))
                                 .Brut(FaitFormulaire(NomTable)).Ligne("</BODY>").Ligne("</HTML>").Prends();
    // Une erreur trouvee en ecrivant la page (une sorte de champ inconnue) la rendrait invalide :
    // la page d'un lancement precedent reste telle quelle, et rien n'est copie.
    if (Param.NbErreurs > 0) return "";
    Fichier fichier;
    fichier.NommeFichier(NomFichierSortie);
    std::string autre;
    if (const int code = Param.EcritFichier(fichier.NomFichier, page, autre); code == plateforme::Refusee) {
        Param.AddErreur("Le fichier formulaire " + NomFichierSortie + " n'est pas ecrit : c'est un lien ou un second nom de " +
                        autre + ", qu'il remplacerait.");
        return "";
    } else if (code != 0) {
        Param.AddErreur("Le fichier formulaire " + NomFichierSortie + " n'a pu etre ecrit." + FinDeLigne +
                        fichier.LibelleErreur(code));
        return "";
    }
    std::string journal;
    for (const auto& [source, cible, anomalie] : CopiesACote()) {
        Param.CopieFichier(source, cible,
                           anomalie.empty() ? "Le fichier " + source + " n'a pu etre copie dans " + cible : anomalie);
        journal += "Copie du fichier " + source + " vers " + cible + FinDeLigne;
    }
    return journal;
}

// Les fichiers que la page inclut, copies a cote d'elle : l'appui des formulaires, avec une
// table la connexion et la classe de la table, puis les fichiers a inclure. Sans repertoire
// dans son chemin, la description est dans le repertoire courant : les copies aussi.
std::vector<MesForms::Copie> MesForms::CopiesACote() const {
    const std::string repertoire = Fichier().RenvoiRepertoire(NomFichierForm);
    auto aCote = [&](const std::string& nom) { return plateforme::Joindre(repertoire, Param.Separateur, nom); };
    auto duProgramme = [&](const std::string& nom) {
        return plateforme::Joindre(Param.CheminAppli, Param.Separateur, nom);
    };
    const std::string& appui = Param.NomFichierAppuiForm;
    // Les chemins construits ou non : la liste sert aussi au releve des fichiers de l'execution.
    const std::string includes = Param.Chemins().IncludeSources;
    std::vector<Copie> copies = {{duProgramme(appui), aCote(appui), ""}};
    if (!NomTable.empty()) {
        copies.push_back({duProgramme(NomFichierConnexion), aCote(NomFichierConnexion), ""});
        const std::string classe = Param.PrefixeFichierClasse + NomTable + ".php";
        copies.push_back({includes + classe, aCote(classe), ""});
    }
    for (const std::string& include : Param.ListeFichiersInclude) {
        const std::string source = includes + include;
        copies.push_back({source, aCote(include), "Le chemin pour copier le fichier (" + source + ") a inclure n'est pas correct."});
    }
    return copies;
}

std::string MesForms::ChampCle() const { return ListeElements.empty() ? "" : ListeElements[0].Champ; }

bool MesForms::CleCachee() const { return !ListeElements.empty() && ListeElements[0].Index == "O"; }

// La colonne par laquelle Maj_ALL repere la ligne a modifier : la page en charge la valeur.
std::string MesForms::ColonneRepere() const {
    return ListeChamps.empty() ? "" : ListeChamps[FrwSgbd::IndiceRepere(ListeChamps)].NomChamp;
}

std::string MesForms::Creation_RecupChampsPhp(std::string table) {
    Emetteur e(0);
    e.Ligne("<!doctype html>").Ligne("<HTML lang=\"fr\">").Ligne("<HEAD>");
    // Le chemin et le nom de la table sont du texte de la page : un "<?" n'y ouvre jamais de PHP.
    e.Ligne(NomTable.empty() ? "<title>Formulaire : " + Utiles::EchappeHtml(NomFichierForm) + "</title>"
                             : "<title>Formulaire Table : " + Utiles::EchappeHtml(NomTable) + "</title>");
    e.Ligne("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");
    e.Brut(ScriptClearForm).Ligne("</HEAD>").Ligne("<BODY>").Ligne("<?php");
    auto recupere = [&](const std::string& n, Sorte sorte = Sorte::Texte, bool propre = false) {
        e.Ligne("if (isset($_POST['" + n + "'])) $" + n + "=$_POST['" + n + "'];\telse\t$" + n + "=\"\";");
        Definit(n, {sorte, nullptr, "au debut de la page", "", propre});
    };
    e.Decale([&] {
        // Avec une table, FormLien::Recoit refuse la demande coupee : la ligne chargee est alors montree.
        if (table.empty()) {
            e.Ligne("// Une demande dont PHP n'a gard\xC3\xA9 qu'une partie des champs (max_input_vars) n'est pas lue : "
                    "rien n'en est fait.");
            e.Bloc(TestEnvoiCoupe, [&] { e.Ligne(RefusCoupe).Ligne("$_POST=array();"); });
        }
        // Les pages et les classes ne lisent que des textes : un nom envoye en tableau
        // arreterait la page sur une erreur de type, ou ecrirait "Array".
        e.Ligne("// Un champ envoy\xC3\xA9 en tableau (nom[]=...) n'est pas une valeur : rien de la demande n'est fait.");
        e.Bloc("if (array_filter($_POST, \"is_string\")!==$_POST)\t{", [&] {
            e.Ligne(std::string("echo \"") + RefusTableau + "<br>\";").Ligne("$_POST=array();");
        });
        e.Ligne("// Variable du formulaire.");
        if (!table.empty()) {
            // L'action demandee est le nom d'un bouton de la page, ou rien.
            recupere("action", Sorte::Mot, true);
            return;
        }
        for (const ElementBouton& bouton : ListeBoutons) recupere(bouton.Nom);
        for (const Element& element : ListeElements)
            if (element.Visible == "O") recupere(element.Champ);
    });
    e.Ligne("?>");
    return e.Prends();
}

std::string MesForms::Creation_TraitementPhp(std::string table) {
    Emetteur e(0);
    e.Brut(Param.Banniere + "<br>");
    e.Ligne("Formulaire g&eacute;n&eacute;r&eacute; par le fichier descriptif : " + Utiles::EchappeHtml(NomFichierForm) + " ");
    e.Ligne(table.empty() ? ".<br>" : " et sur le descriptif de la table : " + Utiles::EchappeHtml(NomTable) + ".<br>");
    e.Ligne("<?php");
    e.Decale([&] {
        e.Ligne("require_once(\"" + Param.NomFichierAppuiForm + "\");");
        if (table.empty()) return;
        const std::string objet = "$" + table + "->", cle = ChampCle();
        // La configuration est recopiee dans des chaines PHP : un guillemet, un "\" ou un "$" y reste lui-meme.
        e.Ligne("require_once(\"" + NomFichierConnexion + "\");");
        e.Ligne("$MaConnexion = new SGBDConnexion(\"localhost\",\"" + Utiles::String2Php(Param.UtilisateurMysql) + "\",\"" +
                Utiles::String2Php(Param.MotDePasseMysql) + "\",\"" + Utiles::String2Php(Param.DatabaseMysql) + "\");");
        Definit("MaConnexion", Propre(Sorte::Objet, "avant le formulaire", ProprietesDuProgramme(NomFichierConnexion)));
        e.Ligne("$Connexion = $MaConnexion->Connexion();");
        // La liaison de mysqli (ou false) : ses proprietes sont celles de PHP.
        Definit("Connexion", Propre(Sorte::Objet, "avant le formulaire"));
        e.Ligne("require_once(\"" + Param.PrefixeFichierClasse + Chaine(table, MotCleTable, -1, ".php") + "\");");
        e.Ligne("$" + table + " = new " + table + "();");
        Definit(table, {Sorte::Objet, ProprietesDeLaTable(), "avant le formulaire", "", false});
        e.Ligne("// L'envoi tel que la base le garde : cl\xC3\xA9s et valeurs montr\xC3\xA9" "es exactes, cases d'un SET jointes.");
        e.Ligne("$_POST=FormLien::Recoit($_POST,\"" + ChaineCle() + "\",$action);");
        Definit("_POST", Propre(Sorte::Tableau, "avant le formulaire"));
        e.Ligne(objet + "Form2Variable();").LigneVide();
        e.Ligne("// Les actions en fonction du type de bouton pr\xC3\xA9ss\xC3\xA9");
        e.Bloc("if ($action==\"Editer\") {", [&] {
            e.Ligne(objet + "Cherche_" + cle + "(" + objet + cle + " ?? null);");
            e.Bloc("if (" + objet + "NbReponse==0)\t{", [&] {
                e.Ligne("echo \"Enregistrement non trouv\xC3\xA9<br>\";").Ligne("exit;");
            });
        });
        const std::string colonnes = "$" + table + ",array(" + Utiles::Joint(ColonnesNonMontrees()) + ")";
        BrancheAction(e, "Ajouter", objet + "Insertion()", "Pb insertion", "Ajouter Ok.",
                      {"// Les colonnes que la page ne laisse pas changer prennent leur d\xC3\xA9" "faut, quoi que la demande envoie.",
                       "SGBDConnexion::Defauts(" + colonnes + ");"});
        BrancheAction(e, "Modifier",
                      "SGBDConnexion::LigneTrouvee(" + objet + "Maj_ALL(SGBDConnexion::GardeColonnes(" + colonnes +
                          ",FormLien::Modifies($_POST)),FormLien::CleChargee($_POST)))",
                      "Pb Modification", "Modification Ok.",
                      {"// Les colonnes que la page ne laisse pas changer, que la demande n'envoie pas, ou renvoie telles",
                       "// que la page les a montr\xC3\xA9" "es, ne sont pas \xC3\xA9" "crites : elles gardent la valeur de la ligne.",
                       "// La ligne est celle que la page a charg\xC3\xA9" "e : une cl\xC3\xA9 tap\xC3\xA9" "e autrement la renomme."});
        BrancheAction(e, "Effacer", "SGBDConnexion::LigneTrouvee(" + objet + MethodeEffacement(cle) + "())", "Pb Effacement",
                      "Effacement Ok.");
        e.Ligne("// Apr\xC3\xA8s un ajout ou une modification r\xC3\xA9ussis, la ligne est relue telle que la base la garde");
        e.Ligne("// (cl\xC3\xA9, d\xC3\xA9" "fauts et valeurs pos\xC3\xA9" "es par le serveur compris) ; apr\xC3\xA8s un effacement, plus rien.");
        e.Ligne("if (($action==\"Ajouter\" or $action==\"Modifier\") and !$retour) " + objet + "Cherche_" + cle + "(" + objet + cle +
                " ?? null);");
        e.Ligne("if ($action==\"Effacer\" and !$retour) $_POST=array();");
        e.Ligne("// Les champs montrent la ligne lue telle quelle, sinon ce qui a \xC3\xA9t\xC3\xA9 envoy\xC3\xA9.");
        e.Ligne("FormLien::Montre($" + table + ",$_POST);");
    });
    return e.Prends();
}

// Les colonnes de la table, hors la cle, qu'aucun champ de la page ne laisse changer :
// non decrites, invisibles, ou portees par un champ cache ; en chaines PHP.
std::vector<std::string> MesForms::ColonnesNonMontrees() const {
    std::vector<std::string> colonnes;
    for (const structTable& colonne : ListeChamps) {
        if (colonne.NomChamp == ChampCle()) continue;
        bool montree = false;
        for (const Element& element : ListeElements)
            montree = montree || (element.Champ == colonne.NomChamp && element.PresentEnBase == "O" &&
                                  element.Visible == "O" && Utiles::EnMajuscules(element.TypeHtml) != "HIDDEN");
        if (!montree) colonnes.push_back("\"" + colonne.NomChamp + "\"");
    }
    return colonnes;
}

// La classe de la table nomme EffaceAvecIndex_ la methode de sa cle primaire
// et EffaceAvec_ celle de toute autre colonne.
std::string MesForms::MethodeEffacement(const std::string& champ) const {
    for (const structTable& colonne : ListeChamps)
        if (colonne.NomChamp == champ && colonne.Index == "O") return "EffaceAvecIndex_" + champ;
    return "EffaceAvec_" + champ;
}

std::string MesForms::FaitFormulaire(std::string table) {
    Emetteur e(0);
    e.Decale([&] {
        e.Ligne("echo \"<br>\";");
        e.Ligne(table.empty() ? "// Creer un formulaire avec valeur des champs defin par le fichier descriptif."
                              : "// Creer un formulaire avec passage de cl\xC3\xA9 technique pour edition, effacement, "
                                "modification.");
        e.Ligne("$F = new FormLien(\"POST\",\"\",\"Formulaire_" + Chaine(table, MotCleTable, -1) + "\");");
        Definit("F", Propre(Sorte::Objet, "au debut du formulaire", ProprietesDuProgramme(Param.NomFichierAppuiForm)));
        if (!table.empty())
            e.Ligne("echo $F->AjouteCleChargee($" + table + ",\"" + ColonneRepere() + "\",$_POST);")
                .Ligne("echo $F->Cadre(\"Table " + Chaine(table, MotCleTable, -1) + "\");");
        else e.Ligne("echo $F->Cadre(\"Formulaire \".htmlentities(\"" + Utiles::String2Php(NomFichierForm) + "\"));");
        // Sans element (des boutons seulement), ni cle ni champ. L'element de la cle devient un
        // champ cache, et le reste.
        const bool cle = CleCachee();
        if (cle) {
            ListeElements[0].TypeHtml = "hidden";
            EmetChamp(e, 0, table);
        }
        for (size_t i = cle ? 1 : 0; i < ListeElements.size(); ++i) {
            if (ListeElements[i].Visible == "O") EmetChamp(e, i, ListeElements[i].PresentEnBase == "O" ? table : "");
            e.Ligne("echo \"<br>\\n\";");
        }
        if (!table.empty())
            e.Ligne("echo $F->ValidationParBouton(\"Ajouter\",\"action\");")
                .Ligne("echo $F->ValidationParBouton(\"Modifier\",\"action\");")
                .Ligne("echo $F->BoutonResetFormulaire();");
        for (size_t i = 0; i < ListeBoutons.size(); ++i) {
            const ElementBouton& bouton = ListeBoutons[i];
            const std::string& motCle = bouton.Type == "B" ? MotCleBouton : MotCleLien;
            const std::string libelle = Chaine(bouton.Libelle, motCle, OuBouton(i));
            e.Ligne("echo $F->ValidationPar" + std::string(bouton.Type == "B" ? "Bouton" : "Lien") + "(\"" + libelle +
                    "\",\"" + Chaine(bouton.Nom, motCle, OuBouton(i)) + "\");");
        }
        e.Ligne("echo $F->FormLienFin();");
        if (table.empty()) BoiteResultat(e);
        else BlocListe(e, table);
    });
    e.Ligne("?>");
    return e.Prends();
}

void MesForms::BlocListe(Emetteur& e, const std::string& table) const {
    const std::string objet = "$" + table + "->", cle = ChampCle(), ecrite = ChaineCle();
    const std::string valeurCle = "\"" + ecrite + "\"," + objet + cle + ");";
    struct Lien { std::string action, commentaire, quoi, avant; };
    const Lien liens[] = {
        {"Editer", "lancer l'edition du formulaire (recuperation donnees+mise dans les champs)", "une edition", ""},
        {"Effacer", "effacer l'enregistrement  dans la table", "un effacement", "<br>"}};
    for (const Lien& l : liens) {
        const std::string formulaire = "$" + l.action + "formlien";
        e.Ligne("// Creer un lien pour " + l.commentaire);
        e.Ligne(formulaire + "= new FormLien(\"POST\",\"\",\"" + l.action + "\");");
        Definit(formulaire.substr(1),
                Propre(Sorte::Objet, "apres le formulaire", ProprietesDuProgramme(Param.NomFichierAppuiForm)));
        e.Ligne("echo " + formulaire + "->AjouteChampHidden(\"action\",\"\");");
        e.Ligne("echo " + formulaire + "->AjouteChampHidden(\"" + ecrite + "\",\"\");");
        e.Ligne("echo " + formulaire + "->FormLienFin();");
    }
    // Des champs a leur valeur initiale filtreraient le parcours : vides, il rend toute la table.
    e.Ligne("// Champs vides : le parcours rend toutes les lignes de la table.");
    e.Ligne("foreach (array_keys(" + objet + "TabChamps) as " + objet + "ChampTri) " + objet + "{" + objet +
            "ChampTri}=\"\";");
    e.Ligne("// Determine le champ sur lequel le tri  doit \xC3\xAAtre fait et le sens + (asc) et - (desc)");
    e.Ligne(objet + "ChampTri=\"" + ecrite + "\";").Ligne(objet + "ChampTriSens=\"+\";").Ligne(objet + "Parcours();");
    e.Bloc("while (" + objet + "Next())\t{", [&] {
        e.Ligne("echo \"<hr>\\n\";").Ligne(objet + "AfficheVarClasse();");
        for (const Lien& l : liens) {
            const std::string formulaire = "echo $" + l.action + "formlien->";
            const std::string arguments = "\"" + l.action + "\",\"action\",\"" + l.action + "\"," + valeurCle;
            e.Ligne("echo \"" + l.avant + "Pour " + l.quoi + " de l'enregistrement par lien, cliquer sur : \";");
            e.Ligne(formulaire + "ValidationParLien2Champs(" + arguments);
            e.Ligne("echo \"<br>Pour " + l.quoi + " de l'enregistrement par bouton, cliquer sur le bouton : \";");
            e.Ligne(formulaire + "ValidationParBouton2Champs(\"" + l.action + "\"," + arguments);
        }
        e.Ligne(objet + "InitVariable();");
    });
}

// Les valeurs postees sont echappees avant d'etre montrees ; un element invisible n'a
// pas de variable, et un nom poste en tableau (x[]=...) ne doit pas arreter la page.
void MesForms::BoiteResultat(Emetteur& e) const {
    e.Ligne("echo \"<fieldset><legend>R&eacutesultat du formulaire : </legend>\";");
    for (size_t i = 0; i < ListeBoutons.size(); ++i) {
        const ElementBouton& bouton = ListeBoutons[i];
        const std::string nom = Chaine(bouton.Nom, bouton.Type == "B" ? MotCleBouton : MotCleLien, OuBouton(i), "=");
        e.Ligne("echo \"" + nom + "\".htmlspecialchars(print_r($" + bouton.Nom + " ?? \"\", true)).\"<br/>\";");
    }
    for (size_t i = 0; i < ListeElements.size(); ++i) {
        const std::string& champ = ListeElements[i].Champ;
        e.Ligne("echo \"" + Chaine(champ, MotCleChamp, static_cast<int>(i), "=") + "\".htmlspecialchars(print_r($" + champ +
                " ?? \"\", true)).\"<BR>\";");
    }
    e.Ligne("echo \"</fieldset>\";");
}

std::string MesForms::FaitChamp(int index, std::string table) {
    Emetteur e(1);
    EmetChamp(e, static_cast<size_t>(index), table);
    return e.Texte().substr(e.Tabulation.size(), e.Texte().size() - e.Tabulation.size() - e.FinDeLigne.size());
}

void MesForms::EmetChamp(Emetteur& e, size_t index, const std::string& table) {
    Element& element = ListeElements[index];
    // La valeur que montre le champ : celle de la ligne pour une colonne, sinon celle qui a ete
    // envoyee (une page de table ne fait pas de variable des champs hors de la table). La cle de
    // la page est une colonne, decrite ou non.
    const bool colonne = !table.empty() && (element.PresentEnBase == "O" || index == 0);
    const std::string valeur = colonne            ? "$" + table + "->" + element.Champ
                               : NomTable.empty() ? "$" + element.Champ
                                                  : ValeurPostee(element.Champ);
    // Le type, puis le genre d'un champ qui n'est pas cache, passent en majuscules dans l'element
    // meme, qui les garde ainsi.
    const std::string type = element.TypeHtml;
    if (Utiles::Majuscule(element.TypeHtml) == "HIDDEN") {
        e.Ligne("echo $F->AjouteChampHidden(\"" + Chaine(element.Champ, MotCleChamp, static_cast<int>(index)) + "\"," +
                (colonne ? valeur : "\"\"") + ");");
        return;
    }
    const std::string genre = Utiles::Majuscule(element.InputHtml);
    if (genre == "INPUT") ChampSaisie(e, index, table, type);
    else if (genre == "TEXTAREA") e.Ligne(ChampPave(index, table));
    else if (genre == "SELECT" || genre == "RADIO" || genre == "CHECKBOX") ChampValeurs(e, index, genre, valeur);
    else {
        const std::string erreur = "Le parametre INPUTHTML du champ " + element.Champ + " est inattendu";
        // Le releve du controle ecrit la page sans l'enregistrer : l'ecriture signalera l'erreur.
        if (!Releve) Param.AddErreur(erreur);
        e.Ligne(erreur).LigneVide();
    }
}

// ====================================================================
// Constructeurs de pages que rien n'appelle, vidages des enregistrements
// ====================================================================

namespace {

// Une ligne d'un bloc fixe : son retrait en tabulations et son texte ; un texte
// nul est une ligne vide.
struct LigneFixe {
    int retrait;
    const char* texte;
};

void EmetLignes(Emetteur& e, std::initializer_list<LigneFixe> lignes) {
    for (const LigneFixe& l : lignes) {
        if (!l.texte) {
            e.LigneVide();
            continue;
        }
        e.Retrait = l.retrait;
        e.Ligne(l.texte);
    }
}

// Les lignes des vidages : l'etiquette, ">", la valeur du champ, "<".
void EmetChamps(Emetteur& e, std::initializer_list<std::pair<const char*, std::string>> champs) {
    for (const auto& [etiquette, valeur] : champs) e.Ligne(std::string(etiquette) + ">" + valeur + "<");
}

const char* const Etoiles28 = "// ****************************";

}  // namespace

std::string MesForms::CreerFormulaireInsertion(std::string) {
    Emetteur e(1);
    EmetLignes(e, {{1, Etoiles28}, {1, "// Formulaire insertion donnees "}, {1, Etoiles28},
                   {1, "function FormInsertionDebut($nomformulaire,$page)\t{"},
                   {2, R"(if ($page=="") $page=$_SERVER['PHP_SELF'];)"},
                   {2, R"(return "<form name=\"$nomformulaire\" method=\"post\" action=\"$page\">";)"}, {1, "}"},
                   {0, nullptr}, {1, "function FormInsertionChamp($Nom,$Valeur)\t{"}});
    e.Retrait = 2;
    for (size_t i = 0; i < ListeChamps.size(); ++i) {
        const std::string& nom = ListeChamps[i].NomChamp;
        e.Ligne(std::string(i == 0 ? "" : "else") + "if ($Nom==\"" + nom + "\")\t{$champ=\"" + nom + "\";\t}");
    }
    EmetLignes(e, {{2, "else\t{"}, {3, R"(echo "Erreur FormInsertionChamp::Nom de champ inconnu";)"}, {2, "}"},
                   {2, R"(if ($Valeur!="") $r="<input name=\"$champ\" type=\"text\" value=\"$Valeur\">";)"},
                   {3, R"(else $r="<input name=\"$champ\" type=\"text\">";)"}, {2, "return $r;"}, {1, "}"},
                   {0, nullptr}, {1, "function FormInsertionElement($Type,$Nom,$Valeur,$Checked)\t{"},
                   {2, R"(if ($Valeur!="") $r="<input name=\"$Nom\" type=\"$Type\" value=\"$Valeur\" $Checked >";)"},
                   {3, R"(else $r="<input name=\"$Nom\" type=\"$Type\" $Checked >";)"}, {2, "return $r;"}, {1, "}"},
                   {0, nullptr}, {1, "function FormInsertionChampLongueur($Nom,$Valeur)\t{"}});
    e.Retrait = 2;
    for (const structTable& c : ListeChamps)
        e.Ligne("if ($Nom==\"" + c.NomChamp + "\")\t{\t$champ=\"" + c.NomChamp + "\";$longueur=\"" + c.Longueur +
                "\";\t}");
    EmetLignes(e, {{2, R"(return "<input name=\"$champ\" type=\"text\" value=\"$Valeur\" MAXLENGTH=\"$longueur\">";)"},
                   {1, "}"}, {0, nullptr}, {1, "function FormInsertionCommande($var,$valeur)\t{"},
                   {2, R"(return "<input name=\"$var\" type=\"hidden\" value=\"$valeur\">";)"}, {1, "}"}, {0, nullptr},
                   {1, "function FormInsertionBouton($nombouton)\t{"},
                   {2, R"(return "<input type=\"submit\" value=\"$nombouton\">";)"}, {1, "}"}, {0, nullptr},
                   {1, "function FormInsertionFin()\t{"}, {2, R"(return "</form>";)"}, {1, "}"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerFormAction(std::string) {
    Emetteur e(1);
    EmetLignes(e, {{1, "// ************************************"}, {1, "// Traitement selon retour formulaire"},
                   {1, "// ***********************************"}, {1, "function Traitement($action)\t{"},
                   {2, "if ($action==$Creation) this.Creation();"},
                   {2, "if ($action==$Modification) this.Modification();"},
                   {2, "if ($action==$Efface) this.Efface();"}, {1, "}"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerAffichageTableau(std::string) {
    Emetteur e(1);
    const char* const span = R"(if ($css!="") echo '<span class="'.$css.'">'.$texte[$i].'</span>';)";
    EmetLignes(e, {{1, Etoiles28}, {1, "// Gestion d'un tableau"}, {1, Etoiles28}, {1, "// Debut de Tableau"},
                   {1, "function TableauDebut($Ttexte,$LargeurTableau,$Pourcentage,$Css,$Border)\t{"},
                   {2, "if ($Pourcentage!=\"\")\t"}, {3, R"($d=explode(",",$Pourcentage);)"},
                   {2, R"(echo "<table width=\"$LargeurTableau\" border=\"$Border\">";)"},
                   {2, "if (count($Ttexte)!=0)\t{"}, {3, R"(echo "<tr>";)"}, {3, "if ($Pourcentage==\"\")\t"},
                   {5, R"(for($i=0;$i<count($Ttexte);$i++) echo '<td><span class="'.$Css.'">'.$Ttexte[$i].'</span></td>';)"},
                   {4, "else"},
                   {5, R"(for($i=0;$i<count($Ttexte);$i++) echo '<td width="'.$d[$i].'"><span class="'.$Css.'">'.$Ttexte[$i].'</span></td>';)"},
                   {3, R"(echo "</tr>";)"}, {2, "}"}, {1, "}"}, {0, nullptr},
                   {1, "// Contenus de Tableau "}, {1, "function TableauContenu($texte,$pourcentage,$css)\t{"},
                   {2, "if ($pourcentage!=\"\")\t"}, {3, R"($d=explode(",",$pourcentage);)"}, {2, R"(echo "<tr>";)"},
                   {2, "if ($pourcentage==\"\")\t{"}, {3, "for($i=0;$i<count($texte);$i++)\t{"}, {4, "echo '<td>';"},
                   {4, span}, {4, "else echo $texte[$i];"}, {4, "echo '</td>';"}, {3, "}"}, {2, "}\telse\t{"},
                   {3, "for($i=0;$i<count($texte);$i++)\t{"}, {4, R"(echo '<td width="'.$d[$i].'">';)"}, {4, span},
                   {4, "else echo $texte[$i];"}, {4, "echo '</td>';"}, {3, "}"}, {2, "}"}, {2, R"(echo "</tr>";)"},
                   {1, "}"}, {1, "// Fin de Tableau "}, {1, "function TableauFin()\t{"}, {2, R"(echo "</table>";)"},
                   {1, "}"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerFormVariable(const std::vector<Element>& liste, std::string nom) {
    Emetteur e(1);
    if (nom != "") e.Ligne("// Variable de classe " + nom + " Champs + Action.");
    e.Ligne("// Variable de la Form");
    for (const Element& element : liste) e.Ligne("public\t$" + element.Champ + ";");
    EmetLignes(e, {{1, "// Action CREATION,MODIFICATION,EFFACE"}, {1, "public\t$Ajouter=\"ajouter\";"},
                   {1, "public\t$Modification=\"modification\";"}, {1, "public\t$Efface=\"effacer\";"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerFormEntete(std::string form, std::string table) {
    Emetteur e(0);
    e.Ligne("<?php").Brut(Param.GenereListeInclude());
    e.Ligne("Require_once(\"inc/" + NomFichierConnexion + "\");").LigneVide();
    e.Ligne("// Formulaire decrit par : " + form);
    if (table != "") e.Ligne("// Utilisant la structure de la table : " + table);
    e.Ligne("// Fichier genere par " + Param.Banniere);
    e.Ligne("// Date de generation : " + Utiles::DateHeure("")).LigneVide();
    if (table != "")
        e.Ligne("// Pour utiliser ce fichier formulaire avec une table MySql, les fichiers suivants : ")
            .Ligne("// inc/CVCLass_" + table + ".php")
            .Ligne("// inc/" + Param.NomFichierAppuiForm)
            .Ligne("// ainsi que inc/" + NomFichierConnexion + ".")
            .Ligne("// ,seront copies automatiquement dans le repertoire de votre formulaire.");
    return e.LigneVide().Prends();
}

// Une position hors de la liste donne un texte vide plutot qu'une lecture hors limites.
std::string MesForms::AfficheListeDeChamps(unsigned int n) {
    if (n >= ListeChamps.size()) return "";
    const structTable& c = ListeChamps[n];
    Emetteur e(0);
    EmetChamps(e, {{"Liste Champ   = ", Param.ConvertIntToString(static_cast<int>(n))},
                   {"NomTable      = ", c.NomTable}, {"NomChamp      = ", c.NomChamp}, {"Longueur      = ", c.Longueur},
                   {"TypeSgbd      = ", c.TypeSgbd}, {"TypePhp       = ", c.TypePhp}, {"TypeHtml      = ", c.TypeHtml},
                   {"Index         = ", c.Index}, {"AutoIncrement = ", c.AutoIncrement},
                   {"Obligatoire   = ", c.Obligatoire == "O" ? "O" : "N"}, {"Commentaire   = ", c.Commentaire}});
    return e.Prends();
}

std::string MesForms::AfficheElementBouton(unsigned int n) {
    if (n >= ListeBoutons.size()) return "";
    const ElementBouton& b = ListeBoutons[n];
    Emetteur e(0);
    e.Ligne("----------------------------------")
        .Ligne("Liste Element BOUTON/LIEN =" + Param.ConvertIntToString(static_cast<int>(n)));
    EmetChamps(e, {{"Type ELement              = ", b.Type}, {"Nom Element               = ", b.Nom},
                   {"Libelle                   = ", b.Libelle}});
    return e.Prends();
}

std::string MesForms::AfficheElement(unsigned int n) {
    if (n >= ListeElements.size()) return "";
    const Element& el = ListeElements[n];
    Emetteur e(0);
    e.Ligne("---------- Fichier ---").Ligne("Liste Element numero =" + Param.ConvertIntToString(static_cast<int>(n)));
    EmetChamps(e, {{"Champ      = ", el.Champ}, {"Libelle    = ", el.Libelle}});
    e.Ligne("Element    = >" + el.Element + "< Nb=" + Param.ConvertIntToString(static_cast<int>(el.ListeValeurs.size())));
    for (const FElement& v : el.ListeValeurs)
        EmetChamps(e, {{"\tValeur = ", v.Valeur}, {"\tDonnees= ", v.Donnees}, {"\tDefaut = ", v.Defaut}});
    EmetChamps(e, {{"TypeHtml   = ", el.TypeHtml}, {"TypePhp    = ", el.TypePhp}, {"TypeSgbd   = ", el.TypeSgbd},
                   {"Longueur   = ", el.Longueur}, {"Obligatoire= ", el.Obligatoire}, {"Grise      = ", el.Grise},
                   {"Autofocus  = ", el.Autofocus}, {"ControleJS = ", el.ControleJS}, {"Visible    = ", el.Visible},
                   {"Index      = ", el.Index}});
    return e.Prends();
}
