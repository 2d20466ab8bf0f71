// A mail program for the tests: its MAPISendMail writes what it was given into a file of its own
// in the folder named by LINTRAP_MAPI_ANOTA, as the tests' SMTP server does (texts in UTF-8,
// the call's other fields in "llamada"), and returns the number in LINTRAP_MAPI_RESULTADO. The
// system's environment is read, not the C library's copy, which this DLL has of its own.

#include <windows.h>

#include <mapi.h>
#include <nlohmann/json.hpp>

#include <cstring>
#include <fstream>
#include <string>

namespace {

std::string Variable(const char* nombre) {
    char valor[MAX_PATH] = {};
    const DWORD n = ::GetEnvironmentVariableA(nombre, valor, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(valor, n) : std::string();
}

// A text of the ANSI code page in UTF-8.
std::string Utf8(const char* s) {
    if (!s) {
        return "(null)";
    }
    std::wstring w(std::strlen(s), L'\0');
    w.resize(
        std::size_t(::MultiByteToWideChar(CP_ACP, 0, s, int(w.size()), w.data(), int(w.size()))));
    std::string r(w.size() * 3, '\0');
    r.resize(std::size_t(::WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), r.data(),
                                               int(r.size()), nullptr, nullptr)));
    return r;
}

} // namespace

extern "C" ULONG WINAPI MAPISendMail(LHANDLE sesion, ULONG_PTR ventana, lpMapiMessage m,
                                     FLAGS flags, ULONG reservado) {
    std::string llamada = std::to_string(sesion) + " " + std::to_string(ventana) + " " +
                          std::to_string(flags) + " " + std::to_string(reservado) + " " +
                          Utf8(m->lpszMessageType);
    nlohmann::json para = nlohmann::json::array(), adjuntos = nlohmann::json::array();
    for (ULONG i = 0; i < m->nRecipCount; ++i) {
        const MapiRecipDesc& d = m->lpRecips[i];
        llamada += " " + std::to_string(d.ulRecipClass) + " " + Utf8(d.lpszAddress) + " " +
                   std::to_string(d.ulEIDSize);
        para.push_back(Utf8(d.lpszName));
    }
    for (ULONG i = 0; i < m->nFileCount; ++i) {
        const MapiFileDesc& a = m->lpFiles[i];
        const bool alFinal = m->lpszNoteText && a.nPosition + 1 == std::strlen(m->lpszNoteText);
        llamada += " " + std::to_string(a.flFlags) + (alFinal ? " al final" : " en medio");
        adjuntos.push_back({{"filename", Utf8(a.lpszFileName)}, {"path", Utf8(a.lpszPathName)}});
    }
    static int llamadas = 0;
    std::ofstream(Variable("LINTRAP_MAPI_ANOTA") + "\\" + std::to_string(++llamadas) + ".json")
        << nlohmann::json{{"llamada", llamada},
                          {"subject", Utf8(m->lpszSubject)},
                          {"body", Utf8(m->lpszNoteText)},
                          {"rcpt_tos", para},
                          {"attachments", adjuntos},
                          {"mail_from", ""},
                          {"charset", "utf-8"}}
               .dump();
    return ULONG(std::atoi(Variable("LINTRAP_MAPI_RESULTADO").c_str()));
}
