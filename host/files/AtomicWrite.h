#pragma once
// Every file the model writes goes through here: a temporary file beside the target, flushed to
// disk, then renamed over it, so a failure never leaves a half-written file. The writer is a seam:
// tests put their own in place to make a write fail.

#include "host/files/ProjectFileIo.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Writes `bytes` into a new temporary file in the target's folder, with the target's
    // permissions when it exists. Returns the temporary's path. Throws ErrorVB naming the
    // target; nothing is left behind on failure.
    virtual std::filesystem::path WriteTemporary(const std::filesystem::path& target,
                                                 std::string_view bytes) = 0;
    // Waits until a written file (or a folder, after renames in it) is on the disk itself.
    // Throws ErrorVB naming `target`.
    virtual void Flush(const std::filesystem::path& path, const std::filesystem::path& target) = 0;
    // Puts the temporary file in place of the target.
    virtual void Commit(const std::filesystem::path& temporary,
                        const std::filesystem::path& target) = 0;
    // Removes a temporary file that will not be committed.
    virtual void Discard(const std::filesystem::path& temporary) noexcept = 0;
    // Waits for what the commits left running (freeing the replaced files), so that it is done
    // when the save returns rather than when the program ends.
    virtual void Settle() noexcept {}
};

// The writer over the real file system.
class DiskWriter : public FileWriter {
public:
    std::filesystem::path WriteTemporary(const std::filesystem::path& target,
                                         std::string_view bytes) override;
    void Flush(const std::filesystem::path& path, const std::filesystem::path& target) override;
    void Commit(const std::filesystem::path& temporary,
                const std::filesystem::path& target) override;
    void Discard(const std::filesystem::path& temporary) noexcept override;
    void Settle() noexcept override;
};

// The writer in use.
FileWriter& Writer();

// Puts another writer in use for as long as it lives (tests).
class WriterOverride {
public:
    explicit WriterOverride(FileWriter& writer);
    ~WriterOverride();
    WriterOverride(const WriterOverride&) = delete;
    WriterOverride& operator=(const WriterOverride&) = delete;

private:
    FileWriter* previous_;
};

struct PendingFile {
    std::filesystem::path target;
    std::string bytes;
    // Set instead of `bytes` for a module's file: its bytes are made when the file is written and
    // dropped once its temporary is, so that a save holds one file at a time, not a whole project.
    std::function<std::string()> make;
    // Set instead of both for a file already written to this temporary beside the target (a
    // staged module): it is flushed and renamed with the others, but belongs to its owner, who
    // removes it if the save fails.
    std::filesystem::path written;
    // Checked again right before the commit: the target must still hold what `stamp` says, or
    // not exist when there is no stamp (a save that may overwrite leaves this false).
    bool recheck = false;
    std::optional<FileStamp> stamp;

    std::string Bytes() const;
};

// Writes every file or none: all temporaries first, flushed to disk, the targets checked again,
// then the renames. When a temporary cannot be written or a target has changed, the ones this
// call wrote are removed and no target has changed. Each temporary starts on its way to the
// disk as soon as it is written (see FlushQueue.h). With `anchors` (the project files), a
// journal beside each records the renames before the first (see Journal.h): a run stopped
// among them is completed by the next.
void WriteAll(const std::vector<PendingFile>& files,
              const std::vector<std::filesystem::path>& anchors = {});

} // namespace files
