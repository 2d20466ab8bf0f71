Attribute VB_Name = "Señales"
Option Explicit

' Nombre con eñe: la búsqueda por nombre pliega mayúsculas de la página 1252.
Public Sub Avisar()
End Sub
