Attribute VB_Name = "Modulo1"
Sub A()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Modulo1 \ A")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    If x Then Exit Sub
GOTO Salir
    20 goto salir
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub
Sub B()
    GoTo Salir
    x = 1
Salir:
    Close #1
End Sub
