// A mail program for the tests: its MAPISendMail writes what it was given, one field a line, to
// the file named by LINTRAP_MAPI_ANOTA, and returns the number in LINTRAP_MAPI_RESULTADO. The
// system's environment is read, not the C library's copy, which this DLL has of its own.

#include <windows.h>

#include <mapi.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string Variable(const char* nombre) {
    char valor[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableA(nombre, valor, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(valor, n) : std::string();
}

std::string Texto(const char* s) {
    return s ? s : "(null)";
}

} // namespace

extern "C" ULONG WINAPI MAPISendMail(LHANDLE sesion, ULONG_PTR ventana, lpMapiMessage m,
                                     FLAGS flags, ULONG reservado) {
    std::ofstream f(Variable("LINTRAP_MAPI_ANOTA"), std::ios::binary | std::ios::app);
    f << "llamada " << sesion << " " << ventana << " " << flags << " " << reservado << "\n"
      << "asunto " << Texto(m->lpszSubject) << "\n"
      << "tipo " << Texto(m->lpszMessageType) << "\n"
      << "destinatarios " << m->nRecipCount << "\n";
    for (ULONG i = 0; i < m->nRecipCount; ++i) {
        const MapiRecipDesc& d = m->lpRecips[i];
        f << "destinatario " << d.ulRecipClass << " " << Texto(d.lpszName) << " "
          << Texto(d.lpszAddress) << " " << d.ulEIDSize << "\n";
    }
    f << "adjuntos " << m->nFileCount << "\n";
    for (ULONG i = 0; i < m->nFileCount; ++i) {
        const MapiFileDesc& a = m->lpFiles[i];
        f << "adjunto " << a.flFlags << " " << a.nPosition << " " << Texto(a.lpszPathName) << " "
          << Texto(a.lpszFileName) << "\n";
    }
    f << "cuerpo " << Texto(m->lpszNoteText) << "\n";
    return ULONG(std::atoi(Variable("LINTRAP_MAPI_RESULTADO").c_str()));
}
