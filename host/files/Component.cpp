#include "host/files/Component.h"

#include "base/ErrorVB.h"
#include "host/files/AtomicWrite.h"

namespace files {

Component::Component(std::unique_ptr<ModuleFile> module, std::filesystem::path file,
                     FileStamp stamp)
    : module_(std::move(module)), name_(module_->Name()), type_(module_->Type()),
      file_(std::move(file)), stamp_(stamp) {}

Component::Component(ModuleHead head, std::filesystem::path file, FileStamp stamp, int codepage)
    : name_(std::move(head.name)), type_(head.type), file_(std::move(file)), stamp_(stamp),
      deferred_(true), codepage_(codepage) {}

Component::Component(vbide::ComponentType type, std::filesystem::path file, std::string bytes,
                     FileStamp stamp)
    : name_(file.filename().string()), type_(type), file_(std::move(file)),
      bytes_(std::move(bytes)), stamp_(stamp) {}

std::string Component::Name() const {
    return name_;
}

ModuleFile* Component::Module() {
    if (deferred_ && !released_) {
        FileStamp now;
        std::string bytes = ReadWhole(file_, now);
        if (now.size != stamp_->size || now.mtimeNs != stamp_->mtimeNs) {
            throw ErrorVB(vberr::FileAlreadyExists, file_.string(),
                          "El archivo '" + file_.string() +
                              "' ha cambiado en el disco desde que se abrió el proyecto");
        }
        module_ = ModuleFile::Parse(std::move(bytes), file_.string(), codepage_);
        stamp_ = now;
        deferred_ = false;
    }
    return module_.get();
}

std::string Component::Bytes() const {
    if (module_) {
        return module_->Serialize();
    }
    if (released_ || deferred_) {
        return ReadWhole(staged_ ? *staged_ : file_);
    }
    return bytes_;
}

void Component::Release(std::optional<std::filesystem::path> staged, FileStamp written) {
    staged_ = std::move(staged);
    stagedStamp_ = written;
    released_ = true;
    deferred_ = false;
    module_.reset();
}

void Component::DiscardStaged() noexcept {
    if (staged_) {
        Writer().Discard(*staged_);
        staged_.reset();
    }
}

vbide::CodeModule& Component::CodeModule() {
    if (released_) {
        throw ErrorVB(vberr::ObjectNotSet, name_,
                      "El código del componente '" + name_ +
                          "' ya se ha guardado aparte y no está en memoria");
    }
    if (!Module()) {
        throw ErrorVB(vberr::ObjectNotSet, Name(),
                      "El componente '" + Name() +
                          "' no tiene código (variable de objeto no "
                          "establecida)");
    }
    return module_->Code();
}

void Component::Saved(std::filesystem::path file, FileStamp stamp) {
    file_ = std::move(file);
    stamp_ = stamp;
    imported_ = false;
    staged_.reset();
    if (module_) {
        module_->MarkSaved();
    }
}

std::string CompanionExtension(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    for (char& c : ext) {
        c = char(std::tolower((unsigned char)c));
    }
    if (ext == ".frm") {
        return ".frx";
    }
    if (ext == ".ctl") {
        return ".ctx";
    }
    if (ext == ".pag") {
        return ".pgx";
    }
    if (ext == ".dob") {
        return ".dox";
    }
    if (ext == ".dsr") {
        return ".dsx";
    }
    return {};
}

} // namespace files
