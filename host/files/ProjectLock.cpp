#include "host/files/ProjectLock.h"

#include "host/files/NameBeside.h"
#include "host/files/ProjectFileIo.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
std::string Holder(int fd) {
    char text[32] = {};
    const ssize_t got = ::pread(fd, text, sizeof text - 1, 0);
    std::string pid(text, got > 0 ? std::size_t(got) : 0);
    while (!pid.empty() && (pid.back() == '\n' || pid.back() == ' ')) {
        pid.pop_back();
    }
    return pid.find_first_not_of("0123456789") == std::string::npos ? pid : std::string();
}

// The lock is held by whoever locked the file now at `path`: a holder removes the file before
// letting go, so a lock won on a file that is no longer there is no lock at all.
bool StillThere(int fd, const std::filesystem::path& path) {
    struct stat mine {
    }, there{};
    return ::fstat(fd, &mine) == 0 && ::stat(path.c_str(), &there) == 0 &&
           mine.st_dev == there.st_dev && mine.st_ino == there.st_ino;
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
        int fd =
            ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
        if (fd < 0 && (errno == EACCES || errno == EPERM)) {
            // another's file
            fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        }
        if (fd < 0) {
            if (errno == EACCES || errno == EPERM || errno == EROFS || errno == ENOENT) {
                return; // nobody can save here: there is nothing to guard
            }
            if (errno == ELOOP || errno == EISDIR) {
                throw NotALock(path_, projectFile,
                               errno == ELOOP ? "es un enlace simbólico (no se sigue)"
                                              : "es una carpeta");
            }
            throw SystemError(errno, path_, "escribir");
        }
        struct stat st {};
        if (::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) {
            ::close(fd);
            throw NotALock(path_, projectFile, "no es un archivo normal");
        }
        if (::flock(fd, (shared ? LOCK_SH : LOCK_EX) | LOCK_NB) == 0) {
            if (StillThere(fd, path_)) {
                fd_ = fd;
                Held().insert(path_);
                guard.unlock();
                const std::string pid = std::to_string(::getpid()) + "\n";
                if (!shared &&
                    (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.data(), pid.size(), 0) < 0)) {
                }
                return;
            }
            ::close(fd); // its holder removed it meanwhile: try the new one
            continue;
        }
        const int err = errno;
        if (err != EWOULDBLOCK && err != EINTR) {
            ::close(fd);
            throw SystemError(err, path_, "escribir");
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            const std::string holder = Holder(fd);
            ::close(fd);
            throw ProjectInUse(vberr::PermissionDenied, projectFile.string(),
                               "El proyecto '" + projectFile.string() +
                                   "' está en uso por otra ejecución" +
                                   (holder.empty() ? "" : " (proceso " + holder + ")") +
                                   "; no se ha cambiado nada");
        }
        ::close(fd);
        guard.unlock();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

ProjectLock::~ProjectLock() {
    if (fd_ >= 0) {
        std::lock_guard guard(heldLock);
        Held().erase(path_);
        // Removed only when nobody else holds it: another reader may.
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(path_.c_str());
        }
        ::close(fd_);
    }
}

void ProjectLock::RemoveHeld() noexcept {
    std::lock_guard guard(heldLock);
    removed = true;
    for (const auto& path : Held()) {
        ::unlink(path.c_str());
    }
}

} // namespace files
