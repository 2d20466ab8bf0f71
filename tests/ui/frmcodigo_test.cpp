// The code viewer driven through a recording view: what each refresh shows, and the two menu
// commands.

#include "tests/support/Archivos.h"
#include "tests/support/VistaGrabadora.h"
#include "ui/viewer/Caracteres.h"
#include "ui/viewer/FrmCodigo.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A procedure in 1252, CR LF, without a final line break.
const std::string kSub = soporte::Lee(soporte::Datos("ui/visor/Calcula.bas"));

// The colouring of `texto` in 1252, as the view should receive it.
std::vector<viewer::Tramo> Colores(const std::string& texto) {
    viewer::ColoresCodigo c(viewer::Caracteres(texto, 1252));
    c.formateaCodigo();
    return c.Tramos();
}

TEST(FrmCodigo, CadaRefrescoMuestraTextoTituloEtiquetaYDependencias) {
    struct Caso {
        ui::VistaCodigo vista;
        std::string titulo; // UTF-8
        std::string texto;  // the text the box then holds, in 1252
    };
    // Each case follows the one before in the same window: a view without text keeps it.
    const Caso casos[] = {
        {{"Calcula", "Calcula", kSub, true, 1252}, "Calcula", kSub},
        {{"A\xF1o", "Todos", std::string("Option Explicit"), false, 1252},
         "Año",
         "Option Explicit"},
        {{"Total", "Total", std::nullopt, true, 1252}, "Total", "Option Explicit"},
    };
    soporte::VistaGrabadora v;
    ui::FrmCodigo f(v);
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.titulo);
        v.llamadas.clear();
        f.Muestra(c.vista);
        EXPECT_EQ(v.texto[""], c.titulo);
        EXPECT_EQ(f.Tag(), c.vista.tag);
        EXPECT_EQ(v.visible["mnuDep"], c.vista.mnuDepVisible);
        // The text, coloured, goes in once while the box is hidden, with the caret at 1.
        EXPECT_EQ(v.textoColoreado["TxtCodigo"], viewer::Caracteres(c.texto, 1252));
        EXPECT_EQ(v.tramos["TxtCodigo"], Colores(c.texto));
        EXPECT_EQ(v.cursor["TxtCodigo"], 1);
        EXPECT_EQ(v.llamadas.front(), "Muestra TxtCodigo");
        EXPECT_EQ(v.llamadas.back(), "Muestra TxtCodigo");
        EXPECT_EQ(std::count(v.llamadas.begin(), v.llamadas.end(), "PonTextoColoreado TxtCodigo"),
                  1);
        EXPECT_TRUE(v.visible["TxtCodigo"]);
    }
}

TEST(FrmCodigo, ResaltarPintaElTerminoEscritoHastaElSiguienteFormateo) {
    soporte::VistaGrabadora v;
    ui::FrmCodigo f(v);
    f.Muestra({"Calcula", "Calcula", kSub, true, 1252});
    const auto coloreado = v.tramos["TxtCodigo"];
    const long inicio = 36; // "If" of the second line
    auto formato = [&](long i) { return f.Colores().Formatos()[size_t(i)]; };

    // Cancelled, empty, or found nowhere: nothing is painted nor shown again.
    v.entradas = {"", "ninguno"};
    for (int i = 0; i < 3; ++i)
        f.mnuResaltar_Click();
    EXPECT_EQ(v.preguntas,
              std::vector<std::string>(
                  3, "Lintrap: Introduzca el término a resaltar (se coloreará de rojo)"));
    EXPECT_EQ(v.tramos["TxtCodigo"], coloreado);
    EXPECT_EQ(std::count(v.llamadas.begin(), v.llamadas.end(), "PonTextoColoreado TxtCodigo"), 1);

    // Any case, twice (the colouring's own, tests/ui/colores_test.cpp), shown without moving the
    // caret. A term in the project's code page is found as typed in UTF-8.
    v.entradas = {"if", "If", "\xC3\xA1"};
    for (int i = 0; i < 3; ++i)
        f.mnuResaltar_Click();
    EXPECT_EQ(formato(inicio), (viewer::Formato{viewer::kRojo, true}));
    EXPECT_EQ(formato(long(kSub.find('\xE1'))), (viewer::Formato{viewer::kRojo, true}));
    EXPECT_EQ(v.tramos["TxtCodigo"], f.Colores().Tramos());
    EXPECT_EQ(v.cursor["TxtCodigo"], 1);

    // A new formatting takes the highlights away (tests/ui/colores_test.cpp) and paints again.
    f.formateaCodigo();
    EXPECT_EQ(v.tramos["TxtCodigo"], coloreado);
}

} // namespace
