Attribute VB_Name = "Calculos"
Option Explicit

' Suma del año
Public Function Suma(ByVal a As Long, _
                     ByVal b As Long) As Long
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Calculos \ Suma")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    Dim r As Long
    r = a + b
    If r < 0 Then
        GOTO Salir
    End If
    Suma = r
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT FUNCTION
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Function

Private Sub Zeta()
    On Error GoTo Fallo
    MsgBox "Año nuevo"
    Exit Sub
Fallo:
    MsgBox "Error"
End Sub

Public Sub alfa()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Calculos \ alfa")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    Dim x As Long
    x = 1
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub
