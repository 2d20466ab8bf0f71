// Malformed input, through the object model and through lintrap: each is refused with a message
// that names the file (and the line where there is one), and nothing on disk changes, neither by
// loading nor by a command that is refused. (The rest of a project loading and saving without a
// bad file, and bytes of the code page kept: the host's tests.)

#include "host/files/ModuleFile.h"
#include "tests/support/Archivos.h"
#include "tests/support/Lintrap.h"
#include "tests/support/Tabla.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using soporte::Carpeta;
using soporte::Crlf;
using soporte::Foto;

// The project P.vbp in `carpeta`: a good module and `linea`.
fs::path ProyectoCon(const fs::path& carpeta, const std::string& linea) {
    fs::copy_file(soporte::Datos("reliability/Presente.bas"), carpeta / "Presente.bas");
    soporte::Escribe(carpeta / "P.vbp",
                     Crlf("Type=Exe\nModule=Presente; Presente.bas\n" + linea + "\nName=\"P\"\n"));
    return carpeta / "P.vbp";
}

// A form of `n` containers, each inside the one before, none of them closed.
std::string Anidado(int n) {
    std::string forma = "VERSION 5.00\r\nBegin VB.Form Form1\r\n";
    for (int i = 0; i < n; ++i) {
        forma += "Begin VB.Frame Marco" + std::to_string(i) + "\r\n";
    }
    return forma;
}

// Ten thousand containers, each inside the one before: no recursion may run out of stack. Left
// open, the tree is refused (below); closed, every container is a control, in file order.
TEST(MalasEntradas, ADeepDesignerTreeLoadsWithoutRecursion) {
    std::string cerrado = Anidado(10000);
    for (int i = 0; i <= 10000; ++i) {
        cerrado += "End\r\n";
    }
    cerrado += "Attribute VB_Name = \"Form1\"\r\nPrivate Sub Form_Load()\r\nEnd Sub\r\n";
    auto forma = files::ModuleFile::Parse(cerrado, "anidado.frm", 1252);
    ASSERT_NE(forma->Designer(), nullptr);
    EXPECT_EQ(forma->Designer()->VBControls().Count(), 10000);
    EXPECT_EQ(forma->Designer()->VBControls().Item(10000).Properties().Item(1).Value(),
              "Marco9999");
    EXPECT_EQ(forma->Serialize(), cerrado);
}

// A module at the limits of the environment itself (65,535 lines, 1,023 characters a line) is
// loaded and written back exactly: refusing it would lock the user out of code that the
// environment may have written. (Numbers past what Erl can give: the command line's check tests.)
TEST(MalasEntradas, ModulesAtTheEnvironmentsLimitsRoundTrip) {
    const std::string relleno(1000, 'x');
    std::string limite = "Attribute VB_Name = \"Limite\"\r\n";
    long lineas = 1;
    for (int p = 0; lineas + 3 <= 65535; ++p) {
        limite += "Sub P" + std::to_string(p) + "()\r\n    s = \"" + relleno.substr(0, 1013) +
                  "\"\r\nEnd Sub\r\n";
        lineas += 3;
    }
    for (; lineas < 65535; ++lineas) {
        limite += "' fin\r\n";
    }
    EXPECT_EQ(files::ModuleFile::Parse(limite, "Limite.bas", 1252)->Serialize(), limite);
}

// lintrap, killed if it has not ended within 10 s: a run that hangs fails its test.
soporte::Resultado LintrapConPlazo(const std::vector<std::string>& argumentos) {
    soporte::EnMarcha marcha(argumentos);
    std::promise<void> fin;
    std::thread vigia([pid = marcha.Pid(), hecho = fin.get_future()] {
        if (hecho.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ::kill(pid, SIGKILL);
        }
    });
    soporte::Resultado r = marcha.Espera();
    fin.set_value();
    vigia.join();
    return r;
}

// Proves: what lintrap cannot read is refused at once by list and insert, by name and for what
// it is, and nothing changes on disk. Malformed modules, named with their line where there is
// one: a block cut off, a form whose Begin never gets its End, text or random bytes, a NUL byte
// (far down a long file too), the deep tree left open. As the project: a compressed file, a
// folder, a group listing itself. What is not a regular file, or is past the size limit,
// wherever a file is expected: a FIFO (which would wait for a writer forever) or a link to
// /dev/zero (which never ends) as the project, the group, a module or the journal; a folder or
// a FIFO listed as a module; a lock file that is a link or a folder (not the --wait hint:
// waiting does not help). Paths to another machine or to a drive's root are never looked for
// inside the project's folder (the decoys placed there are not read).
TEST(MalasEntradas, WhatLintrapCannotReadIsRefusedAtOnceByName) {
    std::string largo = "Attribute VB_Name = \"Largo\"\r\n";
    for (int i = 0; i < 5000; ++i) {
        largo += "' linea\r\n";
    }
    largo += std::string("x = 1\0\r\n", 8);
    // How each kind of input of tests/data/reliability/ilegibles.txt is put in place.
    const std::map<std::string, std::function<void(const fs::path&)>> prepara = {
        {"malo", [](auto& r) { fs::copy(soporte::Datos("bad/modulos" / r.filename()), r); }},
        {"grupo", [](auto& r) { fs::copy(soporte::Datos("bad/grupo_propio"), r); }},
        {"anidado", [](auto& r) { soporte::Escribe(r, Anidado(10000)); }},
        {"largo", [&](auto& r) { soporte::Escribe(r, largo); }},
        {"carpeta", [](auto& r) { fs::create_directory(r); }},
        {"fifo", [](auto& r) { ASSERT_EQ(::mkfifo(r.c_str(), 0644), 0); }},
        {"cero", [](auto& r) { fs::create_symlink("/dev/zero", r); }},
        {"enlace", [](auto& r) { fs::create_symlink(r.parent_path() / "otro", r); }},
        {"grande",
         [](auto& r) {
             soporte::Escribe(r, "Attribute VB_Name = \"E\"\r\n");
             fs::resize_file(r, std::uintmax_t(65) << 20);
         }},
        {"senuelo",
         [](auto& r) {
             fs::create_directories(r);
             soporte::Escribe(r / "x.bas", Crlf("Attribute VB_Name = \"Senuelo\"\n"));
         }},
    };
    for (const auto& fila : soporte::Tabla("reliability/ilegibles.txt")) {
        ASSERT_EQ(fila.size(), 6u);
        const std::string &nombre = fila[2], &motivo = fila[3];
        SCOPED_TRACE(nombre + " " + motivo);
        Carpeta c;
        ProyectoCon(c.Ruta(), fila[1]);
        prepara.at(fila[4])(c / fila[5]);
        const auto antes = Foto(c.Ruta());
        const std::string proyecto = (c / fila[0]).string();
        for (const std::vector<std::string>& orden :
             {std::vector<std::string>{"list", proyecto, "--names"},
              std::vector<std::string>{"insert", proyecto, "--all-modules", "--all"}}) {
            auto r = LintrapConPlazo(orden);
            EXPECT_EQ(r.codigo, 2) << orden[0] << ": " << r.err;
            EXPECT_NE(r.err.find(nombre), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(motivo), std::string::npos) << r.err;
            EXPECT_EQ(r.err.find("--wait"), std::string::npos) << r.err;
        }
        EXPECT_EQ(Foto(c.Ruta()), antes);
        auto r = LintrapConPlazo({"list", proyecto, "--names", "--skip-missing"});
        EXPECT_EQ(r.out.find("Senuelo"), std::string::npos) << "a decoy in the project was read";
    }
}

// Proves: a procedure without its end line is reported at its header's line, for what it lacks
// (not at "línea 0" as an end that shares its line); a project file whose name leaves no room
// for the usual lock file name beside it is still checked and listed.
TEST(MalasEntradas, MessagesNameTheRealLineAndLongNamesStillOpen) {
    Carpeta c;
    fs::copy_file(soporte::Datos("reliability/SinFin.bas"), c / "M.bas");
    const fs::path vbp = c / (std::string(250, 'L') + ".vbp");
    soporte::Escribe(vbp, Crlf("Type=Exe\nModule=M; M.bas\nName=\"P\"\n"));
    auto r = soporte::Lintrap({"check", vbp.string()});
    EXPECT_EQ(r.codigo, 1) << r.err;
    EXPECT_NE(r.out.find("M.bas, línea 7 del código: el procedimiento Dos no tiene su línea final"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("línea 0"), std::string::npos) << r.out;
    r = soporte::Lintrap({"list", vbp.string(), "--names"});
    EXPECT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.out, "M\n");
    // and saved: the journal beside it takes a shortened name too
    r = soporte::Lintrap({"insert", vbp.string(), "--module", "M", "--proc", "Uno"});
    EXPECT_EQ(r.codigo, 0) << r.err;
    EXPECT_NE(soporte::Lee(c / "M.bas").find("40   x = 1"), std::string::npos);
}

// Proves: lintrap needs no writable home folder. With HOME read-only and no other place for the
// per-user store, insert (dry run and real, with the error handler that brings the runtime in)
// works, and nothing is created in the home folder.
TEST(MalasEntradas, NoWritableHomeIsNeeded) {
    Carpeta c;
    fs::create_directories(c / "casa");
    // Root writes into read-only folders: for root the home lies under a plain file, where no
    // folder can be made.
    soporte::Escribe(c / "archivo", "x");
    const fs::path casa = ::geteuid() == 0 ? c / "archivo" / "casa" : c / "casa";
    fs::create_directories(c / "p");
    fs::permissions(c / "casa", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string vbp = ProyectoCon(c / "p", "").string();
    const soporte::Entorno entorno = {"HOME=" + casa.string(), "XDG_CONFIG_HOME",
                                      "LINTRAP_REGISTRY"};
    auto r = soporte::Lintrap(
        {"insert", vbp, "--all-modules", "--all", "--mode", "handler", "--dry-run"}, entorno);
    EXPECT_EQ(r.codigo, 0) << r.err;
    r = soporte::Lintrap({"insert", vbp, "--all-modules", "--all", "--mode", "handler"}, entorno);
    EXPECT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.err.find("Error: "), std::string::npos) << r.err;
    EXPECT_NE(soporte::Lee(c / "p" / "Presente.bas").find("ON ERROR GOTO lblError"),
              std::string::npos);
    EXPECT_TRUE(fs::is_empty(c / "casa"));
}

} // namespace
