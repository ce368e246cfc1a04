<?php

	// Classe : client
	// Fichier généré par corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL
	// Date de génération : <DATE> <HEURE>

class client	{

	// Variable de la table.
	public $id;
	public $nom;
	public $remise;
	public $qte;
	public $calcul;
	public $cree;
	public $grand;
	public $note;
	// Variable de la classe vers les enregistrements.
	private $v_id;
	private $v_nom;
	private $v_remise;
	private $v_qte;
	private $v_calcul;
	private $v_cree;
	private $v_grand;
	private $v_note;
	// Variable Libellé des champs de la table.
	public	$Libelle_id;
	public	$Libelle_nom;
	public	$Libelle_remise;
	public	$Libelle_qte;
	public	$Libelle_calcul;
	public	$Libelle_cree;
	public	$Libelle_grand;
	public	$Libelle_note;
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
	// Constructeur de la table client
	function client()	{
		// Initialisation des libellés de champs.
		$this->Libelle_id="id"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_nom="Nom du \"client\" \\ \$x"; // // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_remise="Remise (%)"; // // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_qte="qte"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_calcul="calcul"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_cree="Création"; // // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_grand="grand"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_note="note"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		// Initialisation de la structure
		$this->InitVariable();
		// Tableau Champs Libelle
		$this->TabChamps = array('id' => "id",'nom' => "nom",'remise' => "remise",'qte' => "qte",'calcul' => "calcul",'cree' => "cree",'grand' => "grand",'note' => "note");
		// Tableau Champs Numéroté
		$this->TabChampsLibNum = array(1 => "Pas de commentaire dans SGBD pour ce champ.",2 => "Nom du \"client\" \\ \$x",3 => "Remise (%)",4 => "Pas de commentaire dans SGBD pour ce champ.",5 => "Pas de commentaire dans SGBD pour ce champ.",6 => "Création",7 => "Pas de commentaire dans SGBD pour ce champ.",8 => "Pas de commentaire dans SGBD pour ce champ.");
		// Tableau Libellé des Champs
		$this->TabLongueurChamps = array("id" => "10","nom" => "40","remise" => "10","qte" => "10","calcul" => "10","cree" => "19","grand" => "0","note" => "10");
		$this->ChampIn="";
		$this->ChampTri="";
		$this->ChampTriSens="";
		$this->NbReponse=0;
	}

	// Initialisation des variables.
	function InitVariable()	{
		$this->id="";
		$this->nom="";
		$this->remise=1.50;
		$this->qte=5;
		$this->calcul="";
		$this->cree="";
		$this->grand="";
		$this->note=-2.5e3;
	}

	// Initialisation des variables Virtuelles.
	private function InitVariableV()	{
		$this->v_id="";
		$this->v_nom="";
		$this->v_remise=1.50;
		$this->v_qte=5;
		$this->v_calcul="";
		$this->v_cree="";
		$this->v_grand="";
		$this->v_note=-2.5e3;
	}

	// Fermeture de la table client
	function Ferme()	{
		if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);
	}

}
?>
