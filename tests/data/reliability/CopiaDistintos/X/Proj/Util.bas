Attribute VB_Name = "UtilX"
Sub A()
End Sub
