-- Tables des pages de formulaire : cle auto-incrementee en tete, cle primaire
-- saisie qui n'est pas la premiere colonne, colonnes NOT NULL et commentees.
create table produit (
  id int not null auto_increment primary key comment 'Numéro',
  nom varchar(40) not null comment 'Désignation',
  prix decimal(8,2) default 1.50 comment 'Prix unitaire',
  note text comment 'Détails "notés" \\ $x',
  cree date
) comment 'Produits';
create table pays (
  rang int not null,
  code char(2) not null primary key comment 'Code ISO',
  nom varchar(30) comment 'Nom du pays'
);
