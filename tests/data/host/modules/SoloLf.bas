Attribute VB_Name = "SoloLf"
Public Sub Uno()
  ' sin salto final
End Sub