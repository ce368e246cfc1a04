<!DOCTYPE html>
<html lang="fr">
<head>
<meta charset="utf-8">
<title>Premier article - Articles</title>
<link rel="stylesheet" href="style.css">
</head>
<body>
<article>

<h1>Premier article</h1>
<p>Un bloc peut en appeler un autre de la meme page.</p>

</article>
<p class="pied">Article mis a jour le <FR>.</p>
</body>
</html>