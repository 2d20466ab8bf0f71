#pragma once
// The temporary files a save writes beside its targets ("Util.bas.lintrap-PID-N.tmp"): how they
// are named, the ones this process has on disk (so that an interruption can take them away
// again), and those a killed process left behind.

#include "base/plataforma/Archivo.h"

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace files {

// A new temporary's name beside `target`.
std::filesystem::path TemporaryName(const std::filesystem::path& target);

// What a temporary's name says: the file it stands in for and the process that wrote it.
struct TemporaryOf {
    std::filesystem::path target;
    long pid = 0;
};
std::optional<TemporaryOf> ReadTemporaryName(const std::filesystem::path& temporary);

// The temporaries of this process. A run that is interrupted before its save is committed
// removes them all and ends; once committed (a journal on disk), the save is finished first.
class Temporaries {
public:
    static Temporaries& Shared();

    // Creates `path` exclusively, for writing, and records it. A closed file and `err` set on
    // failure (EEXIST when the name is taken, EINTR once the run was interrupted).
    plataforma::Archivo Create(const std::filesystem::path& path, unsigned mode, int& err);
    // The temporary is gone: renamed into place or removed.
    void Forget(const std::filesystem::path& path);

    // Between these the files named by a journal are put in place: an interruption waits for
    // the end. False when the run was already interrupted (nothing may be committed then).
    bool BeginCommit(const std::vector<std::filesystem::path>& journaled);
    // `saved`: every file is in place. `kept`: a journal stays on disk for the next run to
    // complete, and so do the temporaries it names (Discard leaves them alone).
    void EndCommit(bool saved, bool kept = false);
    // True for a temporary a journal names: it must stay until the journal is completed.
    bool Journaled(const std::filesystem::path& path);

    enum class Interrupted { NothingSaved, SaveFinished };
    // Called by whoever handles SIGINT and SIGTERM, before ending the process: waits for a commit
    // under way, then removes every temporary not yet put in place and refuses new ones.
    Interrupted Interrupt();
    // True once Interrupt has begun ending the run.
    bool Closed();

private:
    std::mutex lock_;
    std::condition_variable idle_;
    std::set<std::filesystem::path> files_;
    std::set<std::filesystem::path> journaled_;
    bool committing_ = false;
    bool committed_ = false; // a save was completed
    bool closed_ = false;
};

// Removes the temporaries a dead process left beside `files` (a project's files): a save killed
// before its commit put none of them in place. A temporary of a process still running is left
// alone (another program may be saving a file this project shares), and so is one that a journal
// in its folder names (a decided save). Returns how many went.
std::size_t RemoveStrayTemporaries(const std::vector<std::filesystem::path>& files);

} // namespace files
