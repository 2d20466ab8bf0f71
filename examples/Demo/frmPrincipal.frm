VERSION 5.00
Begin VB.Form frmPrincipal 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Gestión de clientes"
   ClientHeight    =   4590
   ClientLeft      =   150
   ClientTop       =   840
   ClientWidth     =   6465
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   4590
   ScaleWidth      =   6465
   StartUpPosition =   2  'CenterScreen
   Begin VB.CommandButton cmdSalir 
      Cancel          =   -1  'True
      Caption         =   "&Salir"
      Height          =   375
      Left            =   5040
      TabIndex        =   6
      Top             =   4080
      Width           =   1215
   End
   Begin VB.CommandButton cmdEditar 
      Caption         =   "&Editar..."
      Default         =   -1  'True
      Height          =   375
      Left            =   3720
      TabIndex        =   5
      Top             =   4080
      Width           =   1215
   End
   Begin VB.ListBox lstClientes 
      Height          =   3765
      Left            =   2880
      Sorted          =   -1  'True
      TabIndex        =   4
      Top             =   120
      Width           =   3375
   End
   Begin VB.Frame fraOrden 
      Caption         =   "Ordenar por"
      Height          =   1575
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   2535
      Begin VB.OptionButton optOrden 
         Caption         =   "Nombre"
         Height          =   255
         Index           =   0
         Left            =   240
         TabIndex        =   1
         Top             =   360
         Value           =   -1  'True
         Width           =   1935
      End
      Begin VB.OptionButton optOrden 
         Caption         =   "Población"
         Height          =   255
         Index           =   1
         Left            =   240
         TabIndex        =   2
         Top             =   720
         Width           =   1935
      End
      Begin VB.OptionButton optOrden 
         Caption         =   "Código postal"
         Height          =   255
         Index           =   2
         Left            =   240
         TabIndex        =   3
         Top             =   1080
         Width           =   1935
      End
   End
   Begin VB.Label lblTotal 
      Caption         =   "0 clientes"
      Height          =   255
      Left            =   120
      TabIndex        =   7
      Top             =   1920
      Width           =   2535
   End
   Begin VB.Menu mnuArchivo 
      Caption         =   "&Archivo"
      Begin VB.Menu mnuArchivoNuevo 
         Caption         =   "&Nuevo cliente..."
         Shortcut        =   ^N
      End
      Begin VB.Menu mnuArchivoSep1 
         Caption         =   "-"
      End
      Begin VB.Menu mnuArchivoSalir 
         Caption         =   "&Salir"
      End
   End
   Begin VB.Menu mnuAyuda 
      Caption         =   "A&yuda"
      Begin VB.Menu mnuAyudaAcerca 
         Caption         =   "&Acerca de Demo..."
      End
   End
End
Attribute VB_Name = "frmPrincipal"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

' Colección de clientes mostrada en la lista.
Private m_Clientes As Collection

Private Sub Form_Load()
    Set m_Clientes = New Collection
    CargarEjemplos
    RellenarLista
End Sub

' Datos de ejemplo: en una aplicación real vendrían de la base de datos.
Private Sub CargarEjemplos()
    m_Clientes.Add NuevoCliente("Ana Pérez", "Málaga", "29001")
    m_Clientes.Add NuevoCliente("José Núñez", "Cáceres", "10001")
    m_Clientes.Add NuevoCliente("Íñigo Arrieta", "Bilbao", "48001")
End Sub

Private Sub RellenarLista()
    Dim c As clsCliente

    On Error GoTo ErrorRellenar
    lstClientes.Clear
    For Each c In m_Clientes
        lstClientes.AddItem c.Nombre & " (" & c.Poblacion & ")"
    Next c
    lblTotal.Caption = m_Clientes.Count & " clientes"
    Exit Sub

ErrorRellenar:
    MsgBox "No se pudo rellenar la lista: " & Err.Description, vbExclamation, "Demo"
End Sub

Private Sub cmdEditar_Click()
    If lstClientes.ListIndex < 0 Then
        MsgBox "Seleccione un cliente.", vbInformation, "Demo"
        Exit Sub
    End If
    Set frmCliente.Cliente = m_Clientes(lstClientes.ListIndex + 1)
    frmCliente.Show vbModal, Me
    RellenarLista
End Sub

Private Sub cmdSalir_Click()
    Unload Me
End Sub

Private Sub mnuArchivoNuevo_Click()
    Set frmCliente.Cliente = New clsCliente
    frmCliente.Show vbModal, Me
    If Len(frmCliente.Cliente.Nombre) > 0 Then
        m_Clientes.Add frmCliente.Cliente
        RellenarLista
    End If
End Sub

Private Sub mnuArchivoSalir_Click()
    Unload Me
End Sub

Private Sub mnuAyudaAcerca_Click()
    MsgBox "Demo " & App.Major & "." & App.Minor & vbCrLf & _
        "Ejemplo de gestión de clientes", vbInformation, "Acerca de"
End Sub

Private Sub optOrden_Click(Index As Integer)
    ' El orden real lo da la propiedad Sorted; aquí sólo se recuerda la elección.
    lstClientes.Tag = CStr(Index)
End Sub
