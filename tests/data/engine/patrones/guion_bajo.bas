Attribute VB_Name = "GuionBajo"
Option Explicit
Private m_ As Long
Private Type Tipo_
    x As Long
End Type

Public Sub Cierra()
    Close_
End Sub

Public Function Dato() As Tipo_
    Dim d As Tipo_
    d.x = m_
    m_ = _
        m_ + 1
    Dato = d
End Function

Private Sub Close_()
    m_ = 0
End Sub
