Attribute VB_Name = "Presente"
Option Explicit

Public Sub Hola()
    Debug.Print "hola"
End Sub
