VERSION 5.00
Begin VB.Form Lleno
   Begin VB.Label Etiqueta
      Caption = "Hola"
   End
End
Attribute VB_Name = "Lleno"
