<?php

	// Classe : vide_de_cle
	// Fichier généré par corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL
	// Date de génération : <FR> <HEURE>

class vide_de_cle	{

	// Variable de la table.
	public $a;
	public $b;
	// Variable de la classe vers les enregistrements.
	private $v_a;
	private $v_b;
	// Variable Libellé des champs de la table.
	public	$Libelle_a;
	public	$Libelle_b;
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
	// Constructeur appelé par new : il appelle vide_de_cle()
	function __construct()	{
		$this->vide_de_cle();
	}

	// Constructeur de la table vide_de_cle
	function vide_de_cle()	{
		// Initialisation des libellés de champs.
		$this->Libelle_a="a"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_b="b"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		// Initialisation de la structure
		$this->InitVariable();
		// Tableau Champs Libelle
		$this->TabChamps = array('a' => "a",'b' => "b");
		// Tableau Champs Numéroté
		$this->TabChampsLibNum = array(1 => "Pas de commentaire dans SGBD pour ce champ.",2 => "Pas de commentaire dans SGBD pour ce champ.");
		// Tableau Libellé des Champs
		$this->TabLongueurChamps = array("a" => "5","b" => "3");
		$this->ChampIn="";
		$this->ChampTri="";
		$this->ChampTriSens="";
		$this->NbReponse=0;
	}

	// Initialisation des variables.
	function InitVariable()	{
		$this->a="";
		$this->b="";
	}

	// Initialisation des variables Virtuelles.
	private function InitVariableV()	{
		$this->v_a="";
		$this->v_b="";
	}

	// Ecriture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsEcriture()	{
		if (isset($this->a))	$this->v_a = "'$this->a'";
			else  $this->v_a = "NULL";
		if (isset($this->b) and $this->b!=="")	$this->v_b = (is_numeric($this->b) ? "$this->b" : "'".addslashes($this->b)."'");
			else  $this->v_b = "NULL";
	}

	// Lecture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsLecture()	{
		$this->InitVariable();
		if (isset($this->v_a))	{
			$this->a = $this->v_a;
		}	else unset($this->a);
		if (isset($this->v_b))	{
			$this->b = $this->v_b;
		}	else unset($this->b);
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
				if ($this->dataTab[$i]==1)	$this->data[count($this->data)]=(isset($this->a) ? $this->a : null);
				if ($this->dataTab[$i]==2)	$this->data[count($this->data)]=(isset($this->b) ? $this->b : null);
			}
		}
		return $this->data;
	}

	// Affichage des variables de la classe reflétant les champs de la table vide_de_cle
	function AfficheVarClasse( $var = "")	{
		echo "<table border=\"1\"><tr><td>".$var."</td><td>Contenu champs de la classe : vide_de_cle</td></tr>";
		if (isset($this->a)) $valeur=$this->a;    else    $valeur="";
		echo "<tr><td>a=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->b)) $valeur=$this->b;    else    $valeur="";
		echo "<tr><td>b=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		echo "</table>";
	}

	// Récupération des données du formulaire envoyé
	function Form2Variable()	{
		if ( isset($_POST["a"]) and ($_POST["a"]!="") )  $this->a=addslashes($_POST["a"]);
		elseif ( isset($_POST["a"]) and ($_POST["a"]=="") )  unset($this->a);
			else unset($this->a);
		if ( isset($_POST["b"]) and ($_POST["b"]!="") )  $this->b=addslashes($_POST["b"]);
		elseif ( isset($_POST["b"]) and ($_POST["b"]=="") )  unset($this->b);
			else unset($this->b);
	}

	// Convertion des Variables en champs visible pour le navigateur
	function Variable2Form()	{
		if (isset($this->a)) $this->a=stripslashes($this->a);
	}

	// Fonction parcours dans les champs a,b, de la table vide_de_cle
	function Parcours()	{
		// Constitution de la requête
		$where = "";  // Clause where
		$this->In = ""; // in value (contenu du tableau TabIn
		$order = ""; // Ordre des champs
		if (isset($this->a) and $this->a!='') $where.="a='$this->a' and ";
		if (isset($this->b) and $this->b!='') $where.="b='$this->b' and ";
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
			$Requete = "Select * from vide_de_cle where $where";
		else
			$Requete = "Select * from vide_de_cle";
		// TRI
		if (($this->ChampTri!="") and ($this->ChampTriSens!="")) {
			$order.=" order by ".$this->ChampTri." ";
			if ($this->ChampTriSens=="+") $order.="Asc";
			if ($this->ChampTriSens=="-") $order.="Desc";
		}
		if ($order!="")
			$Requete .= $order.";";
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::Parcours toute la table:vide_de_cle",mysql_error() );
		return $this->erreur;
	}
	// Fonction Next  qui recupère les enregistrements suivants (Curseur) a,b, de la table vide_de_cle
	function Next()	{
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->InitVariableV();
			if (isset($_Resultat->a))	$this->v_a=$_Resultat->a;
			if (isset($_Resultat->b))	$this->v_b=$_Resultat->b;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			unset($this->v_a);
			unset($this->v_b);
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

	// Fonction Cherche dans les champs a,b, de la table vide_de_cle
	function Cherche()	{
		$this->TransfertChampsEcriture();
		// Constitution de la requete
		$where = "";
		if (isset($this->a) and $this->a!='') $where.="a='$this->a' and ";
		if (isset($this->b) and $this->b!='') $where.="b='$this->b' and ";
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
		$this->Resultat=mysql_query( "Select * from vide_de_cle where $where" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::Cherche tous les champs dans la table:vide_de_cle",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_a=$_Resultat->a;
			$this->v_b=$_Resultat->b;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ a de la table vide_de_cle
	function Cherche_a( $a=null )	{
		if (isset($a) ) $this->a=$a;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from vide_de_cle where a=$this->v_a;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::Cherche dans vide_de_cle.a",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_a=$_Resultat->a;
			$this->v_b=$_Resultat->b;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ b de la table vide_de_cle
	function Cherche_b( $b=null )	{
		if (isset($b) ) $this->b=$b;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from vide_de_cle where b=$this->v_b;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::Cherche dans vide_de_cle.b",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_a=$_Resultat->a;
			$this->v_b=$_Resultat->b;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Insertion de la table vide_de_cle
	function Insertion()	{
		$this->TransfertChampsEcriture();
		// Une valeur absente, ou un nombre ou une date vide, prend la valeur par défaut de la colonne.
		if ($this->v_a==="NULL")	$this->v_a="DEFAULT";
		if ($this->v_b==="NULL")	$this->v_b="DEFAULT";
		$Requete="insert into vide_de_cle (a,b) values($this->v_a,$this->v_b);";
		$this->Resultat=mysql_query($Requete );
		$this->InsertionOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::Insertion de la table:vide_de_cle",mysql_error() );
		return $this->erreur;
	}

	// Fonction mise à jour des champs de la table vide_de_cle
	function Maj_ALL()	{
		$this->TransfertChampsEcriture();
		$Requete = "update vide_de_cle set b=$this->v_b where a=$this->v_a;";
		$this->Resultat=mysql_query( $Requete );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::Maj_All du champ vide_de_cle.a",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ b de la table vide_de_cle
	function Maj_b()	{
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("update vide_de_cle set b=$this->v_b where a=$this->v_a;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::Maj_b - Update du champ vide_de_cle.b",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table vide_de_cle avec le champ a
	function EffaceAvec_a( $a = null )	{
		if (isset( $a) ) $this->a=$a;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from vide_de_cle where a=$this->v_a;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::Efface de la table vide_de_cle",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table vide_de_cle avec le champ b
	function EffaceAvec_b( $b = null )	{
		if (isset( $b) ) $this->b=$b;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from vide_de_cle where b=$this->v_b;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::Efface de la table vide_de_cle",mysql_error() );
		return $this->erreur;
	}

	// Fonction exécute de la requête
	function ExecuteRequete($Requete)	{
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"vide_de_cle::ExecuteRequete sur la table:vide_de_cle",mysql_error() );
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
	// Fermeture de la table vide_de_cle
	function Ferme()	{
		if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);
	}

}
?>
