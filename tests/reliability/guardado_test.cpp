// Saves through lintrap as processes: killed or interrupted at random moments, run two at a time
// on one project, stopped among the renames; and the copies into another folder that must never
// overwrite or write outside it. Every file ends up all old or all new, and nothing is left.

#include "base/ErrorVB.h"
#include "host/files/AtomicWrite.h"
#include "host/files/Group.h"
#include "host/files/Journal.h"
#include "host/files/Project.h"
#include "tests/reliability/Apoyo.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <thread>

namespace {

namespace fs = std::filesystem;
using apoyo::Carpeta;
using apoyo::Crlf;
using apoyo::Foto;

using Estado = std::map<std::string, std::string>; // file -> bytes

Estado Contenido(const fs::path& carpeta) {
    Estado e;
    for (const auto& [nombre, archivo] : Foto(carpeta)) {
        e[nombre] = archivo.bytes;
    }
    return e;
}

void Restaura(const fs::path& carpeta, const Estado& e) {
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    for (const auto& [nombre, bytes] : e) {
        apoyo::Escribe(carpeta / nombre, bytes);
    }
}

// A project of `n` modules with a few procedures each.
fs::path Proyecto(const fs::path& carpeta, int n, int procs) {
    fs::create_directories(carpeta);
    std::string vbp = "Type=Exe\r\n";
    for (int i = 0; i < n; ++i) {
        const std::string nombre = "Mod" + std::to_string(i);
        std::string s = "Attribute VB_Name = \"" + nombre + "\"\nOption Explicit\n";
        for (int p = 0; p < procs; ++p) {
            s += "\nPublic Sub Paso" + std::to_string(p) + "()\n    x = x + " + std::to_string(p) +
                 "\n    Debug.Print \"" + std::string(40, char('a' + p % 26)) + "\"\nEnd Sub\n";
        }
        apoyo::Escribe(carpeta / (nombre + ".bas"), Crlf(s));
        vbp += "Module=" + nombre + "; " + nombre + ".bas\r\n";
    }
    apoyo::Escribe(carpeta / "P.vbp", vbp + "Name=\"P\"\r\n");
    return carpeta / "P.vbp";
}

std::vector<std::string> Orden(const fs::path& vbp, const std::string& modo) {
    return {"insert", vbp.string(), "--all-modules", "--all", "--mode", modo};
}

// What the folder holds after `modos` ran one after the other on a copy of `inicio`.
Estado Tras(const Estado& inicio, const std::vector<std::string>& modos) {
    Carpeta c;
    Restaura(c / "p", inicio);
    for (const auto& modo : modos) {
        auto r = apoyo::Lintrap(Orden(c / "p" / "P.vbp", modo));
        EXPECT_EQ(r.codigo, 0) << r.err;
    }
    return Contenido(c / "p");
}

// Proves: a 200-module save killed at any moment (SIGKILL, SIGTERM or Ctrl-C), followed by one
// command on the project, leaves every module old or every module new, never a mix, and not a
// single file that was not there before (temporaries, journal, lock). SIGTERM and SIGINT end
// the run with 143 and 130, saying so, and leave nothing for the next command to clean.
TEST(Guardado, KilledAtAnyMomentThenOneCommandLeavesAllOldOrAllNewAndNothingElse) {
#ifndef LINTRAP_BIN
    GTEST_SKIP() << "lintrap is not built";
#endif
    Carpeta c;
    const fs::path vbp = Proyecto(c / "p", 200, 6);
    const Estado viejo = Contenido(c / "p");
    const auto t0 = std::chrono::steady_clock::now();
    const Estado nuevo = Tras(viejo, {"numbers"});
    const auto duracion = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - t0);
    ASSERT_NE(nuevo, viejo);

    // What a folder holds that is neither all old nor all new.
    auto Diferencias = [&](const Estado& fin) {
        std::string mal;
        for (const auto& [nombre, bytes] : fin) {
            if (!viejo.count(nombre)) {
                mal += " stray " + nombre;
            } else if (bytes != viejo.at(nombre) && bytes != nuevo.at(nombre)) {
                mal += " neither " + nombre;
            }
        }
        int n = 0;
        for (const auto& [nombre, bytes] : fin) {
            n += viejo.count(nombre) && bytes == nuevo.at(nombre) && bytes != viejo.at(nombre);
        }
        return mal + " new:" + std::to_string(n);
    };

    std::mt19937 azar(16);
    const int senales[] = {SIGKILL, SIGKILL, SIGTERM, SIGINT};
    int viejos = 0, nuevos = 0;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(12);
    for (int vez = 0; vez < 30 && std::chrono::steady_clock::now() < limite; ++vez) {
        Restaura(c / "p", viejo);
        const int senal = senales[vez % 4];
        apoyo::EnMarcha run(Orden(vbp, "numbers"));
        // Up to half as long again as the clean run: a busy machine (or the sanitizers) makes
        // a run slower than the one measured, and some kills must still fall after the commit.
        std::this_thread::sleep_for(std::chrono::microseconds(
            std::uniform_int_distribution<long>(0, duracion.count() * 3 / 2)(azar)));
        ::kill(run.Pid(), senal);
        const auto r = run.Espera();
        SCOPED_TRACE("round " + std::to_string(vez) + ", signal " + std::to_string(senal) +
                     ", exit " + std::to_string(r.codigo) + ": " + r.err);
        if (senal != SIGKILL) {
            EXPECT_TRUE(r.codigo == 0 || r.codigo == 128 + senal);
            // A signal that comes before the run is set up to handle it (a slow start, as
            // under the sanitizers) ends it as any program; otherwise the run says so.
            if (r.codigo == 128 + senal && !r.muerto) {
                EXPECT_NE(r.err.find("interrumpido"), std::string::npos);
            }
            const Estado ya = Contenido(c / "p");
            EXPECT_TRUE(ya == viejo || ya == nuevo)
                << "a signal left a mix or a stray file:" << Diferencias(ya);
        }
        auto despues = apoyo::Lintrap({"list", vbp.string()});
        EXPECT_EQ(despues.codigo, 0) << despues.err;
        const Estado fin = Contenido(c / "p");
        ASSERT_TRUE(fin == viejo || fin == nuevo) << Diferencias(fin);
        viejos += fin == viejo;
        nuevos += fin == nuevo;
    }
    // The kills fell both before and after the commit.
    EXPECT_GT(viejos, 0);
    EXPECT_GT(nuevos, 0);
}

// Proves: two runs on one project at once never both succeed with one's edits lost: either one
// is refused as "en uso" (exit 2) and the folder holds the other's result, or they ran one after
// the other and it holds both edits. With --wait the second waits its turn and both apply.
// Commands that only read run side by side.
TEST(Guardado, TwoRunsAtOnceNeverBothSucceedLosingEdits) {
#ifndef LINTRAP_BIN
    GTEST_SKIP() << "lintrap is not built";
#endif
    Carpeta c;
    const fs::path vbp = Proyecto(c / "p", 60, 4);
    const Estado inicio = Contenido(c / "p");
    const Estado soloA = Tras(inicio, {"numbers"});
    const Estado soloB = Tras(inicio, {"resume-next"});
    const Estado aLuegoB = Tras(inicio, {"numbers", "resume-next"});
    const Estado bLuegoA = Tras(inicio, {"resume-next", "numbers"});

    int rechazos = 0;
    for (int vez = 0; vez < 8; ++vez) {
        Restaura(c / "p", inicio);
        apoyo::EnMarcha a(Orden(vbp, "numbers"));
        std::this_thread::sleep_for(std::chrono::milliseconds(vez * 15));
        apoyo::EnMarcha b(Orden(vbp, "resume-next"));
        const auto ra = a.Espera();
        const auto rb = b.Espera();
        SCOPED_TRACE("offset " + std::to_string(vez * 15) + " ms: " + ra.err + " / " + rb.err);
        const Estado fin = Contenido(c / "p");
        ASSERT_TRUE(ra.codigo == 0 || ra.codigo == 2);
        ASSERT_TRUE(rb.codigo == 0 || rb.codigo == 2);
        ASSERT_FALSE(ra.codigo == 2 && rb.codigo == 2);
        if (ra.codigo == 0 && rb.codigo == 0) {
            EXPECT_TRUE(fin == aLuegoB || fin == bLuegoA) << "both succeeded, edits lost";
        } else {
            const auto& rechazado = ra.codigo == 2 ? ra : rb;
            EXPECT_NE(rechazado.err.find("en uso"), std::string::npos);
            EXPECT_EQ(fin, ra.codigo == 0 ? soloA : soloB);
            ++rechazos;
        }
    }
    EXPECT_GT(rechazos, 0) << "the runs never overlapped";

    Restaura(c / "p", inicio);
    auto conEspera = [](std::vector<std::string> a) {
        a.insert(a.begin(), {"--wait", "60"});
        return a;
    };
    apoyo::EnMarcha a(conEspera(Orden(vbp, "numbers")));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    apoyo::EnMarcha b(conEspera(Orden(vbp, "resume-next")));
    EXPECT_EQ(a.Espera().codigo, 0);
    EXPECT_EQ(b.Espera().codigo, 0);
    const Estado fin = Contenido(c / "p");
    EXPECT_TRUE(fin == aLuegoB || fin == bLuegoA);

    // Runs that only read share the project: two checks at once both do their work.
    apoyo::EnMarcha uno({"check", vbp.string()});
    apoyo::EnMarcha otro({"check", vbp.string()});
    const auto r1 = uno.Espera();
    const auto r2 = otro.Espera();
    EXPECT_NE(r1.codigo, 2) << r1.err;
    EXPECT_EQ(r1.codigo, r2.codigo) << r2.err;
}

// Renames that stop halfway (the third fails): the journal stays, the error says the rest will
// follow, and the next command completes the save, says so in one line and leaves nothing.
class FallaAlTercerRenombre : public files::DiskWriter {
public:
    void Commit(const fs::path& temporary, const fs::path& target) override {
        if (++hechos == 3) {
            throw files::SystemError(EIO, target, "escribir");
        }
        DiskWriter::Commit(temporary, target);
    }
    int hechos = 0;
};

// A save of `n` modules stopped after two renames, by a process that then ended: its journal
// and the other temporaries stay. Returns the project loaded and edited as that save had it.
std::unique_ptr<files::Project> Interrumpido(const fs::path& carpeta, int n) {
    auto p = files::Project::Load(Proyecto(carpeta, n, 3));
    for (std::size_t i = 0; i < p->ComponentCount(); ++i) {
        p->ComponentAt(i).CodeModule().InsertLines(2, "' nuevo");
    }
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        FallaAlTercerRenombre escritor;
        files::WriterOverride usa(escritor);
        try {
            p->Save();
        } catch (const ErrorVB& e) {
            ::_exit(e.Description.find("próxima orden") == std::string::npos);
        }
        ::_exit(2);
    }
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "the save did not fail so";
    EXPECT_TRUE(fs::exists(files::JournalName(p->Path())));
    return p;
}

TEST(Guardado, SaveStoppedAmongTheRenamesIsCompletedByTheNextCommand) {
    Carpeta c;
    auto p = Interrumpido(c / "p", 6);
#ifdef LINTRAP_BIN
    auto r = apoyo::Lintrap({"list", p->Path().string()});
    EXPECT_EQ(r.codigo, 0) << r.err;
    EXPECT_NE(r.err.find("se ha completado el guardado interrumpido"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    const Estado fin = Contenido(c / "p");
    EXPECT_EQ(fin.size(), 7u) << "journal or temporaries left";
    for (std::size_t i = 0; i < p->ComponentCount(); ++i) {
        EXPECT_EQ(fin.at(p->ComponentAt(i).File().filename().string()), p->ComponentAt(i).Bytes());
    }
#endif
}

// Proves: a journal is carried out only in the folder it was written in and only over the
// project's own files. A folder copied or moved with a save pending, or a journal made by hand
// (whole paths, "../", a copy of itself outside), is refused naming the journal and what to do:
// nothing anywhere is touched, the copy's temporaries included; --discard-journal drops it and
// then its temporaries go. The original still completes; a journal of the first version (whole
// paths) over the project's own files completes too.
TEST(Guardado, JournalFromAnotherFolderOrMadeByHandIsRefusedTouchingNothing) {
#ifndef LINTRAP_BIN
    GTEST_SKIP() << "lintrap is not built";
#endif
    Carpeta c;
    const fs::path vbp = Interrumpido(c / "p", 4)->Path();
    const auto real = [&](const std::string& nombre) { return fs::canonical(c.Ruta()) / nombre; };
    const Estado interrumpido = Contenido(c / "p");
    fs::create_directories(c / "fuera");
    apoyo::Escribe(c / "fuera" / "v.txt", "ajeno");
    apoyo::Escribe(c / "fuera" / "v.txt.lintrap-999999999-1.tmp", "intruso");
    apoyo::Escribe(c / "fuera" / "x.vbp.lintrap-journal", "ajeno");
    const std::string temporal = fs::path(real("p/Mod0.bas.lintrap-999999999-7.tmp")).string();
    auto diario = [](std::string cabecera, std::vector<std::string> campos) {
        for (const auto& campo : campos) {
            cabecera += campo + '\0';
        }
        return cabecera;
    };
    const std::string v2 = "lintrap-journal 2\n", v1 = "lintrap-journal 1\n";
    const std::string proyecto = real("p/P.vbp").string(), fuera = real("fuera/v.txt").string();
    struct Caso {
        const char* nombre;
        std::string carpeta; // where the project is opened
        std::string journal; // written by hand into p when not empty
        bool hecho;          // completed, not refused
    } casos[] = {
        {"copied folder", "copia", "", false},
        {"moved folder", "movida", "", false},
        {"whole path outside", "p",
         diario(v2,
                {"project", proyecto, "file", fuera + ".lintrap-999999999-1.tmp", fuera, "end"}),
         false},
        {"../ outside", "p",
         diario(v2, {"project", proyecto, "file", "../fuera/v.txt.lintrap-999999999-1.tmp",
                     "../fuera/v.txt", "end"}),
         false},
        {"copy of itself outside", "p",
         diario(v2, {"project", proyecto, "copy", "../fuera/x.vbp.lintrap-journal", "end"}), false},
        {"first version outside", "p",
         diario(v1, {"file", fuera + ".lintrap-999999999-1.tmp", fuera, "end"}), false},
        {"first version inside", "p",
         diario(v1, {"file", temporal, real("p/Mod0.bas").string(), "end"}), true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Restaura(c / "p", interrumpido);
        if (!caso.journal.empty()) {
            // the journal below stands alone
            for (const auto& e : fs::directory_iterator(c / "p")) {
                if (e.path().string().find(".lintrap-") != std::string::npos) {
                    fs::remove(e.path());
                }
            }
            apoyo::Escribe(temporal, "' del diario\r\n");
            apoyo::Escribe(files::JournalName(vbp), caso.journal);
        }
        if (caso.carpeta == "copia") {
            fs::remove_all(c / "copia");
            fs::copy(c / "p", c / "copia", fs::copy_options::recursive);
        } else if (caso.carpeta == "movida") {
            fs::remove_all(c / "movida");
            fs::rename(c / "p", c / "movida");
        }
        const fs::path abierto = c / caso.carpeta / "P.vbp";
        const auto antes = Foto(c.Ruta());
        auto r = apoyo::Lintrap({"list", abierto.string()});
        if (caso.hecho) {
            EXPECT_EQ(r.codigo, 0) << r.err;
            EXPECT_EQ(apoyo::Lee(c / "p" / "Mod0.bas"), "' del diario\r\n");
            EXPECT_FALSE(fs::exists(files::JournalName(vbp)));
            continue;
        }
        EXPECT_EQ(r.codigo, 2) << r.err;
        EXPECT_NE(r.err.find(caso.carpeta + "/P.vbp.lintrap-journal"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("--discard-journal"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("no existe la carpeta"), std::string::npos) << r.err;
        EXPECT_EQ(Foto(c.Ruta()), antes) << "a refused journal touched a file";

        r = apoyo::Lintrap({"--discard-journal", "list", abierto.string()});
        EXPECT_EQ(r.codigo, 0) << r.err;
        EXPECT_NE(r.err.find("se ha descartado el diario"), std::string::npos) << r.err;
        for (const auto& [nombre, bytes] : Contenido(c / caso.carpeta)) {
            EXPECT_EQ(nombre.find(".lintrap-"), std::string::npos) << nombre << " left";
        }
        EXPECT_EQ(apoyo::Lee(c / "fuera" / "v.txt"), "ajeno");
        EXPECT_TRUE(fs::exists(c / "fuera" / "x.vbp.lintrap-journal"));
        if (caso.carpeta == "copia") { // the original is still completed where it was written
            Restaura(c / "p", interrumpido);
            EXPECT_EQ(apoyo::Lintrap({"list", vbp.string()}).codigo, 0);
            EXPECT_EQ(Contenido(c / "p").size(), 5u);
        }
        if (caso.carpeta == "movida") {
            fs::rename(c / "movida", c / "p");
        }
    }
}

// Proves: the journal's checks let a real save through whatever folders it spans: a group whose
// projects lie in two folders, each with a module in a shared folder outside both ("..\\Comun"),
// stopped among its renames, is completed by the next command.
TEST(Guardado, GroupSaveOverSeveralFoldersIsStillCompleted) {
#ifndef LINTRAP_BIN
    GTEST_SKIP() << "lintrap is not built";
#endif
    Carpeta c;
    fs::create_directories(c / "Comun");
    fs::create_directories(c / "G");
    for (const std::string lado : {"X", "Y"}) {
        fs::create_directories(c / lado);
        for (const std::string m : {"U", "C"}) {
            apoyo::Escribe(c / (m == "U" ? lado : "Comun") / (m + lado + ".bas"),
                           Crlf("Attribute VB_Name = \"" + m + lado + "\"\nSub A()\nEnd Sub\n"));
        }
        apoyo::Escribe(c / lado / "P.vbp",
                       Crlf("Type=Exe\nModule=U" + lado + "; U" + lado + ".bas\nModule=C" + lado +
                            "; ..\\Comun\\C" + lado + ".bas\n"));
    }
    apoyo::Escribe(c / "G" / "G.vbg",
                   Crlf("VBGROUP 5.0\nProject=..\\X\\P.vbp\nProject=..\\Y\\P.vbp\n"));
    {
        auto g = files::Group::Load(c / "G" / "G.vbg");
        for (std::size_t i = 0; i < g->Count(); ++i) {
            for (std::size_t k = 0; k < g->At(i).ComponentCount(); ++k) {
                g->At(i).ComponentAt(k).CodeModule().InsertLines(1, "' nuevo");
            }
        }
        FallaAlTercerRenombre escritor;
        files::WriterOverride usa(escritor);
        EXPECT_THROW(g->Save(), ErrorVB);
    }
    const auto r = apoyo::Lintrap({"list", (c / "G" / "G.vbg").string()});
    EXPECT_EQ(r.codigo, 0) << r.err;
    for (const auto& [nombre, bytes] : Contenido(c.Ruta())) {
        EXPECT_EQ(nombre.find(".lintrap-"), std::string::npos) << nombre << " left";
        if (nombre.ends_with(".bas")) {
            EXPECT_NE(bytes.find("' nuevo"), std::string::npos) << nombre;
        }
    }
}

// Proves: bytes equal to the file's are never written: numbering a numbered project again keeps
// every file (same inode), and runs over read-only files that change nothing succeed, as does
// a --dry-run that would change them (it never needs to write).
TEST(Guardado, UnchangedFilesAreNotWrittenNorNeedToBeWritable) {
#ifndef LINTRAP_BIN
    GTEST_SKIP() << "lintrap is not built";
#endif
    Carpeta c;
    const fs::path vbp = Proyecto(c / "p", 3, 2);
    ASSERT_EQ(apoyo::Lintrap(Orden(vbp, "numbers")).codigo, 0);
    auto inodos = [&] {
        std::map<std::string, ino_t> n;
        for (const auto& e : fs::directory_iterator(c / "p")) {
            struct stat st {};
            ::stat(e.path().c_str(), &st);
            n[e.path().filename().string()] = st.st_ino;
        }
        return n;
    };
    const auto antes = inodos();
    const Estado numerado = Contenido(c / "p");
    for (const auto& e : fs::directory_iterator(c / "p")) {
        fs::permissions(e.path(), fs::perms::all, fs::perm_options::remove);
        fs::permissions(e.path(), fs::perms::owner_read, fs::perm_options::add);
    }
    auto simulacro = Orden(vbp, "resume-next");
    simulacro.push_back("--dry-run");
    for (const auto& orden : {Orden(vbp, "numbers"), simulacro}) {
        SCOPED_TRACE(orden.back());
        const auto r = apoyo::Lintrap(orden);
        EXPECT_EQ(r.codigo, 0) << r.err;
        EXPECT_EQ(Contenido(c / "p"), numerado);
        EXPECT_EQ(inodos(), antes);
    }
}

// A file changed by another program at the last moment (after every temporary is on the disk,
// right before the commit), even with its size and time put back as they were, is refused:
// nothing is written and no temporary is left.
class CambiaAlFinal : public files::DiskWriter {
public:
    CambiaAlFinal(fs::path victima, bool mismoTamano) : victima_(victima), mismo_(mismoTamano) {}
    void Flush(const fs::path& path, const fs::path& target) override {
        DiskWriter::Flush(path, target);
        if (hecho_ || fs::is_directory(path)) {
            return;
        }
        hecho_ = true;
        struct stat antes {};
        ::stat(victima_.c_str(), &antes);
        std::string bytes = apoyo::Lee(victima_);
        if (mismo_) {
            bytes[bytes.size() / 2] ^= 1;
        } else {
            bytes += "' otro\r\n";
        }
        apoyo::Escribe(victima_, bytes);
        if (mismo_) {
            const struct timespec tiempos[2] = {antes.st_atim, antes.st_mtim};
            ::utimensat(AT_FDCWD, victima_.c_str(), tiempos, 0);
        }
    }

private:
    fs::path victima_;
    bool mismo_;
    bool hecho_ = false;
};

// Read at once (the stamp can only trust the bytes) or a while after they were written (read
// when used: the stamp trusts the file's change time, and the bytes are not read again).
TEST(Guardado, FileChangedAtTheLastMomentIsRefusedEvenWithSizeAndTimeAlike) {
    for (bool mismo : {true, false})
        for (auto carga : {files::CodeLoading::Now, files::CodeLoading::WhenUsed}) {
            SCOPED_TRACE(mismo ? "same size and time" : "grown");
            Carpeta c;
            const fs::path vbp = Proyecto(c / "p", 4, 3);
            if (carga == files::CodeLoading::WhenUsed) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            auto p = files::Project::Load(vbp, codepage::Predeterminada, carga);
            for (std::size_t i = 0; i < p->ComponentCount(); ++i) {
                p->ComponentAt(i).CodeModule().InsertLines(2, "' nuevo");
            }
            CambiaAlFinal escritor(c / "p" / "Mod3.bas", mismo);
            Estado esperado;
            {
                files::WriterOverride usa(escritor);
                try {
                    p->Save();
                    ADD_FAILURE() << "the change was overwritten";
                } catch (const ErrorVB& e) {
                    EXPECT_EQ(e.Number, 58);
                    EXPECT_NE(e.Description.find("Mod3.bas"), std::string::npos) << e.Description;
                }
            }
            const Estado fin = Contenido(c / "p");
            EXPECT_EQ(fin.size(), 5u) << "a temporary or journal was left";
            EXPECT_NE(fin.at("Mod3.bas").find(mismo ? "Paso" : "' otro"), std::string::npos);
            for (const char* nombre : {"Mod0.bas", "Mod1.bas", "Mod2.bas"}) {
                EXPECT_EQ(fin.at(nombre).find("' nuevo"), std::string::npos) << nombre;
            }
        }
}

// Group copies: two projects whose files would land on the same file of the copy are refused
// naming both, before anything is written; so are two projects of the same file name.
TEST(Guardado, GroupCopyNeverOverwritesOneProjectWithAnother) {
#ifndef LINTRAP_BIN
    GTEST_SKIP() << "lintrap is not built";
#endif
    for (const bool mismoProyecto : {false, true}) {
        Carpeta c;
        for (const char* lado : {"X", "Y"}) {
            const fs::path carpeta = c / "fuentes" / lado / "Proj";
            fs::create_directories(carpeta);
            apoyo::Escribe(carpeta / "Util.bas",
                           Crlf("Attribute VB_Name = \"Util" + std::string(lado) +
                                "\"\nPublic Sub A()\nEnd Sub\n"));
            const std::string archivo = mismoProyecto ? "P.vbp" : "P" + std::string(lado) + ".vbp";
            apoyo::Escribe(carpeta / archivo, Crlf("Type=Exe\nModule=Util" + std::string(lado) +
                                                   "; Util.bas\nName=\"P" + lado + "\"\n"));
        }
        const std::string p = mismoProyecto ? "P.vbp" : "P";
        fs::create_directories(c / "fuentes" / "G");
        apoyo::Escribe(c / "fuentes" / "G" / "G.vbg",
                       Crlf("VBGROUP 5.0\nStartupProject=..\\X\\Proj\\" +
                            (mismoProyecto ? std::string("P.vbp") : "PX.vbp") +
                            "\nProject=..\\Y\\Proj\\" +
                            (mismoProyecto ? std::string("P.vbp") : "PY.vbp") + "\n"));
        const auto antes = Foto(c / "fuentes");
        auto r = apoyo::Lintrap(
            {"save", (c / "fuentes" / "G" / "G.vbg").string(), "--out", (c / "copia").string()});
        EXPECT_EQ(r.codigo, 2) << r.err;
        EXPECT_NE(r.err.find("X/Proj/"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Y/Proj/"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("mismo archivo"), std::string::npos) << r.err;
        EXPECT_EQ(Foto(c / "fuentes"), antes);
        std::size_t escritos = 0;
        if (fs::exists(c / "copia")) {
            for (const auto& e : fs::recursive_directory_iterator(c / "copia")) {
                escritos += e.is_regular_file();
            }
        }
        EXPECT_EQ(escritos, 0u);
    }
}

// --out: empty is a usage error that touches nothing (not a save in place); a file is said to
// be a file; a link inside DIR to a folder outside it is not followed; save --force replaces
// what a first copy left, and without it the copy is refused.
TEST(Guardado, OutFolderIsNeverEmptyAFileOrALinkOutside) {
#ifndef LINTRAP_BIN
    GTEST_SKIP() << "lintrap is not built";
#endif
    Carpeta c;
    const fs::path vbp = Proyecto(c / "p", 2, 2);
    fs::create_directories(c / "p" / "sub");
    fs::rename(c / "p" / "Mod1.bas", c / "p" / "sub" / "Mod1.bas");
    std::string texto = apoyo::Lee(vbp);
    texto.replace(texto.find("; Mod1.bas"), 10, "; sub\\Mod1.bas");
    apoyo::Escribe(vbp, texto);
    const auto antes = Foto(c / "p");

    for (const std::string orden : {"insert", "remove", "save"}) {
        std::vector<std::string> a = {orden, vbp.string(), "--out", ""};
        if (orden != "save") {
            a.insert(a.end(), {"--all-modules", "--all"});
        }
        auto r = apoyo::Lintrap(a);
        EXPECT_EQ(r.codigo, 2) << orden;
        EXPECT_NE(r.err.find("--out está vacío"), std::string::npos) << r.err;
        EXPECT_EQ(Foto(c / "p"), antes) << orden << " --out \"\" changed the sources";
    }

    apoyo::Escribe(c / "archivo", "x");
    auto r = apoyo::Lintrap({"save", vbp.string(), "--out", (c / "archivo").string()});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.err.find("es un archivo, no una carpeta"), std::string::npos) << r.err;

    fs::create_directories(c / "fuera");
    fs::create_directories(c / "copia");
    fs::create_directory_symlink(c / "fuera", c / "copia" / "sub");
    r = apoyo::Lintrap({"save", vbp.string(), "--out", (c / "copia").string()});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.err.find("enlace simbólico"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(c / "fuera"));
    EXPECT_EQ(Foto(c / "p"), antes);

    fs::remove(c / "copia" / "sub");
    EXPECT_EQ(apoyo::Lintrap({"save", vbp.string(), "--out", (c / "copia").string()}).codigo, 0);
    apoyo::Escribe(c / "copia" / "Mod0.bas", "estropeado");
    r = apoyo::Lintrap({"save", vbp.string(), "--out", (c / "copia").string()});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.err.find("Ya existe"), std::string::npos) << r.err;
    r = apoyo::Lintrap({"save", vbp.string(), "--out", (c / "copia").string(), "--force"});
    EXPECT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(apoyo::Lee(c / "copia" / "Mod0.bas"), apoyo::Lee(c / "p" / "Mod0.bas"));
}

} // namespace
