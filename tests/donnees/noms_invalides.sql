-- Noms de tables et de colonnes qui ne sont pas des noms PHP ; bon et z_bon encadrent les autres.
create table bon (id int primary key);
create table `1abc` (x int); create table `a
b` (x int); create table `a"b` (x int);
create table `a b` (x int); create table `a``b` (x int); create table `x/../../../pwned` (x int);
create table `x?><?php system('id');?>` (x int); create table colonne (id int, `c'd` int);
create table injecte (`x?><?php` int); create table z_bon (id int);
