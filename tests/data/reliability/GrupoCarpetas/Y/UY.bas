Attribute VB_Name = "UY"
Sub A()
End Sub
