{#reference=modeles\article.htm}
{#DEBUT_titre}Premier article{#FIN_titre}
{#DEBUT_contenu}
<h1>{#titre_article}</h1>
<p>Un bloc peut en appeler un autre de la meme page.</p>
{#FIN_contenu}
{#DEBUT_titre_article}Premier article{#FIN_titre_article}
{#DEBUT_pied}Article mis a jour le {#DATE_FR}.{#FIN_pied}
