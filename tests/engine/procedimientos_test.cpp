// The procedure list: which rows, in which order, with which status.

#include "engine/ExisteOnError.h"
#include "engine/Procedimientos.h"
#include "tests/support/Codigo.h"
#include "tests/support/Texto.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

const std::string Si = "S\xC3\xAD";

std::vector<std::string> Filas(std::string_view codigo, std::vector<double>* progreso = nullptr) {
    auto archivo = soporte::Modulo(codigo);
    soporte::ProgresoAnotado anotado;
    std::vector<std::string> filas;
    for (const auto& p : ListaProcedimientos(archivo->Code(), 1252, anotado)) {
        filas.push_back(codepage::AUtf8(p.nombre, 1252) + "=" + std::string(TextoEstado(p)));
    }
    if (progreso) {
        *progreso = anotado.valores;
    }
    return filas;
}

TEST(Procedimientos, OnlyAnUnnumberedStatementOfAMethodCounts) {
    soporte::SilenciaGlbErr();
    auto archivo =
        soporte::Modulo("Sub A()\n    x = 1\n      on error goto f\nEnd Sub\n"
                        "Sub B()\n10 On Error Resume Next\n' On Error GoTo 0\nEnd Sub\n"
                        "Property Get C() As Long\nOn Error Resume Next\nEnd Property\n");
    auto& m = archivo->Code();
    const auto& tabla = codepage::TablaMinusculas(1252);
    EXPECT_TRUE(ExisteOnError(m, m.Members().Item("A"), tabla));
    EXPECT_FALSE(ExisteOnError(m, m.Members().Item("B"), tabla));
    EXPECT_FALSE(ExisteOnError(m, m.Members().Item("C"), tabla));
    // the last line of a procedure is read too, though no end follows it
    EXPECT_EQ(Filas("Sub A()\n    x = 1\nEnd Sub\nSub Z()\n    On Error GoTo 0\n"),
              (std::vector<std::string>{"A=No", "Z=" + Si}));
}

// The listing passes over a procedure's lines once it knows whose they are. A row per change of
// owner all the same: a one-line procedure right after another is listed, a second procedure
// of one name is listed again, a property's Get and Let are one change (and no row), the lines
// after the last end belong to it; and the progress still moves line by line. (The golden
// module's listing: every rule of Motor/ over it.)
TEST(Procedimientos, ARowPerChangeOfOwnerAndProgressPerLine) {
    const std::string codigo =
        "Option Explicit\nDim n As Long\n' de A\nSub A()\n    On Error GoTo 0\nEnd Sub\n"
        "Property Get P() As Long\nEnd Property\nProperty Let P(v As Long)\n    n = v\n"
        "End Property\n\nSub B()\n    x = 1\n    y = 2\nEnd Sub\nSub D(): d = 1: End Sub\n"
        "Sub A()\n    z = 3\nEnd Sub\nFunction C() As Long\n    on error resume next\n"
        "End Function\n' al final\n\n";
    std::vector<double> progreso;
    EXPECT_EQ(Filas(codigo, &progreso),
              (std::vector<std::string>{"A=" + Si, "A=" + Si, "B=No", "C=" + Si, "D=No"}));
    const auto lineas = static_cast<long>(std::count(codigo.begin(), codigo.end(), '\n'));
    ASSERT_EQ(progreso.size(), static_cast<std::size_t>(lineas));
    for (long i = 0; i < lineas; ++i) {
        EXPECT_EQ(progreso[static_cast<std::size_t>(i)],
                  static_cast<double>(i) * 100.0 / static_cast<double>(lineas + 1));
    }
}

// The lists sort as a Spanish user reads: case ignored, accented letters with their plain
// ones, and the ñ a letter of its own between n and o ("Añade" before "Azul"); long names
// that differ only at their end too.
TEST(Procedimientos, SortedInSpanishAlphabeticalOrder) {
    std::string codigo;
    for (const auto& n : soporte::Partes("Zeta|Émile|eta|éclair|BETA|Be|Ñandú|Nube|Azul|Añade|Oso|"
                                         "beta|ImporteDeFactura2|ImporteDeFactura1")) {
        codigo += "Sub " + codepage::DesdeUtf8(n, 1252).value() + "()\nEnd Sub\n";
    }
    std::vector<std::string> nombres;
    for (const auto& fila : Filas(codigo)) {
        nombres.push_back(fila.substr(0, fila.find('=')));
    }
    EXPECT_EQ(nombres, soporte::Partes("Añade|Azul|Be|BETA|beta|éclair|Émile|eta|ImporteDeFactura1|"
                                       "ImporteDeFactura2|Nube|Ñandú|Oso|Zeta"));
    // the module list takes the same order
    std::vector<std::string> modulos;
    for (const auto& n : soporte::Partes("Zeta|Ñandú|Nube|Añade|Azul")) {
        modulos.push_back(codepage::DesdeUtf8(n, 1252).value());
    }
    EXPECT_EQ(OrdenAlfabetico(std::vector<std::string_view>(modulos.begin(), modulos.end()), 1252),
              (std::vector<std::size_t>{3, 4, 2, 1, 0}));
}

} // namespace
