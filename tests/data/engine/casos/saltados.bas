Attribute VB_Name = "Modulo1"
Sub A()
    ' nota
    dim a As Long
    DIMENSION = 1
    Do
    ON ERROR GoTo 0
    On Local Error GoTo 0
    Open f For Input As 1
    select case a
    Set b = Nothing
    CASE 1
    Casos = 2
    Casetas = 3
    End Select
    End If
    Else
#If DEBUG Then
Otra:
    x = 1 + _
        2
    Exit Sub
    Loop
End Sub
