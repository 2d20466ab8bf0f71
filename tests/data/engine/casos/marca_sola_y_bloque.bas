Attribute VB_Name = "Modulo1"
Sub A()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
    x = 1
End Sub
Sub B()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Modulo1 \ B")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    y = 2
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub
