// What the viewer is handed for a selection, over the command line's test project.
#include "host/files/Vbe.h"
#include "tests/support/Tabla.h"
#include "ui/main/CodigoVisor.h"

#include <gtest/gtest.h>

namespace {

// The cases: tests/data/ui/codigovisor.txt.
TEST(CodigoVisor, ElModuloEnteroOElProcedimientoConSuComentarioYLoQueNoSeLeeNoCambiaElTexto) {
    auto vbe = files::Vbe::Open(soporte::Datos("cli/Prueba/Prueba.vbp"));
    auto& calculos = vbe->ActiveVBProject()->VBComponents().Item("Calculos").CodeModule();
    for (const auto& c : soporte::Tabla("ui/codigovisor.txt")) {
        SCOPED_TRACE(c[0] + "/" + c[1]);
        engine::EstadoSeleccion e;
        e.modulo = c[0];
        e.vistaModulo = c[2] == "s";
        if (!c[1].empty()) {
            e.procedimientos = {{"Otro", false, engine::Manejo::Sin},
                                {c[1], true, engine::Manejo::Sin}};
            e.actual = 1;
        }
        const auto v = ui::CodigoVisor(*vbe->ActiveVBProject(), e);
        EXPECT_EQ(v.texto, c[3] == "-"   ? std::nullopt
                           : c[3] == "*" ? std::optional(calculos.Lines(1, calculos.CountOfLines()))
                                         : std::optional(c[3]));
        EXPECT_EQ(v.caption, c[4]);
        EXPECT_EQ(v.tag, c[5]);
        EXPECT_EQ(v.mnuDepVisible, c[6] == "s");
    }
}

} // namespace
