#include "host/files/Temporaries.h"

#include "host/files/Journal.h"

#include "base/plataforma/Archivo.h"
#include "base/plataforma/Proceso.h"

#include <atomic>
#include <cerrno>
#include <map>
#include <system_error>

namespace files {

namespace {

constexpr std::string_view kMark = ".lintrap-";
constexpr std::string_view kEnd = ".tmp";
constexpr std::string_view kJournal = ".lintrap-journal";

bool Digits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

std::filesystem::path TemporaryName(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    auto name = target.filename().string() + std::string(kMark) +
                std::to_string(plataforma::IdProceso()) + "-" + std::to_string(counter++) +
                std::string(kEnd);
    return target.parent_path() / name;
}

std::optional<TemporaryOf> ReadTemporaryName(const std::filesystem::path& temporary) {
    const std::string name = temporary.filename().string();
    const auto mark = name.rfind(kMark);
    if (mark == std::string::npos || mark == 0 || !name.ends_with(kEnd)) {
        return std::nullopt;
    }
    std::string_view numbers(name);
    numbers = numbers.substr(mark + kMark.size());
    numbers.remove_suffix(kEnd.size());
    const auto dash = numbers.find('-');
    if (dash == std::string_view::npos || !Digits(numbers.substr(0, dash)) ||
        !Digits(numbers.substr(dash + 1)) || dash > 9) {
        return std::nullopt;
    }
    return TemporaryOf{temporary.parent_path() / name.substr(0, mark),
                       std::stol(std::string(numbers.substr(0, dash)))};
}

Temporaries& Temporaries::Shared() {
    static Temporaries* shared = new Temporaries; // never destroyed: threads may outlive main
    return *shared;
}

plataforma::Archivo Temporaries::Create(const std::filesystem::path& path, unsigned mode,
                                        int& err) {
    // Made under the lock, so that an interruption never misses a file being created.
    std::lock_guard guard(lock_);
    if (closed_) {
        err = EINTR;
        return {};
    }
    plataforma::Archivo file = plataforma::Archivo::Nuevo(path, mode, err);
    if (err == 0) {
        files_.insert(path);
    }
    return file;
}

void Temporaries::Forget(const std::filesystem::path& path) {
    std::lock_guard guard(lock_);
    files_.erase(path);
}

bool Temporaries::BeginCommit(const std::vector<std::filesystem::path>& journaled) {
    std::lock_guard guard(lock_);
    if (closed_) {
        return false;
    }
    committing_ = true;
    journaled_.insert(journaled.begin(), journaled.end());
    return true;
}

void Temporaries::EndCommit(bool saved, bool kept) {
    std::lock_guard guard(lock_);
    committing_ = false;
    committed_ = committed_ || saved;
    if (!kept) {
        journaled_.clear();
    }
    idle_.notify_all();
}

bool Temporaries::Journaled(const std::filesystem::path& path) {
    std::lock_guard guard(lock_);
    return journaled_.count(path) > 0;
}

Temporaries::Interrupted Temporaries::Interrupt() {
    std::unique_lock guard(lock_);
    idle_.wait(guard, [&] { return !committing_; });
    closed_ = true;
    for (const auto& path : files_) {
        if (!journaled_.count(path)) {
            plataforma::Borra(path);
        }
    }
    files_.clear();
    return committed_ ? Interrupted::SaveFinished : Interrupted::NothingSaved;
}

bool Temporaries::Closed() {
    std::lock_guard guard(lock_);
    return closed_;
}

std::size_t RemoveStrayTemporaries(const std::vector<std::filesystem::path>& files) {
    std::map<std::filesystem::path, std::set<std::string>> byFolder;
    for (const auto& file : files) {
        byFolder[file.parent_path()].insert(file.filename().string());
    }
    std::size_t removed = 0;
    for (const auto& [folder, names] : byFolder) {
        // A journal in the folder still means to put its temporaries in place; one that cannot
        // be read keeps them all.
        std::set<std::filesystem::path> kept;
        bool keepAll = false;
        std::error_code ec;
        for (auto it = std::filesystem::directory_iterator(folder, ec);
             !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
            if (it->path().filename().string().ends_with(kJournal)) {
                const auto named = JournalTemporaries(it->path());
                keepAll = keepAll || !named;
                if (named) {
                    kept.insert(named->begin(), named->end());
                }
            }
        }
        if (keepAll) {
            continue;
        }
        auto canonical = std::filesystem::weakly_canonical(folder, ec);
        if (ec) {
            canonical = folder;
        }
        for (auto it = std::filesystem::directory_iterator(folder, ec);
             !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
            auto of = ReadTemporaryName(it->path());
            if (!of || !names.count(of->target.filename().string()) ||
                plataforma::ProcesoVivo(of->pid) || kept.count(canonical / it->path().filename())) {
                continue;
            }
            if (plataforma::Borra(it->path()) == 0) {
                ++removed;
            }
        }
    }
    return removed;
}

} // namespace files
