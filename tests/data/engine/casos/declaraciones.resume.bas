Attribute VB_Name = "Modulo1"
Sub A(x, _
    y)
' uno
' dos
    Dim a As Long, _
        b As Long
    Static c
On Error Resume Next
    a = 1
End Sub
Sub B()
On Error Resume Next

    Dim a
End Sub
Sub C()
    On Error GoTo 0
End Sub
