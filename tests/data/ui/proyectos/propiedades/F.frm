VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form F
   Caption = "F"
   BeginProperty Font
      Name = "Tahoma"
      Italic = -1  'True
   EndProperty
   Begin VB.CommandButton cmd
      Caption = "Aceptar"
      Default = -1  'True
      Height = 375
      TabIndex = 1
   End
   Begin VB.OptionButton opt
      Value = -1  'True
      Enabled = 0  'False
   End
   Begin MSComctlLib.ProgressBar Barra
      Height = 255
      Max = 50
      Enabled = 0  'False
   End
End
Attribute VB_Name = "F"
