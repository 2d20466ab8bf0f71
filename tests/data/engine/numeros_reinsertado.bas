Attribute VB_Name = "Modulo1"
Option Explicit
Private m_Valor As Long

' Suma tres numeros
Public Function Suma(ByVal a As Long, _
    ByVal b As Long, _
    ByVal c As Long) As Long
    Dim total As Long
90     Static llamadas As Long
100     If a < 0 Then Exit Function
110     total = a + b + c

130     llamadas = llamadas + 1
    Select Case total
        Case 0
160             exit function
        Case Else
180             total = total * 2
    End Select
#If DEBUG Then
210     Debug.Print total
#End If
230     Suma = total
End Function

Private Sub Vacio()
End Sub

Public Function SubTotal(x As Long) As Long
300     SubTotal = _
        5 + x
Reintentar:
330     If x > 10 Then GoTo Reintentar
340     Exit Function
End Function

Public Property Get Valor() As Long
    380 Valor = m_Valor
End Property

' Cuenta las llamadas
Private Static Sub Contador()
    Dim n As Long
440     n = n + 1
450     Exit Sub
End Sub
