#include "base/plataforma/Archivo.h"

#include "base/plataforma/posix/EstadoPosix.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace plataforma {

namespace {

Archivo Abre(const std::filesystem::path& ruta, int flags, unsigned permisos, int& error) {
    const int fd = ::open(ruta.c_str(), flags | O_CLOEXEC, permisos);
    error = fd < 0 ? errno : 0;
    return Archivo(fd);
}

} // namespace

int Sustituye(const std::filesystem::path& desde, const std::filesystem::path& hacia) {
    return ::rename(desde.c_str(), hacia.c_str()) == 0 ? 0 : errno;
}

int Borra(const std::filesystem::path& ruta) {
    return ::unlink(ruta.c_str()) == 0 ? 0 : errno;
}

int VaciaRuta(const std::filesystem::path& ruta) {
    int error = 0;
    Archivo archivo = Abre(ruta, O_RDONLY, 0, error);
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
    return Abre(ruta, O_RDONLY | O_NONBLOCK | O_NOCTTY, 0, error);
}

Archivo Archivo::LecturaSinEnlace(const std::filesystem::path& ruta, int& error) {
    return Abre(ruta, O_RDONLY | O_NOFOLLOW, 0, error);
}

Archivo Archivo::Nuevo(const std::filesystem::path& ruta, unsigned permisos, int& error) {
    return Abre(ruta, O_WRONLY | O_CREAT | O_EXCL, permisos, error);
}

Archivo Archivo::LecturaEscritura(const std::filesystem::path& ruta, unsigned permisos,
                                  int& error) {
    return Abre(ruta, O_RDWR | O_CREAT, permisos, error);
}

Archivo Archivo::Cerrojo(const std::filesystem::path& ruta, int& error) {
    Archivo archivo = Abre(ruta, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK, 0644, error);
    if (error == EACCES || error == EPERM) {
        archivo = Abre(ruta, O_RDONLY | O_NOFOLLOW | O_NONBLOCK, 0, error);
    }
    return archivo;
}

Archivo Archivo::Unico(std::filesystem::path& plantilla, int& error) {
    std::string nombre = plantilla.string();
    const int fd = ::mkostemp(nombre.data(), O_CLOEXEC);
    error = fd < 0 ? errno : 0;
    plantilla = nombre;
    return Archivo(fd);
}

int Archivo::LeeEstado(Estado& estado) const {
    struct stat st {};
    if (::fstat(int(nativo_), &st) != 0) {
        return errno;
    }
    estado = DeStat(st);
    return 0;
}

int Archivo::Lee(char* datos, std::size_t cuanto, std::size_t& leidos) {
    for (;;) {
        const ssize_t n = ::read(int(nativo_), datos, cuanto);
        if (n >= 0) {
            leidos = std::size_t(n);
            return 0;
        }
        if (errno != EINTR) {
            leidos = 0;
            return errno;
        }
    }
}

std::size_t Archivo::LeeDelPrincipio(char* datos, std::size_t cuanto) const {
    const ssize_t n = ::pread(int(nativo_), datos, cuanto, 0);
    return n > 0 ? std::size_t(n) : 0;
}

int Archivo::EscribeTodo(std::string_view bytes) {
    std::size_t hecho = 0;
    while (hecho < bytes.size()) {
        const ssize_t n = ::write(int(nativo_), bytes.data() + hecho, bytes.size() - hecho);
        if (n < 0 && errno != EINTR) {
            return errno;
        }
        if (n == 0) {
            return EIO;
        }
        if (n > 0) {
            hecho += std::size_t(n);
        }
    }
    return 0;
}

int Archivo::SustituyeContenido(std::string_view bytes) {
    if (::ftruncate(int(nativo_), 0) != 0 ||
        ::pwrite(int(nativo_), bytes.data(), bytes.size(), 0) < 0) {
        return errno;
    }
    return 0;
}

int Archivo::ComoElOriginal(const Estado& original) {
    // Run as root, the replacement would otherwise belong to root; for anyone else the call
    // fails on another's file, and the file then becomes theirs as any editor's would.
    if (::fchown(int(nativo_), uid_t(original.dueno), gid_t(original.grupo)) != 0) {
    }
    return CambiaPermisos(original.permisos);
}

int Archivo::CambiaPermisos(unsigned permisos) {
    return ::fchmod(int(nativo_), mode_t(permisos & 07777)) == 0 ? 0 : errno;
}

int Archivo::Vacia() {
    return ::fsync(int(nativo_)) == 0 ? 0 : errno;
}

int Archivo::Bloquea(bool compartido, bool espera) {
    const int modo = (compartido ? LOCK_SH : LOCK_EX) | (espera ? 0 : LOCK_NB);
    while (::flock(int(nativo_), modo) != 0) {
        if (errno != EINTR || !espera) {
            return errno;
        }
    }
    return 0;
}

bool Archivo::EsElDe(const std::filesystem::path& ruta) const {
    struct stat mio {
    }, alli{};
    return ::fstat(int(nativo_), &mio) == 0 && ::stat(ruta.c_str(), &alli) == 0 &&
           mio.st_dev == alli.st_dev && mio.st_ino == alli.st_ino;
}

int Archivo::Cierra() {
    if (nativo_ < 0) {
        return EBADF;
    }
    const int fd = int(nativo_);
    nativo_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

} // namespace plataforma
