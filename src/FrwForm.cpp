#include "FrwForm.h"

#include <initializer_list>
#include <utility>

#include "classe_fichier.h"
#include "Utiles.h"

MesForms::MesForms(Parametrage& param) : FinDeLigne("\n"), Param(param), SeparateurValeurs(",") {
    NomFichierConnexion = Param.DeCrypt(BrouilleFichierConnexion, Param.Cle);
}

MesForms::~MesForms() {}

// ====================================================================
// Lecture de la description et controle contre la base
// ====================================================================

std::string MesForms::ChargeFichierConfigFormulaire(std::string nomFichier) {
    Param.NbErreurs = 0;
    Param.NbAnomalies = 0;
    Fichier fichier;
    std::vector<std::string> lignes;
    std::string echec = fichier.LisFichier(nomFichier, lignes);
    if (!echec.empty()) {
        Param.AddErreur(echec);
        Param.Log(echec, Parametrage::LogEcranEtFichier);
        return echec;
    }
    return "";
}

// ====================================================================
// Ecriture de la page et des copies
// ====================================================================

std::string MesForms::ConstruireFichierFormulaireDescriptif() {
    Param.initErreur();
    return "";
}

std::string MesForms::Creation_RecupChampsPhp(std::string) { return ""; }
std::string MesForms::Creation_TraitementPhp(std::string) { return ""; }
std::string MesForms::FaitFormulaire(std::string) { return ""; }
std::string MesForms::FaitChamp(int, std::string) { return ""; }

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
    Emetteur e(1, Param.Tab(), FinDeLigne);
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
    Emetteur e(1, Param.Tab(), FinDeLigne);
    EmetLignes(e, {{1, "// ************************************"}, {1, "// Traitement selon retour formulaire"},
                   {1, "// ***********************************"}, {1, "function Traitement($action)\t{"},
                   {2, "if ($action==$Creation) this.Creation();"},
                   {2, "if ($action==$Modification) this.Modification();"},
                   {2, "if ($action==$Efface) this.Efface();"}, {1, "}"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerAffichageTableau(std::string) {
    Emetteur e(1, Param.Tab(), FinDeLigne);
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
    Emetteur e(1, Param.Tab(), FinDeLigne);
    if (nom != "") e.Ligne("// Variable de classe " + nom + " Champs + Action.");
    e.Ligne("// Variable de la Form");
    for (const Element& element : liste) e.Ligne("public\t$" + element.Champ + ";");
    EmetLignes(e, {{1, "// Action CREATION,MODIFICATION,EFFACE"}, {1, "public\t$Ajouter=\"ajouter\";"},
                   {1, "public\t$Modification=\"modification\";"}, {1, "public\t$Efface=\"effacer\";"}, {0, nullptr}});
    return e.Prends();
}

std::string MesForms::CreerFormEntete(std::string form, std::string table) {
    Emetteur e(0, Param.Tab(), FinDeLigne);
    e.Ligne("<?php").Brut(Param.GenereListeInclude());
    e.Ligne("Require_once(\"inc/" + NomFichierConnexion + "\");").LigneVide();
    e.Ligne("// Formulaire decrit par : " + form);
    if (table != "") e.Ligne("// Utilisant la structure de la table : " + table);
    e.Ligne("// Fichier genere par " + Param.Banniere);
    e.Ligne("// Date de generation : " + Utiles::DateHeure("")).LigneVide();
    if (table != "")
        e.Ligne("// Pour utiliser ce fichier formulaire avec une table MySql, les fichiers suivants : ")
            .Ligne("// inc/CVCLass_" + table + ".php")
            .Ligne("// inc/CVForm.php")
            .Ligne("// ainsi que inc/" + NomFichierConnexion + ".")
            .Ligne("// ,seront copies automatiquement dans le repertoire de votre formulaire.");
    return e.LigneVide().Prends();
}

// Une position hors de la liste donne un texte vide plutot qu'une lecture hors limites.
std::string MesForms::AfficheListeDeChamps(unsigned int n) {
    if (n >= ListeChamps.size()) return "";
    const structTable& c = ListeChamps[n];
    Emetteur e(0, Param.Tab(), FinDeLigne);
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
    Emetteur e(0, Param.Tab(), FinDeLigne);
    e.Ligne("----------------------------------")
        .Ligne("Liste Element BOUTON/LIEN =" + Param.ConvertIntToString(static_cast<int>(n)));
    EmetChamps(e, {{"Type ELement              = ", b.Type}, {"Nom Element               = ", b.Nom},
                   {"Libelle                   = ", b.Libelle}});
    return e.Prends();
}

std::string MesForms::AfficheElement(unsigned int n) {
    if (n >= ListeElements.size()) return "";
    const Element& el = ListeElements[n];
    Emetteur e(0, Param.Tab(), FinDeLigne);
    e.Ligne("---------- Fichier ---").Ligne("Liste Element numero =" + Param.ConvertIntToString(static_cast<int>(n)));
    EmetChamps(e, {{"Champ      = ", el.Champ}, {"Libelle    = ", el.Libelle}});
    e.Ligne("Element    = >" + el.Element_ + "< Nb=" + Param.ConvertIntToString(static_cast<int>(el.ListeValeurs.size())));
    for (const FElement& v : el.ListeValeurs)
        EmetChamps(e, {{"\tValeur = ", v.Valeur}, {"\tDonnees= ", v.Donnees}, {"\tDefaut = ", v.Defaut}});
    EmetChamps(e, {{"TypeHtml   = ", el.TypeHtml}, {"TypePhp    = ", el.TypePhp}, {"TypeSgbd   = ", el.TypeSgbd},
                   {"Longueur   = ", el.Longueur}, {"Obligatoire= ", el.Obligatoire}, {"Grise      = ", el.Grise},
                   {"Autofocus  = ", el.Autofocus}, {"ControleJS = ", el.ControleJS}, {"Visible    = ", el.Visible},
                   {"Index      = ", el.Index}});
    return e.Prends();
}
