<?php

	// Classe : sans_champ
	// Fichier généré par corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL
	// Date de génération : <DATE> <HEURE>

class sans_champ	{

	// Variable de la table.
	// Variable de la classe vers les enregistrements.
	// Variable Libellé des champs de la table.
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
	// Constructeur de la table sans_champ
	function sans_champ()	{
		// Initialisation des libellés de champs.
		// Initialisation de la structure
		$this->InitVariable();
		// Tableau Champs Libelle
		$this->TabChamps = array();
		// Tableau Champs Numéroté
		$this->TabChampsLibNum = array();
		// Tableau Libellé des Champs
		$this->TabLongueurChamps = array();
		$this->ChampIn="";
		$this->ChampTri="";
		$this->ChampTriSens="";
		$this->NbReponse=0;
	}

	// Initialisation des variables.
	function InitVariable()	{
	}

	// Initialisation des variables Virtuelles.
	private function InitVariableV()	{
	}

	// Fermeture de la table sans_champ
	function Ferme()	{
		if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);
	}

}
?>
