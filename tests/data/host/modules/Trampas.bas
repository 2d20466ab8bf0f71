Attribute VB_Name = "Trampas"
Option Explicit
' Comentario de cabecera _
  que sigue en la línea siguiente
Private Declare Function GetTickCount Lib "kernel32" () As Long
Public Const MAXIMO = 10, MINIMO As Long = 1
Private mContador As Long, mNombres() As String
Public Event Cambio(ByVal Valor As Long)
Private Type Punto
    X As Long
    Y As Long
End Type
Public Enum Colores
    Rojo = 1
End Enum
Dim a As Integer: Dim b As Integer

' Comentario del primer procedimiento
Public Sub Form_Load()
    Dim s As String
    s = "End Sub"
    If a = 1 Then Exit Sub
End Sub

' entre procedimientos _
  Sub Falso()
Private Static Function Suma(ByVal x As Long, _
                             ByVal y As Long) As Long
Attribute Suma.VB_Description = "Suma dos números"
    Suma = x + _
        y
End Function   ' fin de Suma
Friend Sub Amigo(): a = 1: End Sub
#If DEBUG Then
Public Sub Traza(ByVal t As String)
#Else
Public Sub Traza()
#End If
10  Debug.Print "traza"
20 End Sub

Sub Main ()
Salir:
    Exit Sub
End Sub




