#include "host/files/Project.h"

#include "host/files/CodeModuleMem.h"
#include "host/files/ProjectPath.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <new>
#include <optional>
#include <system_error>
#include <thread>

namespace files {

namespace {

struct ComponentKind {
    std::string_view key;
    bool named; // "Module=Name; file" rather than "Form=file"
};

// The project-file keys that list components.
constexpr ComponentKind kKinds[] = {
    {"Form", false},        {"Module", true},        {"Class", true},
    {"UserControl", false}, {"PropertyPage", false}, {"UserDocument", false},
    {"Designer", false},    {"RelatedDoc", false},   {"ResFile32", false},
};

const ComponentKind* KindOf(std::string_view key) {
    for (const auto& kind : kKinds) {
        if (kind.key == key) {
            return &kind;
        }
    }
    return nullptr;
}

// The line that lists a component of this type in the project file.
std::string LineFor(vbide::ComponentType type, const std::string& name, const std::string& file) {
    switch (type) {
    case vbide::ComponentType::StdModule:
        return "Module=" + name + "; " + file;
    case vbide::ComponentType::ClassModule:
        return "Class=" + name + "; " + file;
    case vbide::ComponentType::UserControl:
        return "UserControl=" + file;
    case vbide::ComponentType::PropPage:
        return "PropertyPage=" + file;
    case vbide::ComponentType::DocObject:
        return "UserDocument=" + file;
    case vbide::ComponentType::ActiveXDesigner:
    case vbide::ComponentType::MSForm:
        return "Designer=" + file;
    default:
        return "Form=" + file;
    }
}

std::string Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return std::string(s);
}

// The companion binary file beside a component file, when there is one.
std::optional<Companion> ReadCompanion(const std::filesystem::path& file, int codepage) {
    std::string ext = CompanionExtension(file);
    if (ext.empty()) {
        return std::nullopt;
    }
    auto name = file.stem().string() + ext;
    auto found = ResolveProjectPath(file.parent_path(), name, codepage);
    if (!found) {
        return std::nullopt;
    }
    Companion companion{*found, ReadWhole(*found), std::nullopt};
    companion.stamp = FileStamp::Of(*found, companion.bytes);
    return companion;
}

} // namespace

long Components::Count() const {
    return long(project_.ComponentCount());
}

vbide::VBComponent& Components::Item(long index) {
    if (index < 1 || index > Count()) {
        throw ErrorVB(vberr::SubscriptOutOfRange, "VBComponents",
                      "No existe el componente número " + std::to_string(index) +
                          " del proyecto '" + project_.Name() + "' (tiene " +
                          std::to_string(Count()) + ")");
    }
    return project_.ComponentAt(std::size_t(index - 1));
}

vbide::VBComponent& Components::Item(const std::string& name) {
    if (auto* found = project_.Find(name)) {
        return *found;
    }
    throw ErrorVB(vberr::SubscriptOutOfRange, "VBComponents",
                  "No existe el componente '" + codepage::AUtf8(name, project_.CodePage()) +
                      "' en el proyecto '" + codepage::AUtf8(project_.Name(), project_.CodePage()) +
                      "'");
}

vbide::VBComponent& Components::Import(const std::string& path) {
    return project_.Import(path);
}

Project::Project(std::filesystem::path path, ProjectFile file, int codepage)
    : path_(std::move(path)), folder_(path_.parent_path()), file_(std::move(file)),
      codepage_(codepage), references_(codepage) {}

std::unique_ptr<Project> Project::Load(const std::filesystem::path& vbp, int codepage,
                                       CodeLoading loading) {
    std::error_code ec;
    auto given = std::filesystem::absolute(vbp, ec);
    if (ec) {
        given = vbp;
    }
    // Read by the name it was given, which a refusal names (a link to a device, say).
    std::string bytes = ReadWhole(given, kLargestSourceFile);
    auto path = std::filesystem::weakly_canonical(given, ec);
    if (ec) {
        path = given;
    }
    try {
        auto project =
            std::unique_ptr<Project>(new Project(path, ProjectFile::Parse(bytes, path), codepage));
        project->stamp_ = FileStamp::Of(path, bytes);
        project->loading_ = loading;
        project->LoadComponents();
        return project;
    } catch (const std::bad_alloc&) {
        throw ErrorVB(vberr::OutOfMemory, path.string(),
                      "No hay memoria suficiente para cargar el proyecto '" + path.string() + "'");
    }
}

namespace {

// A component line of the project file, read before any component is loaded.
struct Listed {
    std::size_t line;
    std::string_view key, value;
};

// What loading one listed file gave: the component, or the problem that left it out. An
// exception that is not a load problem (no memory, ...) is kept to be raised in project order.
struct Loaded {
    std::unique_ptr<Component> component;
    std::optional<ErrorVB> problem;
    ProblemKind kind = ProblemKind::Other;
    std::exception_ptr failure;
};

// A module's name and kind, from its first lines when they hold its header: the rest is read
// when the code is used, and checked then. Until then its size and time stand for its bytes.
ModuleHead PeekModule(const std::filesystem::path& file, FileStamp& seen) {
    constexpr std::size_t kHead = 16384; // a module's header; a form's runs longer
    std::string bytes = ReadHead(file, kHead, seen, kLargestSourceFile);
    const bool whole = bytes.size() == seen.size;
    if (auto head = ModuleFile::Peek(std::move(bytes), file.string(), whole)) {
        return std::move(*head);
    }
    return *ModuleFile::Peek(ReadHead(file, SIZE_MAX, seen, kLargestSourceFile), file.string(),
                             true);
}

Loaded LoadListed(const Listed& listed, const std::filesystem::path& project,
                  const std::filesystem::path& folder, int codepage, CodeLoading loading) {
    Loaded loaded;
    const ComponentKind& kind = *KindOf(listed.key);
    std::string written;
    if (kind.named) {
        auto semi = listed.value.find(';');
        written =
            Unquote(semi == std::string_view::npos ? listed.value : listed.value.substr(semi + 1));
    } else {
        written = Unquote(listed.value);
    }
    std::optional<std::filesystem::path> found;
    try {
        found = ResolveProjectPath(folder, written, codepage);
    } catch (...) {
        loaded.failure = std::current_exception();
        return loaded;
    }
    if (!found) {
        const bool code = listed.key != "RelatedDoc" && listed.key != "ResFile32";
        loaded.kind = code ? ProblemKind::MissingCode : ProblemKind::MissingOther;
        const std::string name = codepage::AUtf8(written, codepage);
        const std::string away = Unreachable(written);
        loaded.problem = LineError(vberr::FileNotFound, project, long(listed.line + 1),
                                   away.empty() ? "no se encuentra el archivo '" + name + "'"
                                                : "no se puede llegar a '" + name + "': " + away);
        return loaded;
    }
    try {
        if (listed.key == "RelatedDoc" || listed.key == "ResFile32") {
            std::string bytes = ReadWhole(*found);
            FileStamp stamp = FileStamp::Of(*found, bytes);
            auto type = listed.key == "RelatedDoc" ? vbide::ComponentType::RelatedDocument
                                                   : vbide::ComponentType::ResFile;
            loaded.component = std::make_unique<Component>(type, *found, std::move(bytes), stamp);
        } else if (loading == CodeLoading::WhenUsed) {
            FileStamp seen;
            ModuleHead head = PeekModule(*found, seen);
            loaded.component = std::make_unique<Component>(std::move(head), *found, seen, codepage);
            loaded.component->CompanionFile() = ReadCompanion(*found, codepage);
        } else {
            std::string bytes = ReadWhole(*found, kLargestSourceFile);
            FileStamp stamp = FileStamp::Of(*found, bytes);
            auto module = ModuleFile::Parse(std::move(bytes), found->string(), codepage);
            loaded.component = std::make_unique<Component>(std::move(module), *found, stamp);
            loaded.component->CompanionFile() = ReadCompanion(*found, codepage);
        }
        loaded.component->SetProjectLine(listed.line);
    } catch (const ErrorVB& error) {
        // The module's own error already names its file and line.
        loaded.problem = error;
    } catch (...) {
        loaded.failure = std::current_exception();
    }
    return loaded;
}

// Runs `load(i)` for i in [0, n) on every core: each file is read and parsed on its own.
void LoadEach(std::size_t n, const std::function<void(std::size_t)>& load) {
    std::size_t threads =
        std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), n);
    if (threads <= 1) {
        for (std::size_t i = 0; i < n; ++i) {
            load(i);
        }
        return;
    }
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < n; i = next++) {
            load(i);
        }
    };
    std::vector<std::jthread> extra;
    extra.reserve(threads - 1);
    for (std::size_t t = 1; t < threads; ++t) {
        try {
            extra.emplace_back(worker);
        } catch (const std::system_error&) {
            break; // the system gives no more threads (a memory limit): fewer do the work
        }
    }
    worker();
}

} // namespace

void Project::LoadComponents() {
    std::vector<Listed> listed;
    for (std::size_t i = 0; i < file_.Count() && file_.InMainSection(i); ++i) {
        auto key = file_.Key(i);
        if (key.empty()) {
            const auto& text = file_.Text(i);
            if (Trim(text).empty()) {
                continue;
            }
            // A line that is neither "Key=Value" nor blank: this is not a project file.
            throw LineError(vberr::InvalidFileFormat, path_, long(i + 1),
                            "no es un archivo de proyecto de Visual Basic (se esperaba "
                            "'Clave=Valor')");
        }
        if (key == "Reference" || key == "Object") {
            if (auto ref = Reference::Parse(key, file_.Value(i), folder_, codepage_)) {
                references_.Add(std::move(*ref));
            }
        } else if (KindOf(key)) {
            lastComponentLine_ = i;
            listed.push_back({i, key, file_.Value(i)});
        } else if (key == "Type" && lastComponentLine_ == 0) {
            lastComponentLine_ = i;
        }
    }

    std::vector<Loaded> loaded(listed.size());
    LoadEach(listed.size(), [&](std::size_t i) {
        loaded[i] = LoadListed(listed[i], path_, folder_, codepage_, loading_);
    });

    // In the project file's order, as if loaded one after the other: the first of two
    // components with the same name wins.
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        Loaded& l = loaded[i];
        if (l.failure) {
            std::rethrow_exception(l.failure);
        }
        if (l.problem) {
            problems_.push_back(std::move(*l.problem));
            kinds_.push_back(l.kind);
            continue;
        }
        if (Find(l.component->Name())) {
            problems_.push_back(LineError(vberr::NameConflict, path_, long(listed[i].line + 1),
                                          "ya hay un componente llamado '" +
                                              codepage::AUtf8(l.component->Name(), codepage_) +
                                              "'; se omite este"));
            kinds_.push_back(ProblemKind::Other);
            continue;
        }
        items_.push_back(std::move(l.component));
    }
}

std::string Project::Name() const {
    std::string name = file_.Find("Name");
    return name.empty() ? path_.stem().string() : name;
}

std::string Project::Version() const {
    auto part = [&](std::string_view key) {
        std::string v = file_.Find(key);
        return v.empty() ? std::string("0") : v;
    };
    return part("MajorVer") + "." + part("MinorVer") + "." + part("RevisionVer");
}

bool Project::Modified() const {
    if (file_.Changed()) {
        return true;
    }
    for (const auto& c : items_) {
        if (c->NeedsWrite()) {
            return true;
        }
    }
    return false;
}

Component* Project::Find(std::string_view name) {
    for (auto& c : items_) {
        if (codepage::IgualesSinCaso(c->Name(), name, codepage_)) {
            return c.get();
        }
    }
    return nullptr;
}

Component& Project::Import(const std::filesystem::path& path) {
    std::error_code ec;
    auto source = std::filesystem::weakly_canonical(std::filesystem::absolute(path, ec), ec);
    if (ec) {
        source = path;
    }
    std::string bytes = ReadWhole(source, kLargestSourceFile);
    FileStamp stamp = FileStamp::Of(source, bytes);
    auto module = ModuleFile::Parse(std::move(bytes), source.string(), codepage_);
    std::string name = module->Name();
    if (Find(name)) {
        throw ErrorVB(vberr::NameConflict, source.string(),
                      "No se puede importar '" + source.string() + "': el proyecto '" +
                          codepage::AUtf8(Name(), codepage_) +
                          "' ya tiene un componente llamado '" + codepage::AUtf8(name, codepage_) +
                          "'");
    }
    std::string fileName = source.filename().string();
    auto target = folder_ / fileName;
    for (const auto& c : items_) {
        if (c->File().parent_path() == folder_ &&
            codepage::IgualesSinCaso(c->File().filename().string(), fileName, codepage_)) {
            throw ErrorVB(vberr::FileAlreadyExists, source.string(),
                          "No se puede importar '" + source.string() + "': el archivo '" +
                              fileName + "' ya forma parte del proyecto");
        }
    }
    bool inPlace = std::filesystem::equivalent(source, target, ec);
    if (!inPlace && std::filesystem::exists(target, ec)) {
        throw ErrorVB(vberr::FileAlreadyExists, target.string(),
                      "No se puede importar '" + source.string() + "': ya existe '" +
                          target.string() + "' en la carpeta del proyecto");
    }

    auto component = std::make_unique<Component>(std::move(module), source, stamp);
    auto companion = ReadCompanion(source, codepage_);
    if (!inPlace) {
        component->SetImported(target);
        if (companion) {
            companion->file = folder_ / companion->file.filename();
            companion->stamp.reset();
        }
    }
    component->CompanionFile() = std::move(companion);

    std::size_t at = lastComponentLine_ + 1;
    file_.Insert(at, LineFor(component->Type(), name, fileName));
    for (auto& c : items_) {
        if (c->ProjectLine() >= at) {
            c->SetProjectLine(c->ProjectLine() + 1);
        }
    }
    lastComponentLine_ = at;
    component->SetProjectLine(at);
    items_.push_back(std::move(component));
    Component& added = *items_.back();
    if (observador_) {
        if (auto* code = CodeOf(added)) {
            code->Observa(observador_);
        }
        observador_->ComponenteAnadido(*this, added);
    }
    return added;
}

void Project::Observa(ObservadorCodigo* observador) {
    observador_ = observador;
    for (auto& c : items_) {
        if (auto* code = CodeOf(*c)) {
            code->Observa(observador);
        }
    }
}

CodeModuleMem* CodeOf(Component& component) {
    if (component.Released()) {
        return nullptr;
    }
    ModuleFile* module = component.Module();
    return module ? dynamic_cast<CodeModuleMem*>(&module->Code()) : nullptr;
}

} // namespace files
