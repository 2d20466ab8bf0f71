#include "base/plataforma/Sistema.h"

#include "base/plataforma/win32/Win32.h"

namespace plataforma {

std::string NombreOrdenador() {
    wchar_t nombre[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD n = MAX_COMPUTERNAME_LENGTH + 1;
    if (!::GetComputerNameW(nombre, &n)) {
        return {};
    }
    return win32::Utf8(std::wstring_view(nombre, n));
}

long Procesadores() {
    const DWORD n = ::GetActiveProcessorCount(ALL_PROCESSOR_GROUPS);
    return long(n);
}

std::optional<std::uint64_t> LimiteEspacioDirecciones() {
    // Windows sets no such limit on a process by itself.
    return std::nullopt;
}

std::optional<std::uint64_t> EspacioLibre(const std::filesystem::path& carpeta) {
    ULARGE_INTEGER libre{};
    if (!::GetDiskFreeSpaceExW(carpeta.c_str(), &libre, nullptr, nullptr)) {
        return std::nullopt;
    }
    return std::uint64_t(libre.QuadPart);
}

} // namespace plataforma
