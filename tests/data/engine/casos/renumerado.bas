Attribute VB_Name = "Modulo1"
Sub A()
    x = 1
    70 y = 2
  80
End Sub
