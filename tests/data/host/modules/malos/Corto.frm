VERSION 5.00
Begin VB.Form F
  Begin VB.Label L
  End
