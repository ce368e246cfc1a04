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
	// Constructeur appelé par new : il appelle sans_champ()
	function __construct()	{
		$this->sans_champ();
	}

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

	// Ecriture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsEcriture()	{
	}

	// Lecture : Transfert les champs dans la structure pour detecter les champs NULL.
	function TransfertChampsLecture()	{
		$this->InitVariable();
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
			}
		}
		return $this->data;
	}

	// Affichage des variables de la classe reflétant les champs de la table sans_champ
	function AfficheVarClasse( $var = "")	{
		echo "<table border=\"1\"><tr><td>".$var."</td><td>Contenu champs de la classe : sans_champ</td></tr>";
		echo "</table>";
	}

	// Récupération des données du formulaire envoyé
	function Form2Variable()	{
	}

	// Convertion des Variables en champs visible pour le navigateur
	function Variable2Form()	{
	}

	// Fonction parcours dans les champs  de la table sans_champ
	function Parcours()	{
		// Constitution de la requête
		$where = "";  // Clause where
		$this->In = ""; // in value (contenu du tableau TabIn
		$order = ""; // Ordre des champs
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
			$Requete = "Select * from sans_champ where $where";
		else
			$Requete = "Select * from sans_champ";
		// TRI
		if (($this->ChampTri!="") and ($this->ChampTriSens!="")) {
			$order.=" order by ".$this->ChampTri." ";
			if ($this->ChampTriSens=="+") $order.="Asc";
			if ($this->ChampTriSens=="-") $order.="Desc";
		}
		if ($order!="")
			$Requete .= $order.";";
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"sans_champ::Parcours toute la table:sans_champ",mysql_error() );
		return $this->erreur;
	}
	// Fonction Next  qui recupère les enregistrements suivants (Curseur)  de la table sans_champ
	function Next()	{
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->InitVariableV();
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
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

	// Fonction Cherche dans les champs  de la table sans_champ
	function Cherche()	{
		$this->TransfertChampsEcriture();
		// Constitution de la requete
		$where = "";
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
		$this->Resultat=mysql_query( "Select * from sans_champ where $where" );
		$this->erreur=$this->verifie_erreur($this->Resultat,"sans_champ::Cherche tous les champs dans la table:sans_champ",mysql_error() );
		$_Resultat=mysql_fetch_object($this->Resultat);
		$nb=mysql_num_rows($this->Resultat);
		if ($nb>0)	{
			$this->TransfertChampsLecture();
			$this->NbReponse=$nb;
		}	else	{
			$this->InitVariable();
			$this->NbReponse=0;
		}
		return $this->erreur;
	}

	// Fonction Insertion de la table sans_champ
	function Insertion()	{
		$this->TransfertChampsEcriture();
		$Requete="insert into sans_champ () values();";
		$this->Resultat=mysql_query($Requete );
		$this->InsertionOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"sans_champ::Insertion de la table:sans_champ",mysql_error() );
		return $this->erreur;
	}

	// Fonction mise à jour des champs de la table sans_champ
	function Maj_ALL()	{
		$this->TransfertChampsEcriture();
		$Requete = "update sans_champ set  where =$this->v_;";
		$this->Resultat=mysql_query( $Requete );
		$this->ModificationOK=mysql_affected_rows();
		$this->erreur=$this->verifie_erreur($this->Resultat,"sans_champ::Maj_All du champ sans_champ.",mysql_error() );
		return $this->erreur;
	}

	// Fonction exécute de la requête
	function ExecuteRequete($Requete)	{
		$this->Resultat=mysql_query( $Requete );
		$this->erreur=$this->verifie_erreur($this->Resultat,"sans_champ::ExecuteRequete sur la table:sans_champ",mysql_error() );
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
	// Fermeture de la table sans_champ
	function Ferme()	{
		if (is_resource($this->Resultat)) mysql_free_result($this->Resultat);
	}

}
?>
