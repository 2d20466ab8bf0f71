// The procedure convention of the add-in over the global handler: push, pop on every exit,
// errors to ManejoError, and the resume-next guard.

#include "Ayudas.h"

#include "ClsErrores/Convencion.h"
#include "ClsErrores/ErrObject.h"

#include <gtest/gtest.h>

namespace {

class Convencion : public ::testing::Test {
protected:
    prueba::Carpeta carpeta;
    prueba::AlmacenTemporal almacen{carpeta};
    prueba::Guion guion;

    void SetUp() override {
        glbErr().Destination(carpeta / "Errores.log");
        glbErr().MsgOnError("normal");
        glbErr().MandaEmailOnError(false);
        glbErr().LogOnError(true);
        guion.cajas.clear();
        vb::Err().Clear();
    }
};

TEST_F(Convencion, BodyRunsBetweenPushAndPop) {
    const int antes = glbErr().Profundidad();
    std::string visto;
    const bool bien = Procedimiento("frmAddIn \\ Insertar", [&] {
        visto = glbErr().ProcedimientoActual();
        Procedimiento("frmAddIn \\ BuscaFin",
                      [&] { visto += "|" + glbErr().ProcedimientoActual(); });
    });
    EXPECT_TRUE(bien);
    EXPECT_EQ(visto, "frmAddIn \\ Insertar|frmAddIn \\ BuscaFin");
    EXPECT_EQ(glbErr().Profundidad(), antes);
    EXPECT_TRUE(guion.cajas.empty());
}

TEST_F(Convencion, ErrorGoesToManejoErrorWithItsProcedureAndTheProcedureLeaves) {
    const int antes = glbErr().Profundidad();
    bool siguio = false;
    const bool bien = Procedimiento("frmRefs \\ Form_Load", [&] {
        vb::Err().Raise(9, "VBIDE", "El subíndice está fuera del intervalo");
        siguio = true;
    });
    EXPECT_FALSE(bien);
    EXPECT_FALSE(siguio);
    EXPECT_EQ(glbErr().Profundidad(), antes);
    ASSERT_EQ(guion.cajas.size(), 1u);
    EXPECT_EQ(guion.cajas[0].prompt, "Ha ocurrido un error.\r\n\r\nProcedimiento:   'frmRefs \\ "
                                     "Form_Load'\r\nLínea: <desconocida>\r\nNº Error: 9\r\n"
                                     "Descripción: El subíndice está fuera del intervalo");
    EXPECT_NE(prueba::Lee(carpeta / "Errores.log").find("Procedimiento = frmRefs \\ Form_Load\r\n"),
              std::string::npos);
    EXPECT_EQ(vb::Err().Number, 9);
    EXPECT_EQ(vb::Err().Source, "VBIDE");
}

TEST_F(Convencion, ErrorInInnerProcedureIsHandledThereAndOuterGoesOn) {
    bool despues = false;
    const bool bien = Procedimiento("M \\ Fuera", [&] {
        Procedimiento("M \\ Dentro",
                      [] { throw ErrorVB(53, "M", "No se ha encontrado el archivo"); });
        despues = true;
    });
    EXPECT_TRUE(bien);
    EXPECT_TRUE(despues);
    EXPECT_EQ(glbErr().ErrProcedure(), "M \\ Dentro");
}

TEST_F(Convencion, ForeignExceptionsBecomeRuntimeErrorsWithoutTheirText) {
    Procedimiento("M \\ P", [] { throw std::out_of_range("vector::_M_range_check: __n"); });
    EXPECT_EQ(vb::Err().Number, 51);
    EXPECT_EQ(vb::Err().Source, "M \\ P");
    ASSERT_EQ(guion.cajas.size(), 1u);
    EXPECT_EQ(guion.cajas[0].prompt.find("_M_range_check"), std::string::npos);
    EXPECT_NE(guion.cajas[0].prompt.find("Descripción: Error interno"), std::string::npos);

    Procedimiento("M \\ Q", [] { throw std::bad_alloc(); });
    EXPECT_EQ(vb::Err().Number, 7);
}

TEST_F(Convencion, PasoSinErrorSkipsOnlyTheFailingStep) {
    std::vector<int> hechos;
    EXPECT_TRUE(PasoSinError([&] { hechos.push_back(1); }));
    EXPECT_FALSE(PasoSinError([&] {
        vb::Err().Raise(5);
        hechos.push_back(2);
    }));
    EXPECT_EQ(vb::Err().Number, 5);
    EXPECT_EQ(vb::Err().Source, "Lintrap"); // an empty source is the program's title
    EXPECT_TRUE(PasoSinError([&] { hechos.push_back(3); }));
    EXPECT_EQ(hechos, (std::vector<int>{1, 3}));
    EXPECT_TRUE(guion.cajas.empty());
}

} // namespace
