Attribute VB_Name = "Modulo1"
' arriba
Sub A()
30     x = 1
40     y = 2
  80
End Sub
