#include "host/files/Vbe.h"

#include <cctype>

namespace files {

long Projects::Count() const {
    auto* group = const_cast<Vbe&>(vbe_).Opened();
    return group ? long(group->Count()) : 0;
}

vbide::VBProject& Projects::Item(long index) {
    if (index < 1 || index > Count()) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "VBProjects",
                      "No existe el proyecto número " + std::to_string(index) + " (hay " +
                          std::to_string(Count()) + ")");
    }
    return vbe_.Opened()->At(std::size_t(index - 1));
}

std::unique_ptr<Vbe>
Vbe::Open(const std::filesystem::path& path, int codepage,
          const std::function<void(const std::filesystem::path&)>& beforeLoad) {
    std::string ext = path.extension().string();
    for (char& c : ext) {
        c = char(std::tolower((unsigned char)c));
    }
    if (beforeLoad) {
        beforeLoad(path);
    }
    auto vbe = std::make_unique<Vbe>();
    vbe->group_ = ext == ".vbg" ? Group::Load(path, codepage, CodeLoading::Now, beforeLoad)
                                : Group::Single(Project::Load(path, codepage));
    return vbe;
}

files::Project* Vbe::Active() {
    return group_ ? &group_->Active() : nullptr;
}

vbide::VBProject* Vbe::ActiveVBProject() {
    return Active();
}

std::vector<ErrorVB> Vbe::LoadProblems() const {
    return group_ ? group_->LoadProblems() : std::vector<ErrorVB>{};
}

void Vbe::Save(bool overwrite) {
    if (group_) {
        group_->Save(overwrite);
    }
}

void Vbe::SaveAs(const std::filesystem::path& folder, bool overwrite) {
    if (group_) {
        group_->SaveAs(folder, overwrite);
    }
}

} // namespace files
