Attribute VB_Name = "Módulo"
' Comentario con bytes que no son UTF-8: Ã( ÿ été
Public Sub Señal()
    MsgBox "¡Atención!"
End Sub
