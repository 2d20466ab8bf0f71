Attribute VB_Name = "Trampas"
Option Explicit
' If x Then   (a comment, not a block)
Private Type Registro
    Nombre As String * 20
    Type As Long
End Type
Private Enum Modo
    Normal = 1
End Enum
#If Win32 Then
Private Declare Function GetDC Lib "user32" (ByVal hWnd As Long) As Long
#Else
Private Declare Function GetDC Lib "user" (ByVal hWnd As Integer) As Integer
#End If

Public Function Prueba(ByVal a As Long) As String
    Dim s As String: s = "If x Then ' End Sub : Loop"
    If a > 0 Then s = s & "Then" Else s = ""
    If a = 1 Then Exit Function
    If a = 2 Then _
        s = "dos"
    If a = 3 Or _
       a = 4 Then
        s = "With"
    ElseIf a = 5 Then
        s = "For"
    Else
        s = "Do"
    End If
10  For a = 1 To 3: Next a
20  Select Case a
        Case 1: s = "#12:30#"
        Case Else
            Do While a < 10
                a = a + 1
            Loop
    End Select
    With Me
    End With
    While False
    Wend
    Dim i As Long, j As Long
    For i = 1 To 2
        For j = 1 To 2
    Next j, i
    If Now > #1/1/2000 10:30:00 AM# Then s = ""
    Rem End If : Next
Salir:
    Prueba = s
End Function

Friend Property Get Valor() As Long
Attribute Valor.VB_UserMemId = 0
    Valor = &H80000002
End Property
' xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx
Private Function Larga() As Long
    Larga = 1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1 + _
        1
End Function
