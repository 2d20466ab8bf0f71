Attribute VB_Name = "UX"
Sub A()
End Sub
