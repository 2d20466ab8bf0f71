Attribute VB_Name = "Modulo1"
Sub A()
  a = 10 + 1
    b = 1
c = 1
   d = 1
e = 1
10x = 1
- f = 1
42
End Sub
