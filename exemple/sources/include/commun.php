<?php
function salutation($nom)
{
	return "<p>Bonjour " . htmlspecialchars($nom) . ".</p>";
}
?>
