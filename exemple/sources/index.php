{#DEBUT_titre}Accueil{#FIN_titre}
{#DEBUT_contenu}
<p>Bienvenue sur le site d'exemple de corvalite.</p>
<?php require_once("include/commun.php"); echo salutation("visiteur"); ?>
{#FIN_contenu}
