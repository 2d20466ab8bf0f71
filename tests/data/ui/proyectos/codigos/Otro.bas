Attribute VB_Name = "Otro"
