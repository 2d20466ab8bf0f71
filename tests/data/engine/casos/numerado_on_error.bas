Attribute VB_Name = "Modulo1"
Sub B()
10 On Error Resume Next
End Sub
