#include "base/plataforma/Biblioteca.h"

#include "base/plataforma/win32/Win32.h"

namespace plataforma {

std::optional<Biblioteca> Biblioteca::Carga(const std::string& nombre, std::string& error) {
    HMODULE asa = ::LoadLibraryW(win32::Utf16(nombre).c_str());
    if (asa == nullptr) {
        error = nombre + ": " + win32::TextoDeError(::GetLastError());
        return std::nullopt;
    }
    return Biblioteca(reinterpret_cast<void*>(asa));
}

void* Biblioteca::Busca(const char* simbolo) const {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(asa_), simbolo));
}

std::filesystem::path ArchivoQueContiene(const void* direccion) {
    HMODULE modulo = nullptr;
    if (!::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                  GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<LPCWSTR>(direccion), &modulo)) {
        return {};
    }
    std::wstring ruta(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(modulo, ruta.data(), DWORD(ruta.size()));
        if (n == 0) {
            return {};
        }
        if (n < ruta.size()) {
            ruta.resize(n);
            return ruta;
        }
        ruta.resize(ruta.size() * 2);
    }
}

} // namespace plataforma
