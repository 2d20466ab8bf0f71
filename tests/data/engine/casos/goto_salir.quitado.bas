Attribute VB_Name = "Modulo1"
Sub A()

    If x Then Exit Sub
Exit Sub
    20 Exit Sub
End Sub
Sub B()
    GoTo Salir
    x = 1
Salir:
    Close #1
End Sub
