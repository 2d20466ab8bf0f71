Attribute VB_Name = "Modulo1"
Option Explicit
Private m_Valor As Long

' Suma tres numeros
Public Function Suma(ByVal a As Long, _
    ByVal b As Long, _
    ByVal c As Long) As Long
    Dim total As Long
    Static llamadas As Long
    If a < 0 Then Exit Function
    total = a + b + c

    llamadas = llamadas + 1
    Select Case total
        Case 0
            exit function
        Case Else
            total = total * 2
    End Select
#If DEBUG Then
    Debug.Print total
#End If
    Suma = total
End Function

Private Sub Vacio()
End Sub

Public Function SubTotal(x As Long) As Long
    SubTotal = _
        5 + x
Reintentar:
    If x > 10 Then GoTo Reintentar
    Exit Function
End Function

Public Property Get Valor() As Long
    Valor = m_Valor
End Property

' Cuenta las llamadas
Private Static Sub Contador()
    Dim n As Long
    n = n + 1
    Exit Sub
End Sub
