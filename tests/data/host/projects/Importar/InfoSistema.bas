Attribute VB_Name = "InfoSistema"
Option Explicit

Public Sub HolaInfoSistema()
    MsgBox "Hola desde InfoSistema"
End Sub
