#pragma once
// What opening a project does first, in the command line and in the desktop host alike: the
// save an earlier run left pending beside the project or group file is completed (or, when the
// user says so, its journal dropped) before a byte of the project is read, so that nothing is
// ever loaded half old and half new, nor saved over a pending journal.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace files {

struct PendingSave {
    std::filesystem::path projectFile;
    bool discarded = false;
    std::size_t placed = 0; // files put in place when completed
    // What was done, in one sentence for the user.
    std::string Text() const;
};

// Completes the pending save beside `projectFile` (see Journal.h), or with `discard` removes
// its journal and leaves the files as they are. Nothing when no save was pending. A journal that
// is not this project's is JournalRefused, nothing touched; a file that cannot be put in place
// is ErrorVB naming it.
std::optional<PendingSave> SettlePendingSave(const std::filesystem::path& projectFile,
                                             bool discard = false);

} // namespace files
