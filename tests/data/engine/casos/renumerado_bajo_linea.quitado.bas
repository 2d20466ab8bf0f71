Attribute VB_Name = "Modulo1"
' arriba
Sub A()
    x = 1
    y = 2
  80
End Sub
