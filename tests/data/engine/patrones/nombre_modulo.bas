Attribute VB_Name = "Pide"Datos"
Option Explicit

Public Sub Pide()
    Beep
End Sub
