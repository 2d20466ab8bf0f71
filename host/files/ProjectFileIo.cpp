#include "host/files/ProjectFileIo.h"

#include "base/PorHilo.h"
#include "base/plataforma/Archivo.h"
#include "base/plataforma/Carpeta.h"
#include "base/plataforma/Estado.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <functional>
#include <new>
#include <system_error>
#include <xxhash.h>

namespace files {

namespace {

// The folder a file would be created in, or its nearest ancestor that exists.
std::filesystem::path ExistingFolder(std::filesystem::path folder) {
    std::error_code ec;
    while (!folder.empty() && !std::filesystem::exists(folder, ec) &&
           folder != folder.root_path()) {
        folder = folder.parent_path();
    }
    return folder;
}

} // namespace

namespace {

// Refuses what is not a regular file, saying what it is.
void CheckRegular(const plataforma::Estado& st, const std::filesystem::path& path) {
    if (st.tipo != plataforma::Tipo::Archivo) {
        throw ErrorVB(vberr::PathFileAccessError, path.string(),
                      "No se puede leer '" + path.string() + "': " + WhatItIs(st.tipo) +
                          ", no un archivo");
    }
}

std::string Megabytes(std::uintmax_t bytes) {
    return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB";
}

ErrorVB TooLarge(const std::filesystem::path& path, std::uintmax_t size, std::uintmax_t largest) {
    return ErrorVB(vberr::InvalidFileFormat, path.string(),
                   "No se puede leer '" + path.string() + "': tiene " + Megabytes(size) +
                       ", más de los " + Megabytes(largest) +
                       " que puede tener un archivo de proyecto o de código");
}

// Reads the file, or its first `limit` bytes; `st` describes the file as it was opened.
std::string ReadUpTo(const std::filesystem::path& path, std::size_t limit, std::uintmax_t largest,
                     plataforma::Estado& st) {
    // Looked at before it is opened, so that opening has no effect on what is not a file, and
    // once opened (without waiting, should it have become a FIFO meanwhile).
    int err = plataforma::LeeEstado(path, st);
    if (err != 0) {
        throw SystemError(err, path, "leer");
    }
    CheckRegular(st, path);
    plataforma::Archivo file = plataforma::Archivo::Lectura(path, err);
    if (err != 0) {
        throw SystemError(err, path, "leer");
    }
    err = file.LeeEstado(st);
    if (err != 0) {
        throw SystemError(err, path, "leer");
    }
    CheckRegular(st, path);
    if (st.tamano > largest) {
        throw TooLarge(path, st.tamano, largest);
    }
    // A file that grows while it is read is read only one byte past the largest it may be.
    if (largest < limit) {
        limit = std::size_t(largest) + 1;
    }
    std::string bytes;
    try {
        // One byte more than the file holds, so that the read that finds its end has room and
        // the string is not grown (and the whole file copied) just to learn there is no more.
        bytes.resize(std::min(std::size_t(st.tamano) + 1, limit));
        std::size_t done = 0;
        for (;;) {
            if (done == bytes.size()) {
                if (done == limit) {
                    break;
                }
                bytes.resize(std::min(bytes.size() + 4096, limit)); // the file has grown
            }
            std::size_t got = 0;
            err = file.Lee(bytes.data() + done, bytes.size() - done, got);
            if (err != 0) {
                throw SystemError(err, path, "leer");
            }
            if (got == 0) {
                break;
            }
            done += got;
        }
        bytes.resize(done);
    } catch (const std::bad_alloc&) {
        throw ErrorVB(vberr::OutOfMemory, path.string(),
                      "No hay memoria suficiente para leer '" + path.string() + "' (" +
                          Megabytes(st.tamano) + ")");
    }
    if (bytes.size() > largest) {
        throw TooLarge(path, bytes.size(), largest);
    }
    return bytes;
}

} // namespace

std::string ReadWhole(const std::filesystem::path& path, std::uintmax_t largest) {
    plataforma::Estado st;
    return ReadUpTo(path, SIZE_MAX, largest, st);
}

std::string ReadWhole(const std::filesystem::path& path, FileStamp& seen, std::uintmax_t largest) {
    // The clock is read before the file is opened: a change made after that is stamped no
    // earlier than it. It runs in ticks, and some file systems keep coarser times (whole
    // seconds, or hundredths): a change time within a margin of it might come again.
    constexpr std::int64_t kMargin = 20'000'000;
    const std::int64_t now = plataforma::RelojDeArchivosNs();
    plataforma::Estado st;
    std::string bytes = ReadUpTo(path, SIZE_MAX, largest, st);
    seen = FileStamp::Of({}, bytes);
    seen.mtimeNs = st.modificacionNs;
    seen.ctimeNs = st.cambioNs;
    seen.device = st.dispositivo;
    seen.inode = st.nodo;
    seen.settled = st.tamano == bytes.size() &&
                   seen.ctimeNs % 10'000'000 != 0 && // not a coarse file system's time
                   seen.ctimeNs + kMargin < now;
    return bytes;
}

std::string ReadHead(const std::filesystem::path& path, std::size_t limit, FileStamp& seen,
                     std::uintmax_t largest) {
    plataforma::Estado st;
    std::string bytes = ReadUpTo(path, limit, largest, st);
    seen.size = st.tamano;
    seen.mtimeNs = st.modificacionNs;
    return bytes;
}

// Every module's bytes are hashed when read and when written: a hash that runs at memory speed.
std::uint64_t FileStamp::HashOf(std::string_view bytes) {
    return XXH3_64bits(bytes.data(), bytes.size());
}

FileStamp FileStamp::Of(const std::filesystem::path& path, std::string_view bytes) {
    FileStamp stamp;
    stamp.size = bytes.size();
    stamp.hash = HashOf(bytes);
    if (!path.empty()) {
        stamp.Refresh(path);
    }
    return stamp;
}

void FileStamp::Refresh(const std::filesystem::path& path) {
    settled = false; // the time taken after the bytes: they alone can tell
    plataforma::Estado st;
    if (plataforma::LeeEstado(path, st) == 0) {
        mtimeNs = st.modificacionNs;
    }
}

namespace {

// The hash of the file's bytes, read a block at a time; nothing when it cannot be read.
std::optional<std::uint64_t> HashOfFile(const std::filesystem::path& path) {
    int opened = 0;
    plataforma::Archivo file = plataforma::Archivo::Lectura(path, opened);
    if (opened != 0) {
        return std::nullopt;
    }
    plataforma::Estado st;
    if (file.LeeEstado(st) != 0 || st.tipo != plataforma::Tipo::Archivo) {
        return std::nullopt;
    }
    XXH3_state_t* state = XXH3_createState();
    XXH3_64bits_reset(state);
    struct Marca;
    std::string& block = porhilo::Objeto<Marca, std::string>(std::size_t{1} << 18, '\0');
    bool ok = true;
    for (;;) {
        std::size_t got = 0;
        const int err = file.Lee(block.data(), block.size(), got);
        if (err != 0 || got == 0) {
            ok = err == 0;
            break;
        }
        XXH3_64bits_update(state, block.data(), got);
    }
    file.Cierra();
    const std::uint64_t hash = XXH3_64bits_digest(state);
    XXH3_freeState(state);
    return ok ? std::optional(hash) : std::nullopt;
}

} // namespace

bool FileStamp::ChangedOnDisk(const std::filesystem::path& path, bool everyByte) const {
    plataforma::Estado st;
    if (plataforma::LeeEstado(path, st) != 0) {
        return true;
    }
    if (st.tamano != size) {
        return true;
    }
    if (st.modificacionNs == mtimeNs && !everyByte) {
        return false;
    }
    if (settled && st.modificacionNs == mtimeNs && st.cambioNs == ctimeNs &&
        st.dispositivo == device && st.nodo == inode) {
        return false;
    }
    // Touched but maybe not edited: only the content decides.
    return HashOfFile(path) != hash;
}

std::string WhatItIs(plataforma::Tipo tipo) {
    using plataforma::Tipo;
    return tipo == Tipo::Carpeta       ? "es una carpeta"
           : tipo == Tipo::Tuberia     ? "es una tubería (FIFO)"
           : tipo == Tipo::Dispositivo ? "es un dispositivo"
           : tipo == Tipo::Socket      ? "es un socket"
           : tipo == Tipo::Enlace      ? "es un enlace simbólico"
                                       : "es de un tipo especial";
}

ErrorVB SystemError(int err, const std::filesystem::path& path, std::string_view action) {
    long number = vberr::PathFileAccessError;
    std::string reason;
    switch (err) {
    case ENOENT:
        number = action == "leer" ? vberr::FileNotFound : vberr::PathNotFound;
        reason = action == "leer" ? "no existe el archivo" : "no existe la carpeta";
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        number = vberr::PermissionDenied;
        reason = "permiso denegado";
        break;
    case ENOSPC:
#ifdef EDQUOT // no disk quotas on Windows
    case EDQUOT:
#endif
        number = vberr::DiskFull;
        reason = "disco lleno";
        break;
    case EISDIR:
        reason = "es una carpeta, no un archivo";
        break;
    case ENOTDIR:
        reason = "una parte de la ruta no es una carpeta";
        break;
    case ENAMETOOLONG:
        reason = "el nombre es más largo de lo que admite el sistema";
        break;
    case ELOOP:
        reason = "la ruta pasa por demasiados enlaces simbólicos";
        break;
    case EMFILE:
    case ENFILE:
        reason = "hay demasiados archivos abiertos";
        break;
    case EIO:
        reason = "error de entrada/salida del disco";
        break;
    default:
        reason = std::strerror(err);
    }
    return ErrorVB(number, path.string(),
                   "No se puede " + std::string(action) + " '" + path.string() + "': " + reason);
}

ErrorVB LineError(long number, const std::filesystem::path& path, long line,
                  std::string_view what) {
    return ErrorVB(number, path.string(),
                   path.string() + ", línea " + std::to_string(line) + ": " + std::string(what));
}

void CheckWritable(const std::filesystem::path& target, const std::optional<FileStamp>& stamp,
                   bool overwrite, bool everyByte) {
    plataforma::Estado st;
    bool exists = plataforma::LeeEstado(target, st) == 0;
    if (!overwrite) {
        if (stamp && stamp->ChangedOnDisk(target, everyByte)) {
            throw ErrorVB(vberr::FileAlreadyExists, target.string(),
                          "El archivo '" + target.string() +
                              "' ha cambiado en el disco desde que se abrió; no se guarda nada");
        }
        if (!stamp && exists) {
            throw ErrorVB(vberr::FileAlreadyExists, target.string(),
                          "Ya existe el archivo '" + target.string() + "'; no se guarda nada");
        }
    }
    // The read-only flag of files from Windows is honoured even where the system would let us
    // replace the file (renaming over it, or running as root).
    if (exists && (st.SoloLectura() || !plataforma::PuedeEscribir(target))) {
        throw ErrorVB(vberr::PermissionDenied, target.string(),
                      "No se puede escribir '" + target.string() +
                          "': el archivo es de solo lectura; no se guarda nada");
    }
    auto folder = ExistingFolder(target.parent_path());
    plataforma::Estado dir;
    if (plataforma::LeeEstado(folder, dir) == 0 && dir.tipo != plataforma::Tipo::Carpeta) {
        throw ErrorVB(vberr::PathFileAccessError, target.string(),
                      "No se puede escribir '" + target.string() + "': '" + folder.string() +
                          "' es un archivo, no una carpeta; no se guarda nada");
    }
    if (plataforma::LeeEstado(folder, dir) != 0 || dir.tipo != plataforma::Tipo::Carpeta ||
        dir.SoloLectura() || !plataforma::PuedeEscribirEnCarpeta(folder)) {
        throw ErrorVB(vberr::PermissionDenied, target.string(),
                      "No se puede escribir '" + target.string() + "': la carpeta '" +
                          folder.string() + "' es de solo lectura; no se guarda nada");
    }
}

} // namespace files
