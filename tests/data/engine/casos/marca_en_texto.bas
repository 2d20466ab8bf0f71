Attribute VB_Name = "Modulo1"
Sub A()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Modulo1 \ A")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    MsgBox "Inicio OnError Quovant_Lintrap"
    x = 1
    s = "Inicio ManejoError Quovant_Lintrap"
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub
