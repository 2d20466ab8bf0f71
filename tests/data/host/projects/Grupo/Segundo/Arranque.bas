Attribute VB_Name = "Arranque"
Option Explicit

Public Sub HolaArranque()
    MsgBox "Hola desde Arranque"
End Sub
