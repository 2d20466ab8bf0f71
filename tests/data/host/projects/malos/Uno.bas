Attribute VB_Name = "Uno"
Public Sub Paso()
End Sub
