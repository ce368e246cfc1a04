<?php
// Routeur de `php -S` pour outils/voir_exemple.sh : seules les pages du site se servent, celles
// que -make a construites (cible/) et les pages de formulaire (formulaires/*.php). La configuration
// (et son mot de passe), la base, la trace et les descriptions restent dans la copie de travail.
// Le chemin est resolu d'abord (%2e%2e, .. et liens compris) : c'est le fichier qu'on juge.
$racine = realpath($_SERVER["DOCUMENT_ROOT"]);
$chemin = realpath($racine . rawurldecode((string) parse_url($_SERVER["REQUEST_URI"], PHP_URL_PATH)));
$relatif = $chemin !== false && strpos($chemin, $racine . "/") === 0 ? substr($chemin, strlen($racine) + 1) : "";
if ($relatif === "cible" || strpos($relatif, "cible/") === 0 || preg_match('#^formulaires/[^/]+\.php$#', $relatif)) return false;
http_response_code(404);
echo "Page introuvable : seules les pages du site (cible/, formulaires/*.php) sont servies.\n";
