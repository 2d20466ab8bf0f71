#pragma once
// One run at a time on a project: an exclusive lock on a lock file beside the project or
// group file ("P.vbp.lintrap-lock"), held from loading to the end of saving. The command line
// and the desktop host take the same lock, so neither saves over the other's edits.

#include "base/ErrorVB.h"
#include "base/plataforma/Archivo.h"

#include <chrono>
#include <filesystem>

namespace files {

// Another run holds the project's lock: worth waiting for, unlike the other refusals.
struct ProjectInUse : ErrorVB {
    using ErrorVB::ErrorVB;
};

class ProjectLock {
public:
    // Takes the lock of `projectFile`, waiting up to `wait` for another holder to let it go;
    // still held then: ProjectInUse (70) saying so (and by which process). Where no lock file
    // can be made (a read-only folder, where nobody can save either), none is taken. A lock
    // file that is a symbolic link or a folder is never followed nor removed: ErrorVB 75
    // naming it and what it is. `shared`: for a run that only reads the project; readers share the
    // lock with one another, never with a run that saves.
    explicit ProjectLock(const std::filesystem::path& projectFile,
                         std::chrono::milliseconds wait = std::chrono::milliseconds(0),
                         bool shared = false);
    // Removes the lock file (unless another reader still holds it) and lets the lock go.
    ~ProjectLock();
    ProjectLock(const ProjectLock&) = delete;
    ProjectLock& operator=(const ProjectLock&) = delete;

    // For a process about to end at once (an interruption): removes the lock files it holds,
    // which the system then lets go.
    static void RemoveHeld() noexcept;

    // "P.vbp.lintrap-lock" beside "P.vbp"; for a name so long that the system would refuse
    // that one, the start of the name and a hash of all of it ("P…~1f2e3d4c5b6a7980.lintrap-lock").
    static std::filesystem::path NameFor(const std::filesystem::path& projectFile);

private:
    std::filesystem::path path_;
    plataforma::Archivo file_;
};

} // namespace files
