Attribute VB_Name = "Cálculo"
Option Explicit

Public Sub Año()
    Debug.Print "ñ"
End Sub
