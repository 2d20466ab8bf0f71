Attribute VB_Name = "Modulo1"
Sub A()
    On Error GoTo 0
    x = 1
20 y = 2
    Resume 20
End Sub
