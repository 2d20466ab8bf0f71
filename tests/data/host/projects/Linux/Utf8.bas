Attribute VB_Name = "Utf8"
Option Explicit

Public Sub HolaUtf8()
    MsgBox "Hola desde Utf8"
End Sub
' Ελληνικά y español: camión