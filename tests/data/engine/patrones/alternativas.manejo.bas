Attribute VB_Name = "Alternativas"
Option Explicit

#If Win64 Then
Private Function Tamano(ByVal p As LongPtr) As LongPtr
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Alternativas \ Tamano")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

#Else
Private Function Tamano(ByVal p As Long) As Long
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("Alternativas \ Tamano")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

#End If
    If p = 0 Then Exit Function
    Tamano = p * 2
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT FUNCTION
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Function
