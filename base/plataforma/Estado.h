#pragma once
// What the system says about a file: its kind, size, times and identity, the stamp a save
// compares with before it replaces the file, and its owner and permissions, which a
// replacement keeps. Errors are errno numbers (<cerrno>: ENOENT, EACCES...) on every system, so
// that the callers' messages stay the same everywhere.

#include <cstdint>
#include <filesystem>

namespace plataforma {

enum class Tipo { Archivo, Carpeta, Tuberia, Dispositivo, Socket, Enlace, Otro };

// A file as the system knows it: enough to tell later whether it has changed (its stamp) and to
// give a replacement the same owner and permissions.
struct Estado {
    Tipo tipo = Tipo::Otro;
    std::uintmax_t tamano = 0;
    std::int64_t modificacionNs = 0; // last write of its bytes
    std::int64_t cambioNs = 0;       // last change of any kind; no program can set it back
    std::uint64_t dispositivo = 0;   // with `nodo`, the file itself, whatever its name
    std::uint64_t nodo = 0;
    unsigned permisos = 0; // the permission bits, as chmod takes them (07777)
    std::uint32_t dueno = 0, grupo = 0;

    // Nobody may write it (the read-only flag of files from Windows).
    bool SoloLectura() const { return (permisos & 0222) == 0; }
};

// The file at `ruta`, its links followed (LeeEstado) or not (LeeEstadoEnlace). 0, or the errno.
int LeeEstado(const std::filesystem::path& ruta, Estado& estado);
int LeeEstadoEnlace(const std::filesystem::path& ruta, Estado& estado);

// The clock the system stamps files with, read now, in nanoseconds: a change made after this call
// is stamped no earlier than it.
std::int64_t RelojDeArchivosNs();

// Whether this process may write the file.
bool PuedeEscribir(const std::filesystem::path& archivo);

} // namespace plataforma
