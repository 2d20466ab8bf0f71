Attribute VB_Name = "Alternativas"
Option Explicit

#If Win64 Then
Private Function Tamano(ByVal p As LongPtr) As LongPtr
#Else
Private Function Tamano(ByVal p As Long) As Long
#End If
    If p = 0 Then Exit Function
    Tamano = p * 2
End Function
