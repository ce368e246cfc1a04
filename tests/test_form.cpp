// La page de formulaire hors des executions du programme : valeurs de la configuration et
// chemin de la description echappes dans les chaines PHP.
#include <gtest/gtest.h>

#include "FrwForm.h"
#include "outils_test.h"

using std::string;

// Un guillemet, un "\" ou un "$" de la configuration ou du chemin de la description ne casse
// pas la page et ne change pas la valeur.
TEST(PageForm, ValeursEchappeesDansLesChainesPhp) {
    RepertoireTemporaire rep;
    for (const bool table : {true, false}) {
        SCOPED_TRACE(table);
        Parametrage p;
        p.UtilisateurMysql = "u\"1";
        p.MotDePasseMysql = "p\\$\"x";
        p.DatabaseMysql = "b$";
        MesForms form(p);
        form.NomFichierForm = "d\\a\"$b.form";
        form.ListeElements.resize(1);
        form.ListeElements[0].Champ = "id";
        if (table) {
            form.NomTable = "t";
            form.ListeChamps.push_back({"t", "id", "10", "int", "", "", "O", "", "O", "O", ""});
        }
        const string page = form.Creation_RecupChampsPhp(form.NomTable) + form.Creation_TraitementPhp(form.NomTable) +
                            form.FaitFormulaire(form.NomTable);
        EXPECT_NE(page.find(table ? "\t$MaConnexion = new SGBDConnexion(\"localhost\",\"u\\\"1\",\"p\\\\\\$\\\"x\",\"b\\$\");\n"
                                  : "\techo $F->Cadre(\"Formulaire \".htmlentities(\"d\\\\a\\\"\\$b.form\"));\n"),
                  string::npos) << page;
        EcritOctets(rep / "page.php", page + "</BODY>\n</HTML>\n");
        EXPECT_TRUE(PhpValide(rep / "page.php"));
    }
}
