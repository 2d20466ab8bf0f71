Attribute VB_Name = "GuionBajo"
Option Explicit
Private m_ As Long
Private Type Tipo_
    x As Long
End Type

Public Sub Cierra()
80     Close_
End Sub

Public Function Dato() As Tipo_
    Dim d As Tipo_
130     d.x = m_
140     m_ = _
        m_ + 1
160     Dato = d
End Function

Private Sub Close_()
200     m_ = 0
End Sub
