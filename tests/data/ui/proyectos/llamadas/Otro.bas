Attribute VB_Name = "Otro"
Public Const K = "Calcula"
Sub Llama()
    x = Calcula()
    Año = 1
End Sub
'
