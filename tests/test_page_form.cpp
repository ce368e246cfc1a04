// Pieces de la page de formulaire que les cas du programme n'atteignent pas :
// valeurs a echapper dans les chaines PHP, et le script clearForm execute.
#include <gtest/gtest.h>

#include <string>

#include "FrwForm.h"
#include "outils_test.h"

using std::string;

namespace {

string Page(MesForms& form) {
    return form.Creation_RecupChampsPhp(form.NomTable) + form.Creation_TraitementPhp(form.NomTable) +
           form.FaitFormulaire(form.NomTable) + "</BODY>\n</HTML>\n";
}

// Le script clearForm de la tete de page, balises comprises.
string Script() {
    Parametrage p;
    MesForms form(p);
    const string tete = form.Creation_RecupChampsPhp("");
    const size_t debut = tete.find("<script>"), fin = tete.find("</script>") + 9;
    return tete.substr(debut, fin - debut);
}

}  // namespace

// Un guillemet, un "\" ou un "$" de la configuration ou du chemin de la description
// ne casse pas la page et ne change pas la valeur.
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
        const string page = Page(form);
        const string attendue = table ? "\t$MaConnexion = new SGBDConnexion(\"localhost\",\"u\\\"1\",\"p\\\\\\$\\\"x\",\"b\\$\");\n"
                                      : "\techo $F->Cadre(\"Formulaire \".htmlentities(\"d\\\\a\\\"\\$b.form\"));\n";
        EXPECT_NE(page.find(attendue), string::npos) << page;
        EcritOctets(rep / "page.php", page);
        EXPECT_TRUE(PhpValide(rep / "page.php"));
    }
}

// 696 octets, trois fins de ligne autour des deux commentaires.
TEST(PageForm, ScriptClearFormEnTroisLignes) {
    const string script = Script();
    EXPECT_EQ(script.size(), 696u);
    const size_t a = script.find('\n'), b = script.find('\n', a + 1), c = script.find('\n', b + 1);
    EXPECT_EQ(script.substr(a, b - a + 1), "\n// Ne pas changer les valeurs de submit, reset & buttons\n");
    EXPECT_EQ(script.substr(c - 24, 25), "// Maintenant on reinit.\n");
    EXPECT_EQ(script.find('\n', c + 1), string::npos);
}

// Sur un formulaire simule : les champs perdent leur valeur par defaut, les boutons la
// gardent, une case a cocher garde sa valeur, et le formulaire est remis a zero.
TEST(PageForm, ScriptClearFormVideLesChamps) {
    if (Commande("node --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "node absent";
    const string script = Script();
    RepertoireTemporaire rep;
    EcritOctets(rep / "essai.js", script.substr(8, script.size() - 17) + R"(
function champ(tagName, type, defaultValue) { return {tagName, type, defaultValue, defaultChecked: true}; }
const options = [{defaultSelected: true}, {defaultSelected: false}];
const champs = [champ("INPUT", "text", "a"), champ("INPUT", "hidden", "7"), champ("TEXTAREA", "textarea", "t"),
  champ("INPUT", "checkbox", "v"), champ("INPUT", "radio", "r"), Object.assign(champ("SELECT", "select-one", "x"), {options}),
  champ("INPUT", "submit", "Envoyer"), champ("INPUT", "reset", "Effacer"), champ("BUTTON", "button", "b"),
  {tagName: "FIELDSET", type: "fieldset"}];
let remises = 0;
const rendu = clearForm({elements: champs, reset() { remises++; }});
console.log(JSON.stringify({rendu, remises, champs}));
)");
    string sortie;
    ASSERT_EQ(Commande("node '" + rep / "essai.js" + "'", &sortie), 0) << sortie;
    EXPECT_EQ(sortie,
              "{\"rendu\":false,\"remises\":1,\"champs\":["
              "{\"tagName\":\"INPUT\",\"type\":\"text\",\"defaultValue\":\"\",\"defaultChecked\":true},"
              "{\"tagName\":\"INPUT\",\"type\":\"hidden\",\"defaultValue\":\"\",\"defaultChecked\":true},"
              "{\"tagName\":\"TEXTAREA\",\"type\":\"textarea\",\"defaultValue\":\"\",\"defaultChecked\":true},"
              "{\"tagName\":\"INPUT\",\"type\":\"checkbox\",\"defaultValue\":\"v\",\"defaultChecked\":false},"
              "{\"tagName\":\"INPUT\",\"type\":\"radio\",\"defaultValue\":\"r\",\"defaultChecked\":false},"
              "{\"tagName\":\"SELECT\",\"type\":\"select-one\",\"defaultValue\":\"x\",\"defaultChecked\":true,"
              "\"options\":[{\"defaultSelected\":false},{\"defaultSelected\":false}]},"
              "{\"tagName\":\"INPUT\",\"type\":\"submit\",\"defaultValue\":\"Envoyer\",\"defaultChecked\":true},"
              "{\"tagName\":\"INPUT\",\"type\":\"reset\",\"defaultValue\":\"Effacer\",\"defaultChecked\":true},"
              "{\"tagName\":\"BUTTON\",\"type\":\"button\",\"defaultValue\":\"b\",\"defaultChecked\":true},"
              "{\"tagName\":\"FIELDSET\",\"type\":\"fieldset\"}]}\n");
}
