<?php
// Connexion a la base du site : classe SGBDConnexion.
//
// Les fichiers de classe parlent a la base par les fonctions mysql_*, retirees
// de PHP 7 : celles qui manquent sont refaites ici sur mysqli, autour de la
// liaison qu'ouvre Connexion(), avec le comportement d'autrefois (false en cas
// d'echec et apres la derniere ligne, jamais d'exception).

// Comme l'ancienne extension : une requete fautive rend false, sans exception.
mysqli_report(MYSQLI_REPORT_OFF);

class SGBDConnexion
{
	public $Serveur;
	public $Utilisateur;
	public $MotDePasse;
	public $Base;
	// La liaison des fonctions mysql_* appelees sans liaison.
	public static $Liaison = null;

	function __construct($serveur = "localhost", $utilisateur = "", $motDePasse = "", $base = "")
	{
		$this->Serveur = (string) $serveur;
		$this->Utilisateur = (string) $utilisateur;
		$this->MotDePasse = (string) $motDePasse;
		$this->Base = (string) $base;
	}

	// Rend la liaison ouverte, ou false apres une ligne d'explication.
	function Connexion()
	{
		// "localhost" est la socket Unix du serveur, celle que PHP connait.
		$socket = $this->Serveur === "localhost" ? ini_get("mysqli.default_socket") : "";
		// Une modification compte les lignes trouvees, changees ou non (LigneTrouvee) : le serveur le
		// dit ainsi dans toutes ses langues, la ou le texte de mysqli_info se traduit.
		$liaison = mysqli_init();
		if (!@mysqli_real_connect($liaison, $this->Serveur, $this->Utilisateur, $this->MotDePasse, $this->Base, null,
			$socket === "" || $socket === false ? null : $socket, MYSQLI_CLIENT_FOUND_ROWS))
			return $this->Refus(mysqli_connect_error());
		// Le jeu de caracteres de la page : ce que le navigateur saisit est range
		// comme les memes caracteres que lit tout autre client.
		mysqli_set_charset($liaison, "utf8mb4");
		// Les classes echappent leurs valeurs par des barres obliques inverses : sur un
		// serveur en NO_BACKSLASH_ESCAPES, une apostrophe echappee fermerait la chaine
		// SQL. La session les rend a leur sens, ou la liaison n'est pas donnee.
		$mode = "SET SESSION sql_mode=TRIM(BOTH ',' FROM REPLACE(CONCAT(',',@@SESSION.sql_mode,','),',NO_BACKSLASH_ESCAPES,',','))";
		if (!mysqli_query($liaison, $mode)) {
			$refus = $this->Refus(mysqli_error($liaison));
			mysqli_close($liaison);
			return $refus;
		}
		self::$Liaison = $liaison;
		return $liaison;
	}

	// La ligne qui explique un refus, echappee pour la page ; rend false.
	private function Refus($raison)
	{
		echo "Connexion impossible a la base " . htmlspecialchars($this->Base, ENT_QUOTES | ENT_SUBSTITUTE, "UTF-8")
			. " : " . htmlspecialchars((string) $raison, ENT_QUOTES | ENT_SUBSTITUTE, "UTF-8") . "<br>\n";
		return false;
	}

	// Pour une modification : les colonnes de l'objet de la table que Maj_ALL ne doit pas
	// ecrire, pour qu'elles gardent la valeur que la ligne a dans la base au moment meme de
	// l'ecriture : celles qui sont donnees (la page ne les laisse pas changer) et celles que
	// la demande $envoi n'apporte pas.
	static function GardeColonnes($objet, $colonnes, $envoi = array())
	{
		return array_values(array_filter(array_keys($objet->TabChamps),
			fn($colonne) => in_array($colonne, $colonnes, true) || !array_key_exists($colonne, $envoi)));
	}

	// Le retour d'une modification ou d'un effacement ; quand la requete a reussi sans trouver de
	// ligne (une cle que plus aucune ligne n'a, deja renommee ou effacee par un autre), la raison :
	// ce qui n'a pas eu lieu n'est pas dit fait. Une ligne trouvee et laissee telle quelle l'est :
	// la liaison compte les lignes trouvees (MYSQLI_CLIENT_FOUND_ROWS).
	static function LigneTrouvee($retour)
	{
		if ($retour) return $retour;
		return self::SurLiaison(null, "mysqli_affected_rows", 0) > 0 ? "" : "Enregistrement non trouvé";
	}

	// Pour un ajout : les colonnes donnees (la page ne les montre pas) prennent la valeur par
	// defaut de leur colonne, quoi que la demande ait envoye pour elles.
	static function Defauts($objet, $colonnes)
	{
		foreach ($colonnes as $colonne) unset($objet->$colonne);
	}

	// Applique la fonction a la liaison donnee, sinon a celle de la derniere
	// connexion ; rend $sinon sans connexion.
	static function SurLiaison($liaison, $fonction, $sinon)
	{
		$liaison = $liaison instanceof mysqli ? $liaison : self::$Liaison;
		return $liaison ? $fonction($liaison) : $sinon;
	}

	// Applique la fonction a un resultat de requete ; false pour tout autre
	// argument et apres la derniere ligne.
	static function SurResultat($resultat, $fonction)
	{
		return $resultat instanceof mysqli_result ? ($fonction($resultat) ?? false) : false;
	}
}

if (!function_exists("mysql_query")) {
	function mysql_query($requete, $liaison = null)
	{
		return SGBDConnexion::SurLiaison($liaison, fn($l) => mysqli_query($l, (string) $requete), false);
	}
}
if (!function_exists("mysql_error")) {
	function mysql_error($liaison = null)
	{
		return SGBDConnexion::SurLiaison($liaison, "mysqli_error", (string) mysqli_connect_error());
	}
}
if (!function_exists("mysql_fetch_object")) {
	function mysql_fetch_object($resultat)
	{
		return SGBDConnexion::SurResultat($resultat, "mysqli_fetch_object");
	}
}
if (!function_exists("mysql_fetch_row")) {
	function mysql_fetch_row($resultat)
	{
		return SGBDConnexion::SurResultat($resultat, "mysqli_fetch_row");
	}
}
if (!function_exists("mysql_num_rows")) {
	function mysql_num_rows($resultat)
	{
		return SGBDConnexion::SurResultat($resultat, "mysqli_num_rows");
	}
}
if (!function_exists("mysql_insert_id")) {
	function mysql_insert_id($liaison = null)
	{
		return SGBDConnexion::SurLiaison($liaison, "mysqli_insert_id", false);
	}
}
if (!function_exists("mysql_affected_rows")) {
	function mysql_affected_rows($liaison = null)
	{
		return SGBDConnexion::SurLiaison($liaison, "mysqli_affected_rows", -1);
	}
}
if (!function_exists("mysql_free_result")) {
	function mysql_free_result($resultat)
	{
		// mysqli_free_result ne rend rien : true une fois le resultat libere.
		return SGBDConnexion::SurResultat($resultat, fn($r) => mysqli_free_result($r) ?? true);
	}
}
?>
