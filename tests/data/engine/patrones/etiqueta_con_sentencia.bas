Attribute VB_Name = "Trampas"
Option Explicit

Public Sub Lee(ByVal w1 As Integer)
    On Error GoTo TrapIt
    On w1 GoTo fun1, fun2, _
        fun3
    On w1 GoSub 130, _
        170
    Exit Sub
fun1:   x = 1
fun2: x = 2
fun3:
    x = 3
    Exit Sub
170 y = 1: Return
130 y = 2: Return
TrapIt:     MyEr Err.Description
End Sub

Public Function Paso(ByVal w1 As Integer) As Long
    On w1 GoTo uno, _
        dos
uno:    Paso = 1
    Exit Function
dos:    Paso = 2
End Function
