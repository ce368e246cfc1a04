<?php
	Require_once("inc/a.php");
	Require_once("b.php");
// Classe : client
// Fichier généré par corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL
// Date de generation : <DATE> <HEURE>

class client_FORM	{

	// Variable de classe client Champs + Action.
	// Variable de la Form
	public	$id;
	public	$nom;
	// Action CREATION,MODIFICATION,EFFACE
	public	$Creation="CREATION";
	public	$Modification="MODIFICATION";
	public	$Efface="EFFACE";

	// Type de formulaire
	public	$TypeText="text";
	public	$TypePassword="password";
	public	$TypeFile="file";
	public	$TypeImage="image";
	public	$TypeHidden="hidden";
	// Variable interne.
	public	$NomFormulaire="";
}
