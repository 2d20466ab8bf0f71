VERSION 5.00
Begin VB.Form Form1
   Begin VB.Frame Frame1
      Begin VB.OptionButton Option1
         Index = 0
      End
   End
Attribute VB_Name = "Form1"
Private Sub Form_Load()
End Sub
