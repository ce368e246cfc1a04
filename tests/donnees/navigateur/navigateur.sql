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
