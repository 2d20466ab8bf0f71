VERSION 5.00
Begin VB.Form FUno
Begin VB.Label L
End
End
Attribute VB_Name = "FUno"
