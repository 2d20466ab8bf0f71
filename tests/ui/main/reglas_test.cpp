// What the main window decides without widgets.
#include "ui/main/Reglas.h"

#include <gtest/gtest.h>

TEST(Reglas, TheViewEntrysCaptionSaysWhetherTheViewerIsShownInAnyLetterCase) {
    EXPECT_TRUE(ui::VisorOculto("&Ver Codigo"));
    EXPECT_TRUE(ui::VisorOculto("&VER CODIGO"));
    EXPECT_FALSE(ui::VisorOculto("Ver Codigo"));
    EXPECT_TRUE(ui::VisorMostrado("ocultar codigo"));
    EXPECT_FALSE(ui::VisorMostrado("&Ocultar Codigo"));
    // A double click opens the viewer only while it is hidden and the list has a current row.
    EXPECT_TRUE(ui::DobleClicAbreVisor("&Ver Codigo", 3, 0));
    EXPECT_FALSE(ui::DobleClicAbreVisor("&Ver Codigo", 3, -1));
    EXPECT_FALSE(ui::DobleClicAbreVisor("&Ver Codigo", 0, 0));
    EXPECT_FALSE(ui::DobleClicAbreVisor("Ocultar Codigo", 3, 0));
}

TEST(Reglas, TheHelpFileStandsBesideTheComponentWithOneSeparator) {
    EXPECT_EQ(ui::RutaAyuda("/opt/lintrap"), "/opt/lintrap/Lintrap.html");
    EXPECT_EQ(ui::RutaAyuda("/opt/lintrap/"), "/opt/lintrap/Lintrap.html");
    EXPECT_EQ(ui::RutaAyuda("C:\\Lintrap\\"), "C:\\Lintrap\\Lintrap.html");
    EXPECT_EQ(ui::RutaAyuda(""), "/Lintrap.html");
}
