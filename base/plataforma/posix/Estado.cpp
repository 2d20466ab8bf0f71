#include "base/plataforma/Estado.h"

#include "base/plataforma/posix/EstadoPosix.h"

#include <cerrno>
#include <time.h>
#include <unistd.h>

namespace plataforma {

namespace {

std::int64_t Ns(const struct timespec& t) {
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

Tipo TipoDe(mode_t modo) {
    return S_ISREG(modo)                    ? Tipo::Archivo
           : S_ISDIR(modo)                  ? Tipo::Carpeta
           : S_ISFIFO(modo)                 ? Tipo::Tuberia
           : S_ISCHR(modo) || S_ISBLK(modo) ? Tipo::Dispositivo
           : S_ISSOCK(modo)                 ? Tipo::Socket
           : S_ISLNK(modo)                  ? Tipo::Enlace
                                            : Tipo::Otro;
}

} // namespace

Estado DeStat(const struct stat& st) {
    Estado e;
    e.tipo = TipoDe(st.st_mode);
    e.tamano = std::uintmax_t(st.st_size);
    e.modificacionNs = Ns(st.st_mtim);
    e.cambioNs = Ns(st.st_ctim);
    e.dispositivo = std::uint64_t(st.st_dev);
    e.nodo = std::uint64_t(st.st_ino);
    e.permisos = unsigned(st.st_mode & 07777);
    e.dueno = std::uint32_t(st.st_uid);
    e.grupo = std::uint32_t(st.st_gid);
    return e;
}

int LeeEstado(const std::filesystem::path& ruta, Estado& estado) {
    struct stat st {};
    if (::stat(ruta.c_str(), &st) != 0) {
        return errno;
    }
    estado = DeStat(st);
    return 0;
}

int LeeEstadoEnlace(const std::filesystem::path& ruta, Estado& estado) {
    struct stat st {};
    if (::lstat(ruta.c_str(), &st) != 0) {
        return errno;
    }
    estado = DeStat(st);
    return 0;
}

std::int64_t RelojDeArchivosNs() {
    // The coarse clock is the one file times are taken from.
    struct timespec ahora {};
    ::clock_gettime(CLOCK_REALTIME_COARSE, &ahora);
    return Ns(ahora);
}

bool PuedeEscribir(const std::filesystem::path& archivo) {
    return ::access(archivo.c_str(), W_OK) == 0;
}

} // namespace plataforma
