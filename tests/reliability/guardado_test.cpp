// Saves through lintrap as processes: killed or interrupted at random moments, run two at a time
// on one project, stopped among the renames; and the copies into another folder that must never
// overwrite or write outside it. Every file ends up all old or all new, and nothing is left.

#include "base/ErrorVB.h"
#include "host/files/AtomicWrite.h"
#include "host/files/Group.h"
#include "host/files/Journal.h"
#include "host/files/Project.h"
#include "tests/support/Archivos.h"
#include "tests/support/Lintrap.h"
#include "tests/support/Tabla.h"
#include "tests/support/Texto.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

namespace {

namespace fs = std::filesystem;
using soporte::Carpeta;
using soporte::Contenido;
using soporte::Crlf;
using soporte::Foto;
using soporte::Lintrap;
using Estado = std::map<std::string, std::string>; // file -> bytes

void Restaura(const fs::path& carpeta, const Estado& e) {
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    for (const auto& [nombre, bytes] : e) {
        soporte::Escribe(carpeta / nombre, bytes);
    }
}

std::vector<std::string> Orden(const fs::path& vbp, const std::string& modo) {
    return {"insert", vbp.string(), "--all-modules", "--all", "--mode", modo};
}

// What the folder holds after `modos` ran one after the other on a copy of `inicio`.
Estado Tras(const Estado& inicio, const std::vector<std::string>& modos) {
    Carpeta c;
    Restaura(c / "p", inicio);
    for (const auto& modo : modos) {
        auto r = Lintrap(Orden(c / "p" / "P.vbp", modo));
        EXPECT_EQ(r.codigo, 0) << r.err;
    }
    return Contenido(c / "p");
}

// A 200-module save killed at any moment (SIGKILL, SIGTERM or Ctrl-C), followed by one command
// on the project, leaves every module old or every module new, never a mix, and not a single
// file that was not there before (temporaries, journal, lock). SIGTERM and SIGINT end the run
// with 143 and 130, saying so, and leave nothing for the next command to clean.
TEST(Guardado, KilledAtAnyMomentThenOneCommandLeavesAllOldOrAllNewAndNothingElse) {
    Carpeta c;
    const fs::path vbp = soporte::Proyecto(c / "p", 200, 6);
    const Estado viejo = Contenido(c / "p");
    const auto t0 = std::chrono::steady_clock::now();
    const Estado nuevo = Tras(viejo, {"numbers"});
    const auto duracion = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - t0);
    ASSERT_NE(nuevo, viejo);
    auto Diferencias = [&](const Estado& fin) { // what is neither all old nor all new
        std::string mal;
        for (const auto& [nombre, bytes] : fin) {
            mal += !viejo.count(nombre)        ? " stray " + nombre
                   : bytes == viejo.at(nombre) ? ""
                   : bytes == nuevo.at(nombre) ? " new " + nombre
                                               : " neither " + nombre;
        }
        return mal;
    };
    std::mt19937 azar(16);
    const int senales[] = {SIGKILL, SIGKILL, SIGTERM, SIGINT};
    int viejos = 0, nuevos = 0;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(12);
    for (int vez = 0; vez < 30 && std::chrono::steady_clock::now() < limite; ++vez) {
        Restaura(c / "p", viejo);
        const int senal = senales[vez % 4];
        soporte::EnMarcha run(Orden(vbp, "numbers"));
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
            EXPECT_TRUE(ya == viejo || ya == nuevo) << "a signal left:" << Diferencias(ya);
        }
        auto despues = Lintrap({"list", vbp.string()});
        EXPECT_EQ(despues.codigo, 0) << despues.err;
        const Estado fin = Contenido(c / "p");
        ASSERT_TRUE(fin == viejo || fin == nuevo) << Diferencias(fin);
        viejos += fin == viejo;
        nuevos += fin == nuevo;
    }
    EXPECT_GT(viejos, 0) << "no kill fell before the commit";
    EXPECT_GT(nuevos, 0) << "no kill fell after the commit";
}

// Two runs on one project at once never both succeed with one's edits lost: either one is
// refused as "en uso" (exit 2) and the folder holds the other's result, or they ran one after
// the other and it holds both edits. With --wait the second waits its turn and both apply.
// Commands that only read run side by side.
TEST(Guardado, TwoRunsAtOnceNeverBothSucceedLosingEdits) {
    Carpeta c;
    const fs::path vbp = soporte::Proyecto(c / "p", 60, 4);
    const Estado inicio = Contenido(c / "p");
    const Estado soloA = Tras(inicio, {"numbers"}), soloB = Tras(inicio, {"resume-next"});
    const Estado aLuegoB = Tras(inicio, {"numbers", "resume-next"});
    const Estado bLuegoA = Tras(inicio, {"resume-next", "numbers"});
    int rechazos = 0;
    for (int vez = 0; vez < 9; ++vez) {
        Restaura(c / "p", inicio);
        const bool espera = vez == 8; // the last round waits its turn
        auto orden = [&](const char* modo) {
            auto a = Orden(vbp, modo);
            if (espera) {
                a.insert(a.begin(), {"--wait", "60"});
            }
            return a;
        };
        soporte::EnMarcha a(orden("numbers"));
        std::this_thread::sleep_for(std::chrono::milliseconds(espera ? 5 : vez * 15));
        soporte::EnMarcha b(orden("resume-next"));
        const auto ra = a.Espera(), rb = b.Espera();
        SCOPED_TRACE("round " + std::to_string(vez) + ": " + ra.err + " / " + rb.err);
        const Estado fin = Contenido(c / "p");
        ASSERT_TRUE(ra.codigo == 0 || (ra.codigo == 2 && !espera));
        ASSERT_TRUE(rb.codigo == 0 || (rb.codigo == 2 && !espera));
        ASSERT_FALSE(ra.codigo == 2 && rb.codigo == 2);
        if (ra.codigo == 0 && rb.codigo == 0) {
            EXPECT_TRUE(fin == aLuegoB || fin == bLuegoA) << "both succeeded, edits lost";
        } else {
            EXPECT_NE((ra.codigo == 2 ? ra : rb).err.find("en uso"), std::string::npos);
            EXPECT_EQ(fin, ra.codigo == 0 ? soloA : soloB);
            ++rechazos;
        }
    }
    EXPECT_GT(rechazos, 0) << "the runs never overlapped";
    soporte::EnMarcha uno({"check", vbp.string()}), otro({"check", vbp.string()});
    const auto r1 = uno.Espera(), r2 = otro.Espera();
    EXPECT_NE(r1.codigo, 2) << r1.err;
    EXPECT_EQ(r1.codigo, r2.codigo) << r2.err;
}

// Renames that stop halfway (the third fails): the journal stays, the error says the rest will
// follow, and the next command completes the save, saying so in one line.
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
    auto p = files::Project::Load(soporte::Proyecto(carpeta, n, 3));
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

// A journal is carried out only in the folder it was written in and only over the project's
// own files. A folder copied or moved with a save pending, or a journal made by hand (whole
// paths, "../", a copy of itself outside), is refused naming the journal and what to do:
// nothing anywhere is touched, the copy's temporaries included; --discard-journal drops it and
// then its temporaries go. The original still completes; a journal of the first version (whole
// paths) over the project's own files completes too.
// The journals: tests/data/reliability/diarios.txt.
TEST(Guardado, JournalFromAnotherFolderOrMadeByHandIsRefusedTouchingNothing) {
    Carpeta c;
    const auto guardado = Interrumpido(c / "p", 4);
    const fs::path vbp = guardado->Path();
    const auto real = [&](const std::string& nombre) {
        return (fs::canonical(c.Ruta()) / nombre).string();
    };
    const Estado interrumpido = Contenido(c / "p");
    fs::create_directories(c / "fuera");
    soporte::Escribe(c / "fuera" / "v.txt", "ajeno");
    soporte::Escribe(c / "fuera" / "v.txt.lintrap-999999999-1.tmp", "intruso");
    soporte::Escribe(c / "fuera" / "x.vbp.lintrap-journal", "ajeno");
    const std::string temporal = real("p/Mod0.bas.lintrap-999999999-7.tmp");
    const std::vector<std::pair<std::string, std::string>> claves = {
        {"{proyecto}", real("p/P.vbp")},  {"{mod0}", real("p/Mod0.bas")},
        {"{temporal}", temporal},         {"{ajeno}", real("fuera/v.txt.lintrap-999999999-1.tmp")},
        {"{fuera}", real("fuera/v.txt")}, {"|", std::string(1, '\0')}};
    for (auto fila : soporte::Tabla("reliability/diarios.txt")) {
        fila.resize(3); // the case, the folder opened, the journal made by hand if any
        const std::string& carpeta = fila[1];
        const std::string journal = soporte::Sustituye(fila[2], claves);
        SCOPED_TRACE(fila[0]);
        Restaura(c / "p", interrumpido);
        if (!journal.empty()) { // the journal below stands alone
            for (const auto& e : fs::directory_iterator(c / "p")) {
                if (e.path().string().find(".lintrap-") != std::string::npos) {
                    fs::remove(e.path());
                }
            }
            soporte::Escribe(temporal, "' del diario\r\n");
            soporte::Escribe(files::JournalName(vbp), journal);
        }
        if (carpeta == "copia") {
            fs::remove_all(c / "copia");
            fs::copy(c / "p", c / "copia", fs::copy_options::recursive);
        } else if (carpeta == "movida") {
            fs::remove_all(c / "movida");
            fs::rename(c / "p", c / "movida");
        }
        const fs::path abierto = c / carpeta / "P.vbp";
        const auto antes = Foto(c.Ruta());
        auto r = Lintrap({"list", abierto.string()});
        if (journal.find(temporal) != std::string::npos) {
            EXPECT_EQ(r.codigo, 0) << r.err;
            EXPECT_EQ(soporte::Lee(c / "p" / "Mod0.bas"), "' del diario\r\n");
            EXPECT_FALSE(fs::exists(files::JournalName(vbp)));
            continue;
        }
        EXPECT_EQ(r.codigo, 2) << r.err;
        EXPECT_NE(r.err.find(carpeta + "/P.vbp.lintrap-journal"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("--discard-journal"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("no existe la carpeta"), std::string::npos) << r.err;
        EXPECT_EQ(Foto(c.Ruta()), antes) << "a refused journal touched a file";

        r = Lintrap({"--discard-journal", "list", abierto.string()});
        EXPECT_EQ(r.codigo, 0) << r.err;
        EXPECT_NE(r.err.find("se ha descartado el diario"), std::string::npos) << r.err;
        for (const auto& [nombre, bytes] : Contenido(c / carpeta)) {
            EXPECT_EQ(nombre.find(".lintrap-"), std::string::npos) << nombre << " left";
        }
        EXPECT_EQ(soporte::Lee(c / "fuera" / "v.txt"), "ajeno");
        EXPECT_TRUE(fs::exists(c / "fuera" / "x.vbp.lintrap-journal"));
        if (carpeta == "copia") { // the original is still completed where it was written,
            Restaura(c / "p", interrumpido); // saying so in one line and leaving nothing
            r = Lintrap({"list", vbp.string()});
            EXPECT_EQ(r.codigo, 0) << r.err;
            EXPECT_EQ(r.err.rfind("lintrap: se ha completado el guardado interrumpido", 0), 0u);
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
            const Estado fin = Contenido(c / "p");
            EXPECT_EQ(fin.size(), 5u) << "journal or temporaries left";
            for (std::size_t i = 0; i < guardado->ComponentCount(); ++i) {
                const auto& m = guardado->ComponentAt(i);
                EXPECT_EQ(fin.at(m.File().filename().string()), m.Bytes());
            }
        } else if (carpeta == "movida") {
            fs::rename(c / "movida", c / "p");
        }
    }
}

// The journal's checks let a real save through whatever folders it spans: a group whose
// projects lie in two folders, each with a module in a shared folder outside both
// ("..\\Comun", tests/data/reliability/GrupoCarpetas), stopped among its renames, is completed
// by the next command.
TEST(Guardado, GroupSaveOverSeveralFoldersIsStillCompleted) {
    Carpeta c;
    soporte::Copia(soporte::Datos("reliability/GrupoCarpetas"), c.Ruta());
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
    const auto r = Lintrap({"list", (c / "G" / "G.vbg").string()});
    EXPECT_EQ(r.codigo, 0) << r.err;
    for (const auto& [nombre, bytes] : Contenido(c.Ruta())) {
        EXPECT_EQ(nombre.find(".lintrap-"), std::string::npos) << nombre << " left";
        if (nombre.ends_with(".bas")) {
            EXPECT_NE(bytes.find("' nuevo"), std::string::npos) << nombre;
        }
    }
}

// Group copies: two projects whose files would land on the same file of the copy are refused
// naming both, before anything is written; so are two projects of the same file name
// (tests/data/reliability/Copia*: PX.vbp and PY.vbp, or both P.vbp, in X/Proj and Y/Proj).
TEST(Guardado, GroupCopyNeverOverwritesOneProjectWithAnother) {
    for (const char* datos : {"CopiaDistintos", "CopiaMismoNombre"}) {
        Carpeta c;
        soporte::Copia(soporte::Datos(std::string("reliability/") + datos), c / "fuentes");
        const auto antes = Foto(c / "fuentes");
        auto r = Lintrap(
            {"save", (c / "fuentes" / "G" / "G.vbg").string(), "--out", (c / "copia").string()});
        EXPECT_EQ(r.codigo, 2) << r.err;
        for (const char* dice : {"X/Proj/", "Y/Proj/", "mismo archivo"}) {
            EXPECT_NE(r.err.find(dice), std::string::npos) << r.err;
        }
        EXPECT_EQ(Foto(c / "fuentes"), antes);
        EXPECT_TRUE(!fs::exists(c / "copia") || Contenido(c / "copia").empty());
    }
}

// --out (empty or a file: the command table's rows): a link inside DIR to a folder outside it
// is not followed; then the copy is the project's files byte for byte, its subfolder too, and a
// second copy over it needs --force.
TEST(Guardado, OutFolderNeverFollowsALinkOutside) {
    Carpeta c;
    const fs::path vbp = soporte::Proyecto(c / "p", 2, 2);
    fs::create_directories(c / "p" / "sub");
    fs::rename(c / "p" / "Mod1.bas", c / "p" / "sub" / "Mod1.bas");
    std::string texto = soporte::Lee(vbp);
    soporte::Escribe(vbp, texto.replace(texto.find("; Mod1.bas"), 10, "; sub\\Mod1.bas"));
    const auto antes = Foto(c / "p");
    std::vector<std::string> copia = {"save", vbp.string(), "--out", (c / "copia").string()};
    fs::create_directories(c / "fuera");
    fs::create_directories(c / "copia");
    fs::create_directory_symlink(c / "fuera", c / "copia" / "sub");
    auto r = Lintrap(copia);
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.err.find("enlace simbólico"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(c / "fuera"));
    EXPECT_EQ(Foto(c / "p"), antes);

    fs::remove(c / "copia" / "sub");
    EXPECT_EQ(Lintrap(copia).codigo, 0) << "the link gone, the copy goes through";
    EXPECT_EQ(Contenido(c / "copia"), Contenido(c / "p")); // byte for byte
    r = Lintrap(copia); // a second copy into the same folder needs --force
    EXPECT_EQ(r.codigo, 2);
    EXPECT_NE(r.err.find("copia"), std::string::npos) << r.err;
    copia.push_back("--force");
    EXPECT_EQ(Lintrap(copia).codigo, 0) << "--force";
}

} // namespace
