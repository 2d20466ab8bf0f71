Attribute VB_Name = "InfoSistema"
Option Explicit
Private Const INFO_VERSION As Long = 1

Public Function InfoSistema() As String
    InfoSistema = "Sistema"
End Function
