Attribute VB_Name = "Modulo1"
Sub A()
  10 a = 10 + 1
    -3 b = 1
+4 c = 1
   .5 d = 1
1e3 e = 1
10x = 1
- f = 1
42
End Sub
