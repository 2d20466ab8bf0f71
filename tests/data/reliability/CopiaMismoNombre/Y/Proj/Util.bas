Attribute VB_Name = "UtilY"
Sub A()
End Sub
