-- Les tables des pages du test, a cote de celles de l'exemple.
-- Une cle de texte, dont une valeur porte un "\" qu'un echappement mal fait confondrait avec l'autre.
create table code (
  ref varchar(20) primary key comment 'Référence',
  nom varchar(40) comment 'Nom'
) default charset=utf8mb4;
insert into code values ('a\\b', 'barre'), ('ab', 'sans barre');

-- Chaque sorte de champ de la page fiche ; la seconde ligne n'a pas de choix fait.
create table fiche (
  id int auto_increment primary key,
  nom varchar(40),
  note varchar(40),
  jeton varchar(20),
  couleur varchar(10),
  taille varchar(10),
  actif varchar(1)
) default charset=utf8mb4;
insert into fiche (nom, note, jeton, couleur, taille, actif) values
  ('choisie', 'note cachée', 'j1', 'vert', 'L', 'n'),
  ('vide', 'autre note', 'j2', null, null, null);

-- Un bit montre et un bit invisible, un compteur invisible que d'autres clients augmentent, une
-- colonne nommee comme la variable action de la page ; un libelle hors de Latin-1.
create table stock (
  id int auto_increment primary key,
  nom varchar(40) default 'sans nom' comment 'Prix € œuvre 日本',
  b bit(1),
  b_inv bit(1) default b'1',
  c_inv int not null default 7,
  action varchar(20) default 'neuve'
) default charset=utf8mb4;
insert into stock (nom, b, b_inv, c_inv, action) values
  ('zéro', b'0', b'0', 0, 'gardée'), ('un', b'1', b'1', 0, 'gardée'), ('compteur', null, null, 0, 'gardée');

-- Des noms que SQL se reserve : la table, sa cle et une colonne.
create table `group` (
  `order` int auto_increment primary key,
  `desc` varchar(20)
) default charset=utf8mb4;
insert into `group` (`desc`) values ('premier'), ('second');

-- Une cle de page unique en premiere colonne, sur une table dont la cle primaire est une autre.
create table paire (u int unique, id int primary key, nom varchar(20)) default charset=utf8mb4;
insert into paire values (10, 1, 'alpha'), (1, 2, 'beta');

-- Des cles et des colonnes nommees comme des membres de la collection des champs d'un formulaire.
create table objet (item varchar(10) primary key, length varchar(10)) default charset=utf8mb4;
insert into objet values ('', 'vide'), ('a', 'de a'), ('b', 'de b');
create table longueur (length int primary key, item varchar(10)) default charset=utf8mb4;
insert into longueur values (1, 'un'), (2, 'deux'), (3, 'trois');

-- Des cles que le navigateur changerait : fins de ligne, blanc.
create table cle (k varchar(10) primary key, v varchar(10)) default charset=utf8mb4;
insert into cle values ('a\nb', 'lf'), ('a\r\nb', 'crlf'), ('a b', 'blanc'), ('ab', 'colle');

-- Des valeurs qu'une page ne peut pas montrer telles quelles, et une colonne SET en cases.
create table octets (
  id int primary key,
  vb varbinary(10),
  bi binary(6),
  bl blob,
  ligne varchar(40),
  couleurs set('o', 'n', 'p')
) default charset=utf8mb4;
insert into octets values (1, x'0001FEFF', x'FFFFFFFFFFFF', x'00FF0A', 'ligne1\nligne2', 'o,n');

-- Quatre compteurs d'une ligne, que quatre clients augmentent chacun par la page.
create table compteur (id int primary key, a int, b int, c int, d int) default charset=utf8mb4;
insert into compteur values (1, 0, 0, 0, 0);

-- Des colonnes NOT NULL : un nombre, un drapeau et une date qui ont un defaut, un nombre qui n'en a pas.
create table defaut (
  id int primary key,
  n int not null default 7,
  f tinyint(1) not null default 0,
  d date not null default '2020-01-01',
  r int not null
) default charset=utf8mb4;
insert into defaut values (1, 3, 1, '2024-02-29', 5);

-- Des cles que le champ d'une ligne de saisie montre vides : la chaine vide, une fin de ligne.
create table vide (k varchar(10) primary key, v varchar(10)) default charset=utf8mb4;
insert into vide values ('', 'rien'), ('\n', 'fin');

-- Une ligne de quelques Mo (le test la remplit) : elle tient, montree, dans la limite d'envoi de PHP.
create table grand (id int primary key, n int, t longtext) default charset=utf8mb4;
