VERSION 5.00
Begin VB.Form FDos
Begin VB.Label L
End
End
Attribute VB_Name = "FDos"
