// What the main window decides without widgets.
#include "ui/main/Reglas.h"

#include <gtest/gtest.h>

TEST(Reglas, ADoubleClickOpensTheViewerOnlyWhileItIsHiddenAndTheListHasACurrentRow) {
    EXPECT_TRUE(ui::DobleClicAbreVisor(false, 3, 0));
    EXPECT_FALSE(ui::DobleClicAbreVisor(false, 3, -1));
    EXPECT_FALSE(ui::DobleClicAbreVisor(false, 0, 0));
    EXPECT_FALSE(ui::DobleClicAbreVisor(true, 3, 0));
}

TEST(Reglas, TheHelpFileStandsBesideTheComponentWithOneSeparator) {
    EXPECT_EQ(ui::RutaAyuda("/opt/lintrap"), "/opt/lintrap/Lintrap.html");
    EXPECT_EQ(ui::RutaAyuda("/opt/lintrap/"), "/opt/lintrap/Lintrap.html");
    EXPECT_EQ(ui::RutaAyuda("C:\\Lintrap\\"), "C:\\Lintrap\\Lintrap.html");
    EXPECT_EQ(ui::RutaAyuda(""), "/Lintrap.html");
}
