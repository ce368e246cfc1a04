-- Noms PHP que la classe ne peut porter (classes et interfaces de PHP 8.2 comprises, la casse n'y
-- comptant pas) ; resource, saine, a des noms voisins permis.
create table `resource` (id int primary key, class int, `list` int, v_b int, resultat int);
create table `class` (x int); create table `Int` (x int); create table `Error` (x int);
create table `__get` (x int); create table parcours (x int); create table Cherche_id (id int);
create table colonne_this (id int, this int); create table colonne_post (id int, _POST int);
create table membre_fixe (id int, Resultat int); create table membres (a int, v_a int);
create table methode_all (id int, `all` int); create table Attribute (x int); create table countable (x int);
