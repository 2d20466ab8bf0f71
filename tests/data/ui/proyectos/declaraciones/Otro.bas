Attribute VB_Name = "Otro"
Public Sub Uno()
End Sub
