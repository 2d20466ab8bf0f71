#pragma once
// A VB6 project (.vbp) held in memory: its project file kept line by line, its components and
// references. Saving writes only what changed, every file atomically, and checks everything
// before the first write.

#include "base/CodePage.h"
#include "base/ErrorVB.h"
#include "host/files/AtomicWrite.h"
#include "host/files/Component.h"
#include "host/files/Observador.h"
#include "host/files/ProjectFile.h"
#include "host/files/References.h"
#include "host/vbide/Project.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace files {

class Project;

class Components : public vbide::VBComponents {
public:
    explicit Components(Project& project) : project_(project) {}
    long Count() const override;
    vbide::VBComponent& Item(long index) override;
    vbide::VBComponent& Item(const std::string& name) override;
    vbide::VBComponent& Import(const std::string& path) override;

private:
    Project& project_;
};

// What a save will write, checked and ready; `done` runs once every file is in place. The
// save's journal goes beside each of `anchors`, the project files it is for.
struct SavePlan {
    std::vector<PendingFile> files;
    std::vector<std::function<void()>> done;
    std::vector<std::filesystem::path> anchors;
};

// When a module's code is read: with the project, or when first used (for work that goes
// through a large project one module at a time; the files are still read at load to learn
// each module's name and to find bad ones).
enum class CodeLoading { Now, WhenUsed };

// What a load problem is: a listed file that is not there, holding code (a module, class, form,
// control...) or not (a resource file, a related document), or anything else.
enum class ProblemKind { Other, MissingCode, MissingOther };

class Project : public vbide::VBProject {
public:
    // Reads the project file and every file it lists. The project file itself missing,
    // unreadable, empty or not a project: ErrorVB naming it. A listed file that is missing or
    // not VB6 source is a load problem: the rest loads, the component is left out, and its line
    // stays in the project file.
    static std::unique_ptr<Project> Load(const std::filesystem::path& vbp,
                                         int codepage = codepage::Predeterminada,
                                         CodeLoading loading = CodeLoading::Now);

    std::string Name() const override;
    std::string Description() const override { return file_.Find("Description"); }
    vbide::VBComponents& VBComponents() override { return components_; }
    vbide::References& References() override { return references_; }

    std::string Title() const { return file_.Find("Title"); }
    // "MajorVer.MinorVer.RevisionVer", as the project's version keys say.
    std::string Version() const;
    // Any key of the project file's main section, without quotes; empty when absent.
    std::string Value(std::string_view key) const { return file_.Find(key); }

    const std::filesystem::path& Path() const { return path_; }
    // What the project file looked like when read or last written.
    const FileStamp& Stamp() const { return stamp_; }
    const std::filesystem::path& Folder() const { return folder_; }
    int CodePage() const { return codepage_; }
    const std::vector<ErrorVB>& LoadProblems() const { return problems_; }
    // The kind of each of LoadProblems(), in the same order.
    const std::vector<ProblemKind>& LoadProblemKinds() const { return kinds_; }
    // True when a save would write something.
    bool Modified() const;

    // The file becomes a new component, saved into the project's folder by the next save (the
    // imported file itself is never written). A name or a file name the project already has is
    // refused: ErrorVB 32813 or 58.
    Component& Import(const std::filesystem::path& path);

    // Writes every changed file in place. A file changed on disk since it was read is refused
    // with ErrorVB 58 naming it, unless `overwrite`; a read-only file or folder gives ErrorVB 70.
    // On any refusal or failure nothing has been written.
    void Save(bool overwrite = false);
    // Writes every file of the project into `folder` and makes it the project's folder. Files
    // under the project's folder keep their place relative to it; files outside it (shared
    // modules such as "..\Comun\util.bas") are written at the top of `folder` and their lines
    // in the project file changed to match. Existing files there are refused (ErrorVB 58)
    // unless `overwrite`. Lines of components that failed to load are kept as they are.
    void SaveAs(const std::filesystem::path& folder, bool overwrite = false);

    // For work over a large project one module at a time, so that memory holds the modules in
    // hand rather than all of them: checks the component's file as Save would (ErrorVB 58 or
    // 70), writes its changed bytes to a temporary beside it now, and frees its code. The next
    // Save puts the temporary in place with the other files, all or none; DiscardStaged()
    // removes the temporaries of a save that will not happen. Components may be staged from
    // several threads at once, each by one thread.
    void Stage(Component& component, bool overwrite = false);
    void DiscardStaged() noexcept;

    // The two halves of a save, for a group that saves several projects at once. A file whose
    // bytes are what was read is left out, unchecked. `forWriting` false: only to see what a
    // save would write (a dry run), and nothing is checked for writing.
    SavePlan PlanSave(bool overwrite, bool forWriting = true);
    // `taken` (the targets of a whole group, folded, and what goes there) makes two projects
    // that would write the same file a refusal, as two files of one project are.
    SavePlan PlanSaveAs(const std::filesystem::path& folder, bool overwrite,
                        std::map<std::string, std::string>* taken = nullptr);

    // Tells `observador` of every edit of every module, and of components imported later.
    void Observa(ObservadorCodigo* observador);

    std::size_t ComponentCount() const { return items_.size(); }
    Component& ComponentAt(std::size_t i) { return *items_[i]; }
    // The component with this name (the code page's case folding), or nullptr.
    Component* Find(std::string_view name);

private:
    Project(std::filesystem::path path, ProjectFile file, int codepage);
    void LoadComponents();

    std::filesystem::path path_, folder_;
    ProjectFile file_;
    FileStamp stamp_;
    int codepage_;
    CodeLoading loading_ = CodeLoading::Now;
    Components components_{*this};
    files::References references_;
    std::vector<std::unique_ptr<Component>> items_;
    std::vector<ErrorVB> problems_;
    std::vector<ProblemKind> kinds_;
    ObservadorCodigo* observador_ = nullptr;
    // The project-file line after which an imported component's line goes.
    std::size_t lastComponentLine_ = 0;
};

// A copy into `folder` writes through the folders below it, never through a symbolic link that
// leads out of it (the copy would land somewhere the user did not name): ErrorVB 75 naming the
// link. A target that is itself a link is replaced by the rename, not followed.
void CheckNoLinkOut(const std::filesystem::path& folder, const std::filesystem::path& target);

class CodeModuleMem;
// The component's code held in memory (loading it if it waits), or nullptr without code.
CodeModuleMem* CodeOf(Component& component);

// Writes a checked plan: creates missing folders, writes every file or none, then runs `done`.
void Execute(SavePlan& plan);

} // namespace files
