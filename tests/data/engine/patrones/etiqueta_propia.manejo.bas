Attribute VB_Name = "Limpieza"
Option Explicit

Public Sub Abre(ByVal ruta As String)
    Dim rs As Object
    Set rs = CreateObject("ADODB.Recordset")
    If ruta = "" Then
        GoTo Salir
    End If
    rs.Open ruta
Salir:
    If Not rs Is Nothing Then rs.Close
    Screen.MousePointer = 0
End Sub

Public Function Calcula(ByVal x As Long) As Long
    If x < 0 Then GoTo lblError
    Calcula = x * 2
    Exit Function
lblError:
    Calcula = -1
End Function

Public Sub Simple()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Limpieza \ Simple")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    If Dia = 0 Then Exit Sub
    Beep
    GOTO Salir
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub
