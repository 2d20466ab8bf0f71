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
    If Dia = 0 Then Exit Sub
    Beep
    Exit Sub
End Sub
