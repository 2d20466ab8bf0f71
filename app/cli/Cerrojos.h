#pragma once
// One run at a time on a project: the locks a command holds from loading to the end of its
// save, and what it does first under them: completing a save that an earlier run was stopped
// in, and taking away the temporaries that a run killed before its commit left behind.

#include "host/files/Group.h"
#include "host/files/ProjectLock.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <set>
#include <vector>

namespace cli {

class Cerrojos {
public:
    // `espera`: seconds to wait for another run to let a project go (--wait). `lectura`: the
    // command only reads the project, and shares it with other such commands.
    // `descartaDiario`: a pending save's journal is dropped instead of completed
    // (--discard-journal).
    Cerrojos(double espera, bool lectura, bool descartaDiario = false);

    // Locks the project or group file (once: a file already locked by this run is passed by;
    // `escritura` even for a command that reads, as a copy's destination),
    // then completes a save of it that was interrupted, saying so on stderr. Another run
    // holding it: ErrorVB saying that it is in use. A journal that is not the project's:
    // ErrorVB naming it and saying what to do.
    void Toma(const std::filesystem::path& archivo, bool escritura = false);

    // After loading: removes what killed saves left beside each project's files, saying so.
    static void QuitaRestos(files::Group& grupo);

private:
    std::chrono::milliseconds espera_;
    bool lectura_;
    bool descartaDiario_;
    std::vector<std::unique_ptr<files::ProjectLock>> tomados_;
    std::set<std::filesystem::path> nombres_;
};

} // namespace cli
