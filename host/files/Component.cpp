#include "host/files/Component.h"

#include "ClsErrores/ErrorVB.h"

namespace files {

Component::Component(std::unique_ptr<ModuleFile> module, std::filesystem::path file,
                     FileStamp stamp)
    : module_(std::move(module)), type_(module_->Type()), file_(std::move(file)), stamp_(stamp) {}

Component::Component(vbide::ComponentType type, std::filesystem::path file, std::string bytes,
                     FileStamp stamp)
    : type_(type), file_(std::move(file)), bytes_(std::move(bytes)), stamp_(stamp) {}

std::string Component::Name() const {
    return module_ ? module_->Name() : file_.filename().string();
}

vbide::CodeModule& Component::CodeModule() {
    if (!module_) {
        throw ErrorVB(ObjectNotSet, Name(),
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
