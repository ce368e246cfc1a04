<?php

	// Classe : un
	// Fichier généré par corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL
	// Date de génération : <DATE> <HEURE>

class un	{

	// Variable de la table.
	public $seul;
	// Variable de la classe vers les enregistrements.
	private $v_seul;
	// Variable Libellé des champs de la table.
	public	$Libelle_seul;
	// Variable de la classe;
	public	$Resultat;
	public	$TabChamps = array();
	public	$TabChampsLibelle= array();
	private $data = array();
	private $dataTab = array();
	public	$TabLongueurChamps;
	public	$ChampTri;
	public	$ChampTriSens;
	public	$In;
	public	$TabIn = array();
	public	$ChampIn;
	public	$NbReponse=0;
	public	$InsertionOK=0;
	public	$ModificationOK=0;
	public	$EffacementOK=0;
	public	$OK=1;
	public	$NOK=0;
	public	$erreur="";
	// Constructeur de la table un
	function un()	{
		// Initialisation des libellés de champs.
		$this->Libelle_seul="Le seul champ"; // // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		// Initialisation de la structure
		$this->InitVariable();
		// Tableau Champs Libelle
		$this->TabChamps = array('seul' => "seul");
		// Tableau Champs Numéroté
		$this->TabChampsLibNum = array(1 => "Le seul champ");
		// Tableau Libellé des Champs
		$this->TabLongueurChamps = array("seul" => "12");
		$this->ChampIn="";
		$this->ChampTri="";
		$this->ChampTriSens="";
		$this->NbReponse=0;
	}

	// Initialisation des variables.
	function InitVariable()	{
		$this->seul="";
	}

	// Initialisation des variables Virtuelles.
	private function InitVariableV()	{
		$this->v_seul="";
	}

	// Fermeture de la table un
	function Ferme()	{
		if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);
	}

}
?>
