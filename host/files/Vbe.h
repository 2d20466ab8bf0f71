#pragma once
// The environment's root object over projects read from files. Menus and their events belong to
// the windows' host, which provides them; here there are none.

#include "host/files/Group.h"
#include "host/vbide/VBE.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace files {

class Vbe;

class Projects : public vbide::VBProjects {
public:
    explicit Projects(Vbe& vbe) : vbe_(vbe) {}
    long Count() const override;
    vbide::VBProject& Item(long index) override; // 1..Count, else error 9

private:
    Vbe& vbe_;
};

class Vbe : public vbide::VBE {
public:
    // Nothing open.
    Vbe() = default;
    // Opens a project (.vbp) or a group (.vbg, by its extension in any case). `codepage` folds
    // case and converts messages (1252 unless the project comes from elsewhere). Throws ErrorVB
    // when nothing can be opened; smaller problems are in LoadProblems(). `beforeLoad` is
    // called with the file and each project file of a group before it is read (to lock it and
    // settle a pending save); what it throws ends the opening.
    static std::unique_ptr<Vbe>
    Open(const std::filesystem::path& path, int codepage = codepage::Predeterminada,
         const std::function<void(const std::filesystem::path&)>& beforeLoad = {});

    vbide::VBProject* ActiveVBProject() override;
    vbide::VBProjects& VBProjects() override { return projects_; }
    vbide::CommandBars* CommandBars() override { return nullptr; }
    vbide::Events* Events() override { return nullptr; }

    // Nothing when nothing is open.
    Group* Opened() { return group_.get(); }
    files::Project* Active();
    std::vector<ErrorVB> LoadProblems() const;

    // Saves every open project (see Project::Save and Group::SaveAs).
    void Save(bool overwrite = false);
    void SaveAs(const std::filesystem::path& folder, bool overwrite = false);

private:
    std::unique_ptr<Group> group_;
    Projects projects_{*this};
};

} // namespace files
