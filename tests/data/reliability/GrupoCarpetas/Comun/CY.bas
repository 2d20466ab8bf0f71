Attribute VB_Name = "CY"
Sub A()
End Sub
