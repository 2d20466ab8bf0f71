Attribute VB_Name = "Modulo"
Option Explicit

Public Sub HolaModulo()
    MsgBox "Hola desde Modulo"
End Sub
