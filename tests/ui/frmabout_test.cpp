// The about box driven through a recording view: its caption and title, and its texts.

#include "tests/support/Guion.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/main/Reglas.h"
#include "ui/main/frmAbout.h"

#include <gtest/gtest.h>

TEST(frmAbout, NamesTheTitleAndTheVersionWithoutLeadingZerosOrBuild) {
    soporte::SilenciaGlbErr();
    soporte::VistaGrabadora v;
    ui::frmAbout f(v);
    f.Form_Load();
    EXPECT_EQ(v.texto[""], "Ayuda Lintrap");
    EXPECT_EQ(v.texto["lblTitle"], "Lintrap " LINTRAP_VERSION);
    f.cmdOK_Click();
    EXPECT_EQ(v.cerrada, true);
    EXPECT_EQ(ui::TituloAcercaDe("Lintrap", 1, 2, 0), "Lintrap 1.2.0");
    EXPECT_EQ(ui::TituloAcercaDe("Lintrap", 0, 10, 7), "Lintrap 0.10.7");

    const std::string resumen = ui::ResumenAcercaDe();
    EXPECT_EQ(resumen.rfind("Lista los procedimientos en un proyecto.\r\n\r\n", 0), 0u);
    const std::string fin = "qué \r\nprocedimientos llaman a cada uno.\r\n";
    EXPECT_EQ(resumen.substr(resumen.size() - fin.size()), fin);
}
