<!doctype html>
<HTML lang="fr">
<HEAD>
<title>Formulaire : boutons.form</title>
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
	if (isset($_POST['envoyer'])) $envoyer=$_POST['envoyer'];	else	$envoyer="";
	if (isset($_POST['annuler'])) $annuler=$_POST['annuler'];	else	$annuler="";
?>
corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL<br>Formulaire g&eacute;n&eacute;r&eacute; par le fichier descriptif : boutons.form 
.<br>
<?php
	require_once("CVForm.php");
	echo "<br>";
	// Creer un formulaire avec valeur des champs defin par le fichier descriptif.
	$F = new FormLien("POST","","Formulaire_");
	echo $F->Cadre("Formulaire ".htmlentities("boutons.form"));
	echo $F->ValidationParBouton("Envoyer","envoyer");
	echo $F->ValidationParLien("Annuler","annuler");
	echo $F->FormLienFin();
	echo "<fieldset><legend>R&eacutesultat du formulaire : </legend>";
	echo "envoyer=".htmlspecialchars(print_r($envoyer ?? "", true))."<br/>";
	echo "annuler=".htmlspecialchars(print_r($annuler ?? "", true))."<br/>";
	echo "</fieldset>";
?>
</BODY>
</HTML>
