Attribute VB_Name = "Borde"
Public Sub B()
    On Error Resume Next
65529 x = 1
65530 x = 1
  065531 x = 1
99999: x = 1
100000
6553 x = 1
65540x = 1
00065529 x = 1
End Sub
