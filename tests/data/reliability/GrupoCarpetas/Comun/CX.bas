Attribute VB_Name = "CX"
Sub A()
End Sub
