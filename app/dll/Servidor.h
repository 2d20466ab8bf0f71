#pragma once
// The in-process server's own state: its objects and locks alive (DllCanUnloadNow says S_OK
// when both are none), and the file it was loaded from.

#include <windows.h>

#include <string>

namespace dll {

void SumaObjeto();
void RestaObjeto();
void Bloquea(bool bloquear);
bool SinUso();

// The DLL's full path; its folder holds the help file and ClsErrores\.
std::wstring RutaServidor();
std::string CarpetaServidor();

} // namespace dll
