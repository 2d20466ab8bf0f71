#pragma once
// An open file, and the operations on a file by its name: the one way the rest of the program
// reads, writes, flushes, replaces and locks files. Errors are errno numbers (<cerrno>: ENOENT,
// EACCES, ENOSPC...) on every system, so that the callers' messages stay the same everywhere.

#include "base/plataforma/Estado.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace plataforma {

// Puts `desde` in place of `hacia` in one step: whoever opens `hacia` finds the old file or the
// new one, never a mix nor nothing. 0, or the errno.
int Sustituye(const std::filesystem::path& desde, const std::filesystem::path& hacia);
// Removes a file (not a folder). 0, or the errno.
int Borra(const std::filesystem::path& ruta);
// Waits until the file at `ruta` (or a folder, after renames in it) is on the disk itself.
// 0, or the errno.
int VaciaRuta(const std::filesystem::path& ruta);

// An open file, closed when the object goes. Each way of opening returns a closed one and sets
// `error` when it fails.
class Archivo {
public:
    Archivo() = default;
    // Takes a file already open by its number in the system (tests, inherited files).
    Archivo(std::intptr_t nativo) : nativo_(nativo) {}
    ~Archivo();
    Archivo(Archivo&& otro) noexcept : nativo_(otro.nativo_) { otro.nativo_ = -1; }
    Archivo& operator=(Archivo&& otro) noexcept;
    Archivo(const Archivo&) = delete;
    Archivo& operator=(const Archivo&) = delete;

    // For reading, without waiting should it be a FIFO and never becoming a terminal's.
    static Archivo Lectura(const std::filesystem::path& ruta, int& error);
    // For reading, not through a symbolic link: a file about to be replaced, held open.
    static Archivo LecturaSinEnlace(const std::filesystem::path& ruta, int& error);
    // A new file for writing; EEXIST when there is one by that name.
    static Archivo Nuevo(const std::filesystem::path& ruta, unsigned permisos, int& error);
    // For reading and writing, created when missing.
    static Archivo LecturaEscritura(const std::filesystem::path& ruta, unsigned permisos,
                                    int& error);
    // A lock file: for reading and writing, created when missing, never through a symbolic link
    // (ELOOP) and without waiting; only for reading where it is another's (EACCES, EPERM).
    static Archivo Cerrojo(const std::filesystem::path& ruta, int& error);
    // A new file whose name is `plantilla` with its ending "XXXXXX" made unique; `plantilla`
    // gets the name.
    static Archivo Unico(std::filesystem::path& plantilla, int& error);

    bool Abierto() const { return nativo_ >= 0; }

    int LeeEstado(Estado& estado) const;
    // Reads up to `cuanto` bytes; `leidos` 0 at the end. 0, or the errno.
    int Lee(char* datos, std::size_t cuanto, std::size_t& leidos);
    // Up to `cuanto` bytes from its start, whatever was read before; 0 when it cannot be read.
    std::size_t LeeDelPrincipio(char* datos, std::size_t cuanto) const;
    // Writes every byte. 0, or the errno.
    int EscribeTodo(std::string_view bytes);
    // Its whole content becomes `bytes`. 0, or the errno.
    int SustituyeContenido(std::string_view bytes);
    // The owner of `original` (where the system lets this process give it) and its permissions.
    int ComoElOriginal(const Estado& original);
    int CambiaPermisos(unsigned permisos);
    // Waits until what was written is on the disk itself.
    int Vacia();
    // Locks the whole file, shared with other shared locks or exclusive; `espera`: until it can,
    // otherwise EWOULDBLOCK at once when another holds it. The lock goes with the file.
    int Bloquea(bool compartido, bool espera);
    // True while it is still the file named `ruta` (nobody removed or replaced it meanwhile).
    bool EsElDe(const std::filesystem::path& ruta) const;
    // Closes it. 0, or the errno (a write that could not reach the disk may say so only here).
    int Cierra();

private:
    std::intptr_t nativo_ = -1;
};

} // namespace plataforma
