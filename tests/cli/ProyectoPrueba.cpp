#include "tests/cli/ProyectoPrueba.h"

#include "base/CodePage.h"
#include "tests/cli/Ejecuta.h"

#include <stdexcept>

namespace prueba {

std::string Archivo1252(const std::vector<std::string>& lineas) {
    std::string utf8;
    for (const auto& l : lineas)
        utf8 += l + "\r\n";
    auto bytes = codepage::DesdeUtf8(utf8, 1252);
    if (!bytes)
        throw std::runtime_error("texto fuera de 1252");
    return *bytes;
}

std::filesystem::path ProyectoPequeno(const std::filesystem::path& carpeta) {
    Escribe(carpeta / "Calculos.bas", Archivo1252({
                                          "Attribute VB_Name = \"Calculos\"",
                                          "Option Explicit",
                                          "",
                                          "' Suma del año",
                                          "Public Function Suma(ByVal a As Long, _",
                                          "                     ByVal b As Long) As Long",
                                          "    Dim r As Long",
                                          "    r = a + b",
                                          "    If r < 0 Then",
                                          "        Exit Function",
                                          "    End If",
                                          "    Suma = r",
                                          "End Function",
                                          "",
                                          "Private Sub Zeta()",
                                          "    On Error GoTo Fallo",
                                          "    MsgBox \"Año nuevo\"",
                                          "    Exit Sub",
                                          "Fallo:",
                                          "    MsgBox \"Error\"",
                                          "End Sub",
                                          "",
                                          "Public Sub alfa()",
                                          "    Dim x As Long",
                                          "    x = 1",
                                          "End Sub",
                                      }));
    Escribe(carpeta / "clsDato.cls", Archivo1252({
                                         "VERSION 1.0 CLASS",
                                         "BEGIN",
                                         "  MultiUse = -1  'True",
                                         "END",
                                         "Attribute VB_Name = \"clsDato\"",
                                         "Attribute VB_GlobalNameSpace = False",
                                         "Attribute VB_Creatable = True",
                                         "Attribute VB_PredeclaredId = False",
                                         "Attribute VB_Exposed = False",
                                         "Option Explicit",
                                         "Private m_Valor As Long",
                                         "",
                                         "Public Property Get Valor() As Long",
                                         "    Valor = m_Valor",
                                         "End Property",
                                         "",
                                         "Public Sub Limpia()",
                                         "    m_Valor = 0",
                                         "End Sub",
                                     }));
    Escribe(carpeta / "Acentos.bas", Archivo1252({
                                         "Attribute VB_Name = \"Cálculo\"",
                                         "Option Explicit",
                                         "",
                                         "Public Sub Año()",
                                         "    Debug.Print \"ñ\"",
                                         "End Sub",
                                     }));
    Escribe(carpeta / "Prueba.vbp", Archivo1252({
                                        "Type=Exe",
                                        "Module=Calculos; Calculos.bas",
                                        "Class=clsDato; clsDato.cls",
                                        "Module=Cálculo; Acentos.bas",
                                        "Name=\"Prueba\"",
                                        "MajorVer=1",
                                    }));
    return carpeta / "Prueba.vbp";
}

std::filesystem::path ProyectoGrande(const std::filesystem::path& carpeta, int modulos, int procs) {
    std::vector<std::string> vbp{"Type=Exe"};
    for (int m = 1; m <= modulos; ++m) {
        const std::string nombre = "Mod" + std::to_string(m);
        std::vector<std::string> lineas{"Attribute VB_Name = \"" + nombre + "\"", "Option Explicit",
                                        ""};
        for (int p = 0; p < procs; ++p) {
            const bool funcion = p % 2 == 0;
            const std::string tipo = funcion ? "Function" : "Sub";
            lineas.insert(lineas.end(),
                          {"' Paso " + std::to_string(p),
                           "Public " + tipo + " P" + std::to_string(m) + "_" + std::to_string(p) +
                               "(ByVal a As Long)" + (funcion ? " As Long" : ""),
                           "    Dim i As Long", "    For i = 1 To a", "        If i > 5 Then",
                           "            Exit " + tipo, "        End If", "    Next i",
                           "End " + tipo, ""});
        }
        Escribe(carpeta / (nombre + ".bas"), Archivo1252(lineas));
        vbp.push_back("Module=" + nombre + "; " + nombre + ".bas");
    }
    vbp.push_back("Name=\"Grande\"");
    Escribe(carpeta / "Grande.vbp", Archivo1252(vbp));
    return carpeta / "Grande.vbp";
}

} // namespace prueba
