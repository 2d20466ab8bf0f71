// Saving when things go wrong, with real files and folders: a full disk, a read-only folder,
// file or file system, a file someone else changed since it was loaded. Whatever happens, every
// file holds its old bytes or its new ones and no temporary is left.

#include "base/ErrorVB.h"
#include "host/files/AtomicWrite.h"
#include "host/files/Project.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Errores.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;
using soporte::Carpeta;
using soporte::Foto;

// The project of `modulos` modules in `carpeta`, loaded, with a comment added above every
// other line of each module: its size grows by half. Read when used, it is loaded a while after
// it was written, so that the stamps trust the files' change times.
std::unique_ptr<files::Project> Editado(const fs::path& carpeta, int modulos, int procs,
                                        files::CodeLoading carga = files::CodeLoading::Now) {
    const fs::path vbp = soporte::Proyecto(carpeta, modulos, procs);
    if (carga == files::CodeLoading::WhenUsed) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    auto p = files::Project::Load(vbp, codepage::Predeterminada, carga);
    for (std::size_t i = 0; i < p->ComponentCount(); ++i) {
        auto& m = p->ComponentAt(i).CodeModule();
        for (long l = m.CountOfLines(); l > 2; l -= 2) {
            m.InsertLines(l, "' revisado por la prueba de fallos");
        }
    }
    return p;
}

// A tmpfs mounted on `donde` for as long as it lives; Montado() is false where the machine does
// not let us mount (not root, in a container without the right).
class Tmpfs {
public:
    Tmpfs(const fs::path& donde) : donde_(donde) {
        montado_ = ::mount("tmpfs", donde.c_str(), "tmpfs", 0, "size=1m") == 0;
    }
    ~Tmpfs() {
        if (montado_) {
            ::umount2(donde_.c_str(), MNT_DETACH);
        }
    }
    bool Montado() const { return montado_; }
    bool SoloLectura() {
        return ::mount("tmpfs", donde_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    fs::path donde_;
    bool montado_ = false;
};

// Saves `p` expecting a refusal numbered `numero` whose message holds each of `dice`, with
// nothing under `carpeta` changed.
void Rechaza(files::Project& p, const fs::path& carpeta, long numero,
             std::initializer_list<const char*> dice) {
    const auto antes = Foto(carpeta);
    try {
        p.Save();
        ADD_FAILURE() << "the save did not fail";
    } catch (const ErrorVB& e) {
        EXPECT_EQ(e.Number, numero) << e.Description;
        for (const char* texto : dice) {
            EXPECT_NE(e.Description.find(texto), std::string::npos) << e.Description;
        }
    }
    EXPECT_EQ(Foto(carpeta), antes);
}

TEST(Fallos, DiskFullLeavesEveryFileAsItWasUntilThereIsRoom) {
    Carpeta c;
    Tmpfs disco(c.Ruta());
    if (!disco.Montado()) {
        GTEST_SKIP() << "cannot mount a tmpfs here; the injected failure below covers the rest";
    }
    soporte::Escribe(c / "relleno", std::string(400 * 1024, 'r'));
    auto proyecto = Editado(c.Ruta(), 3, 1000);
    Rechaza(*proyecto, c.Ruta(), vberr::DiskFull, {"disco lleno", ".bas"});
    EXPECT_TRUE(proyecto->Modified()) << "the edits must still be there to save later";
    fs::remove(c / "relleno");
    proyecto->Save();
    auto reabierto = files::Project::Load(c / "P.vbp");
    for (std::size_t i = 0; i < proyecto->ComponentCount(); ++i) {
        EXPECT_EQ(reabierto->ComponentAt(i).Bytes(), proyecto->ComponentAt(i).Bytes());
    }
}

// The write seam makes the third file's temporary fail with ENOSPC where no tmpfs can be had:
// the temporaries already written go again, and the same save goes through afterwards.
class FallaEnElTercero : public files::DiskWriter {
public:
    fs::path WriteTemporary(const fs::path& target, std::string_view bytes) override {
        if (++escritos == 3) {
            throw files::SystemError(ENOSPC, target, "escribir");
        }
        return DiskWriter::WriteTemporary(target, bytes);
    }
    int escritos = 0;
};

TEST(Fallos, InjectedWriteFailureWritesNothingAndLeavesNoTemporary) {
    Carpeta c;
    auto proyecto = Editado(c.Ruta(), 4, 60);
    FallaEnElTercero escritor;
    {
        files::WriterOverride usa(escritor);
        Rechaza(*proyecto, c.Ruta(), vberr::DiskFull, {"Mod2.bas"});
    }
    EXPECT_EQ(escritor.escritos, 3);
    proyecto->Save();
    EXPECT_EQ(soporte::Lee(c / "Mod3.bas"), proyecto->ComponentAt(3).Bytes());
}

// A read-only file, folder and file system are refused before anything is written, by a save
// or by staging a module early, each naming what is read-only; made writable again, the file keeps
// its permissions.
TEST(Fallos, ReadOnlyFolderFileAndFileSystemAreRefusedBeforeAnyWrite) {
    {
        Carpeta c;
        auto proyecto = Editado(c.Ruta(), 2, 30);
        fs::permissions(c / "Mod1.bas", fs::perms::owner_read | fs::perms::group_read);
        Rechaza(*proyecto, c.Ruta(), vberr::PermissionDenied, {"Mod1.bas", "solo lectura"});
        const auto antes = Foto(c.Ruta()); // staging a module checks it as a save does
        EXPECT_EQ(soporte::Lanzado([&] { proyecto->Stage(proyecto->ComponentAt(1)); }).Number,
                  vberr::PermissionDenied);
        EXPECT_EQ(Foto(c.Ruta()), antes);
        fs::permissions(c / "Mod1.bas", fs::perms::owner_write, fs::perm_options::add);
        fs::permissions(c.Ruta(), fs::perms::owner_read | fs::perms::owner_exec);
        Rechaza(*proyecto, c.Ruta(), vberr::PermissionDenied, {"la carpeta"});
        fs::permissions(c.Ruta(), fs::perms::owner_all);
        proyecto->Save();
        EXPECT_EQ(fs::status(c / "Mod1.bas").permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
    Carpeta c;
    Tmpfs disco(c.Ruta());
    if (!disco.Montado()) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    auto proyecto = Editado(c.Ruta(), 2, 30);
    ASSERT_TRUE(disco.SoloLectura());
    Rechaza(*proyecto, c.Ruta(), vberr::PermissionDenied, {"Mod0.bas"});
}

// A file changed on disk since it was loaded or last saved, even to the same size, is never
// overwritten silently: the whole save is refused naming it, until the caller says to
// overwrite. A file only touched (same bytes, new time) is no change; a file deleted meanwhile
// is not recreated.
TEST(Fallos, FileChangedOnDiskIsRefusedUnlessOverwriting) {
    Carpeta c;
    auto proyecto = Editado(c.Ruta(), 2, 30);
    const auto cambia = [&](const char* nombre) {
        std::string bytes = soporte::Lee(c / nombre);
        bytes[bytes.find("Paso1")] = 'p';
        soporte::Escribe(c / nombre, bytes);
    };
    cambia("Mod1.bas");
    Rechaza(*proyecto, c.Ruta(), 58, {"Mod1.bas", "ha cambiado"});
    proyecto->Save(true);
    EXPECT_EQ(soporte::Lee(c / "Mod1.bas"), proyecto->ComponentAt(1).Bytes());

    proyecto->ComponentAt(0).CodeModule().InsertLines(1, "' otra");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    soporte::Escribe(c / "Mod0.bas", soporte::Lee(c / "Mod0.bas"));
    proyecto->Save();
    EXPECT_EQ(soporte::Lee(c / "Mod0.bas"), proyecto->ComponentAt(0).Bytes());

    proyecto->ComponentAt(1).CodeModule().InsertLines(1, "' y otra");
    cambia("Mod1.bas"); // after a save, the stamp is that of the bytes written
    Rechaza(*proyecto, c.Ruta(), 58, {"Mod1.bas"});
    proyecto->Save(true);
    proyecto->ComponentAt(0).CodeModule().InsertLines(1, "' y otra");
    fs::remove(c / "Mod0.bas");
    Rechaza(*proyecto, c.Ruta(), 58, {"Mod0.bas"});
}

// Another program changes `victima` at the last moment: after every temporary is on the disk,
// right before the commit; with its size and time put back as they were when `mismoTamano`.
class CambiaAlFinal : public files::DiskWriter {
public:
    CambiaAlFinal(fs::path victima, bool mismoTamano) : victima_(victima), mismo_(mismoTamano) {}
    void Flush(const fs::path& path, const fs::path& target) override {
        DiskWriter::Flush(path, target);
        if (!escrito.empty() || fs::is_directory(path)) {
            return;
        }
        struct stat antes {};
        ::stat(victima_.c_str(), &antes);
        escrito = soporte::Lee(victima_);
        if (mismo_) {
            escrito[escrito.size() / 2] ^= 1;
        } else {
            escrito += "' otro\r\n";
        }
        soporte::Escribe(victima_, escrito);
        if (mismo_) {
            const struct timespec tiempos[2] = {antes.st_atim, antes.st_mtim};
            ::utimensat(AT_FDCWD, victima_.c_str(), tiempos, 0);
        }
    }
    std::string escrito; // the other program's bytes

private:
    fs::path victima_;
    bool mismo_;
};

// Such a change is refused, the project read at once (the stamp can only trust the bytes) or when
// used (the stamp trusts the file's change time, and the bytes are not read again): nothing is
// written and no temporary is left.
TEST(Fallos, FileChangedAtTheLastMomentIsRefusedEvenWithSizeAndTimeAlike) {
    for (bool mismo : {true, false})
        for (auto carga : {files::CodeLoading::Now, files::CodeLoading::WhenUsed}) {
            SCOPED_TRACE(mismo ? "same size and time" : "grown");
            Carpeta c;
            auto proyecto = Editado(c.Ruta(), 4, 3, carga);
            auto esperado = soporte::Contenido(c.Ruta());
            CambiaAlFinal escritor(c / "Mod3.bas", mismo);
            files::WriterOverride usa(escritor);
            const ErrorVB e = soporte::Lanzado([&] { proyecto->Save(); });
            EXPECT_EQ(e.Number, 58);
            EXPECT_NE(e.Description.find("Mod3.bas"), std::string::npos) << e.Description;
            esperado["Mod3.bas"] = escritor.escrito;
            EXPECT_EQ(soporte::Contenido(c.Ruta()), esperado) << "written, or a temporary left";
        }
}

} // namespace
