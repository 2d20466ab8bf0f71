VERSION 5.00
Begin VB.Form Form1
   Caption = "Truncado"
   Begin VB.CommandButton Command1
      Caption = "Aceptar"
