Attribute VB_Name = "InfoSistema"
'---------------------------------------------------------------------------------------
' InfoSistema: informe del sistema para los correos de clsErrores.
' Cada sonda lee un dato de la máquina y lo devuelve como texto; si el dato no está
' disponible devuelve el texto vacío. Ninguna pasa errores a quien la llama ni muestra
' nada. También las funciones de lectura y escritura de valores del registro.
'---------------------------------------------------------------------------------------
Option Explicit

Private Type OSVERSIONINFO
    dwOSVersionInfoSize As Long
    dwMajorVersion As Long
    dwMinorVersion As Long
    dwBuildNumber As Long
    dwPlatformId As Long
    szCSDVersion As String * 128
End Type

Private Type SYSTEM_INFO
    dwOemID As Long
    dwPageSize As Long
    lpMinimumApplicationAddress As Long
    lpMaximumApplicationAddress As Long
    dwActiveProcessorMask As Long
    dwNumberOfProcessors As Long
    dwProcessorType As Long
    dwAllocationGranularity As Long
    wProcessorLevel As Integer
    wProcessorRevision As Integer
End Type

Private Type MEMORYSTATUS
    dwLength As Long
    dwMemoryLoad As Long
    dwTotalPhys As Long
    dwAvailPhys As Long
    dwTotalPageFile As Long
    dwAvailPageFile As Long
    dwTotalVirtual As Long
    dwAvailVirtual As Long
End Type

Private Type VS_FIXEDFILEINFO
    dwSignature As Long
    dwStrucVersion As Long
    dwFileVersionMS As Long
    dwFileVersionLS As Long
    dwProductVersionMS As Long
    dwProductVersionLS As Long
    dwFileFlagsMask As Long
    dwFileFlags As Long
    dwFileOS As Long
    dwFileType As Long
    dwFileSubtype As Long
    dwFileDateMS As Long
    dwFileDateLS As Long
End Type

' kernel32
Private Declare Function GetComputerName Lib "kernel32" Alias "GetComputerNameA" ( _
    ByVal lpBuffer As String, nSize As Long) As Long
Private Declare Function GetVersionEx Lib "kernel32" Alias "GetVersionExA" ( _
    lpVersionInformation As OSVERSIONINFO) As Long
Private Declare Function GetWindowsDirectory Lib "kernel32" Alias "GetWindowsDirectoryA" ( _
    ByVal lpBuffer As String, ByVal nSize As Long) As Long
Private Declare Function GetSystemDirectory Lib "kernel32" Alias "GetSystemDirectoryA" ( _
    ByVal lpBuffer As String, ByVal nSize As Long) As Long
Private Declare Function GetUserDefaultLCID Lib "kernel32" () As Long
Private Declare Function GetLocaleInfo Lib "kernel32" Alias "GetLocaleInfoA" ( _
    ByVal Locale As Long, ByVal LCType As Long, ByVal lpLCData As String, _
    ByVal cchData As Long) As Long
Private Declare Sub GetSystemInfo Lib "kernel32" (lpSystemInfo As SYSTEM_INFO)
Private Declare Sub GlobalMemoryStatus Lib "kernel32" (lpBuffer As MEMORYSTATUS)
Private Declare Function GetLogicalDriveStrings Lib "kernel32" Alias "GetLogicalDriveStringsA" ( _
    ByVal nBufferLength As Long, ByVal lpBuffer As String) As Long
Private Declare Function GetDriveType Lib "kernel32" Alias "GetDriveTypeA" ( _
    ByVal nDrive As String) As Long
' Los contadores de 64 bits llegan en Currency: el valor leído por 10.000 son bytes
Private Declare Function GetDiskFreeSpaceEx Lib "kernel32" Alias "GetDiskFreeSpaceExA" ( _
    ByVal lpRootPathName As String, lpFreeBytesAvailableToCaller As Currency, _
    lpTotalNumberOfBytes As Currency, lpTotalNumberOfFreeBytes As Currency) As Long
Private Declare Sub CopyMemory Lib "kernel32" Alias "RtlMoveMemory" ( _
    Destination As Any, ByVal Source As Long, ByVal Length As Long)

' user32
Private Declare Function GetSystemMetrics Lib "user32" (ByVal nIndex As Long) As Long
Private Declare Function GetDesktopWindow Lib "user32" () As Long
Private Declare Function GetDC Lib "user32" (ByVal hWnd As Long) As Long
Private Declare Function ReleaseDC Lib "user32" (ByVal hWnd As Long, ByVal hDC As Long) As Long

' gdi32
Private Declare Function GetDeviceCaps Lib "gdi32" (ByVal hDC As Long, _
    ByVal nIndex As Long) As Long

' version.dll
Private Declare Function GetFileVersionInfoSize Lib "version.dll" Alias "GetFileVersionInfoSizeA" ( _
    ByVal lptstrFilename As String, lpdwHandle As Long) As Long
Private Declare Function GetFileVersionInfo Lib "version.dll" Alias "GetFileVersionInfoA" ( _
    ByVal lptstrFilename As String, ByVal dwHandle As Long, ByVal dwLen As Long, _
    lpData As Any) As Long
Private Declare Function VerQueryValue Lib "version.dll" Alias "VerQueryValueA" ( _
    pBlock As Any, ByVal lpSubBlock As String, lplpBuffer As Long, puLen As Long) As Long

' shell32
Private Declare Function SHGetFolderPath Lib "shell32" Alias "SHGetFolderPathA" ( _
    ByVal hwndOwner As Long, ByVal nFolder As Long, ByVal hToken As Long, _
    ByVal dwFlags As Long, ByVal pszPath As String) As Long

' advapi32
Private Declare Function RegOpenKeyEx Lib "advapi32" Alias "RegOpenKeyExA" ( _
    ByVal hKey As Long, ByVal lpSubKey As String, ByVal ulOptions As Long, _
    ByVal samDesired As Long, phkResult As Long) As Long
Private Declare Function RegQueryValueEx Lib "advapi32" Alias "RegQueryValueExA" ( _
    ByVal hKey As Long, ByVal lpValueName As String, ByVal lpReserved As Long, _
    lpType As Long, lpData As Any, lpcbData As Long) As Long
Private Declare Function RegCreateKeyEx Lib "advapi32" Alias "RegCreateKeyExA" ( _
    ByVal hKey As Long, ByVal lpSubKey As String, ByVal Reserved As Long, _
    ByVal lpClass As String, ByVal dwOptions As Long, ByVal samDesired As Long, _
    ByVal lpSecurityAttributes As Long, phkResult As Long, lpdwDisposition As Long) As Long
Private Declare Function RegSetValueEx Lib "advapi32" Alias "RegSetValueExA" ( _
    ByVal hKey As Long, ByVal lpValueName As String, ByVal Reserved As Long, _
    ByVal dwType As Long, lpData As Any, ByVal cbData As Long) As Long
Private Declare Function RegCloseKey Lib "advapi32" (ByVal hKey As Long) As Long

' Registro
Private Const HKEY_LOCAL_MACHINE As Long = &H80000002
Private Const KEY_QUERY_VALUE As Long = &H1
Private Const KEY_ALL_ACCESS As Long = &H3F
Private Const REG_OPTION_NON_VOLATILE As Long = 0
Private Const ERROR_SUCCESS As Long = 0
Private Const REG_SZ As Long = 1
Private Const REG_BINARY As Long = 3
Private Const REG_DWORD As Long = 4

' Configuración regional
Private Const LOCALE_SNATIVELANGNAME As Long = &H4
Private Const LOCALE_SNATIVECTRYNAME As Long = &H8
Private Const LOCALE_SDECIMAL As Long = &HE
Private Const LOCALE_SDATE As Long = &H1D
Private Const LOCALE_STIME As Long = &H1E
Private Const LOCALE_SSHORTDATE As Long = &H1F
Private Const LOCALE_SLONGDATE As Long = &H20
Private Const LOCALE_STIMEFORMAT As Long = &H1003

' Métricas del sistema
Private Const SM_MOUSEPRESENT As Long = 19
Private Const SM_DBCSENABLED As Long = 42
Private Const SM_CMOUSEBUTTONS As Long = 43
Private Const SM_MIDEASTENABLED As Long = 74
Private Const SM_MOUSEWHEELPRESENT As Long = 75
Private Const SM_CMONITORS As Long = 80

' Capacidades del dispositivo
Private Const HORZRES As Long = 8
Private Const VERTRES As Long = 10
Private Const BITSPIXEL As Long = 12
Private Const PLANES As Long = 14

' Carpetas especiales
Private Const CSIDL_PROGRAM_FILES As Long = 38
Private Const CSIDL_PROGRAM_FILES_COMMON As Long = 43

' Procesadores
Private Const PROCESSOR_INTEL_386 As Long = 386
Private Const PROCESSOR_INTEL_486 As Long = 486
Private Const PROCESSOR_INTEL_PENTIUM As Long = 586
Private Const PROCESSOR_MIPS_R4000 As Long = 4000
Private Const PROCESSOR_ALPHA_21064 As Long = 21064

' Plataformas de GetVersionEx
Private Const VER_PLATFORM_WIN32_WINDOWS As Long = 1
Private Const VER_PLATFORM_WIN32_NT As Long = 2

' Tipos de unidad
Private Const DRIVE_UNKNOWN As Long = 0
Private Const DRIVE_NO_ROOT_DIR As Long = 1
Private Const DRIVE_REMOVABLE As Long = 2
Private Const DRIVE_FIXED As Long = 3
Private Const DRIVE_REMOTE As Long = 4
Private Const DRIVE_CDROM As Long = 5

' Un Long con el bit alto puesto es un DWORD de 2 GB o más
Private Const DOS_A_LA_32 As Double = 4294967296#

Private Const PATRON_NUMERO As String = "###,###,###"

Public glbErr As New clsErrores


'=======================================================================================
' Informes
'=======================================================================================

Public Function InformeSistema() As String
    Dim strInforme As String
    Dim strExe As String
    Dim astrMemoria() As String
    Dim prnDefecto As Printer

    ' Un paso que falla no añade su línea y el informe sigue
    On Error Resume Next

    Screen.MousePointer = vbHourglass
    DoEvents

    strInforme = Encabezado()
    strInforme = strInforme & "   Nombre del Ordenador........" & NombreOrdenador() & vbCrLf
    strInforme = strInforme & "   App.Title..................." & App.Title & vbCrLf
    strInforme = strInforme & "   App.Path...................." & App.Path & vbCrLf
    strInforme = strInforme & "   App.Version................." & VersionApp() & vbCrLf
    strInforme = strInforme & "   Instancias Previas.........." & CStr(App.PrevInstance) & vbCrLf
    strInforme = strInforme & "   EXEName..................." & App.EXEName & vbCrLf
    strExe = RutaEjecutable()
    strInforme = strInforme & "   EXE modificado el ............" & _
        Format$(FileDateTime(strExe), "General Date") & vbCrLf
    strInforme = strInforme & "   Tamaño EXE................" & _
        Format$(FileLen(strExe), PATRON_NUMERO) & " bytes" & vbCrLf & vbCrLf
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Sistema Operativo " & vbCrLf
    strInforme = strInforme & "=================" & vbCrLf
    strInforme = strInforme & "   Version Windows....." & VersionWindows() & vbCrLf
    strInforme = strInforme & "   Directorio Windows ..." & DirectorioWindows() & vbCrLf
    strInforme = strInforme & "   Directorio 'System' ..." & DirectorioSystem() & vbCrLf
    strInforme = strInforme & "   Directorio 'Program Files' ..." & DirectorioProgramFiles() & vbCrLf
    strInforme = strInforme & "   Directorio 'Common Files' ..." & DirectorioCommonFiles() & vbCrLf
    strInforme = strInforme & "   CurDir........" & CurDir$ & vbCrLf
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & AccesoDatos()
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Configuraciones locales" & vbCrLf
    strInforme = strInforme & "=======================" & vbCrLf
    strInforme = strInforme & "   Lenguaje..............     " & NombreLenguaje() & vbCrLf
    strInforme = strInforme & "   Pais......................     " & NombrePais() & vbCrLf
    strInforme = strInforme & "   Separador de fecha   " & SeparadorFecha() & vbCrLf
    strInforme = strInforme & "   Separador de tiempo      " & SeparadorTiempo() & vbCrLf
    strInforme = strInforme & "   Formato LongDate   " & FormatoFechaLarga() & vbCrLf
    strInforme = strInforme & "   Formato ShortDate   " & FormatoFechaCorta() & vbCrLf
    strInforme = strInforme & "   Formato tiempo        " & FormatoTiempo() & vbCrLf
    strInforme = strInforme & "   Separador decimal   " & SeparadorDecimal() & vbCrLf
    strInforme = strInforme & "   MidEast............." & HayMidEast() & vbCrLf
    strInforme = strInforme & "   DCBS................" & HayDBCS() & vbCrLf
    strInforme = strInforme & vbCrLf

    astrMemoria = InfoMemoria()
    strInforme = strInforme & "Memoria" & vbCrLf
    strInforme = strInforme & "=======" & vbCrLf
    strInforme = strInforme & "   Memoria fisica total.........." & astrMemoria(0) & vbCrLf
    strInforme = strInforme & "   Memoria fisica disponible....." & astrMemoria(1) & vbCrLf
    strInforme = strInforme & "   Memoria virtual..............." & astrMemoria(2) & vbCrLf
    strInforme = strInforme & "   Memoria virtual disponible...." & astrMemoria(3) & vbCrLf
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Procesador" & vbCrLf
    strInforme = strInforme & "==========" & vbCrLf
    strInforme = strInforme & "   CPU................." & TipoProcesador() & vbCrLf
    strInforme = strInforme & "   Número de CPUs......" & NumeroCPUs() & vbCrLf
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Drives" & vbCrLf
    strInforme = strInforme & "======" & vbCrLf
    InfoDrives strInforme
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Impresora por defecto" & vbCrLf
    strInforme = strInforme & "=====================" & vbCrLf
    ' Sin impresora predeterminada cada línea falla y la sección se queda en el título
    Set prnDefecto = Printer
    strInforme = strInforme & "   DeviceName..........." & prnDefecto.DeviceName & vbCrLf
    strInforme = strInforme & "   DriverName..........." & prnDefecto.DriverName & vbCrLf
    strInforme = strInforme & "   PaperSize................" & CStr(prnDefecto.PaperSize) & vbCrLf
    strInforme = strInforme & "   Orientation..........." & CStr(prnDefecto.Orientation) & vbCrLf
    strInforme = strInforme & "   ColorMode............" & CStr(prnDefecto.ColorMode) & vbCrLf
    strInforme = strInforme & "   Duplex..............." & CStr(prnDefecto.Duplex) & vbCrLf
    strInforme = strInforme & "   Zoom..................." & CStr(prnDefecto.Zoom) & vbCrLf
    strInforme = strInforme & "   FontName............." & prnDefecto.FontName & vbCrLf
    strInforme = strInforme & "   FontSize............." & CStr(prnDefecto.FontSize) & vbCrLf
    strInforme = strInforme & "   Height..............." & CStr(prnDefecto.Height) & vbCrLf
    strInforme = strInforme & "   ScaleHeight..........." & CStr(prnDefecto.ScaleHeight) & vbCrLf
    strInforme = strInforme & "   Width................" & CStr(prnDefecto.Width) & vbCrLf
    strInforme = strInforme & "   ScaleWidth..........." & CStr(prnDefecto.ScaleWidth) & vbCrLf
    strInforme = strInforme & "   Scalemode............." & CStr(prnDefecto.ScaleMode) & vbCrLf
    strInforme = strInforme & "   TextWidth('Hola')...." & CStr(prnDefecto.TextWidth("Hola")) & vbCrLf
    strInforme = strInforme & "   TextHeight('X')...." & CStr(prnDefecto.TextHeight("X")) & vbCrLf
    Set prnDefecto = Nothing
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Información Video" & vbCrLf
    strInforme = strInforme & "=================" & vbCrLf
    strInforme = strInforme & "   Colores......................." & _
        FormatoNumero(NumeroColores()) & vbCrLf
    strInforme = strInforme & "   Resolucion pantalla..........." & ResolucionPantalla() & vbCrLf
    strInforme = strInforme & "   Numero de monitores..........." & NumeroMonitores() & vbCrLf
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Ratón" & vbCrLf
    strInforme = strInforme & "=====" & vbCrLf
    strInforme = strInforme & "   Hay raton......." & SiNo(GetSystemMetrics(SM_MOUSEPRESENT)) & vbCrLf
    strInforme = strInforme & "   Nº botones raton......." & BotonesRaton() & vbCrLf
    strInforme = strInforme & "   Rueda en el raton......." & HayRueda() & vbCrLf

    Screen.MousePointer = vbDefault
    InformeSistema = strInforme
End Function

Public Function InformeSistemaCorto() As String
    Dim strInforme As String
    Dim prnDefecto As Printer

    On Error Resume Next

    Screen.MousePointer = vbHourglass
    DoEvents

    strInforme = Encabezado()
    strInforme = strInforme & "   App.Title..................." & App.Title & vbCrLf
    strInforme = strInforme & "   App.Path...................." & App.Path & vbCrLf
    strInforme = strInforme & "   App.Version................." & VersionApp() & vbCrLf
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Sistema Operativo " & vbCrLf
    strInforme = strInforme & "=================" & vbCrLf
    strInforme = strInforme & "   Version Windows....." & VersionWindows() & vbCrLf
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & AccesoDatos()
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Configuraciones locales" & vbCrLf
    strInforme = strInforme & "=======================" & vbCrLf
    strInforme = strInforme & "   Lenguaje..............     " & NombreLenguaje() & vbCrLf
    strInforme = strInforme & "   Formato LongDate   " & FormatoFechaLarga() & vbCrLf
    strInforme = strInforme & "   Formato ShortDate   " & FormatoFechaCorta() & vbCrLf
    strInforme = strInforme & "   Formato tiempo        " & FormatoTiempo() & vbCrLf
    strInforme = strInforme & vbCrLf

    strInforme = strInforme & "Impresora por defecto" & vbCrLf
    strInforme = strInforme & "=====================" & vbCrLf
    Set prnDefecto = Printer
    strInforme = strInforme & "   PaperSize................" & CStr(prnDefecto.PaperSize) & vbCrLf
    strInforme = strInforme & "   FontName............." & prnDefecto.FontName & vbCrLf
    strInforme = strInforme & "   FontSize............." & CStr(prnDefecto.FontSize) & vbCrLf
    Set prnDefecto = Nothing

    Screen.MousePointer = vbDefault
    InformeSistemaCorto = strInforme
End Function

' Líneas comunes a los dos informes: encabezado con la fecha y título "General"
Private Function Encabezado() As String
    Dim strTexto As String

    On Error Resume Next

    strTexto = vbCrLf
    strTexto = strTexto & " ====================================" & vbCrLf
    strTexto = strTexto & "      Informe Sistema   " & Format$(Date, "Short Date") & vbCrLf
    strTexto = strTexto & " ====================================" & vbCrLf
    strTexto = strTexto & vbCrLf
    strTexto = strTexto & "General" & vbCrLf
    strTexto = strTexto & "=======" & vbCrLf
    Encabezado = strTexto
End Function

' Sección de acceso a datos; un valor vacío se sustituye por el texto que lo explica
Private Function AccesoDatos() As String
    Dim strTexto As String
    Dim strValor As String

    On Error Resume Next

    strTexto = "Acceso a Datos " & vbCrLf
    strTexto = strTexto & "=================" & vbCrLf

    strValor = VersionMDAC()
    If Len(strValor) = 0 Then
        strValor = "    No existe el valor HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\DataAccess\FullInstallVer"
    End If
    strTexto = strTexto & "   Version MDAC....." & strValor & vbCrLf

    strValor = VersionADO()
    If Len(strValor) = 0 Then strValor = "    No se encuentra información sobre dlls de ado"
    strTexto = strTexto & "   Version ADO....." & strValor & vbCrLf

    strValor = VersionJet()
    If Len(strValor) = 0 Then
        strValor = "    No se encuentra información para msjet40.dll o msjetoledb40.dll"
    End If
    strTexto = strTexto & "   Version Jet40....." & strValor & vbCrLf
    AccesoDatos = strTexto
End Function

Private Function VersionApp() As String
    VersionApp = CStr(App.Major) & "." & CStr(App.Minor) & "." & CStr(App.Revision)
End Function

' Carpeta del programa, "\" y nombre con ".exe"; en la raíz de una unidad App.Path ya
' trae la barra y no se repite
Private Function RutaEjecutable() As String
    Dim strCarpeta As String

    strCarpeta = App.Path
    If Right$(strCarpeta, 1) <> "\" Then strCarpeta = strCarpeta & "\"
    RutaEjecutable = strCarpeta & App.EXEName & ".exe"
End Function

' Agrupa las cifras de un texto numérico; cualquier otro texto ("True Color", vacío) pasa igual
Private Function FormatoNumero(ByVal strValor As String) As String
    On Error GoTo ErrFormatoNumero
    If IsNumeric(strValor) Then
        FormatoNumero = Format$(CDbl(strValor), PATRON_NUMERO)
    Else
        FormatoNumero = strValor
    End If
    Exit Function
ErrFormatoNumero:
    FormatoNumero = strValor
End Function

Private Function SiNo(ByVal lngValor As Long) As String
    If lngValor <> 0 Then
        SiNo = "Yes"
    Else
        SiNo = "No"
    End If
End Function

' DWORD leído en un Long con signo
Private Function SinSigno(ByVal lngValor As Long) As Double
    If lngValor < 0 Then
        SinSigno = CDbl(lngValor) + DOS_A_LA_32
    Else
        SinSigno = CDbl(lngValor)
    End If
End Function

' Texto hasta el primer carácter nulo (todo el texto si no lo hay)
Private Function HastaNulo(ByVal strTexto As String) As String
    Dim lngNulo As Long

    lngNulo = InStr(strTexto, vbNullChar)
    If lngNulo > 0 Then
        HastaNulo = Left$(strTexto, lngNulo - 1)
    Else
        HastaNulo = strTexto
    End If
End Function

'=======================================================================================
' Sondas
'=======================================================================================

Public Function NombreOrdenador() As String
    Dim strBuffer As String
    Dim lngLongitud As Long

    On Error GoTo ErrNombreOrdenador

    strBuffer = String$(256, vbNullChar)
    lngLongitud = 255
    If GetComputerName(strBuffer, lngLongitud) <> 0 Then
        NombreOrdenador = Left$(strBuffer, lngLongitud)
    End If
    Exit Function

ErrNombreOrdenador:
    NombreOrdenador = ""
End Function

Public Function VersionWindows() As String
    Dim udtVersion As OSVERSIONINFO
    Dim strServicePack As String
    Dim strNombre As String

    On Error GoTo ErrVersionWindows

    udtVersion.dwOSVersionInfoSize = 148
    udtVersion.szCSDVersion = String$(128, "*")
    If GetVersionEx(udtVersion) = 0 Then Exit Function

    strServicePack = HastaNulo(udtVersion.szCSDVersion)

    Select Case udtVersion.dwPlatformId
        Case VER_PLATFORM_WIN32_NT
            Select Case udtVersion.dwMajorVersion
                Case 3
                    strNombre = "Windows NT 3.51 "
                Case 4
                    strNombre = "Windows NT 4.0 "
                Case 5
                    Select Case udtVersion.dwMinorVersion
                        Case 0
                            strNombre = "Windows 2000"
                        Case 1
                            strNombre = "Windows XP"
                        Case Else
                            strNombre = "Windows NT, versión desconocida"
                    End Select
                Case Else
                    strNombre = "Windows NT, versión desconocida"
            End Select

        Case VER_PLATFORM_WIN32_WINDOWS
            Select Case udtVersion.dwMajorVersion
                Case 6
                    strNombre = "Windows Longhorn"
                Case 5
                    strNombre = "Windows ME"
                Case 4
                    Select Case udtVersion.dwMinorVersion
                        Case 0
                            strNombre = "Windows 95"
                        Case 10
                            strNombre = "Windows 98"
                            ' La segunda edición de Windows 98 pone " A " en el campo
                            If Trim$(strServicePack) = "A" Then strNombre = strNombre & " SE"
                        Case 90
                            strNombre = "Windows ME"
                        Case Else
                            strNombre = "Windows, versión desconocida"
                    End Select
                Case Is < 4
                    strNombre = "Windows 95 o menor"
                Case Else
                    strNombre = "Windows, versión desconocida"
            End Select

        Case Else
            strNombre = "Windows, versión desconocida"
    End Select

    VersionWindows = strNombre & " (" & CStr(udtVersion.dwPlatformId) & "." & _
        CStr(udtVersion.dwMajorVersion) & "." & CStr(udtVersion.dwMinorVersion) & _
        " Build: " & CStr(udtVersion.dwBuildNumber) & ") -" & strServicePack
    Exit Function

ErrVersionWindows:
    VersionWindows = ""
End Function

Public Function DirectorioWindows() As String
    Dim strBuffer As String
    Dim lngLongitud As Long

    On Error GoTo ErrDirectorioWindows

    strBuffer = String$(255, vbNullChar)
    lngLongitud = GetWindowsDirectory(strBuffer, 255)
    ' Un resultado mayor que el búfer es el tamaño que haría falta, no una ruta
    If lngLongitud > 0 And lngLongitud <= 255 Then DirectorioWindows = Left$(strBuffer, lngLongitud)
    Exit Function

ErrDirectorioWindows:
    DirectorioWindows = ""
End Function

Public Function DirectorioSystem() As String
    Dim strBuffer As String
    Dim lngLongitud As Long

    On Error GoTo ErrDirectorioSystem

    strBuffer = String$(255, vbNullChar)
    lngLongitud = GetSystemDirectory(strBuffer, 255)
    If lngLongitud > 0 And lngLongitud <= 255 Then DirectorioSystem = Left$(strBuffer, lngLongitud)
    Exit Function

ErrDirectorioSystem:
    DirectorioSystem = ""
End Function

Public Function DirectorioProgramFiles() As String
    DirectorioProgramFiles = CarpetaEspecial(CSIDL_PROGRAM_FILES)
End Function

Public Function DirectorioCommonFiles() As String
    DirectorioCommonFiles = CarpetaEspecial(CSIDL_PROGRAM_FILES_COMMON)
End Function

' Ruta de una carpeta del sistema; sin carácter nulo en el búfer la llamada no escribió nada
Private Function CarpetaEspecial(ByVal lngCarpeta As Long) As String
    Dim strBuffer As String
    Dim lngNulo As Long

    On Error GoTo ErrCarpetaEspecial

    strBuffer = Space$(260)
    SHGetFolderPath 0&, lngCarpeta, 0&, 0&, strBuffer
    lngNulo = InStr(strBuffer, vbNullChar)
    If lngNulo > 0 Then CarpetaEspecial = Left$(strBuffer, lngNulo - 1)
    Exit Function

ErrCarpetaEspecial:
    CarpetaEspecial = ""
End Function

Public Function VersionMDAC() As String
    Dim vntValor As Variant

    On Error GoTo ErrVersionMDAC

    vntValor = RegistryGetKeyValue(HKEY_LOCAL_MACHINE, "Software\Microsoft\DataAccess", _
        "FullInstallVer")
    If VarType(vntValor) = vbString Then VersionMDAC = vntValor
    Exit Function

ErrVersionMDAC:
    VersionMDAC = ""
End Function

Public Function VersionADO() As String
    Dim strComunes As String
    Dim strAdo As String
    Dim strAdox As String
    Dim strJro As String

    On Error GoTo ErrVersionADO

    strComunes = DirectorioCommonFiles()
    strAdo = VersionFichero(strComunes & "\System\ado\msado15.dll")
    strAdox = VersionFichero(strComunes & "\System\ado\msadox.dll")
    strJro = VersionFichero(strComunes & "\System\ado\msjro.dll")
    If Len(strAdo) = 0 And Len(strAdox) = 0 And Len(strJro) = 0 Then Exit Function

    strAdo = MayorMenor(strAdo)
    strAdox = MayorMenor(strAdox)
    strJro = MayorMenor(strJro)
    If Len(strAdo) > 0 Then strAdo = strAdo & " (msado15.dll) ; "
    If Len(strAdox) > 0 Then strAdox = strAdox & " (msadox.dll) ; "
    If Len(strJro) > 0 Then strJro = strJro & " (msjro.dll)"
    VersionADO = strAdo & strAdox & strJro
    Exit Function

ErrVersionADO:
    VersionADO = ""
End Function

Public Function VersionJet() As String
    Dim strSistema As String
    Dim strJet As String
    Dim strOleDb As String

    On Error GoTo ErrVersionJet

    strSistema = DirectorioSystem()
    strJet = VersionFichero(strSistema & "\msjet40.dll")
    strOleDb = VersionFichero(strSistema & "\msjetoledb40.dll")
    If Len(strJet) = 0 Or Len(strOleDb) = 0 Then Exit Function

    If MayorMenor(strJet) = MayorMenor(strOleDb) Then
        VersionJet = strJet
    Else
        VersionJet = strJet & "(msjet40.dll) ; " & strOleDb & "(msjetoledb40.dll)"
    End If
    Exit Function

ErrVersionJet:
    VersionJet = ""
End Function

' Mayor y menor de un número de versión: lo que hay antes del primer punto desde el tercer
' carácter ("2.80.1022.0" da "2.80", "10.0.1.2" da "10"); sin ese punto, el texto entero
Private Function MayorMenor(ByVal strVersion As String) As String
    Dim lngPunto As Long

    lngPunto = InStr(3, strVersion, ".")
    If lngPunto > 0 Then
        MayorMenor = Left$(strVersion, lngPunto - 1)
    Else
        MayorMenor = strVersion
    End If
End Function

Public Function VersionFichero(ByVal strFichero As String) As String
    Dim lngTamano As Long
    Dim lngManejador As Long
    Dim abytDatos() As Byte
    Dim lngPuntero As Long
    Dim lngLongitud As Long
    Dim udtInfo As VS_FIXEDFILEINFO

    On Error GoTo ErrVersionFichero

    lngTamano = GetFileVersionInfoSize(strFichero, lngManejador)
    If lngTamano = 0 Then Exit Function

    ReDim abytDatos(0 To lngTamano - 1)
    If GetFileVersionInfo(strFichero, 0&, lngTamano, abytDatos(0)) = 0 Then Exit Function
    ' Sin bloque raíz no hay dirección válida de la que copiar
    If VerQueryValue(abytDatos(0), "\", lngPuntero, lngLongitud) = 0 Then Exit Function
    If lngPuntero = 0 Or lngLongitud < Len(udtInfo) Then Exit Function
    CopyMemory udtInfo, lngPuntero, Len(udtInfo)

    VersionFichero = CStr(HiWord(udtInfo.dwFileVersionMS)) & "." & _
        CStr(LoWord(udtInfo.dwFileVersionMS)) & "." & _
        CStr(HiWord(udtInfo.dwFileVersionLS)) & "." & _
        CStr(LoWord(udtInfo.dwFileVersionLS))
    Exit Function

ErrVersionFichero:
    VersionFichero = ""
End Function

' Mitades de 16 bits por su escritura hexadecimal; el sufijo "&" las lee como Long, de
' modo que 32768 o más salen sin signo
Private Function HiWord(ByVal lngValor As Long) As Long
    Dim strHex As String

    On Error Resume Next
    strHex = Right$("00000000" & Hex$(lngValor), 8)
    HiWord = Val("&H" & Left$(strHex, 4) & "&")
End Function

Private Function LoWord(ByVal lngValor As Long) As Long
    Dim strHex As String

    On Error Resume Next
    strHex = Right$("00000000" & Hex$(lngValor), 8)
    LoWord = Val("&H" & Right$(strHex, 4) & "&")
End Function

Public Function NombreLenguaje() As String
    NombreLenguaje = InfoLocal(LOCALE_SNATIVELANGNAME)
End Function

Public Function NombrePais() As String
    NombrePais = InfoLocal(LOCALE_SNATIVECTRYNAME)
End Function

Public Function SeparadorFecha() As String
    SeparadorFecha = InfoLocal(LOCALE_SDATE)
End Function

Public Function SeparadorTiempo() As String
    SeparadorTiempo = InfoLocal(LOCALE_STIME)
End Function

Public Function FormatoFechaLarga() As String
    FormatoFechaLarga = InfoLocal(LOCALE_SLONGDATE)
End Function

Public Function FormatoFechaCorta() As String
    FormatoFechaCorta = InfoLocal(LOCALE_SSHORTDATE)
End Function

Public Function FormatoTiempo() As String
    FormatoTiempo = InfoLocal(LOCALE_STIMEFORMAT)
End Function

Public Function SeparadorDecimal() As String
    SeparadorDecimal = InfoLocal(LOCALE_SDECIMAL)
End Function

' Un dato de la configuración regional del usuario; la cuenta devuelta incluye el nulo final
Private Function InfoLocal(ByVal lngDato As Long) As String
    Dim lngLocal As Long
    Dim strBuffer As String
    Dim lngCuenta As Long

    On Error GoTo ErrInfoLocal

    lngLocal = GetUserDefaultLCID()
    If lngLocal = 0 Then Exit Function
    strBuffer = String$(100, vbNullChar)
    lngCuenta = GetLocaleInfo(lngLocal, lngDato, strBuffer, 99)
    If lngCuenta > 0 Then InfoLocal = Left$(strBuffer, lngCuenta - 1)
    Exit Function

ErrInfoLocal:
    InfoLocal = ""
End Function

Public Function HayDBCS() As String
    On Error GoTo ErrHayDBCS
    HayDBCS = SiNo(GetSystemMetrics(SM_DBCSENABLED))
    Exit Function
ErrHayDBCS:
    HayDBCS = ""
End Function

Public Function HayMidEast() As String
    On Error GoTo ErrHayMidEast
    HayMidEast = SiNo(GetSystemMetrics(SM_MIDEASTENABLED))
    Exit Function
ErrHayMidEast:
    HayMidEast = ""
End Function

Public Function HayRueda() As String
    On Error GoTo ErrHayRueda
    HayRueda = SiNo(GetSystemMetrics(SM_MOUSEWHEELPRESENT))
    Exit Function
ErrHayRueda:
    HayRueda = ""
End Function

Public Function BotonesRaton() As String
    On Error GoTo ErrBotonesRaton
    BotonesRaton = CStr(GetSystemMetrics(SM_CMOUSEBUTTONS))
    Exit Function
ErrBotonesRaton:
    BotonesRaton = ""
End Function

Public Function NumeroMonitores() As String
    Dim lngMonitores As Long

    On Error GoTo ErrNumeroMonitores
    lngMonitores = GetSystemMetrics(SM_CMONITORS)
    ' Los sistemas anteriores a los varios monitores devuelven 0
    If lngMonitores < 1 Then lngMonitores = 1
    NumeroMonitores = CStr(lngMonitores)
    Exit Function
ErrNumeroMonitores:
    NumeroMonitores = ""
End Function

Public Function NumeroCPUs() As String
    Dim udtSistema As SYSTEM_INFO

    On Error GoTo ErrNumeroCPUs
    GetSystemInfo udtSistema
    NumeroCPUs = CStr(udtSistema.dwNumberOfProcessors)
    Exit Function
ErrNumeroCPUs:
    NumeroCPUs = ""
End Function

Public Function NumeroColores() As String
    Dim hWndEscritorio As Long
    Dim hDCEscritorio As Long
    Dim lngBits As Long

    On Error GoTo ErrNumeroColores

    hWndEscritorio = GetDesktopWindow()
    If hWndEscritorio = 0 Then Exit Function
    hDCEscritorio = GetDC(hWndEscritorio)
    If hDCEscritorio = 0 Then Exit Function

    lngBits = GetDeviceCaps(hDCEscritorio, BITSPIXEL) * GetDeviceCaps(hDCEscritorio, PLANES)
    ReleaseDC hWndEscritorio, hDCEscritorio
    hDCEscritorio = 0

    If lngBits = 24 Then
        NumeroColores = "True Color"
    Else
        NumeroColores = CStr(2 ^ lngBits)
    End If
    Exit Function

ErrNumeroColores:
    NumeroColores = ""
    If hDCEscritorio <> 0 Then ReleaseDC hWndEscritorio, hDCEscritorio
End Function

Public Function ResolucionPantalla() As String
    Dim hWndEscritorio As Long
    Dim hDCEscritorio As Long
    Dim strResolucion As String

    On Error GoTo ErrResolucionPantalla

    hWndEscritorio = GetDesktopWindow()
    If hWndEscritorio = 0 Then Exit Function
    hDCEscritorio = GetDC(hWndEscritorio)
    If hDCEscritorio = 0 Then Exit Function

    strResolucion = CStr(GetDeviceCaps(hDCEscritorio, HORZRES)) & " x " & _
        CStr(GetDeviceCaps(hDCEscritorio, VERTRES))
    ReleaseDC hWndEscritorio, hDCEscritorio
    hDCEscritorio = 0
    ResolucionPantalla = strResolucion
    Exit Function

ErrResolucionPantalla:
    ResolucionPantalla = ""
    If hDCEscritorio <> 0 Then ReleaseDC hWndEscritorio, hDCEscritorio
End Function

Public Function TipoProcesador() As String
    Dim udtSistema As SYSTEM_INFO
    Dim strRevision As String
    Dim strModelo As String
    Dim strStepping As String
    Dim intModelo As Integer
    Dim intCifra As Integer

    On Error GoTo ErrTipoProcesador

    GetSystemInfo udtSistema

    Select Case udtSistema.dwProcessorType
        Case PROCESSOR_INTEL_386, PROCESSOR_INTEL_486
            TipoProcesador = "Intel 386"

        Case PROCESSOR_INTEL_PENTIUM
            If udtSistema.wProcessorLevel <> 6 Then
                TipoProcesador = "Pentium"
                Exit Function
            End If

            ' Revisión en hexadecimal, al menos cuatro cifras: modelo y stepping
            strRevision = Hex$(udtSistema.wProcessorRevision)
            Do While Len(strRevision) < 4
                strRevision = "0" & strRevision
            Loop
            strModelo = Left$(strRevision, 2)
            strStepping = Mid$(strRevision, 3, 2)

            ' El número de modelo son las cifras decimales del principio ("0A" da 0)
            For intCifra = 1 To Len(strModelo)
                If Mid$(strModelo, intCifra, 1) Like "#" Then
                    intModelo = intModelo * 10 + CInt(Mid$(strModelo, intCifra, 1))
                Else
                    Exit For
                End If
            Next intCifra

            Select Case intModelo
                Case 1
                    TipoProcesador = "Intel Pentium Pro, Model " & strModelo & ", Stepping " & _
                        strStepping
                Case 3
                    TipoProcesador = "Intel Pentium II, Model 3" & " Stepping " & strStepping
                Case 5
                    TipoProcesador = "Intel Pentium II Model 5, Pentium II Xeon Model 5, or Celeron Model 5," & _
                        " Stepping " & strStepping
                Case 6
                    TipoProcesador = "Intel Celeron Model 6" & " Stepping, " & strStepping
                Case 7, 8
                    TipoProcesador = "Intel Pentium III or Pentium III Xeon Model, " & strModelo & _
                        " Stepping " & strStepping
                Case Else
                    TipoProcesador = "Unable to determine processor type"
            End Select

        Case PROCESSOR_MIPS_R4000
            TipoProcesador = "MIPS R4000"

        Case PROCESSOR_ALPHA_21064
            TipoProcesador = "Alpha 21064"

        Case Else
            TipoProcesador = "Unknown"
    End Select
    Exit Function

ErrTipoProcesador:
    TipoProcesador = ""
End Function

' Las cuatro cifras de memoria: física total, física disponible, virtual y virtual disponible
Public Function InfoMemoria() As String()
    Dim udtMemoria As MEMORYSTATUS
    Dim astrCifras() As String
    Dim dblDisponible As Double

    On Error GoTo ErrInfoMemoria

    ReDim astrCifras(0 To 3)
    udtMemoria.dwLength = Len(udtMemoria)
    GlobalMemoryStatus udtMemoria

    astrCifras(0) = Format$(Fix(SinSigno(udtMemoria.dwTotalPhys) / 1024), PATRON_NUMERO) & "K"
    ' Redondeo al par más cercano, como CLng
    dblDisponible = CDbl(CLng(SinSigno(udtMemoria.dwAvailPhys) / 1024))
    If dblDisponible < 1 Then
        astrCifras(1) = "Ninguna"
    Else
        astrCifras(1) = Format$(dblDisponible, PATRON_NUMERO) & "K"
    End If
    astrCifras(2) = Format$(Fix(SinSigno(udtMemoria.dwTotalVirtual) / 1024), PATRON_NUMERO) & "K"
    astrCifras(3) = Format$(Fix(SinSigno(udtMemoria.dwAvailVirtual) / 1024), PATRON_NUMERO) & "K"
    InfoMemoria = astrCifras
    Exit Function

ErrInfoMemoria:
    ReDim astrCifras(0 To 3)
    InfoMemoria = astrCifras
End Function

' Añade al informe las líneas de las unidades. Una unidad cuya línea no se puede formar
' se queda sin línea y se sigue con la siguiente letra.
Public Sub InfoDrives(ByRef strInforme As String)
    Dim strLista As String
    Dim lngCaracteres As Long
    Dim intDisqueteras As Integer
    Dim intLetra As Integer
    Dim strUnidad As String
    Dim strLinea As String
    Dim lngTipo As Long
    Dim curLibre As Currency
    Dim curTotal As Currency
    Dim curTotalLibre As Currency

    On Error Resume Next

    strLista = String$(128, vbNullChar)
    lngCaracteres = GetLogicalDriveStrings(128, strLista)

    ' Cada entrada de la lista ocupa cuatro caracteres ("A:\" y el nulo)
    If UCase$(Left$(strLista, 3)) = "A:\" Then intDisqueteras = 1
    If UCase$(Mid$(strLista, 5, 3)) = "B:\" Then intDisqueteras = intDisqueteras + 1

    strInforme = strInforme & "   Floppies............" & CStr(intDisqueteras) & vbCrLf
    strInforme = strInforme & "   Disks..............." & _
        CStr(lngCaracteres / 4 - intDisqueteras) & vbCrLf

    For intLetra = Asc("A") To Asc("Z")
        strUnidad = Chr$(intLetra) & ":"
        strLinea = ""
        ' Si la llamada falla la letra cuenta como sin unidad, no como la anterior
        lngTipo = DRIVE_NO_ROOT_DIR
        lngTipo = GetDriveType(strUnidad & "\")

        Select Case lngTipo
            Case DRIVE_UNKNOWN
                strLinea = "   Drive " & strUnidad & "...........Unknown   "
            Case DRIVE_REMOVABLE
                strLinea = "   Drive " & strUnidad & "...........Floppy    "
            Case DRIVE_FIXED
                curLibre = 0
                If GetDiskFreeSpaceEx(strUnidad, curLibre, curTotal, curTotalLibre) = 0 Then
                    curLibre = 0
                End If
                ' Currency guarda bytes / 10.000: por 10 son unidades de 1.000 bytes
                strLinea = "   Drive " & strUnidad & "...........Fixed     " & _
                    Format$(curLibre * 10, PATRON_NUMERO) & " KB Free"
            Case DRIVE_REMOTE
                strLinea = "   Drive " & strUnidad & "...........Network   "
            Case DRIVE_CDROM
                strLinea = "   Drive " & strUnidad & "...........CD        "
        End Select

        If Len(strLinea) > 0 Then strInforme = strInforme & strLinea & vbCrLf
    Next intLetra
End Sub

'=======================================================================================
' Registro
'=======================================================================================

' Lee un valor: texto (REG_SZ), matriz de bytes (REG_BINARY) o Long (REG_DWORD).
' Vacío (Empty) si la clave o el valor no existen o son de otro tipo.
Public Function RegistryGetKeyValue(ByVal lngRaiz As Long, ByVal strClave As String, _
    ByVal strNombre As String) As Variant

    Dim hClave As Long
    Dim lngResultado As Long
    Dim lngTipo As Long
    Dim lngTamano As Long
    Dim strDatos As String
    Dim abytDatos() As Byte
    Dim lngDatos As Long
    Dim blnAbierta As Boolean

    On Error GoTo ErrRegistryGetKeyValue

    RegistryGetKeyValue = Empty

    lngResultado = RegOpenKeyEx(lngRaiz, strClave, 0&, KEY_QUERY_VALUE, hClave)
    If lngResultado <> ERROR_SUCCESS Then Exit Function
    blnAbierta = True

    lngResultado = RegQueryValueEx(hClave, strNombre, 0&, lngTipo, ByVal 0&, lngTamano)
    If lngResultado = ERROR_SUCCESS Then
        Select Case lngTipo
            Case REG_SZ
                If lngTamano > 0 Then
                    strDatos = String$(lngTamano, vbNullChar)
                    lngResultado = RegQueryValueEx(hClave, strNombre, 0&, lngTipo, _
                        ByVal strDatos, lngTamano)
                    If lngResultado = ERROR_SUCCESS Then RegistryGetKeyValue = HastaNulo(strDatos)
                Else
                    RegistryGetKeyValue = ""
                End If

            Case REG_BINARY
                If lngTamano > 0 Then
                    ' Un elemento más que los datos; el último queda a 0
                    ReDim abytDatos(0 To lngTamano)
                    lngResultado = RegQueryValueEx(hClave, strNombre, 0&, lngTipo, _
                        abytDatos(0), lngTamano)
                    If lngResultado = ERROR_SUCCESS Then RegistryGetKeyValue = abytDatos
                Else
                    ' Matriz sin elementos
                    abytDatos = ""
                    RegistryGetKeyValue = abytDatos
                End If

            Case REG_DWORD
                lngTamano = 4
                lngResultado = RegQueryValueEx(hClave, strNombre, 0&, lngTipo, lngDatos, lngTamano)
                If lngResultado = ERROR_SUCCESS Then RegistryGetKeyValue = lngDatos
        End Select
    End If

    If blnAbierta Then RegCloseKey hClave
    Exit Function

ErrRegistryGetKeyValue:
    MsgBox "Error: " & Err.Number & ". " & Err.Description, vbOKOnly, "RegistryGetKeyValue"
    Resume Next
End Function

' Escribe un valor creando la clave si falta. Con un tipo que no es 1, 3 ni 4 solo se crea
' la clave.
Public Sub RegistrySetKeyValue(ByVal lngRaiz As Long, ByVal strClave As String, _
    ByVal strNombre As String, ByVal vntValor As Variant, ByVal lngTipo As Long)

    Dim hClave As Long
    Dim lngDisposicion As Long
    Dim lngResultado As Long
    Dim strDatos As String
    Dim abytDatos() As Byte
    Dim lngDatos As Long

    On Error GoTo ErrRegistrySetKeyValue

    lngResultado = RegCreateKeyEx(lngRaiz, strClave, 0&, vbNullString, _
        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, 0&, hClave, lngDisposicion)
    ' Sin clave abierta (p. ej. sin permiso sobre HKEY_LOCAL_MACHINE) no hay nada que escribir
    If lngResultado <> ERROR_SUCCESS Then Exit Sub

    Select Case lngTipo
        Case REG_SZ
            strDatos = CStr(vntValor) & vbNullChar
            RegSetValueEx hClave, strNombre, 0&, REG_SZ, ByVal strDatos, Len(strDatos)

        Case REG_BINARY
            abytDatos = vntValor
            If UBound(abytDatos) >= 0 Then
                RegSetValueEx hClave, strNombre, 0&, REG_BINARY, abytDatos(0), _
                    UBound(abytDatos) + 1
            Else
                RegSetValueEx hClave, strNombre, 0&, REG_BINARY, ByVal 0&, 0&
            End If

        Case REG_DWORD
            lngDatos = CLng(vntValor)
            RegSetValueEx hClave, strNombre, 0&, REG_DWORD, lngDatos, 4&
    End Select

    RegCloseKey hClave
    Exit Sub

ErrRegistrySetKeyValue:
    MsgBox "Error: " & Err.Number & ". " & Err.Description, vbOKOnly, "RegistrySetKeyValue"
    Resume Next
End Sub
