Attribute VB_Name = "Modulo1"
Option Explicit
Dim x As Long
10 y
