VERSION 5.00
Begin VB.Form F
  BeginProperty Font
    Size = 8
End
