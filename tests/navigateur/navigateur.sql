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
