// Le programme lance sans argument sur un terminal : il attend une ligne avant
// de finir. Les autres executions sont decrites dans tests/cas/.
#include <gtest/gtest.h>

#include "outils_test.h"

TEST(BoiteNoire, SansArgumentSurUnTerminalAttendUneLigne) {
    RepertoireTemporaire rep;
    Execution e = LanceSurTerminal(rep.Chemin(), "ligne\n", 300);
    // Le terminal rend "\n" en "\r\n" ; "ligne" n'est tapee, donc renvoyee en echo,
    // que si le programme tourne encore 300 ms apres le message : il attend.
    EXPECT_EQ(e.sortie, "corvalite V 1.6.3 Build (150418) - Generateur de sites PHP et MySQL\r\n\r\n\r\n"
                        "Usage : corvalite -c fichier.cfg make sgbd form\r\n-c Fichier_de_configuration\r\n"
                        "fonction: make,sgbd,form\r\nAppuyez sur une touche pour continuer...ligne\r\n");
    EXPECT_EQ(e.code, 0);
}
