-- Creees dans le desordre : le rapport doit pourtant suivre l'ordre des noms.
-- aa_cache est ecartee par son commentaire ; les autres couvrent defauts,
-- commentaires a echapper en PHP et types courants.
create table c_ligne (id int auto_increment primary key, article int not null, quantite decimal(8,2) default 0.5,
  vu datetime default current_timestamp);
create table b_article (id int auto_increment primary key, nom varchar(30) not null default 'Paris'
  comment 'Nom "affiche" \\ $prix', prix decimal(8,2) default 1.50, resume text, parution date) comment 'les articles';
create table a_client (id int not null primary key, nom varchar(20));
create table aa_cache (x int) comment '_interne';
