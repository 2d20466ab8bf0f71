Attribute VB_Name = "Modulo1"
Sub A(): x = 1: End Sub
End Sub
Sub B()
    x = 1: End Sub
