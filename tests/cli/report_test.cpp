// lintrap report: the system report the error mails carry.

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>

using namespace soporte;

TEST(Report, InformeCompletoYBreveConElTituloDelProyecto) {
    Carpeta c;
    auto vbp = (Copia(Ejemplo(), c / "Demo") / "Demo.vbp").string();
    auto completo = Lintrap({"report", vbp});
    ASSERT_EQ(completo.codigo, 0) << completo.err;
    EXPECT_NE(completo.out.find("Informe Sistema"), std::string::npos);
    EXPECT_NE(completo.out.find("App.Title...................Demo\n"), std::string::npos)
        << completo.out;
    EXPECT_EQ(completo.out.find('\r'), std::string::npos); // plain line ends on the terminal

    auto breve = Lintrap({"report", "--short"});
    ASSERT_EQ(breve.codigo, 0) << breve.err;
    EXPECT_LT(breve.out.size(), completo.out.size());
    EXPECT_GT(breve.out.size(), 0u);
}
