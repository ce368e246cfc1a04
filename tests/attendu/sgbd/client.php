<?php

	// Classe : client
	// Fichier généré par corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL
	// Date de génération : <FR> <HEURE>

class client	{

	// Variable de la table.
	public $id;
	public $nom;
	public $ville;
	public $remise;
	public $qte;
	public $note;
	public $naissance;
	public $cree;
	public $memo;
	public $calcul;
	public $mesure;
	// Variable de la classe vers les enregistrements.
	private $v_id;
	private $v_nom;
	private $v_ville;
	private $v_remise;
	private $v_qte;
	private $v_note;
	private $v_naissance;
	private $v_cree;
	private $v_memo;
	private $v_calcul;
	private $v_mesure;
	// Variable Libellé des champs de la table.
	public	$Libelle_id;
	public	$Libelle_nom;
	public	$Libelle_ville;
	public	$Libelle_remise;
	public	$Libelle_qte;
	public	$Libelle_note;
	public	$Libelle_naissance;
	public	$Libelle_cree;
	public	$Libelle_memo;
	public	$Libelle_calcul;
	public	$Libelle_mesure;
	// Variable de la classe;
	public	$Resultat;
	public	$TabChamps = array();
	public	$TabChampsLibelle= array();
	public	$TabChampsLibNum = array();
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
	// Constructeur appelé par new : il appelle client()
	function __construct()	{
		$this->client();
	}

	// Constructeur de la table client
	function client()	{
		// Initialisation des libellés de champs.
		$this->Libelle_id="Identifiant"; // // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_nom="Nom du \"client\" \\ \$x"; // // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_ville="ville"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_remise="Remise (%)"; // // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_qte="qte"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_note="note"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_naissance="naissance"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_cree="Création"; // // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_memo="memo"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_calcul="calcul"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_mesure="mesure"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		// Initialisation de la structure
		$this->InitVariable();
		// Tableau Champs Libelle
		$this->TabChamps = array('id' => "id",'nom' => "nom",'ville' => "ville",'remise' => "remise",'qte' => "qte",'note' => "note",'naissance' => "naissance",'cree' => "cree",'memo' => "memo",'calcul' => "calcul",'mesure' => "mesure");
		// Tableau Champs Numéroté
		$this->TabChampsLibNum = array(1 => "Identifiant",2 => "Nom du \"client\" \\ \$x",3 => "Pas de commentaire dans SGBD pour ce champ.",4 => "Remise (%)",5 => "Pas de commentaire dans SGBD pour ce champ.",6 => "Pas de commentaire dans SGBD pour ce champ.",7 => "Pas de commentaire dans SGBD pour ce champ.",8 => "Création",9 => "Pas de commentaire dans SGBD pour ce champ.",10 => "Pas de commentaire dans SGBD pour ce champ.",11 => "Pas de commentaire dans SGBD pour ce champ.");
		// Tableau Libellé des Champs
		$this->TabLongueurChamps = array("id" => "10","nom" => "40","ville" => "30","remise" => "10","qte" => "10","note" => "10","naissance" => "10","cree" => "19","memo" => "65535","calcul" => "10","mesure" => "10");
		$this->ChampIn="";
		$this->ChampTri="";
		$this->ChampTriSens="";
		$this->NbReponse=0;
	}

	// Initialisation des variables.
	function InitVariable()	{
		$this->id="";
		$this->nom="";
		$this->ville="";
		$this->remise=1.50;
		$this->qte=5;
		$this->note="";
		$this->naissance="";
		$this->cree="";
		$this->memo="";
		$this->calcul="";
		$this->mesure=-2500;
	}

	// Initialisation des variables Virtuelles.
	private function InitVariableV()	{
		$this->v_id="";
		$this->v_nom="";
		$this->v_ville="";
		$this->v_remise=1.50;
		$this->v_qte=5;
		$this->v_note="";
		$this->v_naissance="";
		$this->v_cree="";
		$this->v_memo="";
		$this->v_calcul="";
		$this->v_mesure=-2500;
	}

	// Ecriture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsEcriture()	{
		if (isset($this->id) and $this->id!=="")	$this->v_id = (is_numeric($this->id) ? "$this->id" : "'".addslashes($this->id)."'");
			else  $this->v_id = "NULL";
		if (isset($this->nom))	$this->v_nom = "'$this->nom'";
			else  $this->v_nom = "NULL";
		if (isset($this->ville))	$this->v_ville = "'$this->ville'";
			else  $this->v_ville = "NULL";
		if (isset($this->remise) and $this->remise!=="")	$this->v_remise = (is_numeric($this->remise) ? "$this->remise" : "'".addslashes($this->remise)."'");
			else  $this->v_remise = "NULL";
		if (isset($this->qte) and $this->qte!=="")	$this->v_qte = (is_numeric($this->qte) ? "$this->qte" : "'".addslashes($this->qte)."'");
			else  $this->v_qte = "NULL";
		if (isset($this->note) and $this->note!=="")	$this->v_note = (is_numeric($this->note) ? "$this->note" : "'".addslashes($this->note)."'");
			else  $this->v_note = "NULL";
		if (isset($this->naissance) and $this->naissance!=="")	$this->v_naissance = "'$this->naissance'";
			else  $this->v_naissance = "NULL";
		if (isset($this->cree) and $this->cree!=="")	$this->v_cree = "'$this->cree'";
			else  $this->v_cree = "NULL";
		if (isset($this->memo))	$this->v_memo = "'$this->memo'";
			else  $this->v_memo = "NULL";
		if (isset($this->calcul) and $this->calcul!=="")	$this->v_calcul = (is_numeric($this->calcul) ? "$this->calcul" : "'".addslashes($this->calcul)."'");
			else  $this->v_calcul = "NULL";
		if (isset($this->mesure) and $this->mesure!=="")	$this->v_mesure = (is_numeric($this->mesure) ? "$this->mesure" : "'".addslashes($this->mesure)."'");
			else  $this->v_mesure = "NULL";
	}

	// Lecture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsLecture()	{
		$this->InitVariable();
		if (isset($this->v_id))	{
			$this->id = $this->v_id;
		}	else unset($this->id);
		if (isset($this->v_nom))	{
			$this->nom = $this->v_nom;
		}	else unset($this->nom);
		if (isset($this->v_ville))	{
			$this->ville = $this->v_ville;
		}	else unset($this->ville);
		if (isset($this->v_remise))	{
			$this->remise = $this->v_remise;
		}	else unset($this->remise);
		if (isset($this->v_qte))	{
			$this->qte = $this->v_qte;
		}	else unset($this->qte);
		if (isset($this->v_note))	{
			$this->note = $this->v_note;
		}	else unset($this->note);
		if (isset($this->v_naissance))	{
			$this->naissance = $this->v_naissance;
		}	else unset($this->naissance);
		if (isset($this->v_cree))	{
			$this->cree = $this->v_cree;
		}	else unset($this->cree);
		if (isset($this->v_memo))	{
			$this->memo = $this->v_memo;
		}	else unset($this->memo);
		if (isset($this->v_calcul))	{
			$this->calcul = $this->v_calcul;
		}	else unset($this->calcul);
		if (isset($this->v_mesure))	{
			$this->mesure = $this->v_mesure;
		}	else unset($this->mesure);
	}

	// Met le contenu des champs concaténés.
	function TableauInitColonne()	{
		$this->dataTab=array();
	}

	// Ajoute le contenu à l'affichage.
	function TableauAjouteColonne($numColonne)	{
		$this->dataTab[count($this->dataTab)]=$numColonne;
	}

	// Construit les libellés pour les entetes de colonnes.
	function TableauFaitLibelle()	{
		for($i=0;$i<count($this->dataTab);$i++)	{
			if (isset($this->dataTab[$i]))	{
				$this->data[$i]=$this->TabChampsLibNum[$this->dataTab[$i]];
			}
		}
		return $this->data;
	}

	// Construit le tableau avec les champs indiqué TableauAjouteColonne.
	function TableauFaitChamps()	{
		$this->data=array();
		for($i=0;$i<count($this->dataTab);$i++)	{
			if (isset($this->dataTab[$i]))	{
				if ($this->dataTab[$i]==1)	$this->data[count($this->data)]=(isset($this->id) ? $this->id : null);
				if ($this->dataTab[$i]==2)	$this->data[count($this->data)]=(isset($this->nom) ? $this->nom : null);
				if ($this->dataTab[$i]==3)	$this->data[count($this->data)]=(isset($this->ville) ? $this->ville : null);
				if ($this->dataTab[$i]==4)	$this->data[count($this->data)]=(isset($this->remise) ? $this->remise : null);
				if ($this->dataTab[$i]==5)	$this->data[count($this->data)]=(isset($this->qte) ? $this->qte : null);
				if ($this->dataTab[$i]==6)	$this->data[count($this->data)]=(isset($this->note) ? $this->note : null);
				if ($this->dataTab[$i]==7)	$this->data[count($this->data)]=(isset($this->naissance) ? $this->naissance : null);
				if ($this->dataTab[$i]==8)	$this->data[count($this->data)]=(isset($this->cree) ? $this->cree : null);
				if ($this->dataTab[$i]==9)	$this->data[count($this->data)]=(isset($this->memo) ? $this->memo : null);
				if ($this->dataTab[$i]==10)	$this->data[count($this->data)]=(isset($this->calcul) ? $this->calcul : null);
				if ($this->dataTab[$i]==11)	$this->data[count($this->data)]=(isset($this->mesure) ? $this->mesure : null);
			}
		}
		return $this->data;
	}

	// Affichage des variables de la classe reflétant les champs de la table client
	function AfficheVarClasse( $var = "")	{
		echo "<table border=\"1\"><tr><td>".$var."</td><td>Contenu champs de la classe : client</td></tr>";
		if (isset($this->id)) $valeur=$this->id;    else    $valeur="";
		echo "<tr><td>id=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->nom)) $valeur=$this->nom;    else    $valeur="";
		echo "<tr><td>nom=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->ville)) $valeur=$this->ville;    else    $valeur="";
		echo "<tr><td>ville=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->remise)) $valeur=$this->remise;    else    $valeur="";
		echo "<tr><td>remise=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->qte)) $valeur=$this->qte;    else    $valeur="";
		echo "<tr><td>qte=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->note)) $valeur=$this->note;    else    $valeur="";
		echo "<tr><td>note=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->naissance)) $valeur=$this->naissance;    else    $valeur="";
		echo "<tr><td>naissance=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->cree)) $valeur=$this->cree;    else    $valeur="";
		echo "<tr><td>cree=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->memo)) $valeur=$this->memo;    else    $valeur="";
		echo "<tr><td>memo=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->calcul)) $valeur=$this->calcul;    else    $valeur="";
		echo "<tr><td>calcul=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->mesure)) $valeur=$this->mesure;    else    $valeur="";
		echo "<tr><td>mesure=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		echo "</table>";
	}

	// Récupération des données du formulaire envoyé
	function Form2Variable()	{
		if (isset($_POST["id"]))  $this->id=addslashes($_POST["id"]);
			else unset($this->id);
		if (isset($_POST["nom"]))  $this->nom=addslashes($_POST["nom"]);
			else unset($this->nom);
		if ( isset($_POST["ville"]) and ($_POST["ville"]!="") )  $this->ville=addslashes($_POST["ville"]);
		elseif ( isset($_POST["ville"]) and ($_POST["ville"]=="") )  unset($this->ville);
			else unset($this->ville);
		if ( isset($_POST["remise"]) and ($_POST["remise"]!="") )  $this->remise=addslashes($_POST["remise"]);
		elseif ( isset($_POST["remise"]) and ($_POST["remise"]=="") )  unset($this->remise);
			else unset($this->remise);
		if ( isset($_POST["qte"]) and ($_POST["qte"]!="") )  $this->qte=addslashes($_POST["qte"]);
		elseif ( isset($_POST["qte"]) and ($_POST["qte"]=="") )  unset($this->qte);
			else unset($this->qte);
		if ( isset($_POST["note"]) and ($_POST["note"]!="") )  $this->note=addslashes($_POST["note"]);
		elseif ( isset($_POST["note"]) and ($_POST["note"]=="") )  unset($this->note);
			else unset($this->note);
		if ( isset($_POST["naissance"]) and ($_POST["naissance"]!="") )  $this->naissance=addslashes($_POST["naissance"]);
		elseif ( isset($_POST["naissance"]) and ($_POST["naissance"]=="") )  unset($this->naissance);
			else unset($this->naissance);
		if ( isset($_POST["cree"]) and ($_POST["cree"]!="") )  $this->cree=addslashes($_POST["cree"]);
		elseif ( isset($_POST["cree"]) and ($_POST["cree"]=="") )  unset($this->cree);
			else unset($this->cree);
		if ( isset($_POST["memo"]) and ($_POST["memo"]!="") )  $this->memo=addslashes($_POST["memo"]);
		elseif ( isset($_POST["memo"]) and ($_POST["memo"]=="") )  unset($this->memo);
			else unset($this->memo);
		if ( isset($_POST["calcul"]) and ($_POST["calcul"]!="") )  $this->calcul=addslashes($_POST["calcul"]);
		elseif ( isset($_POST["calcul"]) and ($_POST["calcul"]=="") )  unset($this->calcul);
			else unset($this->calcul);
		if ( isset($_POST["mesure"]) and ($_POST["mesure"]!="") )  $this->mesure=addslashes($_POST["mesure"]);
		elseif ( isset($_POST["mesure"]) and ($_POST["mesure"]=="") )  unset($this->mesure);
			else unset($this->mesure);
	}

	// Convertion des Variables en champs visible pour le navigateur
	function Variable2Form()	{
		if (isset($this->nom)) $this->nom=stripslashes($this->nom);
		if (isset($this->ville)) $this->ville=stripslashes($this->ville);
	}

	// Fonction parcours dans les champs id,nom,ville,remise,qte,note,naissance,cree,memo,calcul,mesure, de la table client
	function Parcours()	{
		// Constitution de la requête
		$where = "";  // Clause where
		$this->In = ""; // in value (contenu du tableau TabIn
		$order = ""; // Ordre des champs
		if (isset($this->id) and $this->id!='') $where.="id='$this->id' and ";
		if (isset($this->nom) and $this->nom!='') $where.="nom='$this->nom' and ";
		if (isset($this->ville) and $this->ville!='') $where.="ville='$this->ville' and ";
		if (isset($this->remise) and $this->remise!='') $where.="remise='$this->remise' and ";
		if (isset($this->qte) and $this->qte!='') $where.="qte='$this->qte' and ";
		if (isset($this->note) and $this->note!='') $where.="note='$this->note' and ";
		if (isset($this->naissance) and $this->naissance!='') $where.="naissance='$this->naissance' and ";
		if (isset($this->cree) and $this->cree!='') $where.="cree='$this->cree' and ";
		if (isset($this->memo) and $this->memo!='') $where.="memo='$this->memo' and ";
		if (isset($this->calcul) and $this->calcul!='') $where.="calcul='$this->calcul' and ";
		if (isset($this->mesure) and $this->mesure!='') $where.="mesure='$this->mesure' and ";
		$pos_and=strrpos($where,' and ');
		if (strlen($where)-$pos_and==5)    {
			if (strlen($where)>5) $where=substr($where, 0, strlen($where)-5);
		}
		// IN (champ in (valeur1, valeur2, ...)
		if (count($this->TabIn)>0)	{
			if ($where!="")	$this->In.=" and ";
			$this->In.=$this->ChampIn." in(";
			foreach ($this->TabIn as $i=> $v)	{
				$this->In.=$v;
				if ($i<count($this->TabIn)-1) $this->In.=",";
			}
			$this->In.=") ";
			$where.= $this->In;
		}
		if ($where!="")
			$Requete = "Select * from client where $where";
		else
			$Requete = "Select * from client";
		// TRI
		if (($this->ChampTri!="") and ($this->ChampTriSens!="")) {
			$order.=" order by ".$this->ChampTri." ";
			if ($this->ChampTriSens=="+") $order.="Asc";
			if ($this->ChampTriSens=="-") $order.="Desc";
		}
		if ($order!="")
			$Requete .= $order.";";
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Parcours toute la table:client",mysql_error() );
		return $this->erreur;
	}
	// Fonction Next  qui recupère les enregistrements suivants (Curseur) id,nom,ville,remise,qte,note,naissance,cree,memo,calcul,mesure, de la table client
	function Next()	{
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->InitVariableV();
			if (isset($_Resultat->id))	$this->v_id=$_Resultat->id;
			if (isset($_Resultat->nom))	$this->v_nom=$_Resultat->nom;
			if (isset($_Resultat->ville))	$this->v_ville=$_Resultat->ville;
			if (isset($_Resultat->remise))	$this->v_remise=$_Resultat->remise;
			if (isset($_Resultat->qte))	$this->v_qte=$_Resultat->qte;
			if (isset($_Resultat->note))	$this->v_note=$_Resultat->note;
			if (isset($_Resultat->naissance))	$this->v_naissance=$_Resultat->naissance;
			if (isset($_Resultat->cree))	$this->v_cree=$_Resultat->cree;
			if (isset($_Resultat->memo))	$this->v_memo=$_Resultat->memo;
			if (isset($_Resultat->calcul))	$this->v_calcul=$_Resultat->calcul;
			if (isset($_Resultat->mesure))	$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			unset($this->v_id);
			unset($this->v_nom);
			unset($this->v_ville);
			unset($this->v_remise);
			unset($this->v_qte);
			unset($this->v_note);
			unset($this->v_naissance);
			unset($this->v_cree);
			unset($this->v_memo);
			unset($this->v_calcul);
			unset($this->v_mesure);
			$this->TransfertChampsLecture();
			$this->NbReponse=0;
		}
		return $_Resultat;
	}

	// Fonction qui recupère les enregistrements suivants lors d'une requete libre (unions, jointure ou autre)
	// retourne un tableau contenant les champs de la requete par ordre d'apparaition
	function DonneLigne()	{
		$_Resultat=mysql_fetch_row($this->Resultat);
		return $_Resultat;
	}

	// Fonction Cherche dans les champs id,nom,ville,remise,qte,note,naissance,cree,memo,calcul,mesure, de la table client
	function Cherche()	{
		$this->TransfertChampsEcriture();
		// Constitution de la requete
		$where = "";
		if (isset($this->id) and $this->id!='') $where.="id='$this->id' and ";
		if (isset($this->nom) and $this->nom!='') $where.="nom='$this->nom' and ";
		if (isset($this->ville) and $this->ville!='') $where.="ville='$this->ville' and ";
		if (isset($this->remise) and $this->remise!='') $where.="remise='$this->remise' and ";
		if (isset($this->qte) and $this->qte!='') $where.="qte='$this->qte' and ";
		if (isset($this->note) and $this->note!='') $where.="note='$this->note' and ";
		if (isset($this->naissance) and $this->naissance!='') $where.="naissance='$this->naissance' and ";
		if (isset($this->cree) and $this->cree!='') $where.="cree='$this->cree' and ";
		if (isset($this->memo) and $this->memo!='') $where.="memo='$this->memo' and ";
		if (isset($this->calcul) and $this->calcul!='') $where.="calcul='$this->calcul' and ";
		if (isset($this->mesure) and $this->mesure!='') $where.="mesure='$this->mesure' and ";
		$pos_and=strrpos($where,' and ');
		if (strlen($where)-$pos_and==5)    {
			if (strlen($where)>5) $where=substr($where, 0, strlen($where)-5);
		}
		else echo "ERREUR : fonction Cherche multi-critère - pas de critère de recherche";
		if (($this->ChampTri!="") and ($this->ChampTriSens!="")) {
			$where.="order by ".$this->ChampTri." ";
			if ($this->ChampTriSens=="+") $where.="Asc";
			if ($this->ChampTriSens=="-") $where.="Desc";
		}
		$this->Resultat=mysql_query( "Select * from client where $where" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche tous les champs dans la table:client",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ id de la table client
	function Cherche_id( $id=null )	{
		if (isset($id) ) $this->id=$id;
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query( "Select * from client where id=$this->v_id;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.id",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ nom de la table client
	function Cherche_nom( $nom=null )	{
		if (isset($nom) ) $this->nom=$nom;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where nom=$this->v_nom;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.nom",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ ville de la table client
	function Cherche_ville( $ville=null )	{
		if (isset($ville) ) $this->ville=$ville;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where ville=$this->v_ville;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.ville",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ remise de la table client
	function Cherche_remise( $remise=null )	{
		if (isset($remise) ) $this->remise=$remise;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where remise=$this->v_remise;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.remise",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ qte de la table client
	function Cherche_qte( $qte=null )	{
		if (isset($qte) ) $this->qte=$qte;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where qte=$this->v_qte;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.qte",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ note de la table client
	function Cherche_note( $note=null )	{
		if (isset($note) ) $this->note=$note;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where note=$this->v_note;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.note",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ naissance de la table client
	function Cherche_naissance( $naissance=null )	{
		if (isset($naissance) ) $this->naissance=$naissance;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where naissance=$this->v_naissance;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.naissance",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ cree de la table client
	function Cherche_cree( $cree=null )	{
		if (isset($cree) ) $this->cree=$cree;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where cree=$this->v_cree;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.cree",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ memo de la table client
	function Cherche_memo( $memo=null )	{
		if (isset($memo) ) $this->memo=$memo;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where memo=$this->v_memo;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.memo",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ calcul de la table client
	function Cherche_calcul( $calcul=null )	{
		if (isset($calcul) ) $this->calcul=$calcul;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where calcul=$this->v_calcul;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.calcul",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ mesure de la table client
	function Cherche_mesure( $mesure=null )	{
		if (isset($mesure) ) $this->mesure=$mesure;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from client where mesure=$this->v_mesure;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Cherche dans client.mesure",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_id=$_Resultat->id;
			$this->v_nom=$_Resultat->nom;
			$this->v_ville=$_Resultat->ville;
			$this->v_remise=$_Resultat->remise;
			$this->v_qte=$_Resultat->qte;
			$this->v_note=$_Resultat->note;
			$this->v_naissance=$_Resultat->naissance;
			$this->v_cree=$_Resultat->cree;
			$this->v_memo=$_Resultat->memo;
			$this->v_calcul=$_Resultat->calcul;
			$this->v_mesure=$_Resultat->mesure;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Insertion de la table client
	function Insertion()	{
		$this->TransfertChampsEcriture();
		// Une valeur absente, ou un nombre ou une date vide, prend la valeur par défaut de la colonne.
		if ($this->v_nom==="NULL")	$this->v_nom="DEFAULT";
		if ($this->v_ville==="NULL")	$this->v_ville="DEFAULT";
		if ($this->v_remise==="NULL")	$this->v_remise="DEFAULT";
		if ($this->v_qte==="NULL")	$this->v_qte="DEFAULT";
		if ($this->v_note==="NULL")	$this->v_note="DEFAULT";
		if ($this->v_naissance==="NULL")	$this->v_naissance="DEFAULT";
		if ($this->v_cree==="NULL")	$this->v_cree="DEFAULT";
		if ($this->v_memo==="NULL")	$this->v_memo="DEFAULT";
		if ($this->v_calcul==="NULL")	$this->v_calcul="DEFAULT";
		if ($this->v_mesure==="NULL")	$this->v_mesure="DEFAULT";
		$Requete="insert into client (nom,ville,remise,qte,note,naissance,cree,memo,calcul,mesure) values($this->v_nom,$this->v_ville,$this->v_remise,$this->v_qte,$this->v_note,$this->v_naissance,$this->v_cree,$this->v_memo,$this->v_calcul,$this->v_mesure);";
		$this->Resultat=mysql_query($Requete );
		$this->InsertionOK=mysql_affected_rows();
		$this->id=mysql_insert_id();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Insertion de la table:client",mysql_error() );
		return $this->erreur;
	}

	// Fonction mise à jour des champs de la table client
	function Maj_ALL( $Gardees = array(), $Ligne = null )	{
		$this->TransfertChampsEcriture();
		// La ligne est celle de la clé $Ligne (telle que la base la garde), dont la clé devient alors
		// celle du membre id ; sans $Ligne, celle du membre id, qui n'est pas écrit.
		if (!isset($Ligne)) $Gardees[]="id";
		$Ou = $Ligne ?? $this->v_id;
		if (!is_numeric($Ou)) $Ou="NULL"; // Pas un nombre : aucune ligne.
		// Les colonnes de $Gardees ne sont pas écrites : chacune garde la valeur que la ligne a dans la base.
		$Colonnes = array_diff_key(array("id" => "id=$this->v_id","nom" => "nom=$this->v_nom","ville" => "ville=$this->v_ville","remise" => "remise=$this->v_remise","qte" => "qte=$this->v_qte","note" => "note=$this->v_note","naissance" => "naissance=$this->v_naissance","cree" => "cree=$this->v_cree","memo" => "memo=$this->v_memo","calcul" => "calcul=$this->v_calcul","mesure" => "mesure=$this->v_mesure"), array_flip($Gardees));
		$Requete = "update client set ".($Colonnes ? implode(",", $Colonnes) : "id=id")." where id=$Ou;";
		$this->Resultat=mysql_query( $Requete );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_All du champ client.id",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ nom de la table client
	function Maj_nom()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set nom=$this->v_nom where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_nom - Update du champ client.nom",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ ville de la table client
	function Maj_ville()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set ville=$this->v_ville where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_ville - Update du champ client.ville",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ remise de la table client
	function Maj_remise()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set remise=$this->v_remise where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_remise - Update du champ client.remise",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ qte de la table client
	function Maj_qte()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set qte=$this->v_qte where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_qte - Update du champ client.qte",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ note de la table client
	function Maj_note()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set note=$this->v_note where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_note - Update du champ client.note",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ naissance de la table client
	function Maj_naissance()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set naissance=$this->v_naissance where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_naissance - Update du champ client.naissance",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ cree de la table client
	function Maj_cree()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set cree=$this->v_cree where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_cree - Update du champ client.cree",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ memo de la table client
	function Maj_memo()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set memo=$this->v_memo where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_memo - Update du champ client.memo",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ calcul de la table client
	function Maj_calcul()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set calcul=$this->v_calcul where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_calcul - Update du champ client.calcul",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ mesure de la table client
	function Maj_mesure()	{
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("update client set mesure=$this->v_mesure where id=$this->v_id;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Maj_mesure - Update du champ client.mesure",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ indexid
	function EffaceAvecIndex_id( $id = null )	{
		if (isset( $id) ) $this->id=$id;
		$this->TransfertChampsEcriture();
		if (!is_numeric($this->v_id)) $this->v_id="NULL"; // Pas un nombre : aucune ligne.
		$this->Resultat=mysql_query("Delete from client where id=$this->v_id;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ nom
	function EffaceAvec_nom( $nom = null )	{
		if (isset( $nom) ) $this->nom=$nom;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where nom=$this->v_nom;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ ville
	function EffaceAvec_ville( $ville = null )	{
		if (isset( $ville) ) $this->ville=$ville;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where ville=$this->v_ville;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ remise
	function EffaceAvec_remise( $remise = null )	{
		if (isset( $remise) ) $this->remise=$remise;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where remise=$this->v_remise;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ qte
	function EffaceAvec_qte( $qte = null )	{
		if (isset( $qte) ) $this->qte=$qte;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where qte=$this->v_qte;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ note
	function EffaceAvec_note( $note = null )	{
		if (isset( $note) ) $this->note=$note;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where note=$this->v_note;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ naissance
	function EffaceAvec_naissance( $naissance = null )	{
		if (isset( $naissance) ) $this->naissance=$naissance;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where naissance=$this->v_naissance;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ cree
	function EffaceAvec_cree( $cree = null )	{
		if (isset( $cree) ) $this->cree=$cree;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where cree=$this->v_cree;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ memo
	function EffaceAvec_memo( $memo = null )	{
		if (isset( $memo) ) $this->memo=$memo;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where memo=$this->v_memo;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ calcul
	function EffaceAvec_calcul( $calcul = null )	{
		if (isset( $calcul) ) $this->calcul=$calcul;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where calcul=$this->v_calcul;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table client avec le champ mesure
	function EffaceAvec_mesure( $mesure = null )	{
		if (isset( $mesure) ) $this->mesure=$mesure;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from client where mesure=$this->v_mesure;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::Efface de la table client",mysql_error() );
		return $this->erreur;
	}

	// Fonction exécute de la requête
	function ExecuteRequete($Requete)	{
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"client::ExecuteRequete sur la table:client",mysql_error() );
		return $this->erreur;
	}

	// Vérification des erreurs MySql
	function verifie_erreur($res,$endroit,$errMysql)	{
		$retour="";
		if (!$res)	{
			$retour="<br><br>ERREUR Mysql : $endroit<br>";
			$retour.= htmlspecialchars($errMysql, ENT_COMPAT, "ISO-8859-1")."<br>";
		}
		return $retour;
	}
	// Fermeture de la table client
	function Ferme()	{
		if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);
	}

}
?>
