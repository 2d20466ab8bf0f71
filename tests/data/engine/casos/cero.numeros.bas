Attribute VB_Name = "Modulo1"
Sub A()
    On Error GoTo 0
30 x = 1
End Sub
