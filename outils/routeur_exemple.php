<?php
// Routeur de `php -S` pour outils/voir_exemple.sh : seules les pages du site se servent, celles
// que -make a construites (cible/) et les pages de formulaire (formulaires/*.php). La configuration
// (et son mot de passe), la base, la trace et les descriptions restent dans la copie de travail.
// php -S sert ensuite le chemin de la demande tel qu'il le lit lui-meme, sans ce routeur : le chemin
// n'est donc admis que sous une forme que le serveur et ce routeur ne peuvent lire autrement (sans
// "%", ni "//", ni segment qui commence par un point, ni rien apres la page). Lu par parse_url,
// "//site.cfg/cible" serait un nom d'hote suivi de /cible, et php -S servirait site.cfg. Le fichier
// designe est ensuite resolu (liens compris) : c'est lui qu'on juge.
$chemin = explode("?", (string) $_SERVER["REQUEST_URI"], 2)[0];
$segment = "[A-Za-z0-9_][A-Za-z0-9_.-]*";
$racine = realpath($_SERVER["DOCUMENT_ROOT"]);
$fichier = preg_match("#^/(cible(/$segment)*/?|formulaires/$segment\\.php)\$#D", $chemin) ? realpath($racine . $chemin) : false;
$relatif = $fichier !== false && strpos($fichier, $racine . "/") === 0 ? substr($fichier, strlen($racine) + 1) : "";
if ($relatif === "cible" || strpos($relatif, "cible/") === 0 || preg_match('#^formulaires/[^/]+\.php$#D', $relatif)) return false;
http_response_code(404);
echo "Page introuvable : seules les pages du site (cible/, formulaires/*.php) sont servies.\n";
