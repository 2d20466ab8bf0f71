Attribute VB_Name = "Modulo1"
Sub A()
20     x = 1

40     y = 2
End Sub
