#include "base/plataforma/Proceso.h"

#include <windows.h>

#include <tlhelp32.h>

namespace plataforma {

namespace {

std::filesystem::path RutaDe(HANDLE proceso) {
    std::wstring ruta(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = DWORD(ruta.size());
        if (::QueryFullProcessImageNameW(proceso, 0, ruta.data(), &n)) {
            ruta.resize(n);
            return ruta;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || ruta.size() > 32768) {
            return {};
        }
        ruta.resize(ruta.size() * 2);
    }
}

} // namespace

long IdProceso() {
    return long(::GetCurrentProcessId());
}

std::filesystem::path Ejecutable() {
    return RutaDe(::GetCurrentProcess());
}

bool OtraInstancia() {
    const auto propio = Ejecutable();
    if (propio.empty()) {
        return false;
    }
    HANDLE foto = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (foto == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool otra = false;
    PROCESSENTRY32W entrada{};
    entrada.dwSize = sizeof entrada;
    for (BOOL hay = ::Process32FirstW(foto, &entrada); hay && !otra;
         hay = ::Process32NextW(foto, &entrada)) {
        if (entrada.th32ProcessID == ::GetCurrentProcessId()) {
            continue;
        }
        HANDLE proceso =
            ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entrada.th32ProcessID);
        if (proceso) {
            otra = RutaDe(proceso) == propio;
            ::CloseHandle(proceso);
        }
    }
    ::CloseHandle(foto);
    return otra;
}

bool ProcesoVivo(long id) {
    if (id == IdProceso()) {
        return true;
    }
    HANDLE proceso = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(id));
    if (proceso == nullptr) {
        return ::GetLastError() == ERROR_ACCESS_DENIED; // another user's, running
    }
    DWORD salida = 0;
    const bool vivo = ::GetExitCodeProcess(proceso, &salida) && salida == STILL_ACTIVE;
    ::CloseHandle(proceso);
    return vivo;
}

void AlBifurcar(void (*)()) {
    // Windows has no fork.
}

} // namespace plataforma
