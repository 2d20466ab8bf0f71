Attribute VB_Name = "M"
