#include "host/files/Group.h"

#include "host/files/ProjectPath.h"

#include <map>
#include <system_error>

namespace files {

namespace {

std::filesystem::path Canonical(const std::filesystem::path& path) {
    std::error_code ec;
    auto canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(path, ec), ec);
    return ec ? path : canonical;
}

} // namespace

std::unique_ptr<Group> Group::Single(std::unique_ptr<Project> project) {
    auto group = std::unique_ptr<Group>(new Group());
    group->projects_.push_back(std::move(project));
    return group;
}

std::unique_ptr<Group>
Group::Load(const std::filesystem::path& vbg, int codepage, CodeLoading loading,
            const std::function<void(const std::filesystem::path&)>& beforeLoad) {
    std::error_code ec;
    auto given = std::filesystem::absolute(vbg, ec);
    // Read by the name it was given, which a refusal names (a link to a device, say).
    std::string bytes = ReadWhole(ec ? vbg : given, kLargestSourceFile);
    auto path = Canonical(vbg);
    auto group = std::unique_ptr<Group>(new Group());
    group->path_ = path;
    group->file_ = ProjectFile::Parse(bytes, path);
    group->stamp_ = FileStamp::Of(path, bytes);
    const ProjectFile& file = *group->file_;
    auto folder = path.parent_path();

    if (!file.Text(0).starts_with("VBGROUP")) {
        throw LineError(vberr::InvalidFileFormat, path, 1,
                        "no es un grupo de proyectos de Visual Basic (falta 'VBGROUP')");
    }
    std::optional<std::filesystem::path> startup;
    for (std::size_t i = 1; i < file.Count() && file.InMainSection(i); ++i) {
        auto key = file.Key(i);
        if (key != "Project" && key != "StartupProject") {
            continue;
        }
        long lineNo = long(i + 1);
        std::string written = Unquote(file.Value(i));
        auto found = ResolveProjectPath(folder, written, codepage);
        if (!found) {
            const std::string name = codepage::AUtf8(written, codepage);
            const std::string away = Unreachable(written);
            group->problems_.push_back(
                LineError(vberr::FileNotFound, path, lineNo,
                          away.empty() ? "no se encuentra el proyecto '" + name + "'"
                                       : "no se puede llegar a '" + name + "': " + away));
            continue;
        }
        std::error_code ec;
        if (std::filesystem::equivalent(*found, path, ec)) {
            group->problems_.push_back(LineError(vberr::InvalidFileFormat, path, lineNo,
                                                 "el grupo se incluye a sí mismo"));
            continue;
        }
        bool repeated = false;
        for (const auto& p : group->projects_) {
            repeated = repeated || std::filesystem::equivalent(p->Path(), *found, ec);
        }
        if (repeated) {
            group->problems_.push_back(LineError(
                vberr::InvalidFileFormat, path, lineNo,
                "el proyecto '" + codepage::AUtf8(written, codepage) + "' ya está en el grupo"));
            continue;
        }
        if (beforeLoad) {
            beforeLoad(*found);
        }
        try {
            auto project = Project::Load(*found, codepage, loading);
            if (key == "StartupProject") {
                group->active_ = group->projects_.size();
            }
            group->projects_.push_back(std::move(project));
            group->lines_.push_back(i);
        } catch (const ErrorVB& error) {
            group->problems_.push_back(error);
        }
    }
    if (group->projects_.empty()) {
        if (!group->problems_.empty()) {
            throw group->problems_.front();
        }
        throw LineError(vberr::InvalidFileFormat, path, 1, "el grupo no lista ningún proyecto");
    }
    return group;
}

std::vector<ErrorVB> Group::LoadProblems() const {
    std::vector<ErrorVB> all = problems_;
    for (const auto& p : projects_) {
        all.insert(all.end(), p->LoadProblems().begin(), p->LoadProblems().end());
    }
    return all;
}

std::vector<ProblemKind> Group::LoadProblemKinds() const {
    std::vector<ProblemKind> all(problems_.size(), ProblemKind::Other);
    for (const auto& p : projects_) {
        all.insert(all.end(), p->LoadProblemKinds().begin(), p->LoadProblemKinds().end());
    }
    return all;
}

bool Group::Modified() const {
    for (const auto& p : projects_) {
        if (p->Modified()) {
            return true;
        }
    }
    return false;
}

void Group::Save(bool overwrite) {
    SavePlan all;
    for (auto& p : projects_) {
        SavePlan plan = p->PlanSave(overwrite);
        std::move(plan.files.begin(), plan.files.end(), std::back_inserter(all.files));
        std::move(plan.done.begin(), plan.done.end(), std::back_inserter(all.done));
        all.anchors.insert(all.anchors.end(), plan.anchors.begin(), plan.anchors.end());
    }
    Execute(all);
}

void Group::SaveAs(const std::filesystem::path& folderIn, bool overwrite) {
    if (!path_) {
        projects_.front()->SaveAs(folderIn, overwrite);
        return;
    }
    auto folder = Canonical(folderIn);
    auto oldFolder = path_->parent_path();
    ProjectFile newFile = *file_;
    SavePlan all;
    std::map<std::string, std::string> taken; // every target of the group: none written twice
    for (std::size_t i = 0; i < projects_.size(); ++i) {
        Project& p = *projects_[i];
        std::filesystem::path target;
        if (IsUnder(p.Folder(), oldFolder)) {
            target = folder / p.Folder().lexically_relative(oldFolder);
        } else {
            target = folder / p.Folder().filename();
            const std::string& text = newFile.Text(lines_[i]);
            newFile.Replace(lines_[i], text.substr(0, text.find('=') + 1) +
                                           WindowsRelative(target / p.Path().filename(), folder));
        }
        CheckNoLinkOut(folder, target / p.Path().filename());
        SavePlan plan = p.PlanSaveAs(target, overwrite, &taken);
        std::move(plan.files.begin(), plan.files.end(), std::back_inserter(all.files));
        std::move(plan.done.begin(), plan.done.end(), std::back_inserter(all.done));
        all.anchors.insert(all.anchors.end(), plan.anchors.begin(), plan.anchors.end());
    }
    auto groupTarget = folder / path_->filename();
    for (const auto& f : all.files) {
        if (f.target == groupTarget) {
            throw ErrorVB(vberr::FileAlreadyExists, groupTarget.string(),
                          "Un archivo de proyecto iría a '" + groupTarget.string() +
                              "', el archivo del grupo; no se guarda nada");
        }
    }
    std::string bytes = newFile.Serialize();
    const auto expected = groupTarget == *path_ ? std::optional(stamp_) : std::nullopt;
    CheckWritable(groupTarget, expected, overwrite);
    all.files.push_back({groupTarget, bytes, {}, {}, !overwrite, expected});
    all.anchors.push_back(groupTarget);
    all.done.push_back([this, newFile, groupTarget, stamp = FileStamp::Of({}, bytes)]() mutable {
        stamp.Refresh(groupTarget);
        stamp_ = stamp;
        file_ = std::move(newFile);
        file_->MarkSaved();
        path_ = groupTarget;
    });
    Execute(all);
}

} // namespace files
