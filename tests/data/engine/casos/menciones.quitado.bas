Attribute VB_Name = "Modulo1"
' On Error Resume Next aqui no
Sub A()
    MsgBox "On Error Resume Next"
    x = 1
    On Error Resume Next
End Sub
Sub B()
    x = 2
End Sub
Sub C()
20 y = 2 : z = 3
End Sub
Sub D()
    w = 4
End Sub
Sub E()
    x = 1: On Error Resume Next
    On Error Resume Next2 = 1
    ' On Error Resume Next
End Sub
