<!doctype html>
<HTML lang="fr">
<HEAD>
<title>Formulaire Table : produit</title>
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
corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL<br>Formulaire g&eacute;n&eacute;r&eacute; par le fichier descriptif : pages/produit.form 
 et sur le descriptif de la table : produit.<br>
<?php
	require_once("CVForm.php");
	require_once("CVClass__connexion.php");
	$MaConnexion = new SGBDConnexion("localhost","corvalite","corvalite","<BASE>");
	$Connexion = $MaConnexion->Connexion();
	require_once("CVClass_produit.php");
	$produit = new produit();
	// L'envoi tel que la base le garde : clés et valeurs montrées exactes, cases d'un SET jointes.
	$_POST=FormLien::Recoit($_POST,"id",$action);
	$produit->Form2Variable();

	// Les actions en fonction du type de bouton préssé
	if ($action=="Editer") {
		$produit->Cherche_id($produit->id ?? null);
		if ($produit->NbReponse==0)	{
			echo "Enregistrement non trouvé<br>";
			exit;
		}
	}
	if ($action=="Ajouter") {
		// Les colonnes que la page ne laisse pas changer prennent leur défaut, quoi que la demande envoie.
		SGBDConnexion::Defauts($produit,array("cree"));
		$retour=$produit->Insertion();
		if ($retour)	{
			echo "<strong>Pb insertion : $retour</strong><br>";
		} else    {
			echo "Ajouter Ok.<br>";
		}
	}
	if ($action=="Modifier") {
		// Les colonnes que la page ne laisse pas changer, que la demande n'envoie pas, ou renvoie telles
		// que la page les a montrées, ne sont pas écrites : elles gardent la valeur de la ligne.
		// La ligne est celle que la page a chargée : une clé tapée autrement la renomme.
		$retour=SGBDConnexion::LigneTrouvee($produit->Maj_ALL(SGBDConnexion::GardeColonnes($produit,array("cree"),FormLien::Modifies($_POST)),FormLien::CleChargee($_POST)));
		if ($retour)	{
			echo "<strong>Pb Modification : $retour</strong><br>";
		} else    {
			echo "Modification Ok.<br>";
		}
	}
	if ($action=="Effacer") {
		$retour=SGBDConnexion::LigneTrouvee($produit->EffaceAvecIndex_id());
		if ($retour)	{
			echo "<strong>Pb Effacement : $retour</strong><br>";
		} else    {
			echo "Effacement Ok.<br>";
		}
	}
	// Après un ajout ou une modification réussis, la ligne est relue telle que la base la garde
	// (clé, défauts et valeurs posées par le serveur compris) ; après un effacement, plus rien.
	if (($action=="Ajouter" or $action=="Modifier") and !$retour) $produit->Cherche_id($produit->id ?? null);
	if ($action=="Effacer" and !$retour) $_POST=array();
	// Les champs montrent la ligne lue telle quelle, sinon ce qui a été envoyé.
	FormLien::Montre($produit,$_POST);
	echo "<br>";
	// Creer un formulaire avec passage de clé technique pour edition, effacement, modification.
	$F = new FormLien("POST","","Formulaire_produit");
	echo $F->AjouteCleChargee($produit,"id",$_POST);
	echo $F->Cadre("Table produit");
	if (isset($produit->id)) $valeur=$produit->id;	else $valeur="";
	echo $F->AjouteChampInput("INPUT",$produit->TabChamps['id'],$produit->Libelle_id." : ","TEXT",$valeur,"","","","N","N","N",""); // Champ dans la table.
	echo "<br>\n";
	if (isset($produit->nom)) $valeur=$produit->nom;	else $valeur="";
	echo $F->AjouteChampInput("INPUT",$produit->TabChamps['nom'],$produit->Libelle_nom." : ","TEXT",$valeur,"","30","30","O","N","O",""); // Champ dans la table.
	echo "<br>\n";
	$F->ValeurDuGroupe($produit->prix,array("1.50","2.00"));
	echo $F->FormSelectDebut("prix","1","N","N");
	echo $F->FormSelectOption("1.50","Normal","N");
	echo $F->FormSelectOption("2.00","Majore","O");
	echo $F->FormSelectFin();

	echo "<br>\n";
	echo $F->AjoutePave($produit->TabChamps['note'],"Détails \"notés\" \\ \$x : ",$produit->note,"","","4","50","","N","N","N");
	echo "<br>\n";
	echo "<br>\n";
	echo $F->ValidationParBouton("Ajouter","action");
	echo $F->ValidationParBouton("Modifier","action");
	echo $F->BoutonResetFormulaire();
	echo $F->ValidationParBouton("Tout effacer","vider");
	echo $F->FormLienFin();
	// Creer un lien pour lancer l'edition du formulaire (recuperation donnees+mise dans les champs)
	$Editerformlien= new FormLien("POST","","Editer");
	echo $Editerformlien->AjouteChampHidden("action","");
	echo $Editerformlien->AjouteChampHidden("id","");
	echo $Editerformlien->FormLienFin();
	// Creer un lien pour effacer l'enregistrement  dans la table
	$Effacerformlien= new FormLien("POST","","Effacer");
	echo $Effacerformlien->AjouteChampHidden("action","");
	echo $Effacerformlien->AjouteChampHidden("id","");
	echo $Effacerformlien->FormLienFin();
	// Champs vides : le parcours rend toutes les lignes de la table.
	foreach (array_keys($produit->TabChamps) as $produit->ChampTri) $produit->{$produit->ChampTri}="";
	// Determine le champ sur lequel le tri  doit être fait et le sens + (asc) et - (desc)
	$produit->ChampTri="id";
	$produit->ChampTriSens="+";
	$produit->Parcours();
	while ($produit->Next())	{
		echo "<hr>\n";
		$produit->AfficheVarClasse();
		echo "Pour une edition de l'enregistrement par lien, cliquer sur : ";
		echo $Editerformlien->ValidationParLien2Champs("Editer","action","Editer","id",$produit->id);
		echo "<br>Pour une edition de l'enregistrement par bouton, cliquer sur le bouton : ";
		echo $Editerformlien->ValidationParBouton2Champs("Editer","Editer","action","Editer","id",$produit->id);
		echo "<br>Pour un effacement de l'enregistrement par lien, cliquer sur : ";
		echo $Effacerformlien->ValidationParLien2Champs("Effacer","action","Effacer","id",$produit->id);
		echo "<br>Pour un effacement de l'enregistrement par bouton, cliquer sur le bouton : ";
		echo $Effacerformlien->ValidationParBouton2Champs("Effacer","Effacer","action","Effacer","id",$produit->id);
		$produit->InitVariable();
	}
?>
</BODY>
</HTML>
