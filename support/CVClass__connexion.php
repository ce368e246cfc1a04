<?php
// Connexion a la base du site : classe SGBDConnexion.
class SGBDConnexion
{
}
?>
