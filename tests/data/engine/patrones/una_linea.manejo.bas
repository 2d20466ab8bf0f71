Attribute VB_Name = "UnaLinea"
Option Explicit

' Interfaz
Public Function Nombre() As String: End Function
Public Sub Inicia(ByVal x As Long): End Sub
Public Sub Corto(): x = 1: End Sub ' con cuerpo
Private Function Partida(ByVal a As Long, _
    ByVal b As Long) As Long: End Function

Private Sub Cola()
    x = 1: End Sub

Public Function Normal() As Long
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("UnaLinea \ Normal")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    Normal = 1
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT FUNCTION
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Function
