#include "base/plataforma/Estado.h"

#include "base/plataforma/win32/EstadoWin32.h"
#include "base/plataforma/win32/Win32.h"

#include <cerrno>

namespace plataforma {

namespace {

std::int64_t Entero(FILETIME t) {
    return std::int64_t((std::uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

int Abre(const std::filesystem::path& ruta, DWORD banderas, Estado& estado) {
    // Only the attributes are asked for: whoever holds the file, it can be described.
    HANDLE asa = ::CreateFileW(ruta.c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | banderas, nullptr);
    if (asa == INVALID_HANDLE_VALUE) {
        return win32::UltimoErrno();
    }
    const int error = EstadoDeAsa(asa, estado);
    ::CloseHandle(asa);
    return error;
}

} // namespace

int EstadoDeAsa(HANDLE asa, Estado& estado) {
    Estado e;
    const DWORD tipo = ::GetFileType(asa);
    if (tipo == FILE_TYPE_PIPE || tipo == FILE_TYPE_CHAR) {
        e.tipo = tipo == FILE_TYPE_PIPE ? Tipo::Tuberia : Tipo::Dispositivo;
        e.permisos = 0666;
        estado = e;
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO basica{};
    if (!::GetFileInformationByHandle(asa, &info) ||
        !::GetFileInformationByHandleEx(asa, FileBasicInfo, &basica, sizeof basica)) {
        return win32::UltimoErrno();
    }
    const DWORD atributos = info.dwFileAttributes;
    e.tipo = (atributos & FILE_ATTRIBUTE_REPARSE_POINT) ? Tipo::Enlace
             : (atributos & FILE_ATTRIBUTE_DIRECTORY)   ? Tipo::Carpeta
                                                        : Tipo::Archivo;
    e.tamano = (std::uintmax_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    e.modificacionNs = win32::NsDesde1970(Entero(info.ftLastWriteTime));
    e.cambioNs = win32::NsDesde1970(basica.ChangeTime.QuadPart);
    e.dispositivo = info.dwVolumeSerialNumber;
    e.nodo = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    // The read-only attribute is the only permission a Windows file carries by itself.
    const bool soloLectura = (atributos & FILE_ATTRIBUTE_READONLY) != 0;
    e.permisos = (e.tipo == Tipo::Carpeta ? 0755 : 0644) & (soloLectura ? 0555 : 0777);
    estado = e;
    return 0;
}

int LeeEstado(const std::filesystem::path& ruta, Estado& estado) {
    return Abre(ruta, 0, estado);
}

int LeeEstadoEnlace(const std::filesystem::path& ruta, Estado& estado) {
    return Abre(ruta, FILE_FLAG_OPEN_REPARSE_POINT, estado);
}

std::int64_t RelojDeArchivosNs() {
    // File times are taken from the system time, not its precise variant.
    FILETIME ahora{};
    ::GetSystemTimeAsFileTime(&ahora);
    return win32::NsDesde1970(Entero(ahora));
}

bool PuedeEscribir(const std::filesystem::path& archivo) {
    const DWORD atributos = ::GetFileAttributesW(archivo.c_str());
    if (atributos == INVALID_FILE_ATTRIBUTES || (atributos & FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    // The access rights decide the rest: ask for writing without taking the file from anyone.
    HANDLE asa = ::CreateFileW(archivo.c_str(), FILE_WRITE_DATA,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (asa == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_SHARING_VIOLATION; // writable once the other lets go
    }
    ::CloseHandle(asa);
    return true;
}

} // namespace plataforma
