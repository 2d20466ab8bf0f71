#include "host/files/AtomicWrite.h"

#include "host/files/FlushQueue.h"
#include "host/files/Journal.h"
#include "host/files/ProjectFileIo.h"
#include "host/files/Temporaries.h"

#include "base/plataforma/Archivo.h"

#include <cerrno>
#include <set>

namespace files {

namespace {

DiskWriter diskWriter;
FileWriter* current = &diskWriter;

} // namespace

std::filesystem::path DiskWriter::WriteTemporary(const std::filesystem::path& target,
                                                 std::string_view bytes) {
    plataforma::Estado original;
    bool exists = plataforma::LeeEstado(target, original) == 0;

    std::filesystem::path temporary;
    plataforma::Archivo file;
    int err = EEXIST;
    for (int tries = 0; err == EEXIST && tries < 100; ++tries) {
        temporary = TemporaryName(target);
        file = Temporaries::Shared().Create(temporary, 0666, err);
    }
    if (err != 0) {
        throw SystemError(err, target, "escribir");
    }

    err = file.EscribeTodo(bytes);
    if (err == 0 && exists) {
        err = file.ComoElOriginal(original);
    }
    if (err != 0) {
        file.Cierra();
        plataforma::Borra(temporary);
        Temporaries::Shared().Forget(temporary);
        throw SystemError(err, target, "escribir");
    }
    // On its way to the disk from now on; Flush waits for it once every file is written.
    FlushQueue::Shared().Begin(std::move(file), temporary.string());
    return temporary;
}

void DiskWriter::Commit(const std::filesystem::path& temporary,
                        const std::filesystem::path& target) {
    // The replaced file is held open across the rename, so that freeing its blocks (a wait for
    // the disk where blocks are discarded as they are freed) happens at the close, outside the
    // folder's lock and on another thread, instead of inside the rename while every other
    // rename in the folder waits.
    int opened = 0;
    plataforma::Archivo replaced = plataforma::Archivo::LecturaSinEnlace(target, opened);
    const int err = plataforma::Sustituye(temporary, target);
    if (replaced.Abierto()) {
        FlushQueue::Shared().Close(std::move(replaced));
    }
    if (err != 0) {
        throw SystemError(err, target, "escribir"); // the temporary is the caller's to remove
    }
    Temporaries::Shared().Forget(temporary);
}

void DiskWriter::Flush(const std::filesystem::path& path, const std::filesystem::path& target) {
    int err = 0;
    if (!FlushQueue::Shared().Wait(path.string(), err)) {
        err = plataforma::VaciaRuta(path);
    }
    if (err != 0) {
        throw SystemError(err, target, "escribir");
    }
}

void DiskWriter::Discard(const std::filesystem::path& temporary) noexcept {
    if (Temporaries::Shared().Journaled(temporary)) {
        return; // a journal names it: the next run puts it in place
    }
    // Its flush under way is waited for, so that the file is closed before it is removed: on
    // Windows before version 10 (and under wine) a file removed while open keeps its name
    // until it is closed, and a failed save must leave no trace.
    int flushed = 0;
    if (!FlushQueue::Shared().Wait(temporary.string(), flushed)) {
        FlushQueue::Shared().Forget(temporary.string());
    }
    plataforma::Borra(temporary);
    Temporaries::Shared().Forget(temporary);
}

void DiskWriter::Settle() noexcept {
    FlushQueue::Shared().WaitForCloses();
}

FileWriter& Writer() {
    return *current;
}

WriterOverride::WriterOverride(FileWriter& writer) : previous_(current) {
    current = &writer;
}

WriterOverride::~WriterOverride() {
    current = previous_;
}

void WriteAll(const std::vector<PendingFile>& files,
              const std::vector<std::filesystem::path>& anchors) {
    if (files.empty()) {
        return;
    }
    FileWriter& writer = Writer();
    std::vector<std::filesystem::path> temporaries;
    temporaries.reserve(files.size());
    std::vector<char> committed(files.size(), 0);
    Temporaries& registry = Temporaries::Shared();
    bool journaled = false; // from here on the save is decided: no temporary is thrown away
    try {
        for (const auto& file : files) {
            if (!file.written.empty()) {
                temporaries.push_back(file.written);
            } else if (file.make) {
                const std::string bytes = file.make();
                temporaries.push_back(writer.WriteTemporary(file.target, bytes));
            } else {
                temporaries.push_back(writer.WriteTemporary(file.target, file.bytes));
            }
        }
        // Each flush began when its temporary was written: by now most have ended.
        for (std::size_t i = 0; i < files.size(); ++i) {
            writer.Flush(temporaries[i], files[i].target);
        }
        // Someone may have changed a target while the files were made: looked at once more, as
        // late as a save that must be all or nothing can look. Every byte is read again unless
        // the stamp taken when the file was read tells without them (FileStamp::settled).
        for (const auto& file : files) {
            if (file.recheck) {
                CheckWritable(file.target, file.stamp, false, true);
            }
        }
        if (!registry.BeginCommit(temporaries)) {
            throw ErrorVB(vberr::InvalidProcedureCall, "WriteAll", "interrumpido");
        }
        try {
            if (!anchors.empty()) {
                std::vector<JournalEntry> entries;
                entries.reserve(files.size());
                for (std::size_t i = 0; i < files.size(); ++i) {
                    entries.push_back({temporaries[i], files[i].target});
                }
                WriteJournal(anchors, entries);
                journaled = true;
            }
            for (std::size_t i = 0; i < files.size(); ++i) {
                writer.Commit(temporaries[i], files[i].target);
                committed[i] = 1;
            }
            // The renames themselves must survive a crash too.
            std::set<std::filesystem::path> folders;
            for (const auto& file : files) {
                folders.insert(file.target.parent_path());
            }
            for (const auto& folder : folders) {
                writer.Flush(folder, folder);
            }
        } catch (const ErrorVB& e) {
            registry.EndCommit(false, journaled);
            if (journaled) {
                throw ErrorVB(e.Number, e.Source,
                              e.Description +
                                  "; los demás archivos se pondrán en su sitio en la próxima "
                                  "orden sobre el proyecto");
            }
            throw;
        } catch (...) {
            registry.EndCommit(false, journaled);
            throw;
        }
        RemoveJournal(anchors);
        registry.EndCommit(true);
    } catch (...) {
        if (!journaled) {
            for (std::size_t i = 0; i < temporaries.size(); ++i) {
                if (!committed[i] && files[i].written.empty()) {
                    writer.Discard(temporaries[i]);
                }
            }
        }
        writer.Settle();
        throw;
    }
    writer.Settle();
}

std::string PendingFile::Bytes() const {
    if (!written.empty()) {
        return ReadWhole(written);
    }
    return make ? make() : bytes;
}

} // namespace files
