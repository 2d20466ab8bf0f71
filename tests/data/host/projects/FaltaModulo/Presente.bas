Attribute VB_Name = "Presente"
Option Explicit

Public Sub HolaPresente()
    MsgBox "Hola desde Presente"
End Sub
