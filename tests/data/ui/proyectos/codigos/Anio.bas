Attribute VB_Name = "Año"
Public Sub Cálculo()
    On Error Resume Next
End Sub
