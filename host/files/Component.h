#pragma once
// One component of a project: a module file with code, or a file without code (resource file,
// related document) whose bytes are only carried along.

#include "host/files/ModuleFile.h"
#include "host/files/ProjectFileIo.h"
#include "host/vbide/Project.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace files {

// The binary file beside a form or designer (.frx for .frm, ...), which holds its pictures and
// lists; it travels with the component when the project is saved elsewhere.
struct Companion {
    std::filesystem::path file;
    std::string bytes;
    std::optional<FileStamp> stamp; // nothing while it is not yet in its place
};

class Component : public vbide::VBComponent {
public:
    // A component with code, read from `file`.
    Component(std::unique_ptr<ModuleFile> module, std::filesystem::path file, FileStamp stamp);
    // A component with code whose file is read and parsed only when its code is first needed:
    // `head` is what the header said, `stamp` the file's size and time then (its bytes are
    // weighed at that first use). If the file has changed on disk in between, that first use
    // raises ErrorVB 58 naming it.
    Component(ModuleHead head, std::filesystem::path file, FileStamp stamp, int codepage);
    // A component without code. Its name is its file's name ("Demo.res").
    Component(vbide::ComponentType type, std::filesystem::path file, std::string bytes,
              FileStamp stamp);

    std::string Name() const override;
    vbide::ComponentType Type() const override { return type_; }
    vbide::CodeModule& CodeModule() override;
    vbide::Designer* Designer() override {
        ModuleFile* m = Module();
        return m ? m->Designer() : nullptr;
    }

    bool HasCode() const { return module_ != nullptr || released_ || deferred_; }
    // Loads the code if it waits to be; null without code and once released.
    ModuleFile* Module();
    // The component's bytes as they would be written now.
    std::string Bytes() const;

    // Frees the code of a module whose bytes need no more work: a changed module must have
    // been staged (its bytes written to `staged`, a temporary the next save puts in place,
    // whose stamp is `written`); an unchanged one is read back from its file if ever needed.
    // The name and type stay; asking for the code afterwards raises error 91.
    void Release(std::optional<std::filesystem::path> staged, FileStamp written);
    bool Released() const { return released_; }
    // The temporary holding the staged bytes, if any, and its stamp.
    const std::optional<std::filesystem::path>& Staged() const { return staged_; }
    const FileStamp& StagedStamp() const { return stagedStamp_; }
    // Removes the staged temporary (a save that will not happen); the staged change is lost.
    void DiscardStaged() noexcept;

    // Where the component lives, and what its file looked like when read or last written
    // (nothing for an imported component not yet saved into the project's folder).
    const std::filesystem::path& File() const { return file_; }
    const std::optional<FileStamp>& Stamp() const { return stamp_; }
    std::optional<Companion>& CompanionFile() { return companion_; }

    // The line of the project file that lists the component.
    std::size_t ProjectLine() const { return line_; }
    void SetProjectLine(std::size_t line) { line_ = line; }

    // An imported component: it must be written into the project's folder at the next save.
    void SetImported(std::filesystem::path target) {
        file_ = std::move(target);
        stamp_.reset();
        imported_ = true;
    }
    // True when the next Save must write the component.
    bool NeedsWrite() const { return imported_ || staged_ || (module_ && module_->Modified()); }
    // After a save wrote (or did not need to write) the component at `file`.
    void Saved(std::filesystem::path file, FileStamp stamp);

private:
    std::unique_ptr<ModuleFile> module_;
    // Kept apart from the module, which a release frees while other threads may still look
    // components up by name.
    std::string name_;
    vbide::ComponentType type_;
    std::filesystem::path file_;
    std::string bytes_;
    std::optional<FileStamp> stamp_;
    std::optional<Companion> companion_;
    std::size_t line_ = 0;
    bool imported_ = false;
    bool released_ = false;
    bool deferred_ = false; // the code waits in the file
    int codepage_ = 0;
    std::optional<std::filesystem::path> staged_;
    FileStamp stagedStamp_;
};

// The companion file's extension for a component file's extension, empty when none.
std::string CompanionExtension(const std::filesystem::path& file);

} // namespace files
