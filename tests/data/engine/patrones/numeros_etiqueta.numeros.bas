Attribute VB_Name = "Saltos"
Option Explicit

Public Sub Lee(ByVal n As Long)
    On Error GoTo 90
50     If n = 0 Then 200 Else 300
60     On n GoTo 300, 400
70     GoSub 500
80     Debug.Print n
    x = 1
90 Err.Raise 5
200
300 Resume 400
400 x = 2
140     Exit Sub
500 y = 3
160     Return
170     z = 4
End Sub

Public Sub Otra()
210     x = 90
220     GoTo Fin
Fin:
240     y = 200
End Sub
