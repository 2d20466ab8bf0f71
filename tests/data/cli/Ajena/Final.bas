Attribute VB_Name = "Final"
Public Sub F()
    x = 1
End Sub