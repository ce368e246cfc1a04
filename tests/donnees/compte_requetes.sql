-- Un compte a lui, pour que le serveur compte les requetes d'un seul lancement.
set global userstat=1;
flush user_statistics;
drop user if exists 'compte_requetes'@'127.0.0.1';
create user 'compte_requetes'@'127.0.0.1' identified by 'requetes';
grant select on `<BASE>`.* to 'compte_requetes'@'127.0.0.1';
