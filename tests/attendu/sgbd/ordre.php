<?php

	// Classe : ordre
	// Fichier généré par corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL
	// Date de génération : <DATE> <HEURE>

class ordre	{

	// Variable de la table.
	public $nom;
	public $code;
	public $num;
	public $texte;
	// Variable de la classe vers les enregistrements.
	private $v_nom;
	private $v_code;
	private $v_num;
	private $v_texte;
	// Variable Libellé des champs de la table.
	public	$Libelle_nom;
	public	$Libelle_code;
	public	$Libelle_num;
	public	$Libelle_texte;
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
	// Constructeur appelé par new : il appelle ordre()
	function __construct()	{
		$this->ordre();
	}

	// Constructeur de la table ordre
	function ordre()	{
		// Initialisation des libellés de champs.
		$this->Libelle_nom="nom"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_code="code"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_num="num"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_texte="texte"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		// Initialisation de la structure
		$this->InitVariable();
		// Tableau Champs Libelle
		$this->TabChamps = array('nom' => "nom",'code' => "code",'num' => "num",'texte' => "texte");
		// Tableau Champs Numéroté
		$this->TabChampsLibNum = array(1 => "Pas de commentaire dans SGBD pour ce champ.",2 => "Pas de commentaire dans SGBD pour ce champ.",3 => "Pas de commentaire dans SGBD pour ce champ.",4 => "Pas de commentaire dans SGBD pour ce champ.");
		// Tableau Libellé des Champs
		$this->TabLongueurChamps = array("nom" => "20","code" => "3","num" => "19","texte" => "0");
		$this->ChampIn="";
		$this->ChampTri="";
		$this->ChampTriSens="";
		$this->NbReponse=0;
	}

	// Initialisation des variables.
	function InitVariable()	{
		$this->nom="";
		$this->code="";
		$this->num="";
		$this->texte="";
	}

	// Initialisation des variables Virtuelles.
	private function InitVariableV()	{
		$this->v_nom="";
		$this->v_code="";
		$this->v_num="";
		$this->v_texte="";
	}

	// Ecriture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsEcriture()	{
		if (isset($this->nom))	$this->v_nom = "'$this->nom'";
			else  $this->v_nom = "NULL";
		if (isset($this->code))	$this->v_code = "'$this->code'";
			else  $this->v_code = "NULL";
		if (isset($this->num) and $this->num!=="")	$this->v_num = (is_numeric($this->num) ? "$this->num" : "'".addslashes($this->num)."'");
			else  $this->v_num = "NULL";
		if (isset($this->texte))	$this->v_texte = "'$this->texte'";
			else  $this->v_texte = "NULL";
	}

	// Lecture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsLecture()	{
		$this->InitVariable();
		if (isset($this->v_nom))	{
			$this->nom = $this->v_nom;
		}	else unset($this->nom);
		if (isset($this->v_code))	{
			$this->code = $this->v_code;
		}	else unset($this->code);
		if (isset($this->v_num))	{
			$this->num = $this->v_num;
		}	else unset($this->num);
		if (isset($this->v_texte))	{
			$this->texte = $this->v_texte;
		}	else unset($this->texte);
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
				if ($this->dataTab[$i]==1)	$this->data[count($this->data)]=(isset($this->nom) ? $this->nom : null);
				if ($this->dataTab[$i]==2)	$this->data[count($this->data)]=(isset($this->code) ? $this->code : null);
				if ($this->dataTab[$i]==3)	$this->data[count($this->data)]=(isset($this->num) ? $this->num : null);
				if ($this->dataTab[$i]==4)	$this->data[count($this->data)]=(isset($this->texte) ? $this->texte : null);
			}
		}
		return $this->data;
	}

	// Affichage des variables de la classe reflétant les champs de la table ordre
	function AfficheVarClasse( $var = "")	{
		echo "<table border=\"1\"><tr><td>".$var."</td><td>Contenu champs de la classe : ordre</td></tr>";
		if (isset($this->nom)) $valeur=$this->nom;    else    $valeur="";
		echo "<tr><td>nom=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->code)) $valeur=$this->code;    else    $valeur="";
		echo "<tr><td>code=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->num)) $valeur=$this->num;    else    $valeur="";
		echo "<tr><td>num=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->texte)) $valeur=$this->texte;    else    $valeur="";
		echo "<tr><td>texte=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		echo "</table>";
	}

	// Récupération des données du formulaire envoyé
	function Form2Variable()	{
		if ( isset($_POST["nom"]) and ($_POST["nom"]!="") )  $this->nom=addslashes($_POST["nom"]);
		elseif ( isset($_POST["nom"]) and ($_POST["nom"]=="") )  unset($this->nom);
			else unset($this->nom);
		if ( isset($_POST["code"]) and ($_POST["code"]!="") )  $this->code=addslashes($_POST["code"]);
		elseif ( isset($_POST["code"]) and ($_POST["code"]=="") )  unset($this->code);
			else unset($this->code);
		if ( isset($_POST["num"]) and ($_POST["num"]!="") )  $this->num=addslashes($_POST["num"]);
		elseif ( isset($_POST["num"]) and ($_POST["num"]=="") )  unset($this->num);
			else unset($this->num);
		if ( isset($_POST["texte"]) and ($_POST["texte"]!="") )  $this->texte=addslashes($_POST["texte"]);
		elseif ( isset($_POST["texte"]) and ($_POST["texte"]=="") )  unset($this->texte);
			else unset($this->texte);
	}

	// Convertion des Variables en champs visible pour le navigateur
	function Variable2Form()	{
		if (isset($this->nom)) $this->nom=stripslashes($this->nom);
		if (isset($this->code)) $this->code=stripslashes($this->code);
	}

	// Fonction parcours dans les champs nom,code,num,texte, de la table ordre
	function Parcours()	{
		// Constitution de la requête
		$where = "";  // Clause where
		$this->In = ""; // in value (contenu du tableau TabIn
		$order = ""; // Ordre des champs
		if (isset($this->nom) and $this->nom!='') $where.="nom='$this->nom' and ";
		if (isset($this->code) and $this->code!='') $where.="code='$this->code' and ";
		if (isset($this->num) and $this->num!='') $where.="num='$this->num' and ";
		if (isset($this->texte) and $this->texte!='') $where.="texte='$this->texte' and ";
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
			$Requete = "Select * from ordre where $where";
		else
			$Requete = "Select * from ordre";
		// TRI
		if (($this->ChampTri!="") and ($this->ChampTriSens!="")) {
			$order.=" order by ".$this->ChampTri." ";
			if ($this->ChampTriSens=="+") $order.="Asc";
			if ($this->ChampTriSens=="-") $order.="Desc";
		}
		if ($order!="")
			$Requete .= $order.";";
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Parcours toute la table:ordre",mysql_error() );
		return $this->erreur;
	}
	// Fonction Next  qui recupère les enregistrements suivants (Curseur) nom,code,num,texte, de la table ordre
	function Next()	{
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->InitVariableV();
			if (isset($_Resultat->nom))	$this->v_nom=$_Resultat->nom;
			if (isset($_Resultat->code))	$this->v_code=$_Resultat->code;
			if (isset($_Resultat->num))	$this->v_num=$_Resultat->num;
			if (isset($_Resultat->texte))	$this->v_texte=$_Resultat->texte;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			unset($this->v_nom);
			unset($this->v_code);
			unset($this->v_num);
			unset($this->v_texte);
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

	// Fonction Cherche dans les champs nom,code,num,texte, de la table ordre
	function Cherche()	{
		$this->TransfertChampsEcriture();
		// Constitution de la requete
		$where = "";
		if (isset($this->nom) and $this->nom!='') $where.="nom='$this->nom' and ";
		if (isset($this->code) and $this->code!='') $where.="code='$this->code' and ";
		if (isset($this->num) and $this->num!='') $where.="num='$this->num' and ";
		if (isset($this->texte) and $this->texte!='') $where.="texte='$this->texte' and ";
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
		$this->Resultat=mysql_query( "Select * from ordre where $where" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Cherche tous les champs dans la table:ordre",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_nom=$_Resultat->nom;
			$this->v_code=$_Resultat->code;
			$this->v_num=$_Resultat->num;
			$this->v_texte=$_Resultat->texte;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ nom de la table ordre
	function Cherche_nom( $nom=null )	{
		if (isset($nom) ) $this->nom=$nom;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from ordre where nom=$this->v_nom;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Cherche dans ordre.nom",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_nom=$_Resultat->nom;
			$this->v_code=$_Resultat->code;
			$this->v_num=$_Resultat->num;
			$this->v_texte=$_Resultat->texte;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ code de la table ordre
	function Cherche_code( $code=null )	{
		if (isset($code) ) $this->code=$code;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from ordre where code=$this->v_code;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Cherche dans ordre.code",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_nom=$_Resultat->nom;
			$this->v_code=$_Resultat->code;
			$this->v_num=$_Resultat->num;
			$this->v_texte=$_Resultat->texte;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ num de la table ordre
	function Cherche_num( $num=null )	{
		if (isset($num) ) $this->num=$num;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from ordre where num=$this->v_num;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Cherche dans ordre.num",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_nom=$_Resultat->nom;
			$this->v_code=$_Resultat->code;
			$this->v_num=$_Resultat->num;
			$this->v_texte=$_Resultat->texte;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ texte de la table ordre
	function Cherche_texte( $texte=null )	{
		if (isset($texte) ) $this->texte=$texte;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from ordre where texte=$this->v_texte;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Cherche dans ordre.texte",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_nom=$_Resultat->nom;
			$this->v_code=$_Resultat->code;
			$this->v_num=$_Resultat->num;
			$this->v_texte=$_Resultat->texte;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Insertion de la table ordre
	function Insertion()	{
		$this->TransfertChampsEcriture();
		// Une valeur absente, ou un nombre ou une date vide, prend la valeur par défaut de la colonne.
		if ($this->v_nom==="NULL")	$this->v_nom="DEFAULT";
		if ($this->v_code==="NULL")	$this->v_code="DEFAULT";
		if ($this->v_texte==="NULL")	$this->v_texte="DEFAULT";
		$Requete="insert into ordre (nom,code,texte) values($this->v_nom,$this->v_code,$this->v_texte);";
		$this->Resultat=mysql_query($Requete );
		$this->InsertionOK=mysql_affected_rows();
		$this->num=mysql_insert_id();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Insertion de la table:ordre",mysql_error() );
		return $this->erreur;
	}

	// Fonction mise à jour des champs de la table ordre
	function Maj_ALL()	{
		$this->TransfertChampsEcriture();
		$Requete = "update ordre set nom=$this->v_nom,num=$this->v_num,texte=$this->v_texte where code=$this->v_code;";
		$this->Resultat=mysql_query( $Requete );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Maj_All du champ ordre.code",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ nom de la table ordre
	function Maj_nom()	{
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("update ordre set nom=$this->v_nom where code=$this->v_code;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Maj_nom - Update du champ ordre.nom",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ num de la table ordre
	function Maj_num()	{
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("update ordre set num=$this->v_num where code=$this->v_code;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Maj_num - Update du champ ordre.num",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ texte de la table ordre
	function Maj_texte()	{
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("update ordre set texte=$this->v_texte where code=$this->v_code;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Maj_texte - Update du champ ordre.texte",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table ordre avec le champ nom
	function EffaceAvec_nom( $nom = null )	{
		if (isset( $nom) ) $this->nom=$nom;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from ordre where nom=$this->v_nom;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Efface de la table ordre",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table ordre avec le champ indexcode
	function EffaceAvecIndex_code( $code = null )	{
		if (isset( $code) ) $this->code=$code;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from ordre where code=$this->v_code;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Efface de la table ordre",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table ordre avec le champ num
	function EffaceAvec_num( $num = null )	{
		if (isset( $num) ) $this->num=$num;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from ordre where num=$this->v_num;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Efface de la table ordre",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table ordre avec le champ texte
	function EffaceAvec_texte( $texte = null )	{
		if (isset( $texte) ) $this->texte=$texte;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from ordre where texte=$this->v_texte;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::Efface de la table ordre",mysql_error() );
		return $this->erreur;
	}

	// Fonction exécute de la requête
	function ExecuteRequete($Requete)	{
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ordre::ExecuteRequete sur la table:ordre",mysql_error() );
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
	// Fermeture de la table ordre
	function Ferme()	{
		if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);
	}

}
?>
