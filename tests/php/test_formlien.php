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
	'cases d\'un SET : chaque membre coche, un nom par case' => groupe($F, "SET", "o,x,n", array("o" => "N", "n" => "N", "p" => "O")),
);
// Une ligne lue, aux valeurs qu'un navigateur ne rend pas telles quelles, montree par le formulaire de la cle chargee.
$ligne = (object) array('NbReponse' => 1, 'TabChamps' => array('id' => 'id', 'nom' => 'nom', 'note' => 'note', 'etats' => 'etats'),
	'id' => "a\nb", 'nom' => "\x00\xFF\n", 'note' => "l1\rl2", 'etats' => 'o,n');
// La page recoit d'abord l'envoi (vide ici), ce qui nomme sa cle ; puis montre la ligne.
$aucune = "";
FormLien::Recoit(array(), "id", $aucune);
FormLien::Montre($ligne);
$L = new FormLien("POST", "", "Formulaire_l");
$html['ligne lue : cle chargee et valeurs montrees codees'] = $L->AjouteCleChargee($ligne, "id") .
	$L->AjouteChampInput("INPUT", "id", "", "TEXT", $ligne->id) . $L->AjouteChampInput("INPUT", "nom", "", "TEXT", $ligne->nom) .
	$L->AjoutePave("note", "", $ligne->note) . groupe($L, "SET", $ligne->etats, array("o" => "N", "n" => "N")) . $L->FormLienFin();
FormLien::Montre($ligne, array());
// Sans valeur montree, le formulaire de la cle chargee porte encore le champ des valeurs montrees, vide : son absence
// dit un envoi incomplet.
$V = new FormLien("POST", "", "Formulaire_v");
$html['cle chargee sans valeur montree : valeurs montrees vides'] = $V->AjouteCleChargee($ligne, "id") . $V->FormLienFin();

// Un groupe precede de sa valeur, comme la page l'ecrit : $offertes donne chaque valeur et son drapeau par defaut.
function groupe($F, $genre, $valeur, $offertes) {
	$F->ValeurDuGroupe($valeur, array_keys($offertes));
	$html = $genre == "SELECT" ? $F->FormSelectDebut("g", "1", "N", "N")
		: ($genre == "SET" ? $F->FormXBoxInit("CHECKBOX", "etats", "O") : $F->FormXBoxInit($genre, "g"));
	foreach ($offertes as $v => $defaut)
		$html .= $genre == "SELECT" ? $F->FormSelectOption($v, "texte $v", $defaut) : $F->FormXBox($v, "texte $v", $defaut);
	return $html . ($genre == "SELECT" ? $F->FormSelectFin() : "");
}

$texte = '';
foreach ($html as $nom => $h) $texte .= "== $nom\n$h\n";
verifie('HTML', $texte, file_get_contents(__DIR__ . '/../attendu/formlien.html'));

// Ce que le navigateur renvoie d'une valeur montree, selon la sorte du champ : rendu tel que
// montre, le champ ne change rien (Modifies l'ote de l'envoi) ; tape autrement, il change.
foreach (array(
	array("l", "a\r\nb", "ab", true), array("l", "a\nb", "a b", false), array("p", "a\rb", "a\r\nb", true),
	array("p", "a\nb", "ab", false), array("p", "\x00\xFF", "\u{FFFD}\u{FF}", true), array("t", " x@y.fr\n", "x@y.fr", true),
	array("n", "1.50", "1.50", true), array("n", "1,5", "", true), array("n", "1.50", "1.5", false),
	array("d", "0000-00-00", "", true), array("d", "2023-02-29", "", true), array("d", "2024-02-29", "", false),
	array("s", "o,n", "n,o", true), array("s", "o", "o,n", false), array("g", "b", "b", true),
) as list($sorte, $montree, $envoyee, $inchange)) {
	$envoi = array(FormLien::VALEURS_MONTREES => $sorte . FormLien::Code("c") . ":" . FormLien::Empreinte($sorte, $montree) . ":"
		. FormLien::Recette($sorte, $montree), "c" => $envoyee);
	verifie("$sorte " . json_encode(array($montree, $envoyee), JSON_INVALID_UTF8_SUBSTITUTE), isset(FormLien::Modifies($envoi)["c"]), !$inchange);
}

// Ce que Chromium envoie du formulaire de la ligne lue, ses champs intouches sauf nom : chaque valeur
// revient exacte, la cle chargee aussi, et seul nom change ; la cle videe reprend la sienne pour Modifier.
preg_match_all('/name="([^"]+)" value="([^"]*)"/', $html['ligne lue : cle chargee et valeurs montrees codees'], $champs);
$envoi = array_combine($champs[1], array_map('html_entity_decode', $champs[2]));
$envoi = array("id" => "ab", "nom" => "x", "note" => "l1\r\nl2", "etats" => "", "etats-1" => "o", "etats-2" => "n") + $envoi;
$modifier = "Modifier";
$ajouter = "Ajouter";
$recue = FormLien::Recoit($envoi, "id", $modifier);
verifie('envoi du navigateur recu tel que la base le garde',
	array($recue["id"], $recue["note"], $recue["etats"], isset($recue["etats-1"]), FormLien::CleChargee($recue), array_keys(array_intersect_key(
	FormLien::Modifies($recue), $ligne->TabChamps))), array("a\nb", "l1\rl2", "o,n", false, "a\nb", array("nom")));
verifie('cle videe : celle de la ligne pour Modifier, vide pour Ajouter', array(FormLien::Recoit(array("id" => "") + $envoi, "id",
	$modifier)["id"], FormLien::Recoit(array("id" => "") + $envoi, "id", $ajouter)["id"]), array("a\nb", ""));
// Seule l'empreinte d'une valeur montree voyage, sauf quand ce que le navigateur renvoie ne suffit pas a la
// refaire : un long texte (fins de ligne LF, ou CR LF comme un navigateur les range) revient exact sans voyager.
$long = (object) array('NbReponse' => 1, 'TabChamps' => array('id' => 'id', 'lf' => 'lf', 'crlf' => 'crlf'), 'id' => '7',
	'lf' => str_repeat("ligne\n", 50000), 'crlf' => str_repeat("ligne\r\n", 50000));
FormLien::Montre($long);
$G = new FormLien("POST", "", "Formulaire_g");
$html_long = $G->AjouteCleChargee($long, "id") . $G->AjouteChampInput("INPUT", "id", "", "TEXT", "7") .
	$G->AjoutePave("lf", "", $long->lf) . $G->AjoutePave("crlf", "", $long->crlf) . $G->FormLienFin();
preg_match('/name="valeurs-montrees" value="([^"]*)"/', $html_long, $m);
$envoi = array("id" => "7", "lf" => str_replace("\n", "\r\n", $long->lf), "crlf" => $long->crlf, "valeurs-montrees" => $m[1],
	"cle-chargee" => ":" . FormLien::Code("7") . ":" . FormLien::Code("7"));
$recue = FormLien::Recoit($envoi, "id", $modifier);
verifie('long texte : empreinte seule, valeur exacte au retour, rien a ecrire', array(strlen($m[1]) < 400, $recue["lf"] === $long->lf,
	$recue["crlf"] === $long->crlf, array_keys(array_intersect_key(FormLien::Modifies($recue), $long->TabChamps))), array(true, true, true, array()));
// Un envoi que PHP a laisse de cote (plus gros que post_max_size) : une ligne le dit, rien n'est fait.
$_SERVER["REQUEST_METHOD"] = "POST";
$_SERVER["CONTENT_LENGTH"] = (string) (ini_parse_quantity(ini_get("post_max_size")) + 1);
$action = "Modifier";
ob_start();
$recue = FormLien::Recoit(array(), "id", $action);
verifie('envoi perdu par sa taille', array($recue, substr(ob_get_clean(), 0, 31)), array(array(), "<strong>Pb Envoi : la demande ("));
unset($_SERVER["REQUEST_METHOD"], $_SERVER["CONTENT_LENGTH"]);
// Une modification de la ligne chargee qui n'a plus ses valeurs montrees ne fait rien : une ligne le dit, et la ligne
// est montree de nouveau (Editer de la cle de la page). Seul l'avertissement de PHP d'un envoi coupe (max_input_vars)
// refuse aussi la demande. Chaque cas : l'avertissement, l'envoi ; puis la ligne dite, l'action et la cle lue ensuite.
$chargee = array("id" => "x", FormLien::CLE_CHARGEE => ":" . FormLien::Code("a") . ":" . FormLien::Code("p"));
$montree = array(FormLien::VALEURS_MONTREES => "");
$_SERVER["REQUEST_METHOD"] = "POST";
foreach (array(
	'valeurs montrees perdues : Editer' => array(null, $chargee,
		"<strong>Pb Envoi : la demande est incomplète (champ valeurs-montrees absent) : rien n'a été fait.</strong><br>", "Editer", "p"),
	'valeurs montrees vides : Modifier' => array(null, $chargee + $montree, "", "Modifier", "x"),
	'autre avertissement : Modifier' => array(array("type" => E_WARNING, "message" => "autre"), $chargee + $montree, "", "Modifier", "x"),
) as $nom => list($rapport, $envoi, $dite, $suite, $cle)) {
	FormLien::$Demarrage = $rapport;
	$action = "Modifier";
	ob_start();
	$recue = FormLien::Recoit($envoi, "id", $action);
	verifie("envoi incomplet : $nom", array(ob_get_clean(), $action, $recue["id"] ?? null), array($dite, $suite, $cle));
}
FormLien::$Demarrage = null;
unset($_SERVER["REQUEST_METHOD"]);
verifie('cle d\'une ligne de la liste, codee par le lien', FormLien::Recoit(array("action" => "Editer", "id" => "a\r\nb",
	FormLien::CLE_CODEE => FormLien::Code("a\nb")), "id"), array("action" => "Editer", "id" => "a\nb"));
verifie('champ vide (Vider le formulaire), cle chargee vide', array(FormLien::CleChargee(array(FormLien::CLE_CHARGEE => "")),
	FormLien::CleChargee(array(FormLien::CLE_CHARGEE => ":"))), array(null, ""));

verifie('valeur piegee inerte', array(substr_count($texte, '<script>'), preg_match('//u', $texte)), array(0, 1));

bilan();
