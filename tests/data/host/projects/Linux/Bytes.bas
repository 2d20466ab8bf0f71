Attribute VB_Name = "Bytes"
'  raros ÿş
Public Sub Nada()
End Sub