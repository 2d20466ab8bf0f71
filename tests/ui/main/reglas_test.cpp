// What the main window and the about box decide without widgets.
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

TEST(Reglas, TheAboutBoxNamesTheTitleAndTheVersionWithoutLeadingZerosOrBuild) {
    EXPECT_EQ(ui::CaptionAcercaDe("Lintrap"), "Ayuda Lintrap");
    EXPECT_EQ(ui::TituloAcercaDe("Lintrap", 1, 2, 0), "Lintrap 1.2.0");
    EXPECT_EQ(ui::TituloAcercaDe("Lintrap", 0, 10, 7), "Lintrap 0.10.7");
    const std::string resumen = ui::ResumenAcercaDe();
    EXPECT_EQ(resumen.rfind("Lista los procedimientos en un proyecto.\r\n\r\n", 0), 0u);
    EXPECT_NE(resumen.find("basada en \r\nuna clase configurable llamada clsErrores (que también "
                           "se \r\npuede utilizar aparte)\r\n"),
              std::string::npos);
    EXPECT_NE(resumen.find("\r\nAdemás,es posible ver el código en un formulario aparte \r\n"),
              std::string::npos);
    const std::string fin = "qué \r\nprocedimientos llaman a cada uno.\r\n";
    EXPECT_EQ(resumen.substr(resumen.size() - fin.size()), fin);
}
