Attribute VB_Name = "Utf8"
' Ελληνικά y ñandú en UTF-8
Public Sub Saluda()
    MsgBox "¡Hola, €!"
End Sub

