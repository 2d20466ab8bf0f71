#include "host/files/Journal.h"

#include "base/CodePage.h"
#include "host/files/NameBeside.h"
#include "host/files/ProjectFile.h"
#include "host/files/ProjectFileIo.h"
#include "host/files/ProjectPath.h"
#include "host/files/Temporaries.h"

#include "base/plataforma/Archivo.h"
#include "base/plataforma/Carpeta.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <string>

namespace files {

namespace fs = std::filesystem;

namespace {

// The journal is text fields separated by NUL bytes, which no path holds. The first version
// wrote whole paths and no project.
constexpr std::string_view kHeader1 = "lintrap-journal 1\n";
constexpr std::string_view kHeader = "lintrap-journal 2\n";
constexpr std::string_view kSuffix = ".lintrap-journal";

void FlushFolder(const std::filesystem::path& folder) {
    const int err = plataforma::VaciaCarpeta(folder);
    if (err != 0 && err != EINVAL) { // EINVAL: a file system without folder flushes
        throw SystemError(err, folder, "escribir");
    }
}

fs::path Canonical(const fs::path& path) {
    std::error_code ec;
    auto canonical = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? path.lexically_normal() : canonical;
}

// Files with their folders' links resolved, each folder looked up once: a save's files mostly
// share one.
class Places {
public:
    fs::path Of(const fs::path& file) {
        auto [it, fresh] = folders_.try_emplace(file.parent_path());
        if (fresh) {
            it->second = Canonical(file.parent_path());
        }
        return it->second / file.filename();
    }

private:
    std::map<fs::path, fs::path> folders_;
};

// The copy beside `anchor`: the project file it was written beside, then every name relative to
// the copy's own folder.
std::string Serialize(const fs::path& anchor, const std::vector<fs::path>& journals,
                      const std::vector<JournalEntry>& entries) {
    const fs::path here = anchor.parent_path();
    std::string text(kHeader);
    auto field = [&](const std::string& s) {
        text += s;
        text += '\0';
    };
    field("project");
    field(anchor.string());
    for (const auto& journal : journals) {
        field("copy");
        field(journal.lexically_relative(here).string());
    }
    for (const auto& e : entries) {
        field("file");
        field(e.temporary.lexically_relative(here).string());
        field(e.target.lexically_relative(here).string());
    }
    field("end");
    return text;
}

struct Parsed {
    fs::path project; // empty in a journal of the first version, which did not record it
    std::vector<fs::path> copies;
    std::vector<JournalEntry> entries;
};

// The journal's fields, its names resolved from `folder` (a name written whole, as the first
// version wrote them all, stays whole). Nothing when the text is not a whole journal.
std::optional<Parsed> Read(const std::string& text, const fs::path& folder, Places& places) {
    const bool first = text.starts_with(kHeader1);
    if (!first && !text.starts_with(kHeader)) {
        return std::nullopt;
    }
    std::vector<std::string> fields;
    std::size_t at = kHeader.size();
    while (at < text.size()) {
        const auto nul = text.find('\0', at);
        if (nul == std::string::npos) {
            return std::nullopt;
        }
        fields.push_back(text.substr(at, nul - at));
        at = nul + 1;
    }
    auto place = [&](const std::string& name) {
        return places.Of((folder / name).lexically_normal());
    };
    Parsed parsed;
    std::size_t i = 0;
    if (!first) {
        if (fields.size() < 2 || fields[0] != "project" || fields[1].empty()) {
            return std::nullopt;
        }
        parsed.project = fields[1];
        i = 2;
    }
    for (; i < fields.size() && fields[i] != "end"; ++i) {
        if (fields[i] == "copy" && i + 1 < fields.size() && !fields[i + 1].empty()) {
            parsed.copies.push_back(place(fields[++i]));
        } else if (fields[i] == "file" && i + 2 < fields.size() && !fields[i + 1].empty() &&
                   !fields[i + 2].empty()) {
            parsed.entries.push_back({place(fields[i + 1]), place(fields[i + 2])});
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    if (i + 1 != fields.size()) {
        return std::nullopt;
    }
    return parsed;
}

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

// The project-file keys that name a component's file, and those where a name comes first
// ("Module=Util; Util.bas").
constexpr std::string_view kListed[] = {"Form",        "Module",       "Class",
                                        "UserControl", "PropertyPage", "UserDocument",
                                        "Designer",    "RelatedDoc",   "ResFile32"};

// The folders a project's files lie in, as its project file names them ("..\Comun\Util.bas").
void AddNamedFolders(const fs::path& projectFile, std::set<fs::path>& folders) {
    try {
        const ProjectFile file = ProjectFile::Parse(ReadWhole(projectFile), projectFile);
        for (std::size_t i = 0; i < file.Count() && file.InMainSection(i); ++i) {
            const auto key = file.Key(i);
            if (std::find(std::begin(kListed), std::end(kListed), key) == std::end(kListed)) {
                continue;
            }
            std::string_view value = file.Value(i);
            const auto semi = value.find(';');
            if ((key == "Module" || key == "Class") && semi != std::string_view::npos) {
                value.remove_prefix(semi + 1);
            }
            const auto found = ResolveProjectPath(projectFile.parent_path(), Unquote(value),
                                                  codepage::Predeterminada);
            if (found) {
                folders.insert(found->parent_path());
            }
        }
    } catch (const ErrorVB&) {
        // A project file that cannot be read names nothing: its own folder is all it owns.
    }
}

// The folders of one project file: its own, with every folder under it, and those its lines
// name; a save of it writes nowhere else.
struct Owned {
    fs::path folder;
    std::set<fs::path> named;
    bool Holds(const fs::path& file) const {
        return IsUnder(file, folder) || named.count(file.parent_path()) > 0;
    }
};

Owned OwnedBy(const fs::path& anchor, const Parsed& parsed) {
    Owned owned{anchor.parent_path(), {}};
    AddNamedFolders(anchor, owned.named);
    // The project file about to be put in place may name a folder the old one did not.
    for (const auto& e : parsed.entries) {
        plataforma::Estado st;
        if (e.target == anchor && plataforma::LeeEstadoEnlace(e.temporary, st) == 0 &&
            st.tipo == plataforma::Tipo::Archivo) {
            AddNamedFolders(e.temporary, owned.named);
        }
    }
    return owned;
}

std::set<std::pair<fs::path, fs::path>> EntrySet(const Parsed& parsed) {
    std::set<std::pair<fs::path, fs::path>> set;
    for (const auto& e : parsed.entries) {
        set.emplace(e.temporary, e.target);
    }
    return set;
}

// Every reason not to carry out the journal beside `anchor`, looked for before anything is
// touched. Returns the other copies, to be removed once the save is complete.
std::vector<fs::path> Check(const fs::path& journal, const fs::path& anchor, const Parsed& parsed,
                            Places& places) {
    if (!parsed.project.empty() && parsed.project != anchor) {
        throw JournalRefused(journal, "se escribió para " + Quoted(parsed.project) + ", no para " +
                                          Quoted(anchor) + " (la carpeta se ha copiado o movido)");
    }
    std::vector<Owned> owners{OwnedBy(anchor, parsed)};
    std::vector<fs::path> copies;
    for (const auto& copy : parsed.copies) {
        if (copy == JournalName(anchor)) {
            continue;
        }
        const std::string name = copy.filename().string();
        plataforma::Estado st;
        if (!name.ends_with(kSuffix) || name.size() == kSuffix.size()) {
            throw JournalRefused(journal, "nombra " + Quoted(copy) + " como copia suya");
        }
        if (plataforma::LeeEstadoEnlace(copy, st) != 0) {
            continue; // removed by a completion that stopped before removing this one
        }
        // A copy beside another project of the same group: the same save, or not ours.
        std::optional<Parsed> twin;
        if (st.tipo == plataforma::Tipo::Archivo) {
            twin = Read(ReadWhole(copy), copy.parent_path(), places);
        }
        // That project is recorded in the copy; an older journal only says it by its name (a
        // long name's journal is shortened, so the name alone cannot say it).
        const fs::path other =
            twin && !twin->project.empty()
                ? twin->project
                : copy.parent_path() / name.substr(0, name.size() - kSuffix.size());
        if (!twin || JournalName(other) != copy || EntrySet(*twin) != EntrySet(parsed)) {
            throw JournalRefused(journal,
                                 "nombra " + Quoted(copy) + " como copia suya, y no lo es");
        }
        owners.push_back(OwnedBy(other, parsed));
        copies.push_back(copy);
    }
    for (const auto& e : parsed.entries) {
        const auto of = ReadTemporaryName(e.temporary);
        if (!of || of->target != e.target) {
            throw JournalRefused(journal, "nombra el archivo temporal " + Quoted(e.temporary) +
                                              ", que no es de " + Quoted(e.target));
        }
        if (std::none_of(owners.begin(), owners.end(),
                         [&](const Owned& o) { return o.Holds(e.target); })) {
            throw JournalRefused(journal, "nombra " + Quoted(e.target) +
                                              ", fuera de las carpetas del proyecto");
        }
        plataforma::Estado st;
        if (plataforma::LeeEstadoEnlace(e.temporary, st) == 0) {
            if (st.tipo != plataforma::Tipo::Archivo) {
                throw JournalRefused(journal,
                                     "nombra " + Quoted(e.temporary) + ", que no es un archivo");
            }
        } else if (plataforma::LeeEstadoEnlace(e.target, st) != 0) {
            throw JournalRefused(journal, "nombra el archivo temporal " + Quoted(e.temporary) +
                                              ", que no existe, para " + Quoted(e.target) +
                                              ", que tampoco");
        }
    }
    return copies;
}

void WriteOne(const std::filesystem::path& journal, const std::string& text) {
    const auto temporary = TemporaryName(journal);
    int err = 0;
    plataforma::Archivo file = Temporaries::Shared().Create(temporary, 0644, err);
    if (err != 0) {
        throw SystemError(err, journal, "escribir");
    }
    err = file.EscribeTodo(text);
    if (err == 0) {
        err = file.Vacia();
    }
    const int closed = file.Cierra();
    if (closed != 0 && err == 0) {
        err = closed;
    }
    if (err == 0) {
        err = plataforma::Sustituye(temporary, journal);
    }
    if (err != 0) {
        plataforma::Borra(temporary);
    }
    Temporaries::Shared().Forget(temporary);
    if (err != 0) {
        throw SystemError(err, journal, "escribir");
    }
    FlushFolder(journal.parent_path());
}

} // namespace

JournalRefused::JournalRefused(const fs::path& journalIn, const std::string& why)
    : ErrorVB(vberr::InvalidFileFormat, journalIn.string(),
              "El diario de guardado " + Quoted(journalIn) + " " + why + "; no se ha tocado nada"),
      journal(journalIn) {}

fs::path JournalName(const fs::path& anchor) {
    // room for the temporary it is written under (".lintrap-PID-N.tmp")
    return NameBeside(anchor, kSuffix, 40);
}

void WriteJournal(const std::vector<fs::path>& anchorsIn,
                  const std::vector<JournalEntry>& entriesIn) {
    Places places;
    std::vector<fs::path> anchors, journals;
    for (const auto& anchor : anchorsIn) {
        anchors.push_back(places.Of(anchor));
        journals.push_back(JournalName(anchors.back()));
        plataforma::Estado st;
        if (plataforma::LeeEstadoEnlace(journals.back(), st) == 0) {
            throw ErrorVB(vberr::FileAlreadyExists, journals.back().string(),
                          "Hay un guardado interrumpido pendiente en " + Quoted(journals.back()) +
                              "; abra el proyecto de nuevo para completarlo; no se guarda nada");
        }
    }
    std::vector<JournalEntry> entries;
    entries.reserve(entriesIn.size());
    for (const auto& e : entriesIn) {
        entries.push_back({places.Of(e.temporary), places.Of(e.target)});
    }
    try {
        for (const auto& anchor : anchors) {
            WriteOne(JournalName(anchor), Serialize(anchor, journals, entries));
        }
    } catch (...) {
        RemoveJournal(anchors);
        throw;
    }
}

void RemoveJournal(const std::vector<fs::path>& anchors) noexcept {
    for (const auto& anchor : anchors) {
        plataforma::Borra(JournalName(anchor));
    }
}

std::optional<std::size_t> CompleteJournal(const fs::path& anchorIn) {
    plataforma::Estado st;
    if (plataforma::LeeEstadoEnlace(JournalName(anchorIn), st) != 0) {
        return std::nullopt;
    }
    Places places;
    const fs::path anchor = places.Of(anchorIn);
    const fs::path journal = JournalName(anchor);
    if (st.tipo != plataforma::Tipo::Archivo) {
        throw JournalRefused(journal, WhatItIs(st.tipo) + ", no un archivo");
    }
    const auto parsed = Read(ReadWhole(journal), journal.parent_path(), places);
    if (!parsed) {
        throw JournalRefused(journal, "no es un diario de guardado de lintrap completo");
    }
    const std::vector<fs::path> copies = Check(journal, anchor, *parsed, places);
    // Renames under way are finished before an interruption ends the run.
    Temporaries& temporaries = Temporaries::Shared();
    if (!temporaries.BeginCommit({})) {
        throw ErrorVB(vberr::InvalidProcedureCall, journal.string(), "interrumpido");
    }
    std::size_t done = 0;
    std::set<fs::path> folders;
    try {
        for (const auto& e : parsed->entries) {
            folders.insert(e.target.parent_path());
            if (plataforma::LeeEstadoEnlace(e.temporary, st) != 0) {
                continue; // put in place before the run stopped
            }
            if (const int err = plataforma::Sustituye(e.temporary, e.target); err != 0) {
                throw SystemError(err, e.target, "escribir");
            }
            ++done;
        }
        for (const auto& folder : folders) {
            FlushFolder(folder);
        }
    } catch (...) {
        temporaries.EndCommit(false, true);
        throw;
    }
    for (const auto& copy : copies) {
        plataforma::Borra(copy);
    }
    plataforma::Borra(journal);
    temporaries.EndCommit(true);
    return done;
}

bool DiscardJournal(const fs::path& anchor) {
    const fs::path journal = JournalName(anchor);
    const int err = plataforma::Borra(journal);
    if (err == 0) {
        return true;
    }
    if (err == ENOENT) {
        return false;
    }
    throw SystemError(err, journal, "borrar");
}

std::optional<std::set<fs::path>> JournalTemporaries(const fs::path& journal) {
    try {
        Places places;
        const auto parsed = Read(ReadWhole(journal), places.Of(journal).parent_path(), places);
        if (!parsed) {
            return std::nullopt;
        }
        std::set<fs::path> named;
        for (const auto& e : parsed->entries) {
            named.insert(e.temporary);
        }
        return named;
    } catch (const ErrorVB&) {
        return std::nullopt;
    }
}

} // namespace files
