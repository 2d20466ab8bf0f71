Attribute VB_Name = "M"
Option Explicit

Sub Uno()
  x = 1
End Sub

Sub Dos()
  y = 2
