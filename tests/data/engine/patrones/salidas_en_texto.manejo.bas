Attribute VB_Name = "Salidas"
Option Explicit

Public Sub Avisa(ByVal x As Long)
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Salidas \ Avisa")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    If x = 0 Then
        GOTO Salir: MsgBox "Pulse Exit Sub para salir"
    End If
    GOTO Salir ' no es GOTO Salir
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub

Public Function Calcula() As Long
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Salidas \ Calcula")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    GOTO Salir: Debug.Print "Exit Function", "GOTO Salir" ' Exit Function
    Calcula = 1
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT FUNCTION
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Function
