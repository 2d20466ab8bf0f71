Attribute VB_Name = "Modulo1"
Sub A()
x = _
    5 + y
y = 30 + 1
40
End Sub
