Attribute VB_Name = "Salidas"
Option Explicit

Public Sub Avisa(ByVal x As Long)

    If x = 0 Then
        Exit Sub: MsgBox "Pulse Exit Sub para salir"
    End If
    Exit Sub ' no es GOTO Salir
End Sub

Public Function Calcula() As Long

    Exit Function: Debug.Print "Exit Function", "GOTO Salir" ' Exit Function
    Calcula = 1
End Function
