// What the viewer is handed for a selection, over the command line's test project.
#include "host/files/Vbe.h"
#include "tests/support/Archivos.h"
#include "ui/main/CodigoVisor.h"

#include <gtest/gtest.h>

namespace {

TEST(CodigoVisor, ElModuloEnteroOElProcedimientoConSuComentarioYLoQueNoSeLeeNoCambiaElTexto) {
    auto vbe = files::Vbe::Open(soporte::Datos("cli/Prueba/Prueba.vbp"));
    auto& calculos = vbe->ActiveVBProject()->VBComponents().Item("Calculos").CodeModule();
    const struct {
        std::string modulo, actual; // "" for no current procedure
        bool vistaModulo;
        std::optional<std::string> texto;
        std::string caption, tag;
        bool mnuDep;
    } casos[] = {
        // The module's name as List1 shows it; no callers list for the whole module.
        {"calculos", "Suma", true, calculos.Lines(1, calculos.CountOfLines()), "calculos", "Todos",
         false},
        // From the blank line above it (its comment, when it has one: the command line's
        // view_suma), without the next procedure.
        {"Calculos", "alfa", false,
         "\r\nPublic Sub alfa()\r\n    Dim x As Long\r\n    x = 1\r\nEnd Sub", "alfa", "alfa",
         true},
        // A property is not on the procedure list: nothing is cut out for it.
        {"clsDato", "Valor", false, std::nullopt, "Valor", "Valor", true},
        {"Calculos", "NoExiste", false, std::nullopt, "NoExiste", "NoExiste", true},
        {"Borrado", "", true, std::nullopt, "Borrado", "Todos", false},
        // No current procedure: List2.Text is empty.
        {"Calculos", "", false, std::nullopt, "", "", true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.modulo + "/" + c.actual);
        engine::EstadoSeleccion e;
        e.modulo = c.modulo;
        e.vistaModulo = c.vistaModulo;
        if (!c.actual.empty()) {
            e.procedimientos = {{"Otro", false, engine::Manejo::Sin},
                                {c.actual, true, engine::Manejo::Sin}};
            e.actual = 1;
        }
        const auto v = ui::CodigoVisor(*vbe->ActiveVBProject(), e);
        EXPECT_EQ(v.texto, c.texto);
        EXPECT_EQ(v.caption, c.caption);
        EXPECT_EQ(v.tag, c.tag);
        EXPECT_EQ(v.mnuDepVisible, c.mnuDep);
    }
}

} // namespace
