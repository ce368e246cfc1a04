<?php
// La classe FormLien des pages de formulaire : le HTML de chaque methode (noms, paires
// postees par les clics, drapeaux, echappement) compare a tests/attendu/formlien.html ;
// la valeur piegee n'en sort jamais active.
require __DIR__ . '/verifie.php';
require __DIR__ . '/../../support/CVForm.php';

const MAL = '"><script>alert(1)</script>';
$F = new FormLien("POST", "", "Formulaire_t");
$E = new FormLien("POST", "", "Editer");
$html = array(
	'hidden ouvre le formulaire' => $F->AjouteChampHidden("id", MAL),
	'hidden du meme nom : le premier garde sa valeur' => $F->AjouteChampHidden("id", ""),
	'cadre' => $F->Cadre("Table <b>t</b>"),
	'input et ses drapeaux, libelle Latin-1' =>
		$F->AjouteChampInput("INPUT", "nom", "Cr\xE9ation : ", "TEXT", MAL, 'data-x="1"', "80", "80", "O", "O", "O", 'placeholder="p"'),
	'input aux arguments nuls' => $F->AjouteChampInput(null, null, null, null, null, null, null, null, null, null, null, null),
	'zone de texte : options en attributs' => $F->AjoutePave("note", "Note : ", MAL . "\n", 'cols="9"', "200", 'rows="3"', "", "", "O", "N", "N"),
	'zone de texte : lignes et colonnes en chiffres' => $F->AjoutePave("note", "", null, "", "", "6", "60", 'wrap="off"', "N", "N", "N"),
	'liste sans valeur : le choix par defaut' => $F->FormSelectDebut("ville", "1", "O", "N") . $F->FormSelectOption("P", "Paris", "N") .
		$F->FormSelectOption(MAL, "Lyon", "O") . $F->FormSelectFin(),
	'liste : la valeur de la ligne plutot que le defaut' => groupe($F, "SELECT", "P", array("P" => "N", "L" => "O")),
	'liste : une valeur non offerte est ajoutee, choisie' => groupe($F, "SELECT", MAL, array("P" => "O")),
	'cases : valeur vide, le defaut ; une case decochee envoie ""' => groupe($F, "CHECKBOX", "", array("a" => "O", "b" => "N")),
	'radios : la valeur de la ligne' => groupe($F, "RADIO", "b", array("a" => "O", "b" => "N")),
	'le groupe suivant ne garde pas la valeur' => $F->FormXBoxInit("RADIO", "r") . $F->FormXBox("a", "A", "O") . $F->FormXBox("b", "B", "N"),
	'bouton : nom=libelle' => $F->ValidationParBouton("Ajouter", MAL),
	'bouton vider' => $F->BoutonResetFormulaire(),
	'lien : formulaire vise puis paire' => $F->ValidationParLien("Par <i>lien</i>", MAL),
	'fin du formulaire et du cadre, puis plus rien' => $F->FormLienFin() . $F->FormLienFin() . $F->FormLienFin(),
	'formulaire des liens' => $E->AjouteChampHidden("action", "") . $E->AjouteChampHidden("id", "") . $E->FormLienFin(),
	'deux champs' => $E->ValidationParLien2Champs("Editer", "action", "Editer", "id", MAL) .
		$E->ValidationParBouton2Champs("Effacer", "Autre", "action", "Effacer", "id", null) .
		$E->ValidationParBouton2Champs("Effacer", "", "action", "Effacer", "id", 7),
);
// Un groupe precede de sa valeur, comme la page l'ecrit : $offertes donne chaque valeur et son drapeau par defaut.
function groupe($F, $genre, $valeur, $offertes) {
	$F->ValeurDuGroupe($valeur, array_keys($offertes));
	$html = $genre == "SELECT" ? $F->FormSelectDebut("g", "1", "N", "N") : $F->FormXBoxInit($genre, "g");
	foreach ($offertes as $v => $defaut)
		$html .= $genre == "SELECT" ? $F->FormSelectOption($v, "texte $v", $defaut) : $F->FormXBox($v, "texte $v", $defaut);
	return $html . ($genre == "SELECT" ? $F->FormSelectFin() : "");
}

$texte = '';
foreach ($html as $nom => $h) $texte .= "== $nom\n$h\n";
verifie('HTML', $texte, file_get_contents(__DIR__ . '/../attendu/formlien.html'));
verifie('valeur piegee inerte', array(substr_count($texte, '<script>'), preg_match('//u', $texte)), array(0, 1));

bilan();
