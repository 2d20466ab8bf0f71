Attribute VB_Name = "Utilidades"
Option Explicit

' Utilidades comunes de la aplicación de demostración.
' Todas las funciones son públicas y no guardan estado.

Public Const APP_TITULO As String = "Demo"

Private Declare Function GetTickCount Lib "kernel32" () As Long

' Crea un cliente con sus datos básicos.
Public Function NuevoCliente(ByVal Nombre As String, _
                             ByVal Poblacion As String, _
                             Optional ByVal CodigoPostal As String = "") As clsCliente
    Dim c As New clsCliente

    c.Nombre = Nombre
    c.Poblacion = Poblacion
    c.CodigoPostal = CodigoPostal
    Set NuevoCliente = c
End Function

' Comprueba que el código postal tiene cinco cifras.
Public Function CodigoPostalValido(ByVal Codigo As String) As Boolean
10    Dim i As Integer
20    CodigoPostalValido = False
30    If Len(Codigo) <> 5 Then Exit Function
40    For i = 1 To 5
50        If Mid$(Codigo, i, 1) < "0" Or Mid$(Codigo, i, 1) > "9" Then Exit Function
60    Next i
70    CodigoPostalValido = True
End Function

'--------------------------------------------------------------
' Lee un archivo de texto entero; devuelve "" si no se puede.
'--------------------------------------------------------------
Public Function LeerArchivo(ByVal Ruta As String) As String
    Dim f As Integer

    On Error GoTo ErrorLeer
    f = FreeFile
    Open Ruta For Input As #f
    LeerArchivo = Input$(LOF(f), f)
    Close #f
    Exit Function

ErrorLeer:
    LeerArchivo = ""
End Function

' Milisegundos desde que arrancó el sistema (sólo para medir).
Public Function Milisegundos() As Long
    Milisegundos = GetTickCount()
End Function
