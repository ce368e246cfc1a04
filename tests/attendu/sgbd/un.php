<?php

	// Classe : un
	// Fichier généré par corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL
	// Date de génération : <FR> <HEURE>

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
	// Constructeur appelé par new : il appelle un()
	function __construct()	{
		$this->un();
	}

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

	// Ecriture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsEcriture()	{
		if (isset($this->seul))	$this->v_seul = "'$this->seul'";
			else  $this->v_seul = "NULL";
	}

	// Lecture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsLecture()	{
		$this->InitVariable();
		if (isset($this->v_seul))	{
			$this->seul = $this->v_seul;
		}	else unset($this->seul);
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
				if ($this->dataTab[$i]==1)	$this->data[count($this->data)]=(isset($this->seul) ? $this->seul : null);
			}
		}
		return $this->data;
	}

	// Affichage des variables de la classe reflétant les champs de la table un
	function AfficheVarClasse( $var = "")	{
		echo "<table border=\"1\"><tr><td>".$var."</td><td>Contenu champs de la classe : un</td></tr>";
		if (isset($this->seul)) $valeur=$this->seul;    else    $valeur="";
		echo "<tr><td>seul=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		echo "</table>";
	}

	// Récupération des données du formulaire envoyé
	function Form2Variable()	{
		if ( isset($_POST["seul"]) and ($_POST["seul"]!="") )  $this->seul=addslashes($_POST["seul"]);
		elseif ( isset($_POST["seul"]) and ($_POST["seul"]=="") )  unset($this->seul);
			else unset($this->seul);
	}

	// Convertion des Variables en champs visible pour le navigateur
	function Variable2Form()	{
		if (isset($this->seul)) $this->seul=stripslashes($this->seul);
	}

	// Fonction parcours dans les champs seul, de la table un
	function Parcours()	{
		// Constitution de la requête
		$where = "";  // Clause where
		$this->In = ""; // in value (contenu du tableau TabIn
		$order = ""; // Ordre des champs
		if (isset($this->seul) and $this->seul!='') $where.="seul='$this->seul' and ";
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
			$Requete = "Select * from un where $where";
		else
			$Requete = "Select * from un";
		// TRI
		if (($this->ChampTri!="") and ($this->ChampTriSens!="")) {
			$order.=" order by ".$this->ChampTri." ";
			if ($this->ChampTriSens=="+") $order.="Asc";
			if ($this->ChampTriSens=="-") $order.="Desc";
		}
		if ($order!="")
			$Requete .= $order.";";
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"un::Parcours toute la table:un",mysql_error() );
		return $this->erreur;
	}
	// Fonction Next  qui recupère les enregistrements suivants (Curseur) seul, de la table un
	function Next()	{
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->InitVariableV();
			if (isset($_Resultat->seul))	$this->v_seul=$_Resultat->seul;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			unset($this->v_seul);
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

	// Fonction Cherche dans les champs seul, de la table un
	function Cherche()	{
		$this->TransfertChampsEcriture();
		// Constitution de la requete
		$where = "";
		if (isset($this->seul) and $this->seul!='') $where.="seul='$this->seul' and ";
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
		$this->Resultat=mysql_query( "Select * from un where $where" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"un::Cherche tous les champs dans la table:un",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_seul=$_Resultat->seul;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ seul de la table un
	function Cherche_seul( $seul=null )	{
		if (isset($seul) ) $this->seul=$seul;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from un where seul=$this->v_seul;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"un::Cherche dans un.seul",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_seul=$_Resultat->seul;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Insertion de la table un
	function Insertion()	{
		$this->TransfertChampsEcriture();
		// Une valeur absente, ou un nombre ou une date vide, prend la valeur par défaut de la colonne.
		if ($this->v_seul==="NULL")	$this->v_seul="DEFAULT";
		$Requete="insert into un (seul) values($this->v_seul);";
		$this->Resultat=mysql_query($Requete );
		$this->InsertionOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"un::Insertion de la table:un",mysql_error() );
		return $this->erreur;
	}

	// Fonction mise à jour des champs de la table un
	function Maj_ALL( $Gardees = array(), $Ligne = null )	{
		$this->TransfertChampsEcriture();
		// La ligne est celle de la clé $Ligne (telle que la base la garde), dont la clé devient alors
		// celle du membre seul ; sans $Ligne, celle du membre seul, qui n'est pas écrit.
		if (!isset($Ligne)) $Gardees[]="seul";
		$Ou = isset($Ligne) ? "'".addslashes($Ligne)."'" : $this->v_seul;
		// Les colonnes de $Gardees ne sont pas écrites : chacune garde la valeur que la ligne a dans la base.
		$Colonnes = array_diff_key(array("seul" => "seul=$this->v_seul"), array_flip($Gardees));
		$Requete = "update un set ".($Colonnes ? implode(",", $Colonnes) : "seul=seul")." where seul=$Ou;";
		$this->Resultat=mysql_query( $Requete );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"un::Maj_All du champ un.seul",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table un avec le champ seul
	function EffaceAvec_seul( $seul = null )	{
		if (isset( $seul) ) $this->seul=$seul;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from un where seul=$this->v_seul;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"un::Efface de la table un",mysql_error() );
		return $this->erreur;
	}

	// Fonction exécute de la requête
	function ExecuteRequete($Requete)	{
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"un::ExecuteRequete sur la table:un",mysql_error() );
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
	// Fermeture de la table un
	function Ferme()	{
		if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);
	}

}
?>
