Attribute VB_Name = "Modulo1"
Option Explicit
Private m_Valor As Long

' Suma tres numeros
Public Function Suma(ByVal a As Long, _
    ByVal b As Long, _
    ByVal c As Long) As Long
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Modulo1 \ Suma")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    Dim total As Long
    Static llamadas As Long
    If a < 0 Then Exit Function
    total = a + b + c

    llamadas = llamadas + 1
    Select Case total
        Case 0
            GOTO Salir
        Case Else
            total = total * 2
    End Select
#If DEBUG Then
    Debug.Print total
#End If
    Suma = total
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT FUNCTION
lblError:
     glbErr.ManejoError
     Resume Next
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Function

Private Sub Vacio()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Modulo1 \ Vacio")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     Resume Next
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub

Public Function SubTotal(x As Long) As Long
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Modulo1 \ SubTotal")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    SubTotal = _
        5 + x
Reintentar:
    If x > 10 Then GoTo Reintentar
    GOTO Salir
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT FUNCTION
lblError:
     glbErr.ManejoError
     Resume Next
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Function

Public Property Get Valor() As Long
    380 Valor = m_Valor
End Property

' Cuenta las llamadas
Private Static Sub Contador()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Modulo1 \ Contador")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    Dim n As Long
    n = n + 1
    90 GOTO Salir
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     Resume Next
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub
