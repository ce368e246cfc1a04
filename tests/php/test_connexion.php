<?php
// SGBDConnexion et les fonctions mysql_* refaites sur mysqli, contre le serveur MariaDB
// prive des tests : refus, connexion par TCP et par la socket ("localhost"), et le
// comportement d'autrefois (false, jamais d'exception).
require __DIR__ . '/verifie.php';
require __DIR__ . '/../../support/CVClass__connexion.php';  // avant le saut : sa syntaxe est verifiee sans serveur
serveur_requis();
ini_set('mysqli.default_port', getenv('CORVALITE_TEST_MARIADB_PORT'));
ini_set('mysqli.default_socket', getenv('CORVALITE_TEST_MARIADB_REPERTOIRE') . '/mariadb.sock');

verifie('sans liaison', array(mysql_query('select 1'), mysql_fetch_object(false), mysql_fetch_row(null), mysql_num_rows(false),
	mysql_insert_id(), mysql_affected_rows(), mysql_free_result(false)), array(false, false, false, false, false, -1, false));
// Un refus : une seule ligne, echappee, et false.
ob_start();
$refus = (new SGBDConnexion('127.0.0.1', 'corvalite', 'mauvais', 'base<b>'))->Connexion();
verifie('refus', array($refus, preg_match("/^Connexion impossible a la base base&lt;b&gt; : [^\n<]+<br>\n\$/", ob_get_clean())),
	array(false, 1));

$base = 'corvalite_php_connexion';
$tcp = (new SGBDConnexion('127.0.0.1', 'corvalite', 'corvalite', ''))->Connexion();
mysql_query("drop database if exists $base");
mysql_query("create database $base character set utf8mb4");
$socket = (new SGBDConnexion('localhost', 'corvalite', 'corvalite', $base))->Connexion();
verifie('localhost : la socket', $socket ? mysqli_get_host_info($socket) : false, 'Localhost via UNIX socket');

// Les fonctions prennent la derniere liaison ouverte, ou celle qu'on leur donne.
verifie('table', mysql_query('create table t (id int auto_increment primary key, nom varchar(20))'), true);
mysql_query("insert into t (nom) values ('\u{E9}t\u{E9}'), ('b')");
$r = mysql_query('select id, nom from t order by id');
verifie('lecture', array(mysql_num_rows($r), mysql_fetch_object($r)->nom, mysql_fetch_row($r), mysql_fetch_object($r),
	mysql_fetch_row($r), mysql_free_result($r)), array(2, "\u{E9}t\u{E9}", array('2', 'b'), false, false, true));
verifie('requete fautive : false', mysql_query('select * from absente'), false);
verifie('liaison donnee', mysqli_fetch_row(mysql_query('select database()', $tcp))[0], null);
mysql_query("drop database $base");
bilan();
