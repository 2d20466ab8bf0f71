Attribute VB_Name = "Modulo1"
Option Explicit

Sub Zeta()
    x = 1
End Sub
' de alfa
' tambien
Function alfa() As Long
    On Error Resume Next
    alfa = 1
End Function
Property Get Beta() As Long
    Beta = 2
End Property
Sub Gamma()
    y = 2
End Sub
