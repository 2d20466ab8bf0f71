// The procedure convention of the add-in over the global handler: push, pop on every exit,
// errors to ManejoError, and the resume-next guard.

#include "Ayudas.h"

#include "ClsErrores/Convencion.h"

namespace {

class Convencion : public Runtime {
protected:
    void SetUp() override {
        glbErr().Destination(log);
        soporte::SilenciaGlbErr();
        glbErr().LogOnError(true);
    }
};

TEST_F(Convencion, ErrorGoesToManejoErrorAndOnlyItsProcedureLeaves) {
    const int antes = glbErr().Profundidad();
    std::string visto;
    bool siguio = false;
    EXPECT_TRUE(Procedimiento("M \\ Fuera", [&] {
        visto = glbErr().ProcedimientoActual();
        EXPECT_FALSE(Procedimiento("frmRefs \\ Form_Load", [&] {
            visto += "|" + glbErr().ProcedimientoActual();
            vb::Err().Raise(9, "VBIDE", "El subíndice está fuera del intervalo");
            siguio = true;
        }));
        visto += "|" + glbErr().ProcedimientoActual();
    }));
    EXPECT_FALSE(siguio);
    EXPECT_EQ(visto, "M \\ Fuera|frmRefs \\ Form_Load|M \\ Fuera");
    EXPECT_EQ(glbErr().Profundidad(), antes);
    EXPECT_EQ(guion.cajas.size(), 1u); // its text: Mensajes.EachStepShowsAndSends
    EXPECT_NE(soporte::Lee(log).find("Procedimiento = frmRefs \\ Form_Load\r\n"),
              std::string::npos);
    EXPECT_EQ(vb::Err().Source, "VBIDE");
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
    EXPECT_EQ(vb::Err().Source, "Lintrap"); // an empty source is the program's title
    EXPECT_TRUE(PasoSinError([&] { hechos.push_back(3); }));
    EXPECT_EQ(hechos, (std::vector<int>{1, 3}));
    EXPECT_TRUE(guion.cajas.empty());
}

} // namespace
