// The checker itself: it must pass sound VB6 and point at each kind of broken block.
#include "tests/support/Archivos.h"
#include "tests/vb6/Vb6Checker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vb6check::Modulo;

using soporte::Crlf;

TEST(Vb6Checker, PointsAtEachBrokenBlock) {
    struct Caso {
        const char* codigo;
        long linea;
        const char* mensaje;
    };
    const std::vector<Caso> casos = {
        {"Sub A()\nDim x\n", 1, "Sub sin cerrar"},
        {"Sub A()\nEnd Function\nEnd Sub\n", 2, "cierre de Function sin apertura"},
        {"Sub A()\nIf x Then\nx = 1\nEnd Sub\n", 4, "fin de Sub con If de la línea 2 abierto"},
        {"Sub A()\nNext\nEnd Sub\n", 2, "cierre de For sin apertura"},
        {"Sub A()\nDo\nEnd Sub\n", 3, "fin de Sub con Do de la línea 2 abierto"},
        {"Sub A()\nSelect Case x\nEnd Sub\n", 3, "fin de Sub con Select de la línea 2 abierto"},
        {"Sub A()\nWith x\nEnd Sub\n", 3, "fin de Sub con With de la línea 2 abierto"},
        {"Sub A()\nFor i = 1 To 2\nFor j = 1 To 2\nNext j, i, k\nEnd Sub\n", 4,
         "cierre de For sin apertura"},
        {"Sub A()\nWhile x\nEnd Sub\n", 3, "fin de Sub con While de la línea 2 abierto"},
        {"Private Type T\nA As Long\n", 1, "Type sin cerrar"},
        {"Enum E\nA = 1\n", 1, "Enum sin cerrar"},
        {"#If Win32 Then\nDim x\n", 1, "#If sin cerrar"},
        {"Sub A()\nCase 1\nEnd Sub\n", 2, "case fuera de un bloque Select"},
        {"Sub A()\nElse\nEnd Sub\n", 2, "else fuera de un bloque If"},
        {"Sub A()\nSub B()\nEnd Sub\nEnd Sub\n", 2, "Sub dentro de Sub abierto en la línea 1"},
        {"Dim x\nIf x Then\nEnd If\n", 2, "If fuera de un procedimiento"},
        {"Sub A()\nEnd If\nEnd Sub\n", 2, "cierre de If sin apertura"},
        {"Property Get A()\nEnd Sub\n", 2, "cierre de Sub sin apertura"},
    };
    for (const Caso& c : casos) {
        const std::string hallado = vb6check::Texto(Modulo(Crlf(c.codigo)).Comprobar());
        EXPECT_NE(hallado.find("línea " + std::to_string(c.linea) + ": " + c.mensaje + "\n"),
                  std::string::npos)
            << c.codigo << "hallado:\n"
            << hallado;
    }
}

TEST(Vb6Checker, EditorLimitsAndLineEnds) {
    const std::string larga(vb6check::MaxLongitudLinea, 'x');
    auto continuada = [](int n) {
        std::string s = "Sub A()\nx = 1";
        for (int i = 0; i < n; ++i) {
            s += " + _\n1";
        }
        return Crlf(s + "\nEnd Sub\n");
    };
    EXPECT_TRUE(Modulo(Crlf("'" + larga.substr(1) + "\n")).Comprobar().empty());
    EXPECT_TRUE(Modulo(continuada(vb6check::MaxContinuaciones)).Comprobar().empty());
    for (auto [codigo, problema] :
         {std::pair{Crlf("'" + larga + "\n"), "línea 1: línea de 1024 caracteres\n"},
          {continuada(vb6check::MaxContinuaciones + 1),
           "línea 2: 25 continuaciones en una línea lógica\n"},
          {"Sub A()\r\nx = 1\nEnd Sub\r\n", "línea 2: el fin de línea no lleva CR\n"}}) {
        EXPECT_EQ(vb6check::Texto(Modulo(codigo).Comprobar()), problema);
    }
}

} // namespace
