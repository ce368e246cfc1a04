<!DOCTYPE html>
<html lang="fr">
<head>
<meta charset="utf-8">
<title>Accueil</title>
<link rel="stylesheet" href="style.css">
</head>
<body>
<h1>Bienvenue</h1>

<p>Site d'exemple de corvalite.</p>
<?php require_once("include/commun.php"); echo salutation("visiteur"); ?>

<p class="pied">Page construite le <FR> a <HEURE>.</p>
</body>
</html>