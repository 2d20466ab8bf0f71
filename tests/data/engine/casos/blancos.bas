Attribute VB_Name = "Modulo1"


Sub A()
    x = 1



    y = 2
End Sub
