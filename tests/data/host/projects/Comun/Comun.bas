Attribute VB_Name = "Comun"
Option Explicit

Public Sub HolaComun()
    MsgBox "Hola desde Comun"
End Sub

' Compartido entre proyectos: ñandú
