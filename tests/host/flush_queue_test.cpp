// Background flushes: each result reaches the one who waits for it, failures included, and a
// discarded temporary is neither awaited nor left behind.

#include "base/ErrorVB.h"
#include "base/plataforma/Archivo.h"
#include "host/files/AtomicWrite.h"
#include "host/files/FlushQueue.h"
#include "host/files/ProjectFileIo.h"
#include "tests/support/Carpeta.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

plataforma::Archivo OpenNew(const fs::path& path) {
    int err = 0;
    plataforma::Archivo file = plataforma::Archivo::Nuevo(path, 0644, err);
    EXPECT_EQ(err, 0);
    EXPECT_EQ(file.EscribeTodo("abc"), 0);
    return file;
}

} // namespace

TEST(FlushQueue, EachResultIsGivenOnceAndFailuresCarryTheirErrno) {
    soporte::Carpeta folder;
    files::FlushQueue queue;
    std::vector<fs::path> paths;
    for (int i = 0; i < 40; ++i) {
        paths.push_back(folder.Ruta() / std::to_string(i));
        queue.Begin(OpenNew(paths.back()), paths.back().string());
    }
    // A descriptor that is not open fails its flush; the failure is this file's alone.
    queue.Begin(-1, "roto");
    for (const auto& path : paths) {
        int err = -1;
        ASSERT_TRUE(queue.Wait(path.string(), err));
        EXPECT_EQ(err, 0);
    }
    int err = 0;
    ASSERT_TRUE(queue.Wait("roto", err));
    EXPECT_EQ(err, EBADF);
    // Waited for once: a second wait knows of no flush, nor of one never begun.
    EXPECT_FALSE(queue.Wait(paths.front().string(), err));
    EXPECT_FALSE(queue.Wait((folder.Ruta() / "otro").string(), err));

    const auto forgotten = folder.Ruta() / "olvidado";
    queue.Begin(OpenNew(forgotten), forgotten.string());
    queue.Forget(forgotten.string());
    EXPECT_FALSE(queue.Wait(forgotten.string(), err));
}

TEST(FlushQueue, DiskWriterFlushesInTheBackgroundAndDiscardLeavesNothing) {
    soporte::Carpeta folder;
    files::DiskWriter writer;
    const auto target = folder.Ruta() / "M.bas";
    const auto temporary = writer.WriteTemporary(target, "Attribute VB_Name = \"M\"\r\n");
    writer.Flush(temporary, target);
    // Flushed already: flushing again syncs the file itself, as for any file not just written.
    writer.Flush(temporary, target);
    writer.Commit(temporary, target);
    EXPECT_EQ(files::ReadWhole(target), "Attribute VB_Name = \"M\"\r\n");

    const auto discarded = writer.WriteTemporary(target, "otra cosa");
    writer.Discard(discarded);
    EXPECT_FALSE(fs::exists(discarded));
    EXPECT_THROW(writer.Flush(discarded, target), ErrorVB);
    EXPECT_EQ(files::ReadWhole(target), "Attribute VB_Name = \"M\"\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Ruta()), fs::directory_iterator()), 1);
}
