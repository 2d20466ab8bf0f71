#include "host/files/Journal.h"

#include "host/files/ProjectFileIo.h"
#include "host/files/Temporaries.h"

#include <cerrno>
#include <fcntl.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

// The journal is text fields separated by NUL bytes, which no path holds.
constexpr std::string_view kHeader = "lintrap-journal 1\n";
constexpr std::string_view kSuffix = ".lintrap-journal";

void FlushFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int err = fd < 0 ? errno : 0;
    if (fd >= 0 && ::fsync(fd) != 0) {
        err = errno;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    if (err != 0 && err != EINVAL) { // EINVAL: a file system without folder flushes
        throw SystemError(err, folder, "escribir");
    }
}

std::string Serialize(const std::vector<std::filesystem::path>& anchors,
                      const std::vector<JournalEntry>& entries) {
    std::string text(kHeader);
    auto field = [&](const std::string& s) {
        text += s;
        text += '\0';
    };
    for (const auto& anchor : anchors) {
        field("copy");
        field(JournalName(anchor).string());
    }
    for (const auto& e : entries) {
        field("file");
        field(e.temporary.string());
        field(e.target.string());
    }
    field("end");
    return text;
}

struct Parsed {
    std::vector<std::filesystem::path> copies;
    std::vector<JournalEntry> entries;
};

ErrorVB BadJournal(const std::filesystem::path& journal) {
    return ErrorVB(vberr::InvalidFileFormat, journal.string(),
                   "'" + journal.string() +
                       "' no es un diario de guardado de lintrap completo; revíselo y bórrelo");
}

// A journal names only files of its own kind: temporaries beside their targets and copies of
// itself. Anything else is refused rather than renamed or removed.
Parsed Parse(const std::string& text, const std::filesystem::path& journal) {
    if (!text.starts_with(kHeader)) {
        throw BadJournal(journal);
    }
    std::vector<std::string> fields;
    std::size_t at = kHeader.size();
    while (at < text.size()) {
        const auto nul = text.find('\0', at);
        if (nul == std::string::npos) {
            throw BadJournal(journal);
        }
        fields.push_back(text.substr(at, nul - at));
        at = nul + 1;
    }
    Parsed parsed;
    std::size_t i = 0;
    for (; i < fields.size() && fields[i] != "end"; ++i) {
        if (fields[i] == "copy" && i + 1 < fields.size() && fields[i + 1].ends_with(kSuffix)) {
            parsed.copies.emplace_back(fields[++i]);
        } else if (fields[i] == "file" && i + 2 < fields.size()) {
            JournalEntry e{fields[i + 1], fields[i + 2]};
            i += 2;
            auto of = ReadTemporaryName(e.temporary);
            if (!of || of->target != e.target) {
                throw BadJournal(journal);
            }
            parsed.entries.push_back(std::move(e));
        } else {
            throw BadJournal(journal);
        }
    }
    if (i + 1 != fields.size()) {
        throw BadJournal(journal);
    }
    return parsed;
}

void WriteOne(const std::filesystem::path& journal, const std::string& text) {
    const auto temporary = TemporaryName(journal);
    const int fd = Temporaries::Shared().Create(temporary, O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw SystemError(errno, journal, "escribir");
    }
    int err = 0;
    std::size_t done = 0;
    while (err == 0 && done < text.size()) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put < 0 && errno != EINTR) {
            err = errno;
        } else if (put > 0) {
            done += std::size_t(put);
        }
    }
    if (err == 0 && ::fsync(fd) != 0) {
        err = errno;
    }
    if (::close(fd) != 0 && err == 0) {
        err = errno;
    }
    if (err == 0 && ::rename(temporary.c_str(), journal.c_str()) != 0) {
        err = errno;
    }
    if (err != 0) {
        ::unlink(temporary.c_str());
    }
    Temporaries::Shared().Forget(temporary);
    if (err != 0) {
        throw SystemError(err, journal, "escribir");
    }
    FlushFolder(journal.parent_path());
}

} // namespace

std::filesystem::path JournalName(const std::filesystem::path& anchor) {
    return anchor.parent_path() / (anchor.filename().string() + std::string(kSuffix));
}

void WriteJournal(const std::vector<std::filesystem::path>& anchors,
                  const std::vector<JournalEntry>& entries) {
    const std::string text = Serialize(anchors, entries);
    try {
        for (const auto& anchor : anchors) {
            WriteOne(JournalName(anchor), text);
        }
    } catch (...) {
        RemoveJournal(anchors);
        throw;
    }
}

void RemoveJournal(const std::vector<std::filesystem::path>& anchors) noexcept {
    for (const auto& anchor : anchors) {
        ::unlink(JournalName(anchor).c_str());
    }
}

std::optional<std::size_t> CompleteJournal(const std::filesystem::path& anchor) {
    const auto journal = JournalName(anchor);
    struct stat st {};
    if (::lstat(journal.c_str(), &st) != 0) {
        return std::nullopt;
    }
    const Parsed parsed = Parse(ReadWhole(journal), journal);
    // Renames under way are finished before an interruption ends the run.
    Temporaries& temporaries = Temporaries::Shared();
    if (!temporaries.BeginCommit({})) {
        throw ErrorVB(vberr::InvalidProcedureCall, journal.string(), "interrumpido");
    }
    std::size_t done = 0;
    std::set<std::filesystem::path> folders;
    try {
        for (const auto& e : parsed.entries) {
            folders.insert(e.target.parent_path());
            if (::lstat(e.temporary.c_str(), &st) != 0) {
                continue; // put in place before the run stopped
            }
            if (::rename(e.temporary.c_str(), e.target.c_str()) != 0) {
                throw SystemError(errno, e.target, "escribir");
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
    for (const auto& copy : parsed.copies) {
        ::unlink(copy.c_str());
    }
    ::unlink(journal.c_str()); // in case the copies did not name it
    temporaries.EndCommit(true);
    return done;
}

} // namespace files
