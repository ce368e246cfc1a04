{#DEBUT_titre}Brouillon : jamais publie{#FIN_titre}
