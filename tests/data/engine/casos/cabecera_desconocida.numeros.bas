Attribute VB_Name = "Modulo1"
Public  Sub Doble()
20     x = 1
End Sub
