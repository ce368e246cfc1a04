-- Base du site d'exemple : chaque table devient une classe PHP d'acces aux donnees.
-- En utf8mb4, comme les pages : tout ce qu'un navigateur envoie y tient, 日本 et emojis compris.
create table article (
  id int not null auto_increment comment 'Numéro',
  titre varchar(80) not null default '' comment 'Titre',
  texte text comment 'Texte de l''article',
  publie date comment 'Date de publication',
  vues int not null default 0 comment 'Nombre de lectures',
  modifie datetime default current_timestamp comment 'Dernière modification',
  primary key (id)
) default charset=utf8mb4 comment 'Articles du site';

create table auteur (
  id int not null auto_increment,
  nom varchar(40) not null comment 'Nom',
  courriel varchar(120) default null comment 'Adresse électronique',
  primary key (id)
) default charset=utf8mb4 comment 'Auteurs';

create table journal (
  quand datetime,
  message varchar(255)
) default charset=utf8mb4 comment '_table technique, sans classe';
