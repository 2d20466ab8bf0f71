VERSION 5.00
Begin VB.MDIForm Principal 
   Caption         =   "Principal"
End
Attribute VB_Name = "Principal"
Private Sub MDIForm_Load()
End Sub

