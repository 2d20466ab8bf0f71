// What the viewer is handed for a selection, over a real project written to a temporary folder.
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Proyectos.h"
#include "ui/main/CodigoVisor.h"

#include <gtest/gtest.h>

namespace {

// The module's lines (LF in the test); the code module shows them with CR LF and no final one.
const std::string kCodigo = "Option Explicit\n"
                            "Private m_total As Long\n"
                            "\n"
                            "' Suma dos n\xFAmeros.\n"
                            "Public Function Suma(a As Long, b As Long) As Long\n"
                            "    Suma = a + b\n"
                            "End Function\n"
                            "\n"
                            "Public Property Get Total() As Long\n"
                            "    Total = m_total\n"
                            "End Property";
// From the blank line above its comment through its end.
const std::string kSuma = "\r\n' Suma dos n\xFAmeros.\r\n"
                          "Public Function Suma(a As Long, b As Long) As Long\r\n"
                          "    Suma = a + b\r\n"
                          "End Function";

TEST(CodigoVisor, ElModuloEnteroOElProcedimientoConSuComentarioYLoQueNoSeLeeNoCambiaElTexto) {
    soporte::Carpeta carpeta;
    auto vbe = soporte::AbreModulos(carpeta.Ruta(),
                                    {soporte::Bas("Calculos", kCodigo + "\n"),
                                     soporte::Bas("Solo", "Option Explicit\nDim x As Long\n")});
    const struct {
        std::string modulo, actual; // "" for no current procedure
        bool vistaModulo;
        std::optional<std::string> texto;
        std::string caption, tag;
        bool mnuDep;
    } casos[] = {
        // The module's name as List1 shows it; no callers list for the whole module.
        {"calculos", "Suma", true, soporte::Crlf(kCodigo), "calculos", "Todos", false},
        {"Solo", "", true, "Option Explicit\r\nDim x As Long", "Solo", "Todos", false},
        // From the comment above it, without the declarations or the next procedure.
        {"Calculos", "Suma", false, kSuma, "Suma", "Suma", true},
        // A property is not on the procedure list: nothing is cut out for it.
        {"Calculos", "Total", false, std::nullopt, "Total", "Total", true},
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
