{#DEBUT_titre}Accueil{#FIN_titre}
{#DEBUT_entete}Bienvenue{#FIN_entete}
{#DEBUT_contenu}
<p>Site d'exemple de corvalite.</p>
<?php require_once("include/commun.php"); echo salutation("visiteur"); ?>
{#FIN_contenu}
{#DEBUT_pied}Page construite le {#DATE_FR} a {#HEURE}.{#FIN_pied}
