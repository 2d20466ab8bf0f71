VERSION 5.00
Begin VB.Form frmCliente 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Ficha del cliente"
   ClientHeight    =   3195
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3195
   ScaleWidth      =   4680
   ShowInTaskbar   =   0   'False
   StartUpPosition =   1  'CenterOwner
   Begin VB.Frame fraDatos 
      Caption         =   "Datos"
      Height          =   2415
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   4455
      Begin VB.TextBox txtNombre 
         Height          =   315
         Left            =   1320
         TabIndex        =   2
         Top             =   360
         Width           =   2895
      End
      Begin VB.TextBox txtPoblacion 
         Height          =   315
         Left            =   1320
         TabIndex        =   4
         Top             =   840
         Width           =   2895
      End
      Begin VB.TextBox txtCodigoPostal 
         Height          =   315
         Left            =   1320
         MaxLength       =   5
         TabIndex        =   6
         Top             =   1320
         Width           =   975
      End
      Begin VB.CheckBox chkActivo 
         Caption         =   "Cliente activo"
         Height          =   255
         Left            =   1320
         TabIndex        =   7
         Top             =   1800
         Value           =   1  'Checked
         Width           =   2055
      End
      Begin VB.Label lblNombre 
         Caption         =   "Nombre:"
         Height          =   255
         Left            =   120
         TabIndex        =   1
         Top             =   400
         Width           =   1095
      End
      Begin VB.Label lblPoblacion 
         Caption         =   "Población:"
         Height          =   255
         Left            =   120
         TabIndex        =   3
         Top             =   880
         Width           =   1095
      End
      Begin VB.Label lblCodigoPostal 
         Caption         =   "C. postal:"
         Height          =   255
         Left            =   120
         TabIndex        =   5
         Top             =   1360
         Width           =   1095
      End
   End
   Begin VB.CommandButton cmdAceptar 
      Caption         =   "Aceptar"
      Default         =   -1  'True
      Height          =   375
      Left            =   2040
      TabIndex        =   8
      Top             =   2700
      Width           =   1215
   End
   Begin VB.CommandButton cmdCancelar 
      Cancel          =   -1  'True
      Caption         =   "Cancelar"
      Height          =   375
      Left            =   3360
      TabIndex        =   9
      Top             =   2700
      Width           =   1215
   End
End
Attribute VB_Name = "frmCliente"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Public Cliente As clsCliente

Private Sub Form_Activate()
    txtNombre.Text = Cliente.Nombre
    txtPoblacion.Text = Cliente.Poblacion
    txtCodigoPostal.Text = Cliente.CodigoPostal
End Sub

Private Sub cmdAceptar_Click()
    On Error GoTo ErrorAceptar

    If Not CodigoPostalValido(txtCodigoPostal.Text) Then
        MsgBox "El código postal debe tener cinco cifras.", vbExclamation, "Demo"
        txtCodigoPostal.SetFocus
        Exit Sub
    End If
    Cliente.Nombre = Trim$(txtNombre.Text)
    Cliente.Poblacion = Trim$(txtPoblacion.Text)
    Cliente.CodigoPostal = txtCodigoPostal.Text
    Me.Hide
    Exit Sub

ErrorAceptar:
    MsgBox "Error " & Err.Number & ": " & Err.Description, vbCritical, "Demo"
    Resume Next
End Sub

Private Sub cmdCancelar_Click()
    Me.Hide
End Sub
