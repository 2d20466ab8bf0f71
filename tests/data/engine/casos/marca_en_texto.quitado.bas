Attribute VB_Name = "Modulo1"
Sub A()

    MsgBox "Inicio OnError Quovant_Lintrap"
    x = 1
    s = "Inicio ManejoError Quovant_Lintrap"
End Sub
