Attribute VB_Name = "Modulo1"
Function Calcula()
    Calcula = Calcula + 1
End Function
Sub Usa()
    Calcula
End Sub
'
