-- Schema de test de la fonction sgbd : commentaires, cle auto-incrementee, colonnes NOT NULL,
-- valeurs par defaut de toutes sortes (un nombre, un texte, une expression, un instant). La
-- classe de client est aussi celle que les tests tirent de colonnes donnees en memoire.
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
  calcul int default (abs(-1)),
  mesure float default -2.5e3,
  primary key (id)
) comment 'Les clients';

create table _reglages (cle varchar(20)) comment '_interne';
