#pragma once
// The journal of a save that puts several files in place: written beside the project file (and
// beside every project file the save involves) once every temporary is complete and on the
// disk, removed once every rename is. A run killed between the two leaves it behind; the next
// run on the project completes the renames it lists (the save had been decided) before anything
// else. Its presence on disk is the moment the save is committed.

#include <filesystem>
#include <optional>
#include <vector>

namespace files {

struct JournalEntry {
    std::filesystem::path temporary, target;
};

// "P.vbp.lintrap-journal" beside "P.vbp".
std::filesystem::path JournalName(const std::filesystem::path& anchor);

// Writes the journal beside each anchor, each copy atomically and flushed, folder and all.
// Throws ErrorVB naming the journal; then no copy is left.
void WriteJournal(const std::vector<std::filesystem::path>& anchors,
                  const std::vector<JournalEntry>& entries);
// Removes the copies once every file is in place.
void RemoveJournal(const std::vector<std::filesystem::path>& anchors) noexcept;

// Completes the save recorded by a journal beside `anchor`: every temporary still there is
// renamed over its target, then every copy of the journal goes. Nothing when there is no
// journal; otherwise how many files this call put in place. A file that cannot be put in place
// is ErrorVB naming it, and the journal stays for another try.
std::optional<std::size_t> CompleteJournal(const std::filesystem::path& anchor);

} // namespace files
