-- Schema de test de la fonction sgbd : commentaires, cle auto-incrementee,
-- colonnes NOT NULL, valeurs par defaut de toutes sortes.
create table client (
  id int not null auto_increment comment 'Identifiant',
  nom varchar(40) not null default '' comment 'Nom du "client" \\ $x',
  ville varchar(30) default 'Paris',
  remise decimal(5,2) default 1.50 comment 'Remise (%)',
  qte int default 5,
  note int default null,
  naissance date,
  cree datetime default current_timestamp comment 'Création',
  memo text,
  primary key (id)
) comment 'Les clients';

create table ligne (
  commande int not null,
  rang smallint not null,
  libelle varchar(60),
  primary key (commande, rang)
);

create table _reglages (cle varchar(20)) comment '_interne';

create table vide_de_cle (a varchar(5), b tinyint);
