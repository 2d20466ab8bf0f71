Attribute VB_Name = "Modulo1"
Sub A()
    ' nota
    dim a As Long
    DIMENSION = 1
50     Do
    ON ERROR GoTo 0
70     On Local Error GoTo 0
80     Open f For Input As 1
    select case a
100     Set b = Nothing
    CASE 1
120     Casos = 2
    Casetas = 3
    End Select
150     End If
160     Else
#If DEBUG Then
Otra:
190     x = 1 + _
        2
210     Exit Sub
220     Loop
End Sub
