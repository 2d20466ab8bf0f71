#pragma once
// The projects open together: a group (.vbg), kept line by line like a project file, or a single
// project opened on its own.

#include "host/files/Project.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace files {

class Group {
public:
    // Reads the group and each project it lists. A listed project that is missing, that is the
    // group itself, or that fails to load is a load problem and the others still load; a group
    // that yields no project at all raises the first problem. The project named by
    // "StartupProject=" is the active one (else the first that loaded). `beforeLoad` is called
    // with each project file before it is read (to lock it); what it throws ends the load.
    static std::unique_ptr<Group>
    Load(const std::filesystem::path& vbg, int codepage = codepage::Predeterminada,
         CodeLoading loading = CodeLoading::Now,
         const std::function<void(const std::filesystem::path&)>& beforeLoad = {});
    // A project opened on its own.
    static std::unique_ptr<Group> Single(std::unique_ptr<Project> project);

    std::size_t Count() const { return projects_.size(); }
    Project& At(std::size_t i) { return *projects_[i]; }
    Project& Active() { return *projects_[active_]; }
    // Nothing for a project opened on its own.
    const std::optional<std::filesystem::path>& Path() const { return path_; }
    // The group's own problems followed by those of each project.
    std::vector<ErrorVB> LoadProblems() const;
    // The kind of each of LoadProblems(), in the same order.
    std::vector<ProblemKind> LoadProblemKinds() const;
    bool Modified() const;

    // Saves every project as Project::Save does, all checked before the first write.
    void Save(bool overwrite = false);
    // Writes the group into `folder`: projects under the group's folder keep their place
    // relative to it, the others go to a sub-folder named after their own folder, and the group
    // file is changed to match.
    void SaveAs(const std::filesystem::path& folder, bool overwrite = false);

private:
    Group() = default;

    std::optional<std::filesystem::path> path_;
    std::optional<ProjectFile> file_;
    FileStamp stamp_;
    std::vector<std::unique_ptr<Project>> projects_;
    std::vector<std::size_t> lines_; // the group-file line of each project
    std::size_t active_ = 0;
    std::vector<ErrorVB> problems_;
};

} // namespace files
