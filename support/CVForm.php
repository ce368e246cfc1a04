<?php
// Aides des pages de formulaire : classe FormLien.
//
// Chaque methode rend son HTML en texte et n'affiche rien : la page en fait
// l'echo. La balise <form> sort avec le premier morceau rendu, si bien que le
// constructeur lui-meme n'ecrit rien. Chaque controle porte le nom que la page
// donne : c'est sous ce nom que la page et la classe de la table relisent $_POST.
//
// Les valeurs (courante, postee, cachee, d'option) sont echappees pour les
// attributs ; les libelles, les textes des boutons et le titre du cadre sortent
// tels quels. Un texte qui n'est pas de l'UTF-8 vient du fichier de classe, ecrit
// en Latin-1 : il est converti pour la page, qui est en UTF-8.
class FormLien
{
	public $Methode;
	public $Action;
	public $Nom;
	private $Ouvert = false;
	private $Ferme = false;
	private $DansCadre = false;
	// Les noms des champs caches deja ecrits.
	private $Caches = array();
	// Le type ("radio" ou "checkbox") et le nom du groupe ouvert par FormXBoxInit ; pour les
	// cases d'une colonne SET, le rang de la derniere case (chacune a son nom).
	private $TypeGroupe = "radio";
	private $NomGroupe = "";
	private $RangCase = null;
	// La valeur que ValeurDuGroupe donne au prochain groupe (liste, radios ou cases), puis
	// celle du groupe ouvert : null, le choix par defaut de la description.
	private $Prochaine = null;
	private $ProchaineBrute = null;
	private $ProchainesOffertes = array();
	private $Choisie = null;
	// Vrai quand les champs montrent une ligne lue ou un envoi (Montre) : un groupe sans valeur
	// n'y montre alors aucun choix, et non celui de la description, qu'un envoi tel quel ecrirait.
	private static $Rempli = false;
	// Les colonnes dont les champs montrent la valeur de la ligne lue, telle que la base la garde
	// (Montre) ; et, dans le formulaire de la cle chargee, la sorte de chaque champ qui en a montre
	// une (Retiens).
	private static $Chargees = array();
	private $AvecCle = false;
	private $Retenues = array();
	// Le nom du champ de la cle d'une ligne chargee (AjouteCleChargee), null sans ligne chargee.
	private $ChampCle = null;
	// La cle de la page, le champ par lequel Editer cherche sa ligne, telle que Recoit l'a recue.
	private static $CleDeLaPage = "";
	// Ce que PHP a signale avant la page (error_get_last), lu au chargement de ce fichier, que la page
	// inclut avant tout le reste : un avertissement venu plus tard (connexion...) le remplacerait.
	public static $Demarrage = null;
	// Les noms des champs que la classe ajoute : ils ne sont pas des noms PHP, si bien qu'aucune
	// colonne ne les porte. La cle de la ligne chargee (la cle tapee dans son propre champ ne
	// l'efface pas), suivie de la valeur de la cle de la page ; la cle d'une ligne de la liste
	// envoyee par un lien ; l'empreinte de chaque valeur que le formulaire montre de la ligne lue.
	// Les cles voyagent codees : le navigateur rendrait autrement une fin de ligne ou un octet
	// hors de l'UTF-8.
	const CLE_CHARGEE = "cle-chargee";
	const CLE_CODEE = "cle-codee";
	const VALEURS_MONTREES = "valeurs-montrees";

	function __construct($methode = "POST", $action = "", $nom = "")
	{
		$this->Methode = strtolower(self::Texte($methode)) == "get" ? "get" : "post";
		$this->Action = self::Texte($action);
		$this->Nom = self::Texte($nom);
	}

	// Un texte de la page : null (colonne absente de la classe) et tout ce qui
	// n'est pas un scalaire donnent un texte vide, sans avertissement.
	static function Texte($texte)
	{
		if (!is_scalar($texte)) return "";
		$texte = (string) $texte;
		if (preg_match('//u', $texte)) return $texte;
		return iconv("ISO-8859-1", "UTF-8", $texte);
	}

	// Un texte quelconque en lettres que ni le HTML ni l'envoi ne changent, et retour (null pour
	// ce qui n'est pas un tel codage).
	static function Code($texte)
	{
		return base64_encode((string) $texte);
	}

	static function Decode($code)
	{
		$texte = is_string($code) ? base64_decode($code, true) : false;
		return $texte === false ? null : $texte;
	}

	static function Attribut($texte)
	{
		return htmlspecialchars(self::Texte($texte), ENT_QUOTES, "UTF-8");
	}

	// Un attribut et sa valeur echappee, precede d'une espace.
	static function Valeur($attribut, $texte)
	{
		return " $attribut=\"" . self::Attribut($texte) . '"';
	}

	// Un texte JavaScript entre guillemets, sans caractere qui fermerait l'attribut ou le script.
	static function Js($texte)
	{
		return json_encode(self::Texte($texte), JSON_HEX_TAG | JSON_HEX_AMP | JSON_HEX_APOS | JSON_HEX_QUOT | JSON_UNESCAPED_UNICODE);
	}

	static function Drapeau($drapeau, $attribut)
	{
		return self::Texte($drapeau) === "O" ? " $attribut" : "";
	}

	// Les trois etats qu'un controle de saisie peut porter.
	static function Etats($obligatoire, $grise, $autofocus)
	{
		return self::Drapeau($obligatoire, "required") . self::Drapeau($grise, "readonly") . self::Drapeau($autofocus, "autofocus");
	}

	// Un nombre positif (longueur, taille) en attribut ; rien sinon.
	static function Nombre($nombre, $attribut, $plafond = 0)
	{
		$n = (int) self::Texte($nombre);
		if ($n <= 0) return "";
		if ($plafond > 0 && $n > $plafond) $n = $plafond;
		return " $attribut=\"$n\"";
	}

	// Les options de la description, ecrites telles quelles dans la balise.
	static function Option(...$options)
	{
		$texte = "";
		foreach ($options as $option) {
			$option = self::Texte($option);
			if ($option !== "") $texte .= " $option";
		}
		return $texte;
	}

	// La balise d'ouverture, avec le premier morceau rendu ; rien une fois le formulaire ferme.
	private function Ouvre()
	{
		if ($this->Ouvert || $this->Ferme) return "";
		$this->Ouvert = true;
		$action = $this->Action === "" ? "" : self::Valeur("action", $this->Action);
		return "<form" . self::Valeur("name", $this->Nom) . self::Valeur("method", $this->Methode) . $action . ">\n";
	}

	// Le formulaire vise par un lien ou un bouton : celui qui est nomme, sinon celui qui l'entoure.
	private static function Cible($formulaire)
	{
		return "var f=document.forms.namedItem(" . self::Js($formulaire) . ")||this.closest('form');";
	}

	// Un lien qui execute le script donne puis ne suit pas son adresse.
	private static function Lien($libelle, $script)
	{
		return '<a href="#"' . self::Valeur("onclick", $script . "return false;") . ">" . self::Texte($libelle) . "</a>\n";
	}

	// Pose les paires (nom, valeur) dans le formulaire vise, en creant les champs
	// qui lui manquent, puis l'envoie. La seconde paire, la cle d'une ligne, part aussi codee
	// (Recoit la rend telle que la base la garde). Un champ est pris par namedItem : un nom
	// comme item ou length designerait sinon un membre de la collection.
	private static function ScriptDeuxChamps($formulaire, $champ1, $valeur1, $champ2, $valeur2)
	{
		$paires = "[[" . self::Js($champ1) . "," . self::Js($valeur1) . "],[" . self::Js($champ2) . "," . self::Js($valeur2) . "],["
			. self::Js(self::CLE_CODEE) . "," . self::Js(self::Code($valeur2)) . "]]";
		return self::Cible($formulaire) . $paires . ".forEach(function(c){var e=f.elements.namedItem(c[0]);"
			. "if(!e){e=document.createElement('input');e.type='hidden';e.name=c[0];f.appendChild(e);}"
			. "e.value=c[1];});f.submit();";
	}

	function AjouteChampHidden($nom = "", $valeur = "")
	{
		// Un second champ cache du meme nom n'est pas ecrit : le premier garde sa
		// valeur, sans quoi le second, vide, l'emporterait a l'envoi.
		$nom = self::Texte($nom);
		if (isset($this->Caches[$nom])) return "";
		$this->Caches[$nom] = true;
		$this->Retiens("p", $nom, $valeur);
		return $this->Ouvre() . '<input type="hidden"' . self::Valeur("name", $nom) . self::Valeur("value", $valeur) . ">\n";
	}

	function Cadre($titre = "")
	{
		$fin = $this->DansCadre ? "</fieldset>\n" : "";
		$this->DansCadre = true;
		return $this->Ouvre() . $fin . "<fieldset><legend>" . self::Texte($titre) . "</legend>\n";
	}

	function AjouteChampInput($inputHtml = "", $nom = "", $libelle = "", $typeHtml = "", $valeur = "", $optionChamp = "",
		$longueur = "", $longueurMax = "", $obligatoire = "", $grise = "", $autofocus = "", $optionInput = "")
	{
		$type = strtolower(self::Texte($typeHtml));
		if (!preg_match('/^[a-z-]+$/', $type)) $type = "text";
		$sorte = self::SORTES_DE_SAISIE[$type] ?? "l";
		$this->Retiens($sorte, $nom, $valeur);
		return $this->Ouvre() . "<label>" . self::Texte($libelle) . "<input" . self::Valeur("type", $type) . self::Valeur("name", $nom)
			. self::Valeur("value", $valeur) . self::Nombre($longueur, "size", 60) . self::Nombre($longueurMax, "maxlength")
			. self::Etats($this->Obligatoire($obligatoire, $nom, $sorte, $valeur), $grise, $autofocus) . self::Option($optionChamp, $optionInput) . "></label>\n";
	}

	// Une option de la zone de texte faite de chiffres seuls est sa taille (la premiere
	// le nombre de lignes, la deuxieme celui des colonnes) ; un autre texte reste un
	// attribut ecrit tel quel.
	static function Taille($option, $attribut)
	{
		$option = self::Texte($option);
		return preg_match('/^[0-9]+$/', $option) ? self::Nombre($option, $attribut) : self::Option($option);
	}

	function AjoutePave($nom = "", $libelle = "", $valeur = "", $optionChamp = "", $longueur = "", $optionPave1 = "",
		$optionPave2 = "", $optionPave3 = "", $obligatoire = "", $grise = "", $autofocus = "")
	{
		// La fin de ligne apres <textarea> est mangee par le navigateur : une valeur
		// qui commence par une fin de ligne la garde.
		$this->Retiens("p", $nom, $valeur);
		return $this->Ouvre() . "<label>" . self::Texte($libelle) . "<textarea" . self::Valeur("name", $nom)
			. self::Nombre($longueur, "maxlength") . self::Etats($this->Obligatoire($obligatoire, $nom, "p", $valeur), $grise, $autofocus)
			. self::Option($optionChamp) . self::Taille($optionPave1, "rows") . self::Taille($optionPave2, "cols")
			. self::Option($optionPave3) . ">\n" . self::Attribut($valeur) . "</textarea></label>\n";
	}

	// La valeur que montre le groupe qui suit (liste, radios ou cases) : celle de la ligne
	// ou celle qui a ete envoyee. Sans valeur (null ou ""), le groupe d'un formulaire neuf
	// montre son choix par defaut ; celui d'une ligne ou d'un envoi, aucun choix (une liste,
	// une option vide, choisie). Une valeur que le groupe n'offre pas (parmi $offertes) lui
	// est ajoutee, choisie : renvoye tel quel, le formulaire ne change pas la ligne a l'insu
	// de l'utilisateur.
	function ValeurDuGroupe($valeur = null, $offertes = array())
	{
		$this->ProchaineBrute = $valeur;
		$valeur = self::Texte($valeur);
		$this->Prochaine = $valeur === "" && !self::$Rempli ? null : $valeur;
		$this->ProchainesOffertes = is_array($offertes) ? array_map(array(self::class, "Texte"), $offertes) : array();
	}

	// Le groupe qui s'ouvre prend la valeur donnee juste avant lui, et elle seule ; rend
	// les valeurs a ajouter au groupe. Les cases d'une colonne SET ($membres) en cochent
	// chaque membre.
	private function OuvreGroupe($nom, $membres = false)
	{
		$this->Choisie = $this->Prochaine;
		$this->Retiens($membres ? "s" : "p", $nom, $this->ProchaineBrute);
		$choisies = $this->Choisies($membres);
		$ajoutees = array_values(array_diff($choisies, $this->ProchainesOffertes));
		$this->Prochaine = $this->ProchaineBrute = null;
		$this->ProchainesOffertes = array();
		return $ajoutees;
	}

	// Les valeurs choisies du groupe ouvert : la sienne, ou chaque membre d'un SET.
	private function Choisies($membres)
	{
		if ($this->Choisie === null) return array();
		return $membres ? array_diff(explode(",", $this->Choisie), array("")) : array($this->Choisie);
	}

	// Choisie quand elle est la valeur du groupe (un membre, pour les cases d'un SET) ; sans
	// valeur, selon le drapeau de la description.
	private function EstChoisie($valeur, $defaut)
	{
		if ($this->Choisie === null) return self::Texte($defaut) === "O";
		return in_array(self::Texte($valeur), $this->Choisies($this->RangCase !== null), true);
	}

	function FormSelectDebut($nom = "", $taille = "", $obligatoire = "", $autofocus = "")
	{
		$this->RangCase = null;
		$ajoutee = $this->OuvreGroupe($nom)[0] ?? null;
		return $this->Ouvre() . "<select" . self::Valeur("name", $nom) . self::Nombre($taille, "size")
			. self::Etats($this->Obligatoire($obligatoire, $nom, "p", $this->Choisie), "", $autofocus) . ">\n"
			. ($ajoutee === null ? "" : "<option" . self::Valeur("value", $ajoutee) . " selected>" . self::Attribut($ajoutee) . "</option>\n");
	}

	function FormSelectOption($valeur = "", $donnees = "", $defaut = "")
	{
		$choisie = $this->EstChoisie($valeur, $defaut) ? " selected" : "";
		return "<option" . self::Valeur("value", $valeur) . $choisie . ">" . self::Texte($donnees) . "</option>\n";
	}

	function FormSelectFin()
	{
		return "</select>\n";
	}

	// Ouvre un groupe de boutons radio ou de cases a cocher ; chaque case envoie
	// une seule valeur sous le nom du groupe. Des cases toutes decochees envoient
	// une valeur vide : l'absence de choix est un choix. Les cases d'une colonne SET
	// ($membres "O") se cochent ensemble : chacune a son nom (nom-1, nom-2...), que
	// Recoit joint en une valeur (o,p).
	function FormXBoxInit($type = "", $nom = "", $membres = "N")
	{
		$this->TypeGroupe = strtolower(self::Texte($type)) == "checkbox" ? "checkbox" : "radio";
		$this->NomGroupe = self::Texte($nom);
		$this->RangCase = $this->TypeGroupe == "checkbox" && self::Texte($membres) === "O" ? 0 : null;
		// Sans valeur, aucune case n'est cochee : il n'y a rien a ajouter.
		$ajoutees = array_diff($this->OuvreGroupe($this->NomGroupe, $this->RangCase !== null), array(""));
		$vide = $this->TypeGroupe == "checkbox" ? '<input type="hidden"' . self::Valeur("name", $this->NomGroupe) . ' value="">' . "\n" : "";
		$html = $this->Ouvre() . $vide;
		foreach ($ajoutees as $ajoutee) $html .= $this->FormXBox($ajoutee, self::Attribut($ajoutee), "");
		return $html;
	}

	function FormXBox($valeur = "", $donnees = "", $defaut = "")
	{
		$coche = $this->EstChoisie($valeur, $defaut) ? " checked" : "";
		$nom = $this->RangCase === null ? $this->NomGroupe : $this->NomGroupe . "-" . ++$this->RangCase;
		return $this->Ouvre() . "<label><input" . self::Valeur("type", $this->TypeGroupe) . self::Valeur("name", $nom)
			. self::Valeur("value", $valeur) . $coche . ">" . self::Texte($donnees) . "</label>\n";
	}

	// Un bouton qui envoie le formulaire avec la paire nom=libelle.
	function ValidationParBouton($libelle = "", $nom = "")
	{
		return $this->Ouvre() . '<button type="submit"' . self::Valeur("name", $nom) . self::Valeur("value", $libelle) . ">"
			. self::Texte($libelle) . "</button>\n";
	}

	// Un lien qui envoie la meme paire que le bouton : un bouton cache, ajoute au
	// clic et retire aussitot, fait l'envoi (un champ cache permanent prendrait le
	// pas sur les boutons de meme nom). Les champs obligatoires sont controles
	// comme pour un bouton.
	function ValidationParLien($libelle = "", $nom = "")
	{
		$script = self::Cible($this->Nom) . "var b=document.createElement('button');b.type='submit';b.hidden=true;"
			. "b.name=" . self::Js($nom) . ";b.value=" . self::Js($libelle) . ";f.appendChild(b);f.requestSubmit(b);b.remove();";
		return $this->Ouvre() . self::Lien($libelle, $script);
	}

	function BoutonResetFormulaire()
	{
		return $this->Ouvre() . "<button type=\"button\" onclick=\"clearForm(this.form)\">Vider le formulaire</button>\n";
	}

	function FormLienFin()
	{
		$montrees = array();
		foreach ($this->Retenues as $nom => $sorte)
			$montrees[] = $sorte . self::Code($nom) . ":" . self::Empreinte($sorte, self::$Chargees[$nom]) . ":"
				. self::Recette($sorte, self::$Chargees[$nom]);
		$this->Retenues = array();
		// Le formulaire de la cle chargee porte toujours ce champ, vide au besoin : un envoi qui ne l'a plus est
		// incomplet (Recoit), et ne peut faire prendre une valeur montree pour une valeur changee.
		$avec = $montrees || $this->ChampCle !== null;
		$texte = $this->Ouvre() . ($avec ? $this->AjouteChampHidden(self::VALEURS_MONTREES, implode(",", $montrees)) : "")
			. ($this->DansCadre ? "</fieldset>\n" : "") . ($this->Ferme ? "" : "</form>\n");
		$this->DansCadre = false;
		$this->Ferme = true;
		return $texte;
	}

	// Le champ cache qui porte la cle de la ligne que montre le formulaire, la valeur de la colonne
	// $cle par laquelle Maj_ALL la repere : celle de la ligne lue (NbReponse), sinon celle qu'a
	// portee l'envoi ($envoi) ; rien sans l'une ni l'autre. Modifier change ainsi la ligne chargee,
	// meme quand sa cle a ete tapee autrement. Ce formulaire porte aussi les valeurs qu'il montre
	// de la ligne lue (FormLienFin).
	function AjouteCleChargee($objet, $cle, $envoi = array())
	{
		$this->AvecCle = true;
		$lue = $objet->NbReponse > 0;
		$valeur = $lue ? ($objet->$cle ?? null) : self::CleChargee($envoi);
		if ($valeur === null) return "";
		$this->ChampCle = self::Texte($objet->TabChamps[$cle] ?? $cle);
		// La valeur de la cle de la page suit : une cle videe la reprend, et un envoi que PHP a perdu
		// (trop gros) retrouve par elle la ligne a montrer (Recoit).
		$page = self::$CleDeLaPage === "" ? null : ($lue ? ($objet->{self::$CleDeLaPage} ?? null) : self::CleChargee($envoi, 1));
		// Codee apres ":", si bien qu'une cle vide se distingue d'un champ vide (Vider le formulaire).
		return $this->AjouteChampHidden(self::CLE_CHARGEE, ":" . self::Code($valeur) . ($page === null ? "" : ":" . self::Code($page)));
	}

	// Le drapeau "obligatoire" d'un champ, sauf pour le champ de la cle d'une ligne chargee que le
	// navigateur montre vide (une cle vide, ou faite de fins de ligne dans une ligne de saisie) : il
	// refuserait d'envoyer Modifier, qui garde pourtant la cle chargee quand son champ est vide. Le
	// formulaire d'une ligne neuve garde le drapeau.
	private function Obligatoire($obligatoire, $nom, $sorte, $valeur)
	{
		$vide = $this->ChampCle !== null && self::Texte($nom) === $this->ChampCle && self::Renvoyee($sorte, $valeur) === "";
		return $vide ? "N" : $obligatoire;
	}

	// La cle de la ligne chargee que porte l'envoi (au rang 1, la valeur de la cle de la page), ou null.
	static function CleChargee($envoi = array(), $rang = 0)
	{
		$cle = $envoi[self::CLE_CHARGEE] ?? null;
		return is_string($cle) && substr($cle, 0, 1) === ":" ? self::Decode(explode(":", substr($cle, 1))[$rang] ?? null) : null;
	}

	// Les sortes de ligne de saisie dont le navigateur change la valeur montree : il coupe
	// les blancs autour d'une adresse ("t"), vide un nombre ("n") ou une date ("d") qu'il
	// n'accepte pas ; toute autre ligne ("l") perd seulement ses fins de ligne.
	const SORTES_DE_SAISIE = array("email" => "t", "url" => "t", "number" => "n", "date" => "d");

	// Ce que le navigateur renvoie d'une valeur montree dans un champ de la sorte donnee, a ce
	// qui n'en change pas le sens pres : les octets hors de l'UTF-8 lus en Latin-1 (Texte), le
	// NUL remplace, les fins de ligne unifiees ; puis selon la sorte (SORTES_DE_SAISIE), les
	// membres d'un SET ("s") dans l'ordre. Une zone de texte, un champ cache ou un groupe ("p")
	// renvoient le reste tel quel.
	static function Renvoyee($sorte, $valeur)
	{
		$v = str_replace(array("\r\n", "\r", "\0"), array("\n", "\n", "\u{FFFD}"), self::Texte($valeur));
		if (strpos("ltnd", $sorte) !== false) $v = str_replace("\n", "", $v);
		switch ($sorte) {
			case "t":
				return trim($v, " \t\f");
			case "n":
				return preg_match('/^-?([0-9]+(\.[0-9]+)?|\.[0-9]+)([eE][-+]?[0-9]+)?$/', $v) ? $v : "";
			case "d":
				return preg_match('/^([0-9]{4,})-([0-9]{2})-([0-9]{2})$/', $v, $d) && $d[1] > 0 && checkdate($d[2], $d[3], $d[1]) ? $v : "";
			case "s":
				$membres = array_diff(explode(",", $v), array(""));
				sort($membres, SORT_STRING);
				return implode(",", $membres);
		}
		return $v;
	}

	// Ce qui reconnait une valeur montree dans ce que le navigateur en renvoie : l'empreinte de sa
	// forme renvoyee. Seule l'empreinte voyage, pas la valeur : une ligne de quelques Mo tient
	// ainsi dans la limite d'envoi de PHP (post_max_size).
	static function Empreinte($sorte, $valeur)
	{
		return base64_encode(hash("sha256", self::Renvoyee($sorte, $valeur), true));
	}

	// Comment retrouver la valeur exacte de ce que le navigateur renvoie inchange : "" quand elle
	// est sa forme renvoyee, "r" quand ses fins de ligne sont toutes des CR LF (une zone de texte
	// remplie par un navigateur), sinon "=" et la valeur codee, qui voyage alors entiere.
	static function Recette($sorte, $valeur)
	{
		$renvoyee = self::Renvoyee($sorte, $valeur);
		if ($renvoyee === (string) $valeur) return "";
		if (str_replace("\n", "\r\n", $renvoyee) === (string) $valeur) return "r";
		return "=" . self::Code($valeur);
	}

	// La valeur exacte d'un champ renvoye inchange ($montree : sorte, empreinte, recette).
	private static function Exacte($envoye, $montree)
	{
		list($sorte, , $recette) = $montree;
		if (substr($recette, 0, 1) === "=") return self::Decode(substr($recette, 1));
		$renvoyee = self::Renvoyee($sorte, $envoye);
		return $recette === "r" ? str_replace("\n", "\r\n", $renvoyee) : $renvoyee;
	}

	// Dans le formulaire de la cle chargee, un champ qui montre la valeur de la ligne lue
	// ($Chargees) la retient, avec la sorte du champ.
	private function Retiens($sorte, $nom, $valeur)
	{
		$nom = self::Texte($nom);
		if ($this->AvecCle && array_key_exists($nom, self::$Chargees) && (string) $valeur === self::$Chargees[$nom])
			$this->Retenues[$nom] = $sorte;
	}

	// Les valeurs montrees de la ligne lue que porte l'envoi : nom => array(sorte, empreinte, recette).
	static function Montrees($envoi = array())
	{
		$montrees = array();
		$codees = $envoi[self::VALEURS_MONTREES] ?? "";
		foreach (is_string($codees) && $codees !== "" ? explode(",", $codees) : array() as $codee) {
			$parts = explode(":", substr($codee, 1));
			$nom = self::Decode($parts[0]);
			$exacte = substr($parts[2] ?? "", 0, 1) === "=" ? self::Decode(substr($parts[2], 1)) : "";
			if ($nom !== null && $exacte !== null && count($parts) == 3) $montrees[$nom] = array(substr($codee, 0, 1), $parts[1], $parts[2]);
		}
		return $montrees;
	}

	// Vrai quand l'envoi rend le champ tel que la page l'a montre.
	private static function Inchange($envoi, $nom, $montree)
	{
		$envoye = $envoi[$nom] ?? null;
		return is_string($envoye) && hash_equals($montree[1], self::Empreinte($montree[0], $envoye));
	}

	// L'envoi tel que la page le lit, avant Form2Variable : les cases d'un SET jointes en une
	// valeur ; la cle $cle d'une ligne de la liste telle que la base la garde ; un champ rendu
	// tel que la page l'a montre, sous la valeur exacte de la ligne lue (le navigateur en change
	// les fins de ligne et les octets hors de l'UTF-8). Pour une modification ($action), la cle
	// videe reprend celle de la ligne lue : une cle vide ne renomme pas la ligne (un ajout, lui,
	// laisse la base la donner). Un envoi que PHP a perdu ou coupe parce qu'il depassait une de ses
	// limites, ou une modification qui n'a plus les valeurs montrees de sa ligne, ne fait rien (Refuse).
	static function Recoit($envoi, $cle = "", &$action = "")
	{
		self::$CleDeLaPage = (string) $cle;
		if (!$envoi && ($perdu = self::EnvoiPerdu()) !== null)
			return self::Refuse("la demande (" . $perdu . " octets) dépasse la limite post_max_size de PHP ("
				. self::Attribut(ini_get("post_max_size")) . ")", $envoi, $cle, $action);
		if (self::EnvoiCoupe())
			return self::Refuse("la demande dépasse la limite max_input_vars de PHP (" . self::Attribut(ini_get("max_input_vars"))
				. " champs)", $envoi, $cle, $action);
		// Sans elles, chaque valeur montree passerait pour changee : Modifier ecrirait ce que la ligne avait
		// a l'affichage par-dessus ce qu'un autre client a ecrit depuis.
		if ($action === "Modifier" && self::CleChargee($envoi) !== null && !array_key_exists(self::VALEURS_MONTREES, $envoi))
			return self::Refuse("la demande est incomplète (champ " . self::VALEURS_MONTREES . " absent)", $envoi, $cle, $action);
		$cases = array();
		foreach ($envoi as $nom => $valeur)
			if (preg_match('/^(.+)-([0-9]+)$/s', (string) $nom, $m) && array_key_exists($m[1], $envoi)) {
				$cases[$m[1]][(int) $m[2]] = $valeur;
				unset($envoi[$nom]);
			}
		foreach ($cases as $nom => $valeurs) {
			ksort($valeurs);
			$envoi[$nom] = implode(",", $valeurs);
		}
		$codee = self::Decode($envoi[self::CLE_CODEE] ?? null);
		unset($envoi[self::CLE_CODEE]);
		if ($codee !== null && $cle !== "") $envoi[$cle] = $codee;
		foreach (self::Montrees($envoi) as $nom => $montree)
			if (self::Inchange($envoi, $nom, $montree)) $envoi[$nom] = self::Exacte($envoi[$nom], $montree);
		$chargee = self::CleChargee($envoi, 1);
		if ($cle !== "" && $action === "Modifier" && ($envoi[$cle] ?? null) === "" && $chargee !== null) $envoi[$cle] = $chargee;
		return $envoi;
	}

	// Une demande dont rien n'est fait : une ligne le dit, puis la ligne que la page avait chargee est
	// montree de nouveau ($action devient Editer, de la cle de la page que porte l'envoi, sinon son premier
	// champ) ; sans elle, la page n'a rien a faire ni a montrer.
	private static function Refuse($raison, $envoi, $cle, &$action)
	{
		echo "<strong>Pb Envoi : " . $raison . " : rien n'a été fait.</strong><br>";
		$page = self::CleChargee($envoi, 1) ?? self::CleChargee(self::PremierChamp(), 1);
		$action = $page === null || $cle === "" ? "" : "Editer";
		return $action === "" ? array() : array($cle => $page);
	}

	// Vrai quand PHP n'a garde qu'une partie des champs d'une demande POST (plus que max_input_vars) : il
	// l'a signale au debut de la demande, quel que soit l'ordre des champs.
	private static function EnvoiCoupe()
	{
		$message = is_array(self::$Demarrage) ? (string) (self::$Demarrage["message"] ?? "") : "";
		return ($_SERVER["REQUEST_METHOD"] ?? "") === "POST" && strpos($message, "Input variables exceeded") !== false;
	}

	// La taille d'une demande POST que PHP a laissee de cote parce qu'elle depasse post_max_size
	// ($_POST est alors vide), sinon null.
	private static function EnvoiPerdu()
	{
		$taille = (int) ($_SERVER["CONTENT_LENGTH"] ?? 0);
		$texte = trim((string) ini_get("post_max_size"));
		$limite = function_exists("ini_parse_quantity") ? ini_parse_quantity($texte)
			: (int) $texte * 1024 ** (int) stripos(" KMG", substr($texte, -1));
		return ($_SERVER["REQUEST_METHOD"] ?? "") === "POST" && $limite > 0 && $taille > $limite ? $taille : null;
	}

	// Le premier champ de l'envoi, lu sur la demande meme : le formulaire de la ligne chargee
	// commence par sa cle (AjouteCleChargee).
	private static function PremierChamp()
	{
		$flux = @fopen("php://input", "rb");
		$debut = $flux ? (string) fread($flux, 65536) : "";
		$fin = strpos($debut, "&");
		parse_str($fin === false ? "" : substr($debut, 0, $fin), $champ);
		return $champ;
	}

	// L'envoi sans les champs rendus tels que la page les a montres : ils ne changent rien.
	static function Modifies($envoi = array())
	{
		foreach (self::Montrees($envoi) as $nom => $montree)
			if (self::Inchange($envoi, $nom, $montree)) unset($envoi[$nom]);
		return $envoi;
	}

	// Appeles apres FormLienFin, hors du formulaire : donnent ses deux champs
	// (l'action et la cle d'un enregistrement) puis l'envoient.
	function ValidationParLien2Champs($libelle = "", $champ1 = "", $valeur1 = "", $champ2 = "", $valeur2 = "")
	{
		return self::Lien($libelle, self::ScriptDeuxChamps($this->Nom, $champ1, $valeur1, $champ2, $valeur2));
	}

	// Le formulaire vise est celui que nomme le deuxieme argument, sinon celui de l'objet.
	function ValidationParBouton2Champs($libelle = "", $formulaire = "", $champ1 = "", $valeur1 = "", $champ2 = "", $valeur2 = "")
	{
		$formulaire = self::Texte($formulaire) === "" ? $this->Nom : $formulaire;
		$script = self::ScriptDeuxChamps($formulaire, $champ1, $valeur1, $champ2, $valeur2);
		return '<button type="button"' . self::Valeur("onclick", $script) . ">" . self::Texte($libelle) . "</button>\n";
	}

	// Apres les actions de la page, les membres de l'objet de la table portent ce que ses
	// champs montrent : la ligne lue, telle quelle, quand une lecture en a trouve une
	// (NbReponse), sinon les valeurs envoyees ($envoi, d'ordinaire $_POST) telles
	// quelles. Un membre sans valeur vaut null : il se lit sans avertissement.
	// Les champs retiennent les valeurs de la ligne qu'ils montrent : celles de la ligne lue, ou,
	// dans un envoi montre de nouveau, celles qui reviennent telles que la page les avait montrees.
	static function Montre($objet, $envoi = array())
	{
		$lue = $objet->NbReponse > 0;
		self::$Rempli = $lue || $envoi;
		self::$Chargees = array();
		$montrees = $lue ? array() : self::Montrees($envoi);
		foreach (array_keys($objet->TabChamps) as $champ) {
			$objet->$champ = $lue ? ($objet->$champ ?? null) : ($envoi[$champ] ?? null);
			if ($lue) self::$Chargees[$champ] = (string) $objet->$champ;
			elseif (isset($montrees[$champ]) && self::Inchange($envoi, $champ, $montrees[$champ])) self::$Chargees[$champ] = (string) $envoi[$champ];
		}
	}
}
FormLien::$Demarrage = error_get_last();
?>
