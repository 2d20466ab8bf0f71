VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form Form1 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Formulario ""uno"""
   ClientHeight    =   3195
   Icon            =   "Form1.frx":0000
   Begin VB.Frame Frame1 
      Caption         =   "Opciones"
      Height          =   1500
      Begin VB.OptionButton Opcion 
         Caption         =   "Primera"
         Index           =   0
      End
      Begin VB.OptionButton Opcion 
         Caption         =   "Segunda"
         Index           =   1
      End
   End
   Begin VB.ListBox List1 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   8.25
      EndProperty
      Height          =   1035
   End
   Begin MSComctlLib.StatusBar Barra 
      BeginProperty Panels {8E3867A5-8586-11D1-B16A-00C0F0283628} 
         NumPanels       =   1
         BeginProperty Panel1 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            Text            =   "Listo"
         EndProperty
      EndProperty
   End
   Begin VB.Menu mnuArchivo 
      Caption         =   "&Archivo"
      Begin VB.Menu mnuSalir 
         Caption         =   "&Salir"
      End
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    List1.AddItem "á"
End Sub

Private Sub mnuSalir_Click()
    Unload Me
End Sub

