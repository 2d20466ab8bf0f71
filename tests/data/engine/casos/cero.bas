Attribute VB_Name = "Modulo1"
Sub A()
    On Error GoTo 0
0 x = 1
End Sub
