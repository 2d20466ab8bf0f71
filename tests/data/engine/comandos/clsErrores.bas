Attribute VB_Name = "clsErrores"
Sub Push()
End Sub
