<?php
// Petit banc des essais PHP : chaque verification compte, les echecs s'affichent,
// et un avertissement ou une obsolescence de PHP est un echec (sauf sous @).
error_reporting(E_ALL);
$GLOBALS['essais'] = array('passes' => 0, 'echecs' => 0);
set_error_handler(function ($no, $texte, $fichier, $ligne) {
	if (error_reporting() & $no) verifie("PHP $no a la ligne $ligne de " . basename($fichier), $texte, null);
	return true;
});

function verifie($nom, $obtenu, $attendu) {
	if ($obtenu === $attendu) { $GLOBALS['essais']['passes']++; return; }
	$GLOBALS['essais']['echecs']++;
	echo "ECHEC $nom\n  obtenu : " . var_export($obtenu, true) . "\n  attendu : " . var_export($attendu, true) . "\n";
}

// Sans serveur de test, l'essai est saute (code 77 pour CTest), sauf sous CI ou il echoue.
function serveur_requis() {
	if (getenv('CORVALITE_TEST_MARIADB_PORT')) return;
	echo "pas de serveur MariaDB de test\n";
	exit(getenv('CI') ? 1 : 77);
}

function bilan() {
	echo $GLOBALS['essais']['passes'] . ' passed, ' . $GLOBALS['essais']['echecs'] . " failed\n";
	exit($GLOBALS['essais']['echecs'] ? 1 : 0);
}
