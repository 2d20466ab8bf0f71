Attribute VB_Name = "GuionBajo"
Option Explicit
Private m_ As Long
Private Type Tipo_
    x As Long
End Type

Public Sub Cierra()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("GuionBajo \ Cierra")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    Close_
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub

Public Function Dato() As Tipo_
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("GuionBajo \ Dato")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    Dim d As Tipo_
    d.x = m_
    m_ = _
        m_ + 1
    Dato = d
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT FUNCTION
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Function

Private Sub Close_()
'========Inicio OnError Quovant_Lintrap (no cambiar esta linea)=========
ON ERROR GOTO lblError
glbErr.Push("GuionBajo \ Close_")
'===========Fin OnError Quovant_Lintrap (no cambiar esta linea)=========

    m_ = 0
'========Inicio ManejoError Quovant_Lintrap (no cambiar esta linea)=========
Salir:
     glbErr.Pop
     EXIT SUB
lblError:
     glbErr.ManejoError
     GOTO SALIR
'===========Fin ManejoError Quovant_Lintrap (no cambiar esta linea)=========
End Sub
