// The checker itself: it must pass sound VB6 and point at each kind of broken block.
#include "tests/vb6/Vb6Checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using vb6check::Modulo;

// Test snippets are written with LF; the files VB6 writes use CR LF.
std::string Crlf(const std::string& lf) {
    std::string r;
    for (char c : lf) {
        if (c == '\n')
            r += '\r';
        r += c;
    }
    return r;
}

TEST(Vb6Checker, SoundCodeWithTrickyLinesHasNoProblems) {
    const std::string codigo = Crlf(R"(Option Explicit
' If x Then   (a comment, not a block)
Private Type Registro
    Nombre As String * 20
    Type As Long
End Type
Private Enum Modo
    Normal = 1
End Enum
#If Win32 Then
Private Declare Function GetDC Lib "user32" (ByVal hWnd As Long) As Long
#Else
Private Declare Function GetDC Lib "user" (ByVal hWnd As Integer) As Integer
#End If

Public Function Prueba(ByVal a As Long) As String
    Dim s As String: s = "If x Then ' End Sub : Loop"
    If a > 0 Then s = s & "Then" Else s = ""
    If a = 1 Then Exit Function
    If a = 2 Then _
        s = "dos"
    If a = 3 Or _
       a = 4 Then
        s = "With"
    ElseIf a = 5 Then
        s = "For"
    Else
        s = "Do"
    End If
10  For a = 1 To 3: Next a
20  Select Case a
        Case 1: s = "#12:30#"
        Case Else
            Do While a < 10
                a = a + 1
            Loop
    End Select
    With Me
    End With
    While False
    Wend
    Dim i As Long, j As Long
    For i = 1 To 2
        For j = 1 To 2
    Next j, i
    If Now > #1/1/2000 10:30:00 AM# Then s = ""
    Rem End If : Next
Salir:
    Prueba = s
End Function

Friend Property Get Valor() As Long
Attribute Valor.VB_UserMemId = 0
    Valor = &H80000002
End Property
)");
    Modulo m(codigo);
    EXPECT_EQ(vb6check::Texto(m.Comprobar()), "");
}

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
    EXPECT_TRUE(Modulo(Crlf("' " + larga.substr(2) + "\n")).Comprobar().empty());
    auto problemas = Modulo(Crlf("'" + larga + "\n")).Comprobar();
    ASSERT_EQ(problemas.size(), 1u);
    EXPECT_EQ(problemas[0].mensaje, "línea de 1024 caracteres");

    auto continuada = [](int n) {
        std::string s = "Sub A()\nx = 1";
        for (int i = 0; i < n; ++i)
            s += " + _\n1";
        return Crlf(s + "\nEnd Sub\n");
    };
    EXPECT_TRUE(Modulo(continuada(vb6check::MaxContinuaciones)).Comprobar().empty());
    problemas = Modulo(continuada(vb6check::MaxContinuaciones + 1)).Comprobar();
    ASSERT_EQ(problemas.size(), 1u);
    EXPECT_EQ(problemas[0].numero, 2);
    EXPECT_EQ(problemas[0].mensaje, "25 continuaciones en una línea lógica");

    problemas = Modulo("Sub A()\r\nx = 1\nEnd Sub\r\n").Comprobar();
    ASSERT_EQ(problemas.size(), 1u);
    EXPECT_EQ(problemas[0].numero, 2);
    EXPECT_EQ(problemas[0].mensaje, "el fin de línea no lleva CR");
}

TEST(Vb6Checker, HeaderAndProcedureAttributesAreNotCode) {
    const std::string cls = Crlf(R"(VERSION 1.0 CLASS
BEGIN
  MultiUse = -1  'True
END
Attribute VB_Name = "Clase"
Attribute VB_Exposed = False
Option Explicit
Public Property Get Item() As Long
Attribute Item.VB_UserMemId = 0
End Property
)");
    Modulo m(cls);
    ASSERT_EQ(m.Lineas().size(), 3u);
    EXPECT_EQ(m.Lineas()[0].numero, 7);
    EXPECT_EQ(m.Lineas()[0].texto, "Option Explicit");
    EXPECT_EQ(m.Lineas()[1].numero, 8);
    EXPECT_EQ(m.Lineas()[2].numero, 10);
    EXPECT_TRUE(m.Comprobar().empty());
    EXPECT_FALSE(m.Usa("MultiUse"));
}

TEST(Vb6Checker, ReadsDeclarationsRecordsAndLiterals) {
    Modulo m(Crlf(R"(Private Declare Function GetVersionEx Lib "kernel32" Alias "GetVersionExA" ( _
    lpVersionInformation As OSVERSIONINFO) As Long
Public Declare Sub Sleep Lib "kernel32" (ByVal ms As Long)
Private Type OSVERSIONINFO
    dwOSVersionInfoSize As Long
    szCSDVersion As String * 128
    abyt(0 To 3) As Byte
End Type
Public Sub Uno(strProc As String)
    MsgBox "Dijo ""sí"": " & strProc ' "no es literal"
End Sub
Private Static Function Dos() As Long
End Function
Friend Property Let Tres(ByVal v As Long)
End Property
Sub Cuatro()
End Sub
)"));
    auto d = m.Declaraciones();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].nombre, "GetVersionEx");
    EXPECT_EQ(d[0].biblioteca, "kernel32");
    EXPECT_EQ(d[0].alias, "GetVersionExA");
    EXPECT_EQ(d[0].numero, 1);
    EXPECT_EQ(d[1].nombre, "Sleep");
    EXPECT_EQ(d[1].alias, "");

    auto t = m.Tipos();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].nombre, "OSVERSIONINFO");
    ASSERT_EQ(t[0].campos.size(), 3u);
    EXPECT_EQ(t[0].campos[1].nombre, "szCSDVersion");
    EXPECT_EQ(t[0].campos[1].tipo, "String * 128");
    EXPECT_EQ(t[0].campos[2].nombre, "abyt");

    auto p = m.Procedimientos();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].ambito + "|" + p[0].clase + "|" + p[0].nombre, "Public|Sub|Uno");
    EXPECT_EQ(p[1].ambito + "|" + p[1].clase + "|" + p[1].nombre, "Private|Function|Dos");
    EXPECT_EQ(p[2].ambito + "|" + p[2].clase + "|" + p[2].nombre, "Friend|Property Let|Tres");
    EXPECT_EQ(p[3].ambito + "|" + p[3].clase + "|" + p[3].nombre, "|Sub|Cuatro");

    auto l = m.Literales();
    EXPECT_NE(std::find(l.begin(), l.end(), "Dijo \"sí\": "), l.end());
    EXPECT_EQ(std::find(l.begin(), l.end(), "no es literal"), l.end());

    EXPECT_TRUE(m.Usa("strproc"));
    EXPECT_FALSE(m.Usa("Dijo"));    // only in a string
    EXPECT_FALSE(m.Usa("literal")); // only in a comment
}

} // namespace
