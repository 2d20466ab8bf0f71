Attribute VB_Name = "Modulo1"
Sub A()
10 x = _
    5 + y
30 y = 30 + 1
40
End Sub
