Attribute VB_Name = "M"
Sub Numerado()
10  x = 1
20  y = 2
End Sub
Sub SoloUnaLinea()
    x = 1
30  y = 2
End Sub
Sub SinNumeros()
    x = 1
End Sub
Sub EtiquetaALaQueSeSalta()
    GoTo 100
100 x = 1
End Sub
Sub NumeroEnUnaLineaContinuada()
    x = Array(1, _
2 , 3)
End Sub
