-- nom, la premiere colonne, n'est pas unique (deux Durand) : la cle id, qui la suit, repere la
-- ligne des mises a jour. Les cles 1, 5 et 7 : celle que pose Insertion() (8) n'est pas le nombre
-- de lignes. ville, stock et cree ont un defaut, que prend une insertion sans valeur pour eux.
create table fiche (nom varchar(40) not null comment 'Nom', id int auto_increment primary key,
  ville varchar(40) default 'Lyon', qte int, prix decimal(8,2), jour date, stock mediumint not null default 0,
  cree datetime default current_timestamp, m mediumint, d double, b bit(5), an year);
insert into fiche values ('Martin',1,'Paris',5,10,'2024-01-05',3,'2024-01-05 08:30:00',NULL,NULL,NULL,NULL),
  ('Durand',5,NULL,2,3.5,'2023-12-31',0,'2023-12-31 18:00:00',42,2.5,b'101',2024),
  ('Durand',7,'Caen',3,1,'2024-03-01',0,NULL,NULL,NULL,NULL,NULL);
