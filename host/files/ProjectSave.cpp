// Saving a project: what to write, the checks made before the first write, and the bookkeeping
// once every file is in place.

#include "base/plataforma/Estado.h"
#include "host/files/Project.h"
#include "host/files/ProjectPath.h"

#include <map>
#include <memory>
#include <set>
#include <system_error>

namespace files {

void CheckNoLinkOut(const std::filesystem::path& folder, const std::filesystem::path& target) {
    std::filesystem::path at = folder;
    for (const auto& part : target.parent_path().lexically_relative(folder)) {
        if (part == ".") {
            continue;
        }
        at /= part;
        plataforma::Estado st;
        if (plataforma::LeeEstadoEnlace(at, st) != 0) {
            return; // not there yet: a folder is made
        }
        if (st.tipo != plataforma::Tipo::Enlace) {
            continue;
        }
        std::error_code ec;
        const auto real = std::filesystem::weakly_canonical(at, ec);
        if (ec || !IsUnder(real, folder)) {
            throw ErrorVB(vberr::PathFileAccessError, target.string(),
                          "No se puede escribir '" + target.string() + "': '" + at.string() +
                              "' es un enlace simbólico a '" + real.string() + "', fuera de '" +
                              folder.string() + "'; no se guarda nada");
        }
    }
}

namespace {

// Bytes that are what the file held when read: writing them would change nothing but the file's
// identity, and a read-only file need not be writable for it.
bool SameAsRead(const std::optional<FileStamp>& stamp, std::string_view bytes) {
    return stamp && stamp->size == bytes.size() && stamp->hash == FileStamp::HashOf(bytes);
}

} // namespace

SavePlan Project::PlanSave(bool overwrite, bool forWriting) {
    SavePlan plan;
    // Each file's bytes are made only when it is written; the stamp of what was written is taken
    // then, and given to the model once every file is in place.
    auto add = [&](const std::filesystem::path& target, std::function<std::string()> make,
                   const std::optional<FileStamp>& stamp, std::function<void(FileStamp)> after) {
        if (stamp && SameAsRead(stamp, make())) {
            plan.done.push_back([after, stamp] { after(*stamp); });
            return;
        }
        if (forWriting) {
            CheckWritable(target, stamp, overwrite);
        }
        auto written = std::make_shared<FileStamp>();
        plan.done.push_back([target, after, written] {
            written->Refresh(target);
            after(*written);
        });
        plan.files.push_back({target,
                              {},
                              [make = std::move(make), written] {
                                  std::string bytes = make();
                                  *written = FileStamp::Of({}, bytes);
                                  return bytes;
                              },
                              {},
                              !overwrite,
                              stamp});
    };
    for (auto& item : items_) {
        Component* c = item.get();
        if (!c->NeedsWrite()) {
            continue;
        }
        if (c->Staged()) {
            CheckWritable(c->File(), c->Stamp(), overwrite);
            auto target = c->File();
            plan.done.push_back([c, target, written = c->StagedStamp()]() mutable {
                written.Refresh(target);
                c->Saved(target, written);
            });
            plan.files.push_back({target, {}, {}, *c->Staged(), !overwrite, c->Stamp()});
            continue;
        }
        auto& companion = c->CompanionFile();
        if (companion && !companion->stamp) {
            add(
                companion->file, [c] { return c->CompanionFile()->bytes; }, std::nullopt,
                [c](FileStamp s) { c->CompanionFile()->stamp = s; });
        }
        auto target = c->File();
        add(
            target, [c] { return c->Bytes(); }, c->Stamp(),
            [c, target](FileStamp s) { c->Saved(target, s); });
    }
    if (file_.Changed()) {
        add(
            path_, [this] { return file_.Serialize(); }, stamp_,
            [this](FileStamp s) {
                stamp_ = s;
                file_.MarkSaved();
            });
    }
    plan.anchors.push_back(path_);
    return plan;
}

SavePlan Project::PlanSaveAs(const std::filesystem::path& folderIn, bool overwrite,
                             std::map<std::string, std::string>* taken) {
    std::error_code ec;
    auto folder = std::filesystem::weakly_canonical(std::filesystem::absolute(folderIn, ec), ec);
    if (ec) {
        folder = folderIn;
    }
    SavePlan plan;
    std::map<std::string, std::string> mine;
    auto& targets = taken ? *taken : mine;
    ProjectFile newFile = file_;

    // Where a file of the project goes in the new folder.
    auto place = [&](const std::filesystem::path& file) {
        return IsUnder(file, folder_) ? folder / file.lexically_relative(folder_)
                                      : folder / file.filename();
    };
    auto add = [&](const std::filesystem::path& from, const std::filesystem::path& target,
                   std::string bytes, std::optional<FileStamp> stamp,
                   std::function<void(FileStamp)> after) {
        // Case aside: the copy goes back to systems where "Util.bas" and "UTIL.BAS" are one file.
        auto [it, fresh] =
            targets.emplace(codepage::Minusculas(target.string(), codepage_), from.string());
        if (!fresh) {
            throw ErrorVB(vberr::FileAlreadyExists, target.string(),
                          "'" + from.string() + "' y '" + it->second +
                              "' irían al mismo archivo '" + target.string() +
                              "'; no se guarda nada");
        }
        CheckNoLinkOut(folder, target);
        // Saving onto the files the project was read from is an ordinary save.
        const auto expected = target == from ? stamp : std::nullopt;
        CheckWritable(target, expected, overwrite);
        plan.done.push_back([target, after, stamp = FileStamp::Of({}, bytes)]() mutable {
            stamp.Refresh(target);
            after(stamp);
        });
        plan.files.push_back({target, std::move(bytes), {}, {}, !overwrite, expected});
    };

    for (auto& item : items_) {
        Component* c = item.get();
        auto target = place(c->File());
        if (!IsUnder(c->File(), folder_)) {
            // A shared file from outside the folder: the project file must name its new place.
            const std::string& text = newFile.Text(c->ProjectLine());
            std::string name = c->File().filename().string();
            auto value = text.find('=') + 1;
            auto semi = text.find(';', value);
            bool named = text.starts_with("Module") || text.starts_with("Class");
            std::string head = named && semi != std::string::npos ? text.substr(0, semi + 1) + " "
                                                                  : text.substr(0, value);
            bool quoted = text.find('"', value) != std::string::npos;
            newFile.Replace(c->ProjectLine(), head + (quoted ? "\"" + name + "\"" : name));
        }
        if (auto& companion = c->CompanionFile()) {
            add(companion->file, target.parent_path() / companion->file.filename(),
                companion->bytes, companion->stamp, [c, target](FileStamp s) {
                    auto& comp = *c->CompanionFile();
                    comp.file = target.parent_path() / comp.file.filename();
                    comp.stamp = s;
                });
        }
        add(c->File(), target, c->Bytes(), c->Stamp(),
            [c, target](FileStamp s) { c->Saved(target, s); });
    }
    auto projectTarget = folder / path_.filename();
    add(path_, projectTarget, newFile.Serialize(), stamp_,
        [this, newFile, folder, projectTarget](FileStamp s) mutable {
            file_ = std::move(newFile);
            file_.MarkSaved();
            stamp_ = s;
            path_ = projectTarget;
            folder_ = folder;
        });
    plan.anchors.push_back(projectTarget);
    return plan;
}

void Project::Stage(Component& c, bool overwrite) {
    if (!c.HasCode() || c.Released()) {
        return;
    }
    std::optional<std::filesystem::path> staged;
    FileStamp written;
    // An imported component still has to be placed by the next save, bytes and all.
    if (c.NeedsWrite()) {
        if (!c.Stamp()) {
            return;
        }
        const std::string bytes = c.Bytes();
        if (!SameAsRead(c.Stamp(), bytes)) {
            CheckWritable(c.File(), c.Stamp(), overwrite);
            written = FileStamp::Of({}, bytes);
            staged = Writer().WriteTemporary(c.File(), bytes);
        }
    }
    c.Release(std::move(staged), written);
}

void Project::DiscardStaged() noexcept {
    for (auto& item : items_) {
        item->DiscardStaged();
    }
}

void Execute(SavePlan& plan) {
    std::set<std::filesystem::path> folders; // each made once: most files share one folder
    for (const auto& file : plan.files) {
        folders.insert(file.target.parent_path());
    }
    for (const auto& folder : folders) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            throw SystemError(ec.value(), folder, "crear la carpeta");
        }
    }
    WriteAll(plan.files, plan.anchors);
    for (auto& done : plan.done) {
        done();
    }
}

void Project::Save(bool overwrite) {
    SavePlan plan = PlanSave(overwrite);
    Execute(plan);
}

void Project::SaveAs(const std::filesystem::path& folder, bool overwrite) {
    SavePlan plan = PlanSaveAs(folder, overwrite);
    Execute(plan);
}

} // namespace files
