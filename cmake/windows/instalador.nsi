; The installer of the add-in for Visual Basic 6: for the user who runs it, without
; administrator rights. It puts the 32-bit Lintrap.dll (VB6 is a 32-bit program), its help file
; and the runtime sources an insertion adds to projects (ClsErrores\) in the user's own programs
; folder, and registers the add-in for VB6 through the DLL's own DllRegisterServer, which writes
; only under HKEY_CURRENT_USER. The uninstaller unregisters it the same way and removes exactly
; what was installed.
;
;   makensis -DVERSION=0.1.0 -DDLL=Lintrap.dll -DCHM=Lintrap.chm -DFUENTES=ClsErrores
;            -DSALIDA=lintrap-0.1.0-instalador.exe instalador.nsi

Unicode true
!include "MUI2.nsh"

Name "Lintrap ${VERSION}"
OutFile "${SALIDA}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Lintrap"
InstallDirRegKey HKCU "Software\Lintrap" "Carpeta"
SetCompressor /SOLID lzma

!define DESINSTALAR "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lintrap"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

Section "Lintrap"
    SetOutPath "$INSTDIR"
    File "/oname=Lintrap.dll" "${DLL}"
    File "/oname=Lintrap.chm" "${CHM}"
    SetOutPath "$INSTDIR\ClsErrores"
    File "${FUENTES}\clsErrores.cls"
    File "${FUENTES}\InfoSistema.bas"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Desinstalar.exe"

    ; A DLL that cannot register leaves nothing behind: VB6 would list an add-in it cannot load.
    ClearErrors
    RegDLL "$INSTDIR\Lintrap.dll"
    IfErrors 0 registrado
        MessageBox MB_ICONSTOP "No se pudo registrar el complemento $INSTDIR\Lintrap.dll."
        Call QuitaArchivos
        Abort "No se pudo registrar el complemento."
    registrado:

    WriteRegStr HKCU "Software\Lintrap" "Carpeta" "$INSTDIR"
    WriteRegStr HKCU "${DESINSTALAR}" "DisplayName" "Lintrap ${VERSION}"
    WriteRegStr HKCU "${DESINSTALAR}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${DESINSTALAR}" "Publisher" "Quovant"
    WriteRegStr HKCU "${DESINSTALAR}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${DESINSTALAR}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
    WriteRegDWORD HKCU "${DESINSTALAR}" "NoModify" 1
    WriteRegDWORD HKCU "${DESINSTALAR}" "NoRepair" 1
SectionEnd

; Only the files this installer put there: a folder the user chose may hold other things.
!macro QUITA_ARCHIVOS
    Delete "$INSTDIR\ClsErrores\clsErrores.cls"
    Delete "$INSTDIR\ClsErrores\InfoSistema.bas"
    RMDir "$INSTDIR\ClsErrores"
    Delete "$INSTDIR\Lintrap.chm"
    Delete "$INSTDIR\Lintrap.dll"
    Delete "$INSTDIR\Desinstalar.exe"
    RMDir "$INSTDIR"
!macroend

Function QuitaArchivos
    !insertmacro QUITA_ARCHIVOS
FunctionEnd

Section "Uninstall"
    ; VB6 keeps a loaded add-in's DLL open: the files go once VB6 is closed.
    UnRegDLL "$INSTDIR\Lintrap.dll"
    !insertmacro QUITA_ARCHIVOS
    DeleteRegKey HKCU "${DESINSTALAR}"
    DeleteRegValue HKCU "Software\Lintrap" "Carpeta"
    DeleteRegKey /ifempty HKCU "Software\Lintrap"
SectionEnd
