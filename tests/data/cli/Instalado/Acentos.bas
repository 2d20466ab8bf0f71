Attribute VB_Name = "Cálculo"
Option Explicit

Public Sub Año()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Cálculo \ Año")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    Debug.Print "ñ"
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub
