<!doctype html>
<HTML lang="fr">
<HEAD>
<title>Formulaire : pages\tout.form</title>
<meta http-equiv="Content-Type" content="text/html; charset=UTF-8">
<script>function clearForm(form) { "use strict"; var champs = form.elements, champ, genre, options, i, j; for (i = 0; i < champs.length; i++) { champ = champs[i]; genre = (champ.type || "").toLowerCase(); 
// Ne pas changer les valeurs de submit, reset & buttons
if (genre == "submit" || genre == "reset" || genre == "button") continue; if (champ.tagName.toLowerCase() == "select") { options = champ.options; for (j = 0; j < options.length; j++) options[j].defaultSelected = false; } else if (genre == "checkbox" || genre == "radio") { champ.defaultChecked = false; } else if ("defaultValue" in champ) { champ.defaultValue = ""; } } // Maintenant on reinit.
form.reset(); return false; }</script></HEAD>
<BODY>
<?php
	// Une demande dont PHP n'a gardé qu'une partie des champs (max_input_vars) n'est pas lue : rien n'en est fait.
	if ($_POST && strpos(error_get_last()["message"] ?? "","Input variables exceeded")!==false)	{
		echo "<strong>Pb Envoi : la demande dépasse la limite max_input_vars de PHP (".htmlspecialchars(ini_get("max_input_vars"))." champs) : rien n'a été fait.</strong><br>";
		$_POST=array();
	}
	// Un champ envoyé en tableau (nom[]=...) n'est pas une valeur : rien de la demande n'est fait.
	if (array_filter($_POST, "is_string")!==$_POST)	{
		echo "Demande refusée : un champ est envoyé en tableau.<br>";
		$_POST=array();
	}
	// Variable du formulaire.
	if (isset($_POST['Envoyer'])) $Envoyer=$_POST['Envoyer'];	else	$Envoyer="";
	if (isset($_POST['retour'])) $retour=$_POST['retour'];	else	$retour="";
	if (isset($_POST['nom'])) $nom=$_POST['nom'];	else	$nom="";
	if (isset($_POST['x'])) $x=$_POST['x'];	else	$x="";
	if (isset($_POST['code'])) $code=$_POST['code'];	else	$code="";
	if (isset($_POST['remarque'])) $remarque=$_POST['remarque'];	else	$remarque="";
	if (isset($_POST['avis'])) $avis=$_POST['avis'];	else	$avis="";
	if (isset($_POST['pays'])) $pays=$_POST['pays'];	else	$pays="";
	if (isset($_POST['civilite'])) $civilite=$_POST['civilite'];	else	$civilite="";
	if (isset($_POST['options'])) $options=$_POST['options'];	else	$options="";
	if (isset($_POST['jeton'])) $jeton=$_POST['jeton'];	else	$jeton="";
?>
corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL<br>Formulaire g&eacute;n&eacute;r&eacute; par le fichier descriptif : pages\tout.form 
.<br>
<?php
	require_once("CVForm.php");
	echo "<br>";
	// Creer un formulaire avec valeur des champs defin par le fichier descriptif.
	$F = new FormLien("POST","","Formulaire_");
	echo $F->Cadre("Formulaire ".htmlentities("pages\\tout.form"));
	if (isset($nom)) $valeur=$nom;	else $valeur="";
	echo $F->AjouteChampInput("INPUT","nom","Nom : ","","Dupont","size=40","40","40","O","N","O","placeholder"); // 
	echo "<br>\n";
	if (isset($x)) $valeur=$x;	else $valeur="";
	echo $F->AjouteChampInput("INPUT","x","x : ","",($_POST['x'] ?? ""),"","","","N","N","N",""); // 
	echo "<br>\n";
	if (isset($code)) $valeur=$code;	else $valeur="";
	echo $F->AjouteChampInput("INPUT","code","code : ","",($_POST['code'] ?? ""),"","00","00","N","O","N",""); // 
	echo "<br>\n";
	echo $F->AjoutePave("remarque","Remarque : ",($_POST['remarque'] ?? ""),"","","5","60","wrap","N","N","N");
	echo "<br>\n";
	echo $F->AjoutePave("avis","",($_POST['avis'] ?? ""),"","200","","","","N","N","N");
	echo "<br>\n";
	$F->ValeurDuGroupe($pays,array("fr","be"));
	echo $F->FormSelectDebut("pays","1","N","N");
	echo $F->FormSelectOption("fr","France","N");
	echo $F->FormSelectOption("be","Belgique","O");
	echo $F->FormSelectFin();

	echo "<br>\n";
	$F->ValeurDuGroupe($civilite,array("M","Mme"));
	echo $F->FormXBoxInit("RADIO","civilite");
	echo $F->FormXBox("M","Monsieur","O");
	echo $F->FormXBox("Mme","Madame","N");

	echo "<br>\n";
	$F->ValeurDuGroupe($options,array("a"));
	echo $F->FormXBoxInit("CHECKBOX","options");
	echo $F->FormXBox("a","Option A","N");

	echo "<br>\n";
	echo $F->AjouteChampHidden("jeton","");
	echo "<br>\n";
	echo "<br>\n";
	echo $F->ValidationParBouton("Envoyer","Envoyer");
	echo $F->ValidationParLien("Retour","retour");
	echo $F->FormLienFin();
	echo "<fieldset><legend>R&eacutesultat du formulaire : </legend>";
	echo "Envoyer=".htmlspecialchars(print_r($Envoyer ?? "", true))."<br/>";
	echo "retour=".htmlspecialchars(print_r($retour ?? "", true))."<br/>";
	echo "nom=".htmlspecialchars(print_r($nom ?? "", true))."<BR>";
	echo "x=".htmlspecialchars(print_r($x ?? "", true))."<BR>";
	echo "code=".htmlspecialchars(print_r($code ?? "", true))."<BR>";
	echo "remarque=".htmlspecialchars(print_r($remarque ?? "", true))."<BR>";
	echo "avis=".htmlspecialchars(print_r($avis ?? "", true))."<BR>";
	echo "pays=".htmlspecialchars(print_r($pays ?? "", true))."<BR>";
	echo "civilite=".htmlspecialchars(print_r($civilite ?? "", true))."<BR>";
	echo "options=".htmlspecialchars(print_r($options ?? "", true))."<BR>";
	echo "jeton=".htmlspecialchars(print_r($jeton ?? "", true))."<BR>";
	echo "cache=".htmlspecialchars(print_r($cache ?? "", true))."<BR>";
	echo "</fieldset>";
?>
</BODY>
</HTML>
