Attribute VB_Name = "Constantes"
Option Explicit
Public Const A = 1
Public B As Long
