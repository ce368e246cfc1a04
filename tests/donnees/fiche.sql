-- Les cles 1 et 5 : celle que pose Insertion() (6) n'est pas le nombre de lignes.
-- ville, nullable, a un defaut que la classe n'emploie pas (elle ecrit NULL).
create table fiche (id int auto_increment primary key, nom varchar(40) not null comment 'Nom',
  ville varchar(40) default 'Lyon', qte int, prix decimal(8,2), jour date);
insert into fiche values (1,'Martin','Paris',5,10,'2024-01-05'),(5,'Durand',NULL,2,3.5,'2023-12-31');
