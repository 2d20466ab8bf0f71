Attribute VB_Name = "Mod1"
Option Explicit
Public Function Uno() As Long
Attribute Uno.VB_Description = "primera"
Attribute Uno.VB_HelpID = 1
    Uno = 1
End Function
Public Sub Dos()
10  Dos2
End Sub
