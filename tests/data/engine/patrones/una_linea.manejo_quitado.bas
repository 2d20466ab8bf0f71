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

    Normal = 1
End Function
