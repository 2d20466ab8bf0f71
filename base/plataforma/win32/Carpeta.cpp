#include "base/plataforma/Carpeta.h"

#include <windows.h>

#include <cerrno>

namespace plataforma {

bool PuedeEscribirEnCarpeta(const std::filesystem::path& carpeta) {
    // The right to add files, asked of the folder itself (its read-only attribute means
    // nothing to Windows).
    HANDLE asa = ::CreateFileW(carpeta.empty() ? L"." : carpeta.c_str(), FILE_ADD_FILE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (asa == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(asa);
    return true;
}

std::size_t NombreMasLargo(const std::filesystem::path& carpeta) {
    std::wstring raiz(MAX_PATH + 1, L'\0');
    DWORD largo = 0;
    const std::filesystem::path donde = carpeta.empty() ? std::filesystem::path(L".") : carpeta;
    if (::GetVolumePathNameW(donde.c_str(), raiz.data(), DWORD(raiz.size())) &&
        ::GetVolumeInformationW(raiz.c_str(), nullptr, 0, nullptr, &largo, nullptr, nullptr, 0) &&
        largo > 0) {
        return largo;
    }
    return 255;
}

std::filesystem::path NombreEnCarpeta(const std::filesystem::path& ruta) {
    WIN32_FIND_DATAW datos{};
    HANDLE busca = ::FindFirstFileW(ruta.c_str(), &datos);
    if (busca == INVALID_HANDLE_VALUE) {
        return ruta.filename();
    }
    ::FindClose(busca);
    return std::filesystem::path(datos.cFileName);
}

int VaciaCarpeta(const std::filesystem::path&) {
    // Windows keeps no folder to flush: renames made with MOVEFILE_WRITE_THROUGH are on the
    // disk when they return.
    return EINVAL;
}

std::optional<std::filesystem::path> RaizWindows(std::string_view raiz,
                                                 const std::filesystem::path& carpeta) {
    if (raiz.empty()) {
        return carpeta.root_path();
    }
    // "C:" alone would be that drive's current folder: its root is "C:\".
    return std::filesystem::path(std::u8string(raiz.begin(), raiz.end())) / L"\\";
}

} // namespace plataforma
