<?php

	// Classe : ligne
	// Fichier généré par corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL
	// Date de génération : <FR> <HEURE>

class ligne	{

	// Variable de la table.
	public $commande;
	public $rang;
	public $libelle;
	// Variable de la classe vers les enregistrements.
	private $v_commande;
	private $v_rang;
	private $v_libelle;
	// Variable Libellé des champs de la table.
	public	$Libelle_commande;
	public	$Libelle_rang;
	public	$Libelle_libelle;
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
	// Constructeur appelé par new : il appelle ligne()
	function __construct()	{
		$this->ligne();
	}

	// Constructeur de la table ligne
	function ligne()	{
		// Initialisation des libellés de champs.
		$this->Libelle_commande="commande"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_rang="rang"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		$this->Libelle_libelle="libelle"; // Le commentaire du champ dans mysql est vide, Le nom par defaut est initialisé avec son nom.
		// Initialisation de la structure
		$this->InitVariable();
		// Tableau Champs Libelle
		$this->TabChamps = array('commande' => "commande",'rang' => "rang",'libelle' => "libelle");
		// Tableau Champs Numéroté
		$this->TabChampsLibNum = array(1 => "Pas de commentaire dans SGBD pour ce champ.",2 => "Pas de commentaire dans SGBD pour ce champ.",3 => "Pas de commentaire dans SGBD pour ce champ.");
		// Tableau Libellé des Champs
		$this->TabLongueurChamps = array("commande" => "10","rang" => "5","libelle" => "60");
		$this->ChampIn="";
		$this->ChampTri="";
		$this->ChampTriSens="";
		$this->NbReponse=0;
	}

	// Initialisation des variables.
	function InitVariable()	{
		$this->commande="";
		$this->rang="";
		$this->libelle="";
	}

	// Initialisation des variables Virtuelles.
	private function InitVariableV()	{
		$this->v_commande="";
		$this->v_rang="";
		$this->v_libelle="";
	}

	// Ecriture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsEcriture()	{
		if (isset($this->commande) and $this->commande!=="")	$this->v_commande = (is_numeric($this->commande) ? "$this->commande" : "'".addslashes($this->commande)."'");
			else  $this->v_commande = "NULL";
		if (isset($this->rang) and $this->rang!=="")	$this->v_rang = (is_numeric($this->rang) ? "$this->rang" : "'".addslashes($this->rang)."'");
			else  $this->v_rang = "NULL";
		if (isset($this->libelle))	$this->v_libelle = "'$this->libelle'";
			else  $this->v_libelle = "NULL";
	}

	// Lecture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsLecture()	{
		$this->InitVariable();
		if (isset($this->v_commande))	{
			$this->commande = $this->v_commande;
		}	else unset($this->commande);
		if (isset($this->v_rang))	{
			$this->rang = $this->v_rang;
		}	else unset($this->rang);
		if (isset($this->v_libelle))	{
			$this->libelle = $this->v_libelle;
		}	else unset($this->libelle);
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
				if ($this->dataTab[$i]==1)	$this->data[count($this->data)]=(isset($this->commande) ? $this->commande : null);
				if ($this->dataTab[$i]==2)	$this->data[count($this->data)]=(isset($this->rang) ? $this->rang : null);
				if ($this->dataTab[$i]==3)	$this->data[count($this->data)]=(isset($this->libelle) ? $this->libelle : null);
			}
		}
		return $this->data;
	}

	// Affichage des variables de la classe reflétant les champs de la table ligne
	function AfficheVarClasse( $var = "")	{
		echo "<table border=\"1\"><tr><td>".$var."</td><td>Contenu champs de la classe : ligne</td></tr>";
		if (isset($this->commande)) $valeur=$this->commande;    else    $valeur="";
		echo "<tr><td>commande=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->rang)) $valeur=$this->rang;    else    $valeur="";
		echo "<tr><td>rang=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		if (isset($this->libelle)) $valeur=$this->libelle;    else    $valeur="";
		echo "<tr><td>libelle=</td><td>".htmlspecialchars(stripslashes($valeur), ENT_COMPAT, "ISO-8859-1")."</td></tr>";
		echo "</table>";
	}

	// Récupération des données du formulaire envoyé
	function Form2Variable()	{
		if (isset($_POST["commande"]))  $this->commande=addslashes($_POST["commande"]);
			else unset($this->commande);
		if (isset($_POST["rang"]))  $this->rang=addslashes($_POST["rang"]);
			else unset($this->rang);
		if ( isset($_POST["libelle"]) and ($_POST["libelle"]!="") )  $this->libelle=addslashes($_POST["libelle"]);
		elseif ( isset($_POST["libelle"]) and ($_POST["libelle"]=="") )  unset($this->libelle);
			else unset($this->libelle);
	}

	// Convertion des Variables en champs visible pour le navigateur
	function Variable2Form()	{
		if (isset($this->libelle)) $this->libelle=stripslashes($this->libelle);
	}

	// Fonction parcours dans les champs commande,rang,libelle, de la table ligne
	function Parcours()	{
		// Constitution de la requête
		$where = "";  // Clause where
		$this->In = ""; // in value (contenu du tableau TabIn
		$order = ""; // Ordre des champs
		if (isset($this->commande) and $this->commande!='') $where.="commande='$this->commande' and ";
		if (isset($this->rang) and $this->rang!='') $where.="rang='$this->rang' and ";
		if (isset($this->libelle) and $this->libelle!='') $where.="libelle='$this->libelle' and ";
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
			$Requete = "Select * from ligne where $where";
		else
			$Requete = "Select * from ligne";
		// TRI
		if (($this->ChampTri!="") and ($this->ChampTriSens!="")) {
			$order.=" order by ".$this->ChampTri." ";
			if ($this->ChampTriSens=="+") $order.="Asc";
			if ($this->ChampTriSens=="-") $order.="Desc";
		}
		if ($order!="")
			$Requete .= $order.";";
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Parcours toute la table:ligne",mysql_error() );
		return $this->erreur;
	}
	// Fonction Next  qui recupère les enregistrements suivants (Curseur) commande,rang,libelle, de la table ligne
	function Next()	{
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->InitVariableV();
			if (isset($_Resultat->commande))	$this->v_commande=$_Resultat->commande;
			if (isset($_Resultat->rang))	$this->v_rang=$_Resultat->rang;
			if (isset($_Resultat->libelle))	$this->v_libelle=$_Resultat->libelle;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			unset($this->v_commande);
			unset($this->v_rang);
			unset($this->v_libelle);
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

	// Fonction Cherche dans les champs commande,rang,libelle, de la table ligne
	function Cherche()	{
		$this->TransfertChampsEcriture();
		// Constitution de la requete
		$where = "";
		if (isset($this->commande) and $this->commande!='') $where.="commande='$this->commande' and ";
		if (isset($this->rang) and $this->rang!='') $where.="rang='$this->rang' and ";
		if (isset($this->libelle) and $this->libelle!='') $where.="libelle='$this->libelle' and ";
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
		$this->Resultat=mysql_query( "Select * from ligne where $where" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Cherche tous les champs dans la table:ligne",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_commande=$_Resultat->commande;
			$this->v_rang=$_Resultat->rang;
			$this->v_libelle=$_Resultat->libelle;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ commande de la table ligne
	function Cherche_commande( $commande=null )	{
		if (isset($commande) ) $this->commande=$commande;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from ligne where commande=$this->v_commande;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Cherche dans ligne.commande",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_commande=$_Resultat->commande;
			$this->v_rang=$_Resultat->rang;
			$this->v_libelle=$_Resultat->libelle;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ rang de la table ligne
	function Cherche_rang( $rang=null )	{
		if (isset($rang) ) $this->rang=$rang;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from ligne where rang=$this->v_rang;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Cherche dans ligne.rang",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_commande=$_Resultat->commande;
			$this->v_rang=$_Resultat->rang;
			$this->v_libelle=$_Resultat->libelle;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Cherche dans le champ libelle de la table ligne
	function Cherche_libelle( $libelle=null )	{
		if (isset($libelle) ) $this->libelle=$libelle;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query( "Select * from ligne where libelle=$this->v_libelle;" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Cherche dans ligne.libelle",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->v_commande=$_Resultat->commande;
			$this->v_rang=$_Resultat->rang;
			$this->v_libelle=$_Resultat->libelle;
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Insertion de la table ligne
	function Insertion()	{
		$this->TransfertChampsEcriture();
		// Une valeur absente, ou un nombre ou une date vide, prend la valeur par défaut de la colonne.
		if ($this->v_commande==="NULL")	$this->v_commande="DEFAULT";
		if ($this->v_rang==="NULL")	$this->v_rang="DEFAULT";
		if ($this->v_libelle==="NULL")	$this->v_libelle="DEFAULT";
		$Requete="insert into ligne (commande,rang,libelle) values($this->v_commande,$this->v_rang,$this->v_libelle);";
		$this->Resultat=mysql_query($Requete );
		$this->InsertionOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Insertion de la table:ligne",mysql_error() );
		return $this->erreur;
	}

	// Fonction mise à jour des champs de la table ligne
	function Maj_ALL()	{
		$this->TransfertChampsEcriture();
		$Requete = "update ligne set rang=$this->v_rang,libelle=$this->v_libelle where commande=$this->v_commande;";
		$this->Resultat=mysql_query( $Requete );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Maj_All du champ ligne.commande",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ rang de la table ligne
	function Maj_rang()	{
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("update ligne set rang=$this->v_rang where commande=$this->v_commande;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Maj_rang - Update du champ ligne.rang",mysql_error() );
		return $this->erreur;
	}

	// Fonction Update du champ libelle de la table ligne
	function Maj_libelle()	{
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("update ligne set libelle=$this->v_libelle where commande=$this->v_commande;" );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Maj_libelle - Update du champ ligne.libelle",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table ligne avec le champ indexcommande
	function EffaceAvecIndex_commande( $commande = null )	{
		if (isset( $commande) ) $this->commande=$commande;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from ligne where commande=$this->v_commande;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Efface de la table ligne",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table ligne avec le champ rang
	function EffaceAvec_rang( $rang = null )	{
		if (isset( $rang) ) $this->rang=$rang;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from ligne where rang=$this->v_rang;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Efface de la table ligne",mysql_error() );
		return $this->erreur;
	}

	// Fonction Efface de la table ligne avec le champ libelle
	function EffaceAvec_libelle( $libelle = null )	{
		if (isset( $libelle) ) $this->libelle=$libelle;
		$this->TransfertChampsEcriture();
		$this->Resultat=mysql_query("Delete from ligne where libelle=$this->v_libelle;" );
		$this->EffacementOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::Efface de la table ligne",mysql_error() );
		return $this->erreur;
	}

	// Fonction exécute de la requête
	function ExecuteRequete($Requete)	{
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"ligne::ExecuteRequete sur la table:ligne",mysql_error() );
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
	// Fermeture de la table ligne
	function Ferme()	{
		if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);
	}

}
?>
