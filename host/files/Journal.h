#pragma once
// The journal of a save that puts several files in place: written beside the project file (and
// beside every project file the save involves) once every temporary is complete and on the
// disk, removed once every rename is. A run killed between the two leaves it behind; the next
// run on the project completes the renames it lists (the save had been decided) before anything
// else. Its presence on disk is the moment the save is committed.
//
// A journal names its files relative to its own folder and records the project file it was
// written beside. One found anywhere else (a folder copied or moved with a save pending) or
// naming files the project does not own (made by hand) is never carried out.

#include "base/ErrorVB.h"

#include <filesystem>
#include <optional>
#include <set>
#include <vector>

namespace files {

struct JournalEntry {
    std::filesystem::path temporary, target;
};

// "P.vbp.lintrap-journal" beside "P.vbp".
std::filesystem::path JournalName(const std::filesystem::path& anchor);

// Writes the journal beside each anchor, each copy atomically and flushed, folder and all.
// Throws ErrorVB naming the journal; then no copy is left. A journal already beside an anchor
// (a save still pending) is never replaced: ErrorVB 58 naming it, nothing written.
void WriteJournal(const std::vector<std::filesystem::path>& anchors,
                  const std::vector<JournalEntry>& entries);
// Removes the copies once every file is in place.
void RemoveJournal(const std::vector<std::filesystem::path>& anchors) noexcept;

// A journal that will not be carried out, and why: it belongs to the project in another folder,
// or it names a file outside the project's folders or a temporary that is not beside its file.
// Nothing has been touched.
struct JournalRefused : ErrorVB {
    JournalRefused(const std::filesystem::path& journal, const std::string& why);
    std::filesystem::path journal;
};

// Completes the save recorded by a journal beside `anchor`: every temporary still there is
// renamed over its target, then every copy of the journal goes. Nothing when there is no
// journal; otherwise how many files this call put in place. A journal that is not this
// project's is JournalRefused. A file that cannot be put in place is ErrorVB naming it, and the
// journal stays for another try.
std::optional<std::size_t> CompleteJournal(const std::filesystem::path& anchor);

// Removes the journal beside `anchor` without carrying it out: the files stay as they are, and
// the temporaries it named become leftovers of a save that never happened. False when there
// was none.
bool DiscardJournal(const std::filesystem::path& anchor);

// The temporaries a journal names, as paths; nothing when the file is not a journal that can
// be read (its folder's temporaries must then all be kept).
std::optional<std::set<std::filesystem::path>>
JournalTemporaries(const std::filesystem::path& journal);

} // namespace files
