<?php
// La classe FormLien des pages de formulaire : noms, paires postees, drapeaux et
// echappement de chaque methode, relus dans le HTML rendu.
require __DIR__ . '/verifie.php';
require __DIR__ . '/../../support/CVForm.php';

const MAL = '"><script>alert(1)</script>';

// Les balises du HTML, chacune avec ses attributs decodes ; "texte" : ce qui suit
// la balise jusqu'a la suivante.
function balises($html) {
	preg_match_all('/<([a-z]+)((?:\s+[a-z-]+(?:="[^"]*")?)*)\s*>([^<]*)/', $html, $m, PREG_SET_ORDER);
	$balises = array();
	foreach ($m as $b) {
		preg_match_all('/([a-z-]+)(?:="([^"]*)")?/', $b[2], $a, PREG_SET_ORDER);
		$attributs = array('balise' => $b[1]);
		foreach ($a as $x) $attributs[$x[1]] = html_entity_decode($x[2] ?? '', ENT_QUOTES | ENT_HTML5, 'UTF-8');
		if (trim($b[3]) !== '') $attributs['texte'] = html_entity_decode($b[3], ENT_QUOTES | ENT_HTML5, 'UTF-8');
		$balises[] = $attributs;
	}
	return $balises;
}

// Les textes JavaScript d'un onclick, dans l'ordre : ce que le clic poste.
function textes_js($onclick) {
	preg_match_all('/"(?:[^"\\\\]|\\\\.)*"/', $onclick, $m);
	return array_map('json_decode', $m[0]);
}

$F = new FormLien("POST", "", "Formulaire_t");
$E = new FormLien("POST", "", "Editer");
// Chaque cas : l'appel, puis les balises attendues (dans l'ordre).
$cas = array(
	'hidden ouvre le formulaire' => array($F->AjouteChampHidden("id", MAL), array(
		array('balise' => 'form', 'name' => 'Formulaire_t', 'method' => 'post'),
		array('balise' => 'input', 'type' => 'hidden', 'name' => 'id', 'value' => MAL))),
	'hidden du meme nom : le premier garde sa valeur' => array($F->AjouteChampHidden("id", ""), array()),
	'cadre' => array($F->Cadre("Table <b>t</b>"), array(
		array('balise' => 'fieldset'), array('balise' => 'legend', 'texte' => 'Table '), array('balise' => 'b', 'texte' => 't'))),
	'input et ses drapeaux, libelle Latin-1' => array(
		$F->AjouteChampInput("INPUT", "nom", "Cr\xE9ation : ", "TEXT", MAL, 'data-x="1"', "80", "80", "O", "O", "O", 'placeholder="p"'),
		array(array('balise' => 'label', 'texte' => "Cr\u{E9}ation : "), array('balise' => 'input', 'type' => 'text', 'name' => 'nom',
			'value' => MAL, 'size' => '60', 'maxlength' => '80', 'required' => '', 'readonly' => '', 'autofocus' => '',
			'data-x' => '1', 'placeholder' => 'p'))),
	'input aux arguments nuls' => array($F->AjouteChampInput(null, null, null, null, null, null, null, null, null, null, null, null),
		array(array('balise' => 'label'), array('balise' => 'input', 'type' => 'text', 'name' => '', 'value' => ''))),
	'zone de texte' => array($F->AjoutePave("note", "Note : ", MAL . "\n", 'cols="9"', "200", 'rows="3"', "", "", "O", "N", "N"),
		array(array('balise' => 'label', 'texte' => 'Note : '), array('balise' => 'textarea', 'name' => 'note', 'maxlength' => '200',
			'required' => '', 'cols' => '9', 'rows' => '3', 'texte' => "\n" . MAL . "\n"))),
	'liste' => array($F->FormSelectDebut("ville", "1", "O", "N") . $F->FormSelectOption("P", "Paris", "N") .
		$F->FormSelectOption(MAL, "Lyon", "O") . $F->FormSelectFin(), array(
		array('balise' => 'select', 'name' => 'ville', 'size' => '1', 'required' => ''),
		array('balise' => 'option', 'value' => 'P', 'texte' => 'Paris'),
		array('balise' => 'option', 'value' => MAL, 'selected' => '', 'texte' => 'Lyon'))),
	'cases a cocher' => array($F->FormXBoxInit("CHECKBOX", "choix") . $F->FormXBox("a", "A", "O") . $F->FormXBox(MAL, "B", "N"), array(
		array('balise' => 'label'), array('balise' => 'input', 'type' => 'checkbox', 'name' => 'choix', 'value' => 'a', 'checked' => '', 'texte' => 'A'),
		array('balise' => 'label'), array('balise' => 'input', 'type' => 'checkbox', 'name' => 'choix', 'value' => MAL, 'texte' => 'B'))),
	'bouton : nom=libelle' => array($F->ValidationParBouton("Ajouter", MAL), array(
		array('balise' => 'button', 'type' => 'submit', 'name' => MAL, 'value' => 'Ajouter', 'texte' => 'Ajouter'))),
	'bouton vider' => array($F->BoutonResetFormulaire(), array(
		array('balise' => 'button', 'type' => 'button', 'onclick' => 'clearForm(this.form)', 'texte' => 'Vider le formulaire'))),
	'fin du formulaire et du cadre' => array($F->FormLienFin() . $F->FormLienFin(), array()),
);
foreach ($cas as $nom => list($html, $attendu)) {
	verifie($nom, balises($html), $attendu);
	verifie("$nom : UTF-8", preg_match('//u', $html), 1);
}
verifie('fermetures', $F->FormLienFin(), '');

// Les liens et les boutons a deux champs : le clic poste ses textes dans l'ordre (formulaire vise,
// puis paires) et soumet le formulaire comme le ferait un bouton.
$lien = balises($F->ValidationParLien("Par <i>lien</i>", MAL))[0];
verifie('lien', array($lien['balise'], $lien['texte'], textes_js($lien['onclick']), str_contains($lien['onclick'], 'requestSubmit(b)')),
	array('a', 'Par ', array('Formulaire_t', MAL, 'Par <i>lien</i>'), true));
verifie('formulaire des liens', balises($E->AjouteChampHidden("action", "") . $E->AjouteChampHidden("id", "") . $E->FormLienFin()),
	array(array('balise' => 'form', 'name' => 'Editer', 'method' => 'post'),
	array('balise' => 'input', 'type' => 'hidden', 'name' => 'action', 'value' => ''),
	array('balise' => 'input', 'type' => 'hidden', 'name' => 'id', 'value' => '')));
$deux = array(balises($E->ValidationParLien2Champs("Editer", "action", "Editer", "id", MAL))[0],
	balises($E->ValidationParBouton2Champs("Effacer", "Autre", "action", "Effacer", "id", null))[0],
	balises($E->ValidationParBouton2Champs("Effacer", "", "action", "Effacer", "id", 7))[0]);
verifie('deux champs', array_map(fn($b) => array($b['balise'], $b['type'] ?? '', $b['texte'], textes_js($b['onclick'])), $deux), array(
	array('a', '', 'Editer', array('Editer', 'action', 'Editer', 'id', MAL)),
	array('button', 'button', 'Effacer', array('Autre', 'action', 'Effacer', 'id', '')),
	array('button', 'button', 'Effacer', array('Editer', 'action', 'Effacer', 'id', '7'))));
verifie('rien apres la fermeture', strpos($E->ValidationParLien2Champs("E", "a", "b", "c", "d"), '<form'), false);
bilan();
