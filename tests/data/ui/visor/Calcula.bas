Private Sub Calcula(x As Long)
    If x > 0 Then
        s = "it's" ' comentario á
    End If
End Sub