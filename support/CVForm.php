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
	// Le type ("radio" ou "checkbox") et le nom du groupe ouvert par FormXBoxInit.
	private $TypeGroupe = "radio";
	private $NomGroupe = "";
	// La valeur que ValeurDuGroupe donne au prochain groupe (liste, radios ou cases), puis
	// celle du groupe ouvert : null, le choix par defaut de la description.
	private $Prochaine = null;
	private $ProchainesOffertes = array();
	private $Choisie = null;
	// Vrai quand les champs montrent une ligne lue ou un envoi (Montre) : un groupe sans valeur
	// n'y montre alors aucun choix, et non celui de la description, qu'un envoi tel quel ecrirait.
	private static $Rempli = false;
	// Le nom du champ cache qui porte la cle de la ligne chargee : il n'est pas un nom PHP, si bien
	// qu'aucune colonne ne le porte, et la cle tapee dans son propre champ n'efface pas celle-ci.
	const CLE_CHARGEE = "cle-chargee";

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
		return "var f=document.forms[" . self::Js($formulaire) . "]||this.closest('form');";
	}

	// Un lien qui execute le script donne puis ne suit pas son adresse.
	private static function Lien($libelle, $script)
	{
		return '<a href="#"' . self::Valeur("onclick", $script . "return false;") . ">" . self::Texte($libelle) . "</a>\n";
	}

	// Pose les paires (nom, valeur) dans le formulaire vise, en creant les champs
	// qui lui manquent, puis l'envoie.
	private static function ScriptDeuxChamps($formulaire, $champ1, $valeur1, $champ2, $valeur2)
	{
		$paires = "[[" . self::Js($champ1) . "," . self::Js($valeur1) . "],[" . self::Js($champ2) . "," . self::Js($valeur2) . "]]";
		return self::Cible($formulaire) . $paires . ".forEach(function(c){var e=f.elements[c[0]];"
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
		return $this->Ouvre() . "<label>" . self::Texte($libelle) . "<input" . self::Valeur("type", $type) . self::Valeur("name", $nom)
			. self::Valeur("value", $valeur) . self::Nombre($longueur, "size", 60) . self::Nombre($longueurMax, "maxlength")
			. self::Etats($obligatoire, $grise, $autofocus) . self::Option($optionChamp, $optionInput) . "></label>\n";
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
		return $this->Ouvre() . "<label>" . self::Texte($libelle) . "<textarea" . self::Valeur("name", $nom)
			. self::Nombre($longueur, "maxlength") . self::Etats($obligatoire, $grise, $autofocus)
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
		$valeur = self::Texte($valeur);
		$this->Prochaine = $valeur === "" && !self::$Rempli ? null : $valeur;
		$this->ProchainesOffertes = is_array($offertes) ? array_map(array(self::class, "Texte"), $offertes) : array();
	}

	// Le groupe qui s'ouvre prend la valeur donnee juste avant lui, et elle seule ; rend
	// la valeur a ajouter au groupe, ou null.
	private function OuvreGroupe()
	{
		$this->Choisie = $this->Prochaine;
		$ajoutee = $this->Choisie !== null && !in_array($this->Choisie, $this->ProchainesOffertes, true) ? $this->Choisie : null;
		$this->Prochaine = null;
		$this->ProchainesOffertes = array();
		return $ajoutee;
	}

	// Choisie quand elle est la valeur du groupe ; sans valeur, selon le drapeau de la description.
	private function EstChoisie($valeur, $defaut)
	{
		if ($this->Choisie === null) return self::Texte($defaut) === "O";
		return self::Texte($valeur) === $this->Choisie;
	}

	function FormSelectDebut($nom = "", $taille = "", $obligatoire = "", $autofocus = "")
	{
		$ajoutee = $this->OuvreGroupe();
		return $this->Ouvre() . "<select" . self::Valeur("name", $nom) . self::Nombre($taille, "size")
			. self::Etats($obligatoire, "", $autofocus) . ">\n"
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
	// une valeur vide : l'absence de choix est un choix.
	function FormXBoxInit($type = "", $nom = "")
	{
		$this->TypeGroupe = strtolower(self::Texte($type)) == "checkbox" ? "checkbox" : "radio";
		$this->NomGroupe = self::Texte($nom);
		$ajoutee = $this->OuvreGroupe();
		$vide = $this->TypeGroupe == "checkbox" ? '<input type="hidden"' . self::Valeur("name", $this->NomGroupe) . ' value="">' . "\n" : "";
		// Sans valeur, aucune case n'est cochee : il n'y a rien a ajouter.
		$ajoutee = $ajoutee === "" ? null : $ajoutee;
		return $this->Ouvre() . $vide . ($ajoutee === null ? "" : $this->FormXBox($ajoutee, self::Attribut($ajoutee), ""));
	}

	function FormXBox($valeur = "", $donnees = "", $defaut = "")
	{
		$coche = $this->EstChoisie($valeur, $defaut) ? " checked" : "";
		return $this->Ouvre() . "<label><input" . self::Valeur("type", $this->TypeGroupe) . self::Valeur("name", $this->NomGroupe)
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
		$texte = $this->Ouvre() . ($this->DansCadre ? "</fieldset>\n" : "") . ($this->Ferme ? "" : "</form>\n");
		$this->DansCadre = false;
		$this->Ferme = true;
		return $texte;
	}

	// Le champ cache qui porte la cle de la ligne que montre le formulaire : celle de la ligne lue
	// (NbReponse), sinon celle qu'a portee l'envoi ($envoi) ; rien sans l'une ni l'autre. Modifier
	// change ainsi la ligne chargee, meme quand sa cle a ete tapee autrement.
	function AjouteCleChargee($objet, $cle, $envoi = array())
	{
		$valeur = $objet->NbReponse > 0 ? ($objet->$cle ?? null) : self::CleChargee($envoi);
		return $valeur === null ? "" : $this->AjouteChampHidden(self::CLE_CHARGEE, $valeur);
	}

	// La cle de la ligne chargee que porte l'envoi, ou null.
	static function CleChargee($envoi = array())
	{
		$cle = $envoi[self::CLE_CHARGEE] ?? null;
		return is_string($cle) ? $cle : null;
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
	static function Montre($objet, $envoi = array())
	{
		$lue = $objet->NbReponse > 0;
		self::$Rempli = $lue || $envoi;
		foreach (array_keys($objet->TabChamps) as $champ)
			$objet->$champ = $lue ? ($objet->$champ ?? null) : ($envoi[$champ] ?? null);
	}
}
?>
