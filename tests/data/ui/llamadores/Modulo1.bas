Attribute VB_Name = "Modulo1"
Option Explicit
Public Function Calcula(n As Long) As Long
    If n > 0 Then Calcula = Calcula(n - 1)
End Function
Sub Usa()
    x = Calcula(2)
End Sub
