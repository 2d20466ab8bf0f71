Attribute VB_Name = "Calculos"
Option Explicit

' Suma del año
Public Function Suma(ByVal a As Long, _
                     ByVal b As Long) As Long
    Dim r As Long
    r = a + b
    If r < 0 Then
        Exit Function
    End If
    Suma = r
End Function

Private Sub Zeta()
    On Error GoTo Fallo
    MsgBox "Año nuevo"
    Exit Sub
Fallo:
    MsgBox "Error"
End Sub

Public Sub alfa()
    Dim x As Long
    x = 1
End Sub
