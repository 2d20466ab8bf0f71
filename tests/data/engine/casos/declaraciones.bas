Attribute VB_Name = "Modulo1"
Sub A(x, _
    y)
' uno
' dos
    Dim a As Long, _
        b As Long
    Static c
    a = 1
End Sub
Sub B()

    Dim a
End Sub
Sub C()
    On Error GoTo 0
End Sub
