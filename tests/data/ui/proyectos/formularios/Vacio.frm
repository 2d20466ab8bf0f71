VERSION 5.00
Begin VB.Form Vacio
End
Attribute VB_Name = "Vacio"
