#pragma once
// A generated standard module for the engine's benchmarks.

#include <string>

namespace banco {

// `procedimientos` procedures of 20 lines each, as a developer writes them.
inline std::string GeneraModulo(int procedimientos) {
    std::string s = "Attribute VB_Name = \"Grande\"\r\nOption Explicit\r\nPrivate m_n As Long\r\n";
    for (int p = 0; p < procedimientos; ++p) {
        const std::string n = std::to_string(p);
        s += "\r\n' Paso " + n + ": calcula el total\r\n";
        s += (p % 2 ? "Public Function Calculo" + n + "(ByVal a As Long) As Long\r\n"
                    : "Private Sub Paso" + n + "(ByVal a As Long, _\r\n    ByVal b As Long)\r\n");
        s += "    Dim total As Long\r\n"
             "    total = a * 2\r\n"
             "    If total > 100 Then\r\n"
             "        total = total - 100\r\n"
             "    End If\r\n"
             "    Select Case total\r\n"
             "        Case 1\r\n"
             "            m_n = m_n + 1\r\n"
             "    End Select\r\n";
        s += p % 2 ? "    If a < 0 Then Exit Function\r\n    Calculo" + n + " = total\r\n"
                   : "    Exit Sub\r\n";
        s += "    Debug.Print total\r\n"
             "    m_n = total\r\n"
             "    ' listo\r\n"
             "    total = 0\r\n"
             "    m_n = m_n - 1\r\n";
        s += p % 2 ? "End Function\r\n" : "End Sub\r\n";
    }
    return s;
}

} // namespace banco
