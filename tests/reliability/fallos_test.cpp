// Saving when things go wrong, with real files and folders: a full disk, a read-only folder or
// file system, a file someone else changed since it was loaded, a process killed mid-save.
// Whatever happens, every file holds either its old bytes or its new ones.

#include "base/ErrorVB.h"
#include "host/files/AtomicWrite.h"
#include "host/files/Journal.h"
#include "host/files/Project.h"
#include "host/files/Temporaries.h"
#include "tests/reliability/Apoyo.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

namespace {

namespace fs = std::filesystem;
using apoyo::Carpeta;
using apoyo::Crlf;
using apoyo::Foto;

// A module of about `kb` kilobytes with `procs` procedures.
std::string Modulo(const std::string& nombre, int kb) {
    std::string s = Crlf("Attribute VB_Name = \"" + nombre + "\"\nOption Explicit\n");
    for (int p = 0; s.size() < std::size_t(kb) * 1024; ++p) {
        s += Crlf("\nPublic Sub Paso" + std::to_string(p) + "()\n    x = x + " + std::to_string(p) +
                  "\n    Debug.Print \"" + std::string(60, 'a' + p % 26) + "\"\nEnd Sub\n");
    }
    return s;
}

// A project of `n` modules of `kb` kilobytes each in `carpeta`.
fs::path Proyecto(const fs::path& carpeta, int n, int kb) {
    std::string vbp = "Type=Exe\r\n";
    for (int i = 0; i < n; ++i) {
        const std::string nombre = "Mod" + std::to_string(i);
        apoyo::Escribe(carpeta / (nombre + ".bas"), Modulo(nombre, kb));
        vbp += "Module=" + nombre + "; " + nombre + ".bas\r\n";
    }
    apoyo::Escribe(carpeta / "P.vbp", vbp + "Name=\"P\"\r\n");
    return carpeta / "P.vbp";
}

// Every module gets one more line in each procedure's neighbourhood: its size grows by half.
void EditaTodo(files::Project& p) {
    for (std::size_t i = 0; i < p.ComponentCount(); ++i) {
        auto& m = p.ComponentAt(i).CodeModule();
        for (long l = m.CountOfLines(); l > 2; l -= 2) {
            m.InsertLines(l, "' revisado por la prueba de fallos");
        }
    }
}

// Files that a save may leave behind when it dies: the temporaries, which no loader takes for a
// source (their names end in ".tmp").
bool EsTemporal(const std::string& nombre) {
    return nombre.find(".lintrap-") != std::string::npos && nombre.ends_with(".tmp");
}

// A tmpfs of `size` mounted on `donde` for as long as it lives; Montado() is false where the
// machine does not let us mount (not root, in a container without the right).
class Tmpfs {
public:
    Tmpfs(const fs::path& donde, const std::string& opciones) : donde_(donde) {
        montado_ = ::mount("tmpfs", donde.c_str(), "tmpfs", 0, opciones.c_str()) == 0;
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

ErrorVB FallaAlGuardar(files::Project& p, bool sobrescribe = false) {
    try {
        p.Save(sobrescribe);
    } catch (const ErrorVB& e) {
        return e;
    }
    ADD_FAILURE() << "the save did not fail";
    return ErrorVB(0, "", "");
}

// Proves: a disk that fills up mid-save leaves every file as it was, says "disco lleno" naming
// the file, and leaves no temporary behind; after space is freed the same save succeeds.
TEST(Fallos, DiskFullLeavesEveryFileAsItWas) {
    Carpeta c;
    Tmpfs disco(c.Ruta(), "size=1m");
    if (!disco.Montado()) {
        GTEST_SKIP() << "cannot mount a tmpfs here; the injected failure below covers the rest";
    }
    apoyo::Escribe(c / "relleno", std::string(400 * 1024, 'r'));
    auto proyecto = files::Project::Load(Proyecto(c.Ruta(), 3, 100));
    EditaTodo(*proyecto);
    const auto antes = Foto(c.Ruta());

    ErrorVB e = FallaAlGuardar(*proyecto);
    EXPECT_EQ(e.Number, vberr::DiskFull) << e.Description;
    EXPECT_NE(e.Description.find("disco lleno"), std::string::npos) << e.Description;
    EXPECT_NE(e.Description.find(".bas"), std::string::npos) << e.Description;
    EXPECT_EQ(Foto(c.Ruta()), antes);
    EXPECT_TRUE(proyecto->Modified()) << "the edits must still be there to save later";

    fs::remove(c / "relleno");
    proyecto->Save();
    auto reabierto = files::Project::Load(c / "P.vbp");
    for (std::size_t i = 0; i < proyecto->ComponentCount(); ++i) {
        EXPECT_EQ(reabierto->ComponentAt(i).Bytes(), proyecto->ComponentAt(i).Bytes());
    }
}

// The write seam makes the third file's temporary fail with ENOSPC where no tmpfs can be had;
// also proves that the temporaries already written are removed again.
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
    auto proyecto = files::Project::Load(Proyecto(c.Ruta(), 4, 8));
    EditaTodo(*proyecto);
    const auto antes = Foto(c.Ruta());
    FallaEnElTercero escritor;
    {
        files::WriterOverride usa(escritor);
        ErrorVB e = FallaAlGuardar(*proyecto);
        EXPECT_EQ(e.Number, vberr::DiskFull);
        EXPECT_NE(e.Description.find("Mod2.bas"), std::string::npos) << e.Description;
    }
    EXPECT_EQ(escritor.escritos, 3);
    EXPECT_EQ(Foto(c.Ruta()), antes);
}

// Proves: a read-only folder, a read-only file and a read-only file system are refused before
// anything is written, each naming what is read-only.
TEST(Fallos, ReadOnlyFolderFileAndFileSystemAreRefusedBeforeAnyWrite) {
    {
        Carpeta c;
        auto proyecto = files::Project::Load(Proyecto(c.Ruta(), 2, 4));
        EditaTodo(*proyecto);
        fs::permissions(c / "Mod1.bas", fs::perms::owner_read | fs::perms::group_read);
        auto antes = Foto(c.Ruta());
        ErrorVB e = FallaAlGuardar(*proyecto);
        EXPECT_EQ(e.Number, vberr::PermissionDenied);
        EXPECT_NE(e.Description.find("Mod1.bas"), std::string::npos) << e.Description;
        EXPECT_NE(e.Description.find("solo lectura"), std::string::npos) << e.Description;
        EXPECT_EQ(Foto(c.Ruta()), antes) << "Mod0.bas must not be written alone";

        fs::permissions(c / "Mod1.bas", fs::perms::owner_write, fs::perm_options::add);
        fs::permissions(c.Ruta(), fs::perms::owner_read | fs::perms::owner_exec);
        antes = Foto(c.Ruta());
        e = FallaAlGuardar(*proyecto);
        EXPECT_EQ(e.Number, vberr::PermissionDenied);
        EXPECT_NE(e.Description.find("la carpeta"), std::string::npos) << e.Description;
        EXPECT_EQ(Foto(c.Ruta()), antes);
    }
    Carpeta c;
    Tmpfs disco(c.Ruta(), "size=1m");
    if (!disco.Montado()) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    auto proyecto = files::Project::Load(Proyecto(c.Ruta(), 2, 4));
    EditaTodo(*proyecto);
    ASSERT_TRUE(disco.SoloLectura());
    const auto antes = Foto(c.Ruta());
    ErrorVB e = FallaAlGuardar(*proyecto);
    EXPECT_EQ(e.Number, vberr::PermissionDenied) << e.Description;
    EXPECT_NE(e.Description.find("Mod0.bas"), std::string::npos) << e.Description;
    EXPECT_EQ(Foto(c.Ruta()), antes);
}

// Proves: a file changed on disk since it was loaded is never overwritten silently; the whole
// save is refused naming it, until the caller says to overwrite. A file only touched (same
// bytes, new time) is not a change, and a file deleted meanwhile is not silently recreated.
TEST(Fallos, FileChangedOnDiskSinceLoadIsRefusedUnlessOverwriting) {
    Carpeta c;
    auto proyecto = files::Project::Load(Proyecto(c.Ruta(), 2, 4));
    EditaTodo(*proyecto);
    const std::string ajeno = Modulo("Mod1", 2) + "' escrito por otro programa\r\n";
    apoyo::Escribe(c / "Mod1.bas", ajeno);
    const auto antes = Foto(c.Ruta());

    ErrorVB e = FallaAlGuardar(*proyecto);
    EXPECT_EQ(e.Number, 58);
    EXPECT_NE(e.Description.find("Mod1.bas"), std::string::npos) << e.Description;
    EXPECT_NE(e.Description.find("ha cambiado"), std::string::npos) << e.Description;
    EXPECT_EQ(Foto(c.Ruta()), antes) << "neither Mod1 nor Mod0 may be written";

    proyecto->Save(true);
    EXPECT_EQ(apoyo::Lee(c / "Mod1.bas"), proyecto->ComponentAt(1).Bytes());

    // Touched with the same bytes: saved as usual.
    proyecto->ComponentAt(0).CodeModule().InsertLines(1, "' otra");
    const std::string mismo = apoyo::Lee(c / "Mod0.bas");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    apoyo::Escribe(c / "Mod0.bas", mismo);
    proyecto->Save();
    EXPECT_EQ(apoyo::Lee(c / "Mod0.bas"), proyecto->ComponentAt(0).Bytes());

    // Deleted meanwhile: refused, not recreated.
    proyecto->ComponentAt(0).CodeModule().InsertLines(1, "' y otra");
    fs::remove(c / "Mod0.bas");
    e = FallaAlGuardar(*proyecto);
    EXPECT_EQ(e.Number, 58);
    EXPECT_FALSE(fs::exists(c / "Mod0.bas"));
}

// Proves: a save killed at any moment (SIGKILL, nothing runs after it) leaves each file with
// its old bytes or its new ones, never a truncation; once the journal it may have left is
// completed and its stray temporaries removed (what the next run does), every file is old or
// every file is new, and nothing else is left.
TEST(Fallos, SaveKilledAtRandomMomentsLeavesOldOrNewBytesOnly) {
    Carpeta c;
    Proyecto(c.Ruta(), 12, 120);
    const auto original = Foto(c.Ruta());

    // A child process loads the project, edits it, says it is ready and saves: the save runs
    // as it would in a program of its own (its own background threads, started afresh).
    auto guardaEnHijo = [](const fs::path& carpeta) {
        int canal[2];
        if (::pipe(canal) != 0) {
            return pid_t(-1);
        }
        pid_t hijo = ::fork();
        if (hijo == 0) {
            ::close(canal[0]);
            auto p = files::Project::Load(carpeta / "P.vbp");
            EditaTodo(*p);
            char listo = 1;
            (void)!::write(canal[1], &listo, 1);
            p->Save();
            ::_exit(0);
        }
        ::close(canal[1]);
        char listo = 0;
        const bool leido = ::read(canal[0], &listo, 1) == 1;
        ::close(canal[0]);
        return leido ? hijo : pid_t(-1);
    };

    // The bytes a finished save writes, and how long it takes from the moment it is ready.
    std::map<std::string, std::string> nuevos;
    std::chrono::microseconds duracion{};
    {
        Carpeta copia;
        fs::copy(c.Ruta(), copia.Ruta(), fs::copy_options::recursive);
        const pid_t hijo = guardaEnHijo(copia.Ruta());
        ASSERT_GT(hijo, 0);
        const auto t0 = std::chrono::steady_clock::now();
        int estado = 0;
        ::waitpid(hijo, &estado, 0);
        duracion = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - t0);
        ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
        for (const auto& [nombre, archivo] : Foto(copia.Ruta())) {
            nuevos[nombre] = archivo.bytes;
        }
    }

    std::mt19937 azar(8);
    int viejos = 0;
    int completados = 0; // the kill fell between the renames: the journal completed them
    for (int vez = 0; vez < 40; ++vez) {
        const pid_t hijo = guardaEnHijo(c.Ruta());
        ASSERT_GT(hijo, 0);
        const auto espera = std::chrono::microseconds(
            std::uniform_int_distribution<long>(0, duracion.count() * 12 / 10)(azar));
        std::this_thread::sleep_for(espera);
        ::kill(hijo, SIGKILL);
        int estado = 0;
        ::waitpid(hijo, &estado, 0);

        for (const auto& [nombre, archivo] : Foto(c.Ruta())) {
            if (EsTemporal(nombre) || nombre.ends_with(".lintrap-journal")) {
                continue;
            }
            ASSERT_TRUE(original.count(nombre)) << "unexpected file " << nombre;
            const bool esViejo = archivo.bytes == original.at(nombre).bytes;
            const bool esNuevo = archivo.bytes == nuevos.at(nombre);
            ASSERT_TRUE(esViejo || esNuevo) << nombre << " is neither old nor new after a kill "
                                            << espera.count() << " us into the save";
        }
        completados += files::CompleteJournal(c / "P.vbp").has_value();
        std::vector<fs::path> suyos;
        for (const auto& [nombre, archivo] : original) {
            suyos.push_back(c / nombre);
        }
        suyos.push_back(files::JournalName(c / "P.vbp"));
        files::RemoveStrayTemporaries(suyos);
        int cuantosNuevos = 0;
        const auto despues = Foto(c.Ruta());
        for (const auto& [nombre, archivo] : despues) {
            ASSERT_TRUE(original.count(nombre)) << "left behind: " << nombre;
            cuantosNuevos +=
                archivo.bytes == nuevos.at(nombre) && archivo.bytes != original.at(nombre).bytes;
        }
        ASSERT_TRUE(cuantosNuevos == 0 || cuantosNuevos == 12)
            << cuantosNuevos << " of 12 new after a kill " << espera.count() << " us in";
        viejos += cuantosNuevos == 0;
        EXPECT_NO_THROW(files::Project::Load(c / "P.vbp"));

        // Back to the original for the next round.
        for (const auto& [nombre, archivo] : original) {
            apoyo::Escribe(c / nombre, archivo.bytes);
        }
    }
    // The kills fell over the whole save, not all before it began.
    EXPECT_LT(viejos, 40);
    RecordProperty("kills_between_renames", completados);
}

} // namespace
