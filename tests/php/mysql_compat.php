<?php
// Pour les tests seulement : les fonctions mysql_* que les classes generees
// appellent, retirees de PHP 7, refaites sur mysqli autour d'une liaison unique.

// Les classes generees creent une propriete a la volee (TabChampsLibNum), ce
// que PHP 8.2 signale comme obsolete : ce bruit n'est pas une faute du code teste.
error_reporting(E_ALL & ~E_DEPRECATED);
// Comme l'ancienne extension : une requete fautive rend false, sans exception.
mysqli_report(MYSQLI_REPORT_OFF);

function mysql_compat_connecte($base) {
	$GLOBALS['mysql_compat_liaison'] = mysqli_connect('127.0.0.1', 'corvalite', 'corvalite', $base,
		(int) getenv('MYSQL_TCP_PORT'));
	if (!$GLOBALS['mysql_compat_liaison']) die("connexion impossible : " . mysqli_connect_error() . "\n");
	// Les fichiers de classe sont en Latin-1.
	mysqli_set_charset($GLOBALS['mysql_compat_liaison'], 'latin1');
	return $GLOBALS['mysql_compat_liaison'];
}

function mysql_query($requete) { return mysqli_query($GLOBALS['mysql_compat_liaison'], $requete); }
function mysql_error() { return mysqli_error($GLOBALS['mysql_compat_liaison']); }
function mysql_insert_id() { return mysqli_insert_id($GLOBALS['mysql_compat_liaison']); }
function mysql_affected_rows() { return mysqli_affected_rows($GLOBALS['mysql_compat_liaison']); }

// L'ancienne extension rendait false, pas une TypeError, quand la requete avait
// echoue ; et false, pas null, apres la derniere ligne.
function mysql_fetch_object($r) { return $r instanceof mysqli_result ? (mysqli_fetch_object($r) ?? false) : false; }
function mysql_fetch_row($r) { return $r instanceof mysqli_result ? (mysqli_fetch_row($r) ?? false) : false; }
function mysql_num_rows($r) { return $r instanceof mysqli_result ? mysqli_num_rows($r) : false; }
function mysql_free_result($r) { if ($r instanceof mysqli_result) mysqli_free_result($r); return true; }
