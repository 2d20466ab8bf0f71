Attribute VB_Name = "Vacio"
Option Explicit
Dim z As Long
