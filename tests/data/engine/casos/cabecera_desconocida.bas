Attribute VB_Name = "Modulo1"
Public  Sub Doble()
    x = 1
End Sub
