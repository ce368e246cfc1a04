<!doctype html>
<HTML lang="fr">
<HEAD>
<title>Formulaire Table : clients</title>
<meta http-equiv="Content-Type" content="text/html; charset=UTF-8">
<script>function clearForm(form) { "use strict"; var champs = form.elements, champ, genre, options, i, j; for (i = 0; i < champs.length; i++) { champ = champs[i]; genre = (champ.type || "").toLowerCase(); 
// Ne pas changer les valeurs de submit, reset & buttons
if (genre == "submit" || genre == "reset" || genre == "button") continue; if (champ.tagName.toLowerCase() == "select") { options = champ.options; for (j = 0; j < options.length; j++) options[j].defaultSelected = false; } else if (genre == "checkbox" || genre == "radio") { champ.defaultChecked = false; } else if ("defaultValue" in champ) { champ.defaultValue = ""; } } // Maintenant on reinit.
form.reset(); return false; }</script></HEAD>
<BODY>
<?php
	// Un champ envoyé en tableau (nom[]=...) n'est pas une valeur : rien de la demande n'est fait.
	if (array_filter($_POST, "is_string")!==$_POST)	{
		echo "Demande refusée : un champ est envoyé en tableau.<br>";
		$_POST=array();
	}
	// Variable du formulaire.
	if (isset($_POST['action'])) $action=$_POST['action'];	else	$action="";
?>
corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL<br>Formulaire g&eacute;n&eacute;r&eacute; par le fichier descriptif : p.form 
 et sur le descriptif de la table : clients.<br>
<?php
	require_once("CVForm.php");
	require_once("CVClass__connexion.php");
	$MaConnexion = new SGBDConnexion("localhost","corvalite","corvalite","<BASE>");
	$Connexion = $MaConnexion->Connexion();
	require_once("CVClass_clients.php");
	$clients = new clients();
	$clients->Form2Variable();

	// Les actions en fonction du type de bouton préssé
	if ($action=="Editer") {
		$clients->Cherche_civilite($clients->civilite ?? null);
		if ($clients->NbReponse==0)	{
			echo "Enregistrement non trouvé<br>";
			exit;
		}
	}
	if ($action=="Ajouter") {
		$retour=$clients->Insertion();
		if ($retour)	{
			echo "<strong>Pb insertion : $retour</strong><br>";
		} else    {
			echo "Ajouter Ok.<br>";
		}
	}
	if ($action=="Modifier") {
		// Les colonnes que la page ne laisse pas changer, ou que la demande n'envoie pas, gardent la valeur de la ligne.
		SGBDConnexion::GardeColonnes($clients,"civilite",array(),$_POST);
		$retour=$clients->Maj_ALL();
		if ($retour)	{
			echo "<strong>Pb Modification : $retour</strong><br>";
		} else    {
			echo "Modification Ok.<br>";
		}
	}
	if ($action=="Effacer") {
		$retour=$clients->EffaceAvecIndex_civilite();
		if ($retour)	{
			echo "<strong>Pb Effacement : $retour</strong><br>";
		} else    {
			echo "Effacement Ok.<br>";
		}
	}
	// Après un ajout ou une modification réussis, la ligne est relue telle que la base la garde
	// (clé, défauts et valeurs posées par le serveur compris) ; après un effacement, plus rien.
	if (($action=="Ajouter" or $action=="Modifier") and !$retour) $clients->Cherche_civilite($clients->civilite ?? null);
	if ($action=="Effacer" and !$retour) $_POST=array();
	// Les champs montrent la ligne lue telle quelle, sinon ce qui a été envoyé.
	FormLien::Montre($clients,$_POST);
	echo "<br>";
	// Creer un formulaire avec passage de clé technique pour edition, effacement, modification.
	$F = new FormLien("POST","","Formulaire_clients");
	if (isset($clients->civilite))    echo $F->AjouteChampHidden("civilite",$clients->civilite);
	echo $F->Cadre("Table clients");
	$F->ValeurDuGroupe($clients->civilite,array("M","Mme"));
	echo $F->FormXBoxInit("RADIO","civilite");
	echo $F->FormXBox("M","Monsieur","O");
	echo $F->FormXBox("Mme","Madame","N");

	echo "<br>\n";
	echo $F->ValidationParBouton("Ajouter","action");
	echo $F->ValidationParBouton("Modifier","action");
	echo $F->BoutonResetFormulaire();
	echo $F->ValidationParBouton("Enregistrer","Ajouter");
	echo $F->FormLienFin();
	// Creer un lien pour lancer l'edition du formulaire (recuperation donnees+mise dans les champs)
	$Editerformlien= new FormLien("POST","","Editer");
	echo $Editerformlien->AjouteChampHidden("action","");
	echo $Editerformlien->AjouteChampHidden("civilite","");
	echo $Editerformlien->FormLienFin();
	// Creer un lien pour effacer l'enregistrement  dans la table
	$Effacerformlien= new FormLien("POST","","Effacer");
	echo $Effacerformlien->AjouteChampHidden("action","");
	echo $Effacerformlien->AjouteChampHidden("civilite","");
	echo $Effacerformlien->FormLienFin();
	// Champs vides : le parcours rend toutes les lignes de la table.
	foreach (array_keys($clients->TabChamps) as $clients->ChampTri) $clients->{$clients->ChampTri}="";
	// Determine le champ sur lequel le tri  doit être fait et le sens + (asc) et - (desc)
	$clients->ChampTri="civilite";
	$clients->ChampTriSens="+";
	$clients->Parcours();
	while ($clients->Next())	{
		echo "<hr>\n";
		$clients->AfficheVarClasse();
		echo "Pour une edition de l'enregistrement par lien, cliquer sur : ";
		echo $Editerformlien->ValidationParLien2Champs("Editer","action","Editer","civilite",$clients->civilite);
		echo "<br>Pour une edition de l'enregistrement par bouton, cliquer sur le bouton : ";
		echo $Editerformlien->ValidationParBouton2Champs("Editer","Editer","action","Editer","civilite",$clients->civilite);
		echo "<br>Pour un effacement de l'enregistrement par lien, cliquer sur : ";
		echo $Effacerformlien->ValidationParLien2Champs("Effacer","action","Effacer","civilite",$clients->civilite);
		echo "<br>Pour un effacement de l'enregistrement par bouton, cliquer sur le bouton : ";
		echo $Effacerformlien->ValidationParBouton2Champs("Effacer","Effacer","action","Effacer","civilite",$clients->civilite);
		$clients->InitVariable();
	}
?>
</BODY>
</HTML>
