#include "host/files/ProjectLock.h"

#include "host/files/NameBeside.h"
#include "host/files/ProjectFileIo.h"

#include "base/plataforma/Proceso.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <thread>

namespace files {

namespace {

// Guards Held() and `removed`. Taken while a lock file is opened (perhaps created) and until it
// is recorded, so that an interruption never finds a lock file of ours that it cannot see.
std::mutex heldLock;
bool removed = false; // RemoveHeld ran: the process is ending and takes no lock any more
std::set<std::filesystem::path>& Held() {
    static auto* held = new std::set<std::filesystem::path>; // never destroyed: see RemoveHeld
    return *held;
}

// The process that holds the lock, as it wrote itself into the file; empty when unknown.
std::string Holder(const plataforma::Archivo& file) {
    char text[32] = {};
    std::string pid(text, file.LeeDelPrincipio(text, sizeof text - 1));
    while (!pid.empty() && (pid.back() == '\n' || pid.back() == ' ')) {
        pid.pop_back();
    }
    return pid.find_first_not_of("0123456789") == std::string::npos ? pid : std::string();
}

// A lock file that is something else is the user's, never followed nor removed.
ErrorVB NotALock(const std::filesystem::path& lock, const std::filesystem::path& projectFile,
                 const std::string& what) {
    return ErrorVB(vberr::PathFileAccessError, lock.string(),
                   "No se puede tomar el cerrojo '" + lock.string() + "' del proyecto '" +
                       projectFile.string() + "': " + what +
                       ", no un cerrojo de Lintrap; quítelo y vuelva a intentarlo");
}

} // namespace

std::filesystem::path ProjectLock::NameFor(const std::filesystem::path& projectFile) {
    return NameBeside(projectFile, ".lintrap-lock");
}

ProjectLock::ProjectLock(const std::filesystem::path& projectFile, std::chrono::milliseconds wait,
                         bool shared)
    : path_(NameFor(projectFile)) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        std::unique_lock guard(heldLock);
        if (removed) {
            throw ErrorVB(vberr::InvalidProcedureCall, projectFile.string(), "interrumpido");
        }
        int err = 0;
        plataforma::Archivo file = plataforma::Archivo::Cerrojo(path_, err);
        if (err != 0) {
            if (err == EACCES || err == EPERM || err == EROFS || err == ENOENT) {
                return; // nobody can save here: there is nothing to guard
            }
            if (err == ELOOP || err == EISDIR) {
                throw NotALock(path_, projectFile,
                               err == ELOOP ? "es un enlace simbólico (no se sigue)"
                                            : "es una carpeta");
            }
            throw SystemError(err, path_, "escribir");
        }
        plataforma::Estado st;
        if (file.LeeEstado(st) == 0 && st.tipo != plataforma::Tipo::Archivo) {
            throw NotALock(path_, projectFile, "no es un archivo normal");
        }
        err = file.Bloquea(shared, false);
        if (err == 0) {
            // The lock is held by whoever locked the file now at `path_`: a holder removes the
            // file before letting go, so a lock won on a file that is no longer there is no lock
            // at all.
            if (file.EsElDe(path_)) {
                file_ = std::move(file);
                Held().insert(path_);
                guard.unlock();
                const std::string pid = std::to_string(plataforma::IdProceso()) + "\n";
                if (!shared && file_.SustituyeContenido(pid) != 0) {
                }
                return;
            }
            continue; // its holder removed it meanwhile: try the new one
        }
        if (err != EWOULDBLOCK && err != EINTR) {
            throw SystemError(err, path_, "escribir");
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            const std::string holder = Holder(file);
            throw ProjectInUse(vberr::PermissionDenied, projectFile.string(),
                               "El proyecto '" + projectFile.string() +
                                   "' está en uso por otra ejecución" +
                                   (holder.empty() ? "" : " (proceso " + holder + ")") +
                                   "; no se ha cambiado nada");
        }
        file.Cierra();
        guard.unlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

ProjectLock::~ProjectLock() {
    if (file_.Abierto()) {
        std::lock_guard guard(heldLock);
        Held().erase(path_);
        // Removed only when nobody else holds it: another reader may.
        if (file_.Bloquea(false, false) == 0) {
            plataforma::Borra(path_);
        }
        file_.Cierra();
    }
}

void ProjectLock::RemoveHeld() noexcept {
    std::lock_guard guard(heldLock);
    removed = true;
    for (const auto& path : Held()) {
        plataforma::Borra(path);
    }
}

} // namespace files
