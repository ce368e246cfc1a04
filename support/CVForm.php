<?php
// Aides des pages de formulaire : classe FormLien.
class FormLien
{
}
?>
