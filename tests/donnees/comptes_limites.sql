-- Comptes limites a une et a deux requetes par heure sur la base du cas.
drop user if exists 'form_lim1'@'127.0.0.1', 'form_lim2'@'127.0.0.1';
flush user_resources;
create user 'form_lim1'@'127.0.0.1' identified by 'x' with max_queries_per_hour 1;
create user 'form_lim2'@'127.0.0.1' identified by 'x' with max_queries_per_hour 2;
grant select on `<BASE>`.* to 'form_lim1'@'127.0.0.1', 'form_lim2'@'127.0.0.1';
