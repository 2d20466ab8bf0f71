Attribute VB_Name = "Saltos"
Option Explicit

Public Sub Lee(ByVal n As Long)
    On Error GoTo 90
    If n = 0 Then 200 Else 300
    On n GoTo 300, 400
    GoSub 500
    Debug.Print n
    x = 1
90 Err.Raise 5
200
300 Resume 400
400 x = 2
    Exit Sub
500 y = 3
    Return
    z = 4
End Sub

Public Sub Otra()
    x = 90
    GoTo Fin
Fin:
    y = 200
End Sub
