Attribute VB_Name = "Modulo1"
' On Error Resume Next aqui no
Sub A()
    MsgBox "On Error Resume Next"
    x = 1
    On Error Resume Next
End Sub
