Attribute VB_Name = "Riesgos"
Option Explicit
Public Function Nombre() As String: End Function
Public Sub Abre()
    GoTo Salir
Salir:
    Close #1
End Sub
Public Sub Lee()
    On Error GoTo 100
    x = 1
100 Err.Raise 5
End Sub
Public Sub Con()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Riesgos \ Con")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    If x Then Exit Sub
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub
