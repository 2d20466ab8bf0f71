#!/usr/bin/env python3
"""Writes a VB6 project of standard modules for the command-line benchmark.

genera_proyecto.py DIR [MODULES] [LINES_PER_MODULE]

Every module is CR LF, Windows-1252, with a declarations section and procedures of about 20
lines: Dim lines, comments, If blocks, a loop, Select Case, an Exit Sub, a continued line.
"""
import os
import sys


def procedimiento(m, p):
    kind = "Function" if p % 3 == 0 else "Sub"
    nombre = f"Proc{m}_{p}"
    cabecera = (f"Public Function {nombre}(ByVal a As Long, ByVal b As String) As Long"
                if kind == "Function" else f"Private Sub {nombre}(ByVal a As Long)")
    lineas = [
        f"' Cálculo {p} del módulo {m}",
        cabecera,
        "    Dim i As Long",
        "    Dim s As String",
        "    s = \"Año \" & CStr(a)",
        "    If a < 0 Then",
        f"        Exit {kind}",
        "    End If",
        "    For i = 1 To 10",
        "        s = s & CStr(i) & _",
        "            \" más\"",
        "    Next i",
        "    Select Case a",
        "        Case 1",
        "            a = a + 1",
        "        Case Else",
        "            a = a - 1",
        "    End Select",
        f"End {kind}",
        "",
    ]
    return lineas


def modulo(m, lineas_objetivo):
    cuerpo = [f'Attribute VB_Name = "Modulo{m}"', "Option Explicit", "",
              f"Private Const NOMBRE As String = \"Modulo{m}\"", ""]
    p = 0
    while len(cuerpo) < lineas_objetivo:
        cuerpo.extend(procedimiento(m, p))
        p += 1
    # Whole procedures only: the module ends at the first procedure boundary at or past the target.
    return cuerpo


def main():
    carpeta = sys.argv[1]
    modulos = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    por_modulo = int(sys.argv[3]) if len(sys.argv) > 3 else 5000
    os.makedirs(carpeta, exist_ok=True)
    vbp = ["Type=Exe"]
    for m in range(1, modulos + 1):
        texto = "\r\n".join(modulo(m, por_modulo)) + "\r\n"
        with open(os.path.join(carpeta, f"Modulo{m}.bas"), "wb") as f:
            f.write(texto.encode("cp1252"))
        vbp.append(f"Module=Modulo{m}; Modulo{m}.bas")
    vbp += ['Startup="Sub Main"', 'Name="Bench"', "MajorVer=1", "MinorVer=0",
            "RevisionVer=0"]
    with open(os.path.join(carpeta, "Bench.vbp"), "wb") as f:
        f.write(("\r\n".join(vbp) + "\r\n").encode("cp1252"))


if __name__ == "__main__":
    main()
