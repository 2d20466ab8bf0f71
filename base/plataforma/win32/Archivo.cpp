#include "base/plataforma/Archivo.h"

#include "base/plataforma/win32/EstadoWin32.h"
#include "base/plataforma/win32/Win32.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <vector>

namespace plataforma {

namespace {

// Every file is opened sharing everything, so that another may read it meanwhile, and renamed
// over or removed while it is open, as on POSIX.
constexpr DWORD kComparte = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE Asa(std::intptr_t nativo) {
    return reinterpret_cast<HANDLE>(nativo);
}

Archivo Abre(const std::filesystem::path& ruta, DWORD acceso, DWORD creacion, DWORD banderas,
             int& error) {
    HANDLE asa = ::CreateFileW(ruta.c_str(), acceso, kComparte, nullptr, creacion,
                               FILE_ATTRIBUTE_NORMAL | banderas, nullptr);
    if (asa == INVALID_HANDLE_VALUE) {
        error = win32::UltimoErrno();
        // A folder opened as a file is refused as access denied: say what it is.
        const DWORD atributos = ::GetFileAttributesW(ruta.c_str());
        if (error == EACCES && atributos != INVALID_FILE_ATTRIBUTES &&
            (atributos & FILE_ATTRIBUTE_DIRECTORY)) {
            error = EISDIR;
        }
        return Archivo();
    }
    error = 0;
    return Archivo(reinterpret_cast<std::intptr_t>(asa));
}

// The read-only attribute stands for the permission bits.
int PonSoloLectura(HANDLE asa, bool soloLectura) {
    FILE_BASIC_INFO basica{};
    if (!::GetFileInformationByHandleEx(asa, FileBasicInfo, &basica, sizeof basica)) {
        return win32::UltimoErrno();
    }
    const DWORD antes = basica.FileAttributes;
    basica.FileAttributes =
        soloLectura ? antes | FILE_ATTRIBUTE_READONLY : antes & ~DWORD(FILE_ATTRIBUTE_READONLY);
    if (basica.FileAttributes == antes) {
        return 0;
    }
    if (basica.FileAttributes == 0) {
        basica.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    }
    return ::SetFileInformationByHandle(asa, FileBasicInfo, &basica, sizeof basica)
               ? 0
               : win32::UltimoErrno();
}

// Windows 10's deletion with POSIX semantics, named here as the headers name it only for
// programs that need Windows 10: older systems refuse it and the classic deletion follows.
constexpr auto kDisposicionEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21); // FileDispositionInfoEx
struct DisposicionEx {
    ULONG banderas;
};
constexpr ULONG kBorraPosix = 0x1 | 0x2; // FILE_DISPOSITION_FLAG_DELETE | _POSIX_SEMANTICS

constexpr auto kRenombreEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22); // FileRenameInfoEx
constexpr DWORD kRenombraPosix = 0x1 | 0x2; // FILE_RENAME_FLAG_REPLACE_IF_EXISTS | _POSIX_SEMANTICS

bool RenombraPosix(const std::filesystem::path& desde, const std::filesystem::path& hacia) {
    std::error_code ec;
    const std::wstring destino = std::filesystem::absolute(hacia, ec).native();
    if (ec) {
        return false;
    }
    HANDLE asa = ::CreateFileW(desde.c_str(), DELETE | SYNCHRONIZE, kComparte, nullptr,
                               OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (asa == INVALID_HANDLE_VALUE) {
        return false;
    }
    // FILE_RENAME_INFO with its flags in place of ReplaceIfExists, and the name after it.
    const std::size_t cabecera = offsetof(FILE_RENAME_INFO, FileName);
    std::vector<unsigned char> datos(cabecera + (destino.size() + 1) * sizeof(wchar_t), 0);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(datos.data());
    std::memcpy(datos.data(), &kRenombraPosix, sizeof kRenombraPosix);
    info->RootDirectory = nullptr;
    info->FileNameLength = DWORD(destino.size() * sizeof(wchar_t));
    std::memcpy(datos.data() + cabecera, destino.c_str(), destino.size() * sizeof(wchar_t));
    const bool hecho =
        ::SetFileInformationByHandle(asa, kRenombreEx, info, DWORD(datos.size())) != 0;
    if (hecho) {
        ::FlushFileBuffers(asa); // as MOVEFILE_WRITE_THROUGH: the rename is on the disk
    }
    ::CloseHandle(asa);
    return hecho;
}

// Renames the open file to a name of its own in the same folder ("~<name>.<process>-<n>.borrado"),
// freeing its name; nothing when it cannot be.
void ApartaNombre(HANDLE asa, const std::filesystem::path& ruta) {
    static std::atomic<unsigned> contador{0};
    std::error_code ec;
    const std::filesystem::path carpeta = std::filesystem::absolute(ruta, ec).parent_path();
    if (ec) {
        return;
    }
    const std::wstring destino = (carpeta / (L"~" + ruta.filename().native() + L"." +
                                             std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                             std::to_wstring(contador++) + L".borrado"))
                                     .native();
    const std::size_t cabecera = offsetof(FILE_RENAME_INFO, FileName);
    std::vector<unsigned char> datos(cabecera + (destino.size() + 1) * sizeof(wchar_t), 0);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(datos.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = DWORD(destino.size() * sizeof(wchar_t));
    std::memcpy(datos.data() + cabecera, destino.c_str(), destino.size() * sizeof(wchar_t));
    ::SetFileInformationByHandle(asa, FileRenameInfo, info, DWORD(datos.size()));
}

// The lock is taken on one byte far past any content: Windows locks bar reading and writing the
// bytes they cover, and whoever waits for the lock still reads the holder's number in the file.
constexpr DWORD kByteDelCerrojoAlto = 0x40000000;

} // namespace

int Sustituye(const std::filesystem::path& desde, const std::filesystem::path& hacia) {
    // Windows 10's rename with POSIX semantics replaces a file that someone holds open, in one
    // step, as rename(2) does. Elsewhere ReplaceFileW does, keeping the replaced file's
    // attributes; the classic rename, which refuses an open target, is left for a target
    // that does not exist yet.
    // A folder is never replaced by a file, as rename(2) refuses it (ReplaceFileW would not).
    const DWORD atributos = ::GetFileAttributesW(hacia.c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY)) {
        return EISDIR;
    }
    if (RenombraPosix(desde, hacia)) {
        return 0;
    }
    if (::ReplaceFileW(hacia.c_str(), desde.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                       nullptr, nullptr)) {
        return 0;
    }
    const DWORD codigo = ::GetLastError();
    if (codigo != ERROR_FILE_NOT_FOUND && codigo != ERROR_PATH_NOT_FOUND) {
        return win32::ErrnoDe(codigo);
    }
    return ::MoveFileExW(desde.c_str(), hacia.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : win32::UltimoErrno();
}

int Borra(const std::filesystem::path& ruta) {
    // The name goes at once, as unlink's does, even while others hold the file open: a lock
    // file removed by its holder must leave the name free for the next one. Windows 10 does so
    // with POSIX semantics; elsewhere the file is first renamed out of the way, since a file
    // merely marked for deletion keeps its name until its last handle closes.
    HANDLE asa = ::CreateFileW(ruta.c_str(), DELETE, kComparte, nullptr, OPEN_EXISTING,
                               FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (asa == INVALID_HANDLE_VALUE) {
        return win32::UltimoErrno();
    }
    DisposicionEx posix{kBorraPosix};
    bool hecho = ::SetFileInformationByHandle(asa, kDisposicionEx, &posix, sizeof posix);
    if (!hecho) {
        ApartaNombre(asa, ruta);
        FILE_DISPOSITION_INFO clasica{TRUE};
        hecho = ::SetFileInformationByHandle(asa, FileDispositionInfo, &clasica, sizeof clasica);
    }
    const int error = hecho ? 0 : win32::UltimoErrno();
    ::CloseHandle(asa);
    return error;
}

int VaciaRuta(const std::filesystem::path& ruta) {
    // Flushing needs a handle open for writing; a folder's entries are the system's to flush.
    int error = 0;
    Archivo archivo = Abre(ruta, GENERIC_WRITE, OPEN_EXISTING, 0, error);
    if (error == EISDIR) {
        return 0;
    }
    if (error == 0) {
        error = archivo.Vacia();
    }
    return error;
}

Archivo::~Archivo() {
    Cierra();
}

Archivo& Archivo::operator=(Archivo&& otro) noexcept {
    if (this != &otro) {
        Cierra();
        nativo_ = otro.nativo_;
        otro.nativo_ = -1;
    }
    return *this;
}

Archivo Archivo::Lectura(const std::filesystem::path& ruta, int& error) {
    // A folder opens too, as open(2) lets it, so that the caller can tell what it is.
    return Abre(ruta, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, error);
}

Archivo Archivo::LecturaSinEnlace(const std::filesystem::path& ruta, int& error) {
    Archivo archivo = Abre(ruta, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, error);
    Estado estado;
    if (error == 0 && archivo.LeeEstado(estado) == 0 && estado.tipo == Tipo::Enlace) {
        error = ELOOP;
        return Archivo();
    }
    return archivo;
}

Archivo Archivo::Nuevo(const std::filesystem::path& ruta, unsigned permisos, int& error) {
    Archivo archivo = Abre(ruta, GENERIC_WRITE, CREATE_NEW, 0, error);
    if (error == 0 && (permisos & 0222) == 0) {
        PonSoloLectura(Asa(archivo.nativo_), true);
    }
    return archivo;
}

Archivo Archivo::LecturaEscritura(const std::filesystem::path& ruta, unsigned, int& error) {
    return Abre(ruta, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, 0, error);
}

Archivo Archivo::Cerrojo(const std::filesystem::path& ruta, int& error) {
    Archivo archivo =
        Abre(ruta, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, FILE_FLAG_OPEN_REPARSE_POINT, error);
    if (error == EACCES || error == EPERM) {
        archivo = Abre(ruta, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, error);
    }
    Estado estado;
    if (error == 0 && archivo.LeeEstado(estado) == 0 && estado.tipo == Tipo::Enlace) {
        error = ELOOP;
        return Archivo();
    }
    return archivo;
}

Archivo Archivo::Unico(std::filesystem::path& plantilla, int& error) {
    static std::atomic<unsigned> contador{0};
    std::wstring nombre = plantilla.native();
    const std::size_t x = nombre.size() >= 6 ? nombre.size() - 6 : nombre.size();
    for (int intento = 0; intento < 1000; ++intento) {
        // Process, time and a counter: unique among the runs at work now, tried until free.
        std::uint64_t semilla = (std::uint64_t(::GetCurrentProcessId()) << 32) ^
                                ::GetTickCount64() ^ (std::uint64_t(contador++) * 2654435761u);
        static constexpr wchar_t kCifras[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
        for (std::size_t i = x; i < nombre.size(); ++i) {
            nombre[i] = kCifras[semilla % 36];
            semilla /= 36;
        }
        Archivo archivo = Abre(nombre, GENERIC_READ | GENERIC_WRITE, CREATE_NEW, 0, error);
        if (error != EEXIST) {
            plantilla = nombre;
            return archivo;
        }
    }
    return Archivo();
}

int Archivo::LeeEstado(Estado& estado) const {
    return EstadoDeAsa(Asa(nativo_), estado);
}

int Archivo::Lee(char* datos, std::size_t cuanto, std::size_t& leidos) {
    DWORD n = 0;
    const DWORD pide = cuanto > 0x40000000 ? 0x40000000 : DWORD(cuanto);
    if (!::ReadFile(Asa(nativo_), datos, pide, &n, nullptr)) {
        leidos = 0;
        const DWORD codigo = ::GetLastError();
        return codigo == ERROR_BROKEN_PIPE ? 0 : win32::ErrnoDe(codigo); // a pipe's end
    }
    leidos = n;
    return 0;
}

std::size_t Archivo::LeeDelPrincipio(char* datos, std::size_t cuanto) const {
    // Read at offset 0 and put the position back where it was, as pread leaves it.
    LARGE_INTEGER cero{}, donde{};
    if (!::SetFilePointerEx(Asa(nativo_), cero, &donde, FILE_CURRENT)) {
        return 0;
    }
    OVERLAPPED desde{};
    DWORD n = 0;
    const DWORD pide = cuanto > 0x40000000 ? 0x40000000 : DWORD(cuanto);
    const bool leido = ::ReadFile(Asa(nativo_), datos, pide, &n, &desde);
    ::SetFilePointerEx(Asa(nativo_), donde, nullptr, FILE_BEGIN);
    return leido ? n : 0;
}

int Archivo::EscribeTodo(std::string_view bytes) {
    std::size_t hecho = 0;
    while (hecho < bytes.size()) {
        const std::size_t resto = bytes.size() - hecho;
        DWORD n = 0;
        if (!::WriteFile(Asa(nativo_), bytes.data() + hecho,
                         resto > 0x40000000 ? 0x40000000 : DWORD(resto), &n, nullptr)) {
            return win32::UltimoErrno();
        }
        if (n == 0) {
            return EIO;
        }
        hecho += n;
    }
    return 0;
}

int Archivo::SustituyeContenido(std::string_view bytes) {
    LARGE_INTEGER cero{};
    if (!::SetFilePointerEx(Asa(nativo_), cero, nullptr, FILE_BEGIN) ||
        !::SetEndOfFile(Asa(nativo_))) {
        return win32::UltimoErrno();
    }
    return EscribeTodo(bytes);
}

int Archivo::ComoElOriginal(const Estado& original) {
    // Windows files have no owner that a program hands over; the read-only attribute stays.
    return CambiaPermisos(original.permisos);
}

int Archivo::CambiaPermisos(unsigned permisos) {
    return PonSoloLectura(Asa(nativo_), (permisos & 0222) == 0);
}

int Archivo::Vacia() {
    return ::FlushFileBuffers(Asa(nativo_)) ? 0 : win32::UltimoErrno();
}

int Archivo::Bloquea(bool compartido, bool espera) {
    // A lock held already is given up first, as flock converts one: Windows would otherwise
    // count it as another's.
    OVERLAPPED donde{};
    donde.OffsetHigh = kByteDelCerrojoAlto;
    ::UnlockFileEx(Asa(nativo_), 0, 1, 0, &donde);
    const DWORD modo =
        (compartido ? 0 : LOCKFILE_EXCLUSIVE_LOCK) | (espera ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    if (!::LockFileEx(Asa(nativo_), modo, 0, 1, 0, &donde)) {
        return win32::UltimoErrno();
    }
    return 0;
}

bool Archivo::EsElDe(const std::filesystem::path& ruta) const {
    Estado mio, alli;
    return LeeEstado(mio) == 0 && plataforma::LeeEstado(ruta, alli) == 0 &&
           mio.dispositivo == alli.dispositivo && mio.nodo == alli.nodo;
}

int Archivo::Cierra() {
    if (nativo_ < 0) {
        return EBADF;
    }
    HANDLE asa = Asa(nativo_);
    nativo_ = -1;
    return ::CloseHandle(asa) ? 0 : win32::UltimoErrno();
}

} // namespace plataforma
