<?php
// Fait travailler la classe generee de la table fiche : php scenario.php <classe> <base>.
// Apres chaque appel, une ligne : l'etape, l'etat de l'objet, puis la table
// relue dans la base par une requete a part (champs separes par |).
require __DIR__ . '/verifie.php';  // un avertissement de PHP sort en echec dans la transcription
require __DIR__ . '/../../support/CVClass__connexion.php';
ini_set('mysqli.default_port', getenv('MYSQL_TCP_PORT'));
$liaison = (new SGBDConnexion('127.0.0.1', 'corvalite', 'corvalite', $argv[2]))->Connexion();
if (!$liaison) exit(1);
require $argv[1];

// cree, que le serveur pose a l'insertion, s'y lit "maintenant" ; le bit b, en binaire.
function table() {
	$r = mysqli_query($GLOBALS['liaison'], "select nom, id, ville, qte, prix, jour, stock, if(abs(timestampdiff(second, cree, now()))"
		. " < 600, 'maintenant', cree), m, d, bin(b), an from fiche order by id");
	$lignes = array();
	while ($l = mysqli_fetch_row($r)) $lignes[] = implode('|', array_map(fn($v) => $v ?? 'NULL', $l));
	return implode(' / ', $lignes);
}
// Un membre que la classe a detruit (unset) s'affiche "unset".
function membres($c, $noms) {
	$texte = '';
	foreach (array_filter(explode(' ', $noms)) as $n) $texte .= " $n=" . (isset($c->$n) ? $c->$n : 'unset');
	return $texte;
}
function montre($etape, $c, $noms = '') { echo "$etape: erreur=[$c->erreur]" . membres($c, $noms) . ' => ' . table() . "\n"; }
const TOUT = 'id nom ville qte prix jour';

$c = new fiche();  // new appelle fiche(), le constructeur qui porte le nom de la table
montre('new', $c, TOUT . ' Libelle_nom');
echo 'TabChamps: ' . implode(',', $c->TabChamps) . "\n";

// ville absente ; stock, prix, jour, cree, m, d, b et an vides : chacune prend le defaut de sa colonne
// (Lyon, 0, maintenant, NULL). NULL l'ecarterait, et stock, not null, le refuserait ; '' aussi, sur un serveur strict.
$c->nom = 'Petit'; unset($c->ville); $c->qte = 7;
$c->Insertion();
montre('Insertion', $c, 'id InsertionOK');

$c->InitVariable();
$c->ChampTri = 'ville'; $c->ChampTriSens = '+';
$c->Parcours();
$lus = array();
while ($c->Next()) $lus[] = "$c->id:$c->nom:$c->prix";
montre('Parcours', $c, 'NbReponse');
echo "Next: " . implode(' ', $lus) . "\n";

$c->InitVariable(); $c->ville = 'Paris';
$c->Cherche();
montre('Cherche', $c, 'NbReponse ' . TOUT);
$c->Cherche_qte(7);
montre('Cherche_qte', $c, 'NbReponse ' . TOUT);
$c->Cherche_nom('Durand');
montre('Cherche_nom', $c, 'NbReponse ' . TOUT);
// Colonnes choisies par numero ; ville, NULL dans la ligne lue, n'a plus de membre.
$c->TableauInitColonne();
foreach (array(1, 3, 5) as $n) $c->TableauAjouteColonne($n);
echo 'Tableau: ' . implode('|', $c->TableauFaitLibelle()) . ' / '
	. implode('|', array_map(fn($v) => $v ?? 'NULL', $c->TableauFaitChamps())) . "\n";

// La ligne lue, seule de ses deux Durand a changer ; m, d, b et an vides y deviennent NULL.
$c->ville = 'Brest'; $c->qte = 9; $c->prix = '0.75'; $c->m = ''; $c->d = ''; $c->b = ''; $c->an = '';
$c->Maj_ALL();
montre('Maj_ALL', $c, 'ModificationOK');
$c->ville = 'Rennes'; $c->qte = 100;  // seule ville doit partir, et vers cette seule ligne
$c->Maj_ville();
montre('Maj_ville', $c, 'ModificationOK');

// Le texte d'erreur du serveur reprend le nom : il doit sortir echappe pour HTML.
$c->ExecuteRequete('select * from `a<b>"c`');
montre('ExecuteRequete', $c);

// Un formulaire poste renvoie tous les champs ; seul nom change, et il porte une injection. Puis
// des nombres postes qui portent du SQL : la cle ne designe aucune ligne ; qte, entre cote, le
// serveur la refuse au lieu de l'executer.
$postes = array('Post nom' => array('id' => '5', 'nom' => "x', ville='pirate", 'qte' => '9'),
	'Post id' => array('id' => '5 or 1=1', 'nom' => 'Pirate', 'ville' => 'Pirate', 'qte' => '1', 'prix' => '1', 'jour' => '2000-01-01'),
	'Post qte' => array('id' => '5', 'nom' => 'Pirate', 'qte' => '1 or 1=1'));
foreach ($postes as $etape => $poste) {
	$_POST = $poste + array('ville' => 'Brest', 'prix' => '0.75', 'jour' => '2023-12-31', 'stock' => '4');
	$c->Form2Variable(); $c->Maj_ALL();
	if ($etape == 'Post nom') montre($etape, $c, 'ModificationOK');
	else echo "$etape: refuse=" . ($c->erreur != '' ? 'oui' : 'non') . membres($c, 'ModificationOK') . ' => ' . table() . "\n";
}

// Recherche sur les seuls champs postes : les autres membres sont detruits.
$_POST = array('ville' => 'Brest', 'qte' => '');
$c->Form2Variable(); $c->Cherche(); $c->Variable2Form();
montre('Post Cherche', $c, 'NbReponse id nom qte');
$c->ExecuteRequete('select count(*), max(id) from fiche');
echo 'DonneLigne: ' . implode(',', $c->DonneLigne()) . "\n";
$c->Ferme();

$c->EffaceAvecIndex_id(8);
montre('EffaceAvecIndex_id', $c, 'EffacementOK');
$c->EffaceAvec_nom('Martin');
montre('EffaceAvec_nom', $c, 'EffacementOK');
