Attribute VB_Name = "M"
Dim Nombre As String
Sub Pon()
    NombreLargo = 1
    nombre = "Ñandú 42"
End Sub