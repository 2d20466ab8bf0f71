Attribute VB_Name = "Marcas"
Option Explicit

Public Sub Rota()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Marcas \ Rota")

    x = 1
    GOTO Salir
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub

Public Sub Sigue()

    y = 2
    Exit Sub
End Sub

Public Sub Otra()

    z = 3
End Sub
