-- La table de la page de bout en bout : cle auto-incrementee, colonne obligatoire,
-- commentaires accentues (les libelles), et une ligne deja la.
create table personne (
  id int auto_increment primary key comment 'Numéro',
  nom varchar(40) not null comment 'Nom complet',
  ville varchar(40) comment 'Ville de résidence'
) default charset=utf8mb4;
insert into personne (nom, ville) values ('Martin', 'Paris');
