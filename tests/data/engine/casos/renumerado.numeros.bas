Attribute VB_Name = "Modulo1"
Sub A()
20     x = 1
30     y = 2
  80
End Sub
