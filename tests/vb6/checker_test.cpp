// The checker itself: it must pass sound VB6 and point at each kind of broken block.
#include "tests/support/Archivos.h"
#include "tests/vb6/Vb6Checker.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        auto problemas = Modulo(Crlf(c.codigo)).Comprobar();
        bool hallado = false;
        for (const auto& p : problemas)
            hallado = hallado || (p.numero == c.linea && p.mensaje == c.mensaje);
        EXPECT_TRUE(hallado) << "código:\n"
                             << c.codigo << "esperado: línea " << c.linea << ": " << c.mensaje
                             << "\nhallado:\n"
                             << vb6check::Texto(problemas);
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

TEST(Vb6Checker, ReadsHeadersDeclarationsRecordsAndLiteralsOfCodeOnly) {
    Modulo m(Crlf(R"(VERSION 1.0 CLASS
BEGIN
  MultiUse = -1  'True
END
Attribute VB_Name = "Clase"
Attribute VB_Exposed = False
Option Explicit
Private Static Function Dos() As Long
Attribute Dos.VB_UserMemId = 0
    MsgBox "Dijo ""sí"": " & strProc ' "no es literal"
End Function
Sub Cuatro()
End Sub
)"));
    ASSERT_EQ(m.Lineas().size(), 6u);
    EXPECT_EQ(m.Lineas()[0].numero, 7);
    EXPECT_EQ(m.Lineas()[0].texto, "Option Explicit");
    EXPECT_EQ(m.Lineas()[2].numero, 10);
    EXPECT_TRUE(m.Comprobar().empty());
    const auto p = m.Procedimientos();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].ambito + "|" + p[0].clase + "|" + p[0].nombre, "Private|Function|Dos");
    EXPECT_EQ(p[1].ambito + "|" + p[1].clase + "|" + p[1].nombre, "|Sub|Cuatro");
    EXPECT_EQ(m.Literales(), std::vector<std::string>{"Dijo \"sí\": "});
    EXPECT_TRUE(m.Usa("strproc"));
    for (const char* fuera : {"MultiUse", "Dijo", "literal"}) { // header, string, comment
        EXPECT_FALSE(m.Usa(fuera)) << fuera;
    }
}

} // namespace
