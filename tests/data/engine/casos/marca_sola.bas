Attribute VB_Name = "Modulo1"
Sub A()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
    x = 1
End Sub
Sub B()
    y = 2
End Sub
