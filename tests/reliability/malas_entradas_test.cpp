// Malformed input, through the object model and through lintrap: each is refused with a message
// that names the file (and the line where there is one), the rest of the project still loads,
// and nothing on disk changes, neither by loading nor by a command that is refused.

#include "base/ErrorVB.h"
#include "host/files/Group.h"
#include "host/files/ModuleFile.h"
#include "host/files/Project.h"
#include "tests/support/Archivos.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <future>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using soporte::Carpeta;
using soporte::Crlf;
using soporte::Foto;

const std::string kPresente = Crlf("Attribute VB_Name = \"Presente\"\nOption Explicit\n\n"
                                   "Public Sub Hola()\n    Debug.Print \"hola\"\nEnd Sub\n");

// The project P.vbp in `carpeta`: a good module and `linea`.
fs::path ProyectoCon(const fs::path& carpeta, const std::string& linea) {
    soporte::Escribe(carpeta / "Presente.bas", kPresente);
    soporte::Escribe(carpeta / "P.vbp",
                     Crlf("Type=Exe\nModule=Presente; Presente.bas\n" + linea + "\nName=\"P\"\n"));
    return carpeta / "P.vbp";
}

// Loading reports the bad file and loads the rest, changing nothing; saving an edit of the good
// module leaves the bad file and its project line as they were. A group listing itself opens
// the rest, and saving it changes nothing.
TEST(MalasEntradas, TheRestLoadsAndSavesWithoutTheBadFile) {
    Carpeta c;
    fs::copy_file(soporte::Datos("bad/modulos/truncado.frm"), c / "truncado.frm");
    const fs::path vbp = ProyectoCon(c.Ruta(), "Form=truncado.frm");
    const auto antes = Foto(c.Ruta());
    auto proyecto = files::Project::Load(vbp);
    ASSERT_EQ(proyecto->LoadProblems().size(), 1u);
    const std::string problema = proyecto->LoadProblems()[0].Description;
    EXPECT_NE(problema.find("truncado.frm, línea 4"), std::string::npos) << problema;
    ASSERT_EQ(proyecto->ComponentCount(), 1u);
    EXPECT_EQ(Foto(c.Ruta()), antes) << "loading changed the folder";
    proyecto->ComponentAt(0).CodeModule().InsertLines(3, "' nota");
    proyecto->Save();
    auto despues = Foto(c.Ruta());
    EXPECT_EQ(despues["truncado.frm"], antes.at("truncado.frm")) << "the bad file was touched";
    EXPECT_EQ(despues["P.vbp"], antes.at("P.vbp")) << "its project line was lost";

    fs::copy(soporte::Datos("bad/grupo_propio"), c / "grupo");
    const auto grupoAntes = Foto(c / "grupo");
    auto grupo = files::Group::Load(c / "grupo" / "Grupo.vbg");
    EXPECT_EQ(grupo->Active().Name(), "Uno");
    ASSERT_EQ(grupo->LoadProblems().size(), 1u);
    EXPECT_NE(grupo->LoadProblems()[0].Description.find("Grupo.vbg, línea 3"), std::string::npos);
    grupo->Save();
    EXPECT_EQ(Foto(c / "grupo"), grupoAntes);
}

// Ten thousand containers, each inside the one before: no recursion may run out of stack. Left
// open, the tree is refused (below); closed, every container is a control, in file order.
TEST(MalasEntradas, ADeepDesignerTreeLoadsWithoutRecursion) {
    std::string cerrado = "VERSION 5.00\r\nBegin VB.Form Form1\r\n";
    for (int i = 0; i < 10000; ++i) {
        cerrado += "Begin VB.Frame Marco" + std::to_string(i) + "\r\n";
    }
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
// environment may have written.
TEST(MalasEntradas, ModulesAtTheEnvironmentsLimitsRoundTripAndTakeLineNumbers) {
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

    // Through lintrap, numbering a module of 65,535 lines with 1,023-character lines writes a
    // file that loads again with every line numbered.
    Carpeta c;
    soporte::Escribe(c / "Limite.bas", limite);
    soporte::Escribe(c / "P.vbp", Crlf("Type=Exe\nModule=Limite; Limite.bas\nName=\"P\"\n"));
    auto r = soporte::Lintrap({"insert", (c / "P.vbp").string(), "--all-modules", "--all"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    auto numerado = files::ModuleFile::Parse(soporte::Lee(c / "Limite.bas"), "Limite.bas", 1252);
    EXPECT_EQ(numerado->Code().Lines(2, 1).substr(0, 7), "20     ");
    EXPECT_EQ(numerado->Code().CountOfLines(), 65534);
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
    using Prepara = std::function<void(const fs::path&)>;
    const auto fifo = [](const fs::path& ruta) { ASSERT_EQ(::mkfifo(ruta.c_str(), 0644), 0); };
    const auto senuelo = [](const fs::path& carpeta) {
        fs::create_directories(carpeta);
        soporte::Escribe(carpeta / "x.bas", Crlf("Attribute VB_Name = \"Senuelo\"\n"));
    };
    const auto dato = [](const std::string& nombre, const std::string& como = "") -> Prepara {
        return [=](const fs::path& c) {
            fs::copy(soporte::Datos(nombre),
                     c / (como.empty() ? fs::path(nombre).filename() : fs::path(como)));
        };
    };
    const auto malo = [&](const std::string& nombre) { return dato("bad/modulos/" + nombre); };
    const auto escrito = [](const std::string& nombre, const std::string& bytes) -> Prepara {
        return [=](const fs::path& c) { soporte::Escribe(c / nombre, bytes); };
    };
    std::string anidado = "VERSION 5.00\r\nBegin VB.Form Form1\r\n";
    for (int i = 0; i < 10000; ++i) {
        anidado += "Begin VB.Frame Marco" + std::to_string(i) + "\r\n";
    }
    std::string largo = "Attribute VB_Name = \"Largo\"\r\n";
    for (int i = 0; i < 5000; ++i) {
        largo += "' linea\r\n";
    }
    largo += std::string("x = 1\0\r\n", 8);
    struct Caso {
        std::string orden;  // what lintrap is given, in the project's folder
        std::string linea;  // a line added to the project
        std::string nombre; // what the message names
        std::string motivo; // and why
        Prepara prepara;
    };
    const std::vector<Caso> casos = {
        {"P.vbp", "Form=truncado.frm", "truncado.frm, línea 4", "", malo("truncado.frm")},
        {"P.vbp", "Form=sin_cerrar.frm", "sin_cerrar.frm, línea 2", "", malo("sin_cerrar.frm")},
        {"P.vbp", "Form=vacio.frm", "vacio.frm, línea 1", "", malo("vacio.frm")},
        {"P.vbp", "Form=prosa.frm", "prosa.frm, línea", "", malo("prosa.frm")},
        {"P.vbp", "Module=Malo; nulo.bas", "nulo.bas, línea 3", "", malo("nulo.bas")},
        {"P.vbp", "Module=Malo; imagen.bas", "imagen.bas, línea", "", malo("imagen.bas")},
        {"P.vbp", "Class=Malo; binario.cls", "binario.cls, línea", "", malo("binario.cls")},
        {"P.vbp", "Form=anidado.frm", "anidado.frm, línea 10002", "",
         escrito("anidado.frm", anidado)},
        {"P.vbp", "Module=Largo; largo.bas", "largo.bas, línea 5002", "",
         escrito("largo.bas", largo)},
        {"Comprimido.vbp", "", "Comprimido.vbp", "",
         dato("bad/modulos/comprimido.vbp", "Comprimido.vbp")},
        {"Carpeta.vbp", "", "Carpeta.vbp", "",
         [](auto& c) { fs::create_directory(c / "Carpeta.vbp"); }},
        {"grupo/Grupo.vbg", "", "Grupo.vbg", "", dato("bad/grupo_propio", "grupo")},
        {"T.vbp", "", "T.vbp'", "tubería (FIFO)", [&](auto& c) { fifo(c / "T.vbp"); }},
        {"T.vbg", "", "T.vbg'", "tubería (FIFO)", [&](auto& c) { fifo(c / "T.vbg"); }},
        {"Z.vbp", "", "Z.vbp'", "es un dispositivo",
         [](auto& c) { fs::create_symlink("/dev/zero", c / "Z.vbp"); }},
        {"P.vbp", "Module=T; T.bas", "T.bas'", "tubería (FIFO)",
         [&](auto& c) { fifo(c / "T.bas"); }},
        {"P.vbp", "Module=Z; Z.bas", "Z.bas'", "es un dispositivo",
         [](auto& c) { fs::create_symlink("/dev/zero", c / "Z.bas"); }},
        {"P.vbp", "Module=D; D.bas", "D.bas'", "es una carpeta",
         [](auto& c) { fs::create_directory(c / "D.bas"); }},
        {"P.vbp", "Module=E; E.bas", "E.bas'", "tiene 65 MB, más de los 64 MB",
         [](auto& c) {
             soporte::Escribe(c / "E.bas", "Attribute VB_Name = \"E\"\r\n");
             fs::resize_file(c / "E.bas", std::uintmax_t(65) << 20);
         }},
        {"P.vbp", "", "P.vbp.lintrap-journal'", "tubería (FIFO)",
         [&](auto& c) { fifo(c / "P.vbp.lintrap-journal"); }},
        {"P.vbp", "", "P.vbp.lintrap-lock'", "es un enlace simbólico",
         [](auto& c) { fs::create_symlink(c / "otro", c / "P.vbp.lintrap-lock"); }},
        {"P.vbp", "", "P.vbp.lintrap-lock'", "es una carpeta",
         [](auto& c) { fs::create_directory(c / "P.vbp.lintrap-lock"); }},
        {"P.vbp", "Module=S; \\\\servidor\\recurso\\x.bas", "\\\\servidor\\recurso\\x.bas'",
         "ruta de red de Windows", [&](auto& c) { senuelo(c / "servidor" / "recurso"); }},
        {"P.vbp", "Module=S; \\raiz\\x.bas", "\\raiz\\x.bas'", "raíz de una unidad",
         [&](auto& c) { senuelo(c / "raiz"); }},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre + " " + caso.motivo);
        Carpeta c;
        ProyectoCon(c.Ruta(), caso.linea);
        caso.prepara(c.Ruta());
        const auto antes = Foto(c.Ruta());
        const std::string proyecto = (c / caso.orden).string();
        for (const std::vector<std::string>& orden :
             {std::vector<std::string>{"list", proyecto, "--names"},
              std::vector<std::string>{"insert", proyecto, "--all-modules", "--all"}}) {
            auto r = LintrapConPlazo(orden);
            EXPECT_EQ(r.codigo, 2) << orden[0] << ": " << r.err;
            EXPECT_NE(r.err.find(caso.nombre), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(caso.motivo), std::string::npos) << r.err;
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
    soporte::Escribe(c / "M.bas", Crlf("Attribute VB_Name = \"M\"\nOption Explicit\n\nSub Uno()\n"
                                       "  x = 1\nEnd Sub\n\nSub Dos()\n  y = 2\n"));
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

// Windows-1252 bytes that are not UTF-8 are the normal case: they load, show converted, and
// an edit writes the code page's bytes back, never UTF-8 or replacement characters.
TEST(MalasEntradas, BytesThatAreNotUtf8StayTheCodePagesOwn) {
    const std::string bytes = soporte::Lee(soporte::Datos("bad/modulos") / "utf8_invalido.bas");
    auto m = files::ModuleFile::Parse(bytes, "utf8_invalido.bas", 1252);
    EXPECT_EQ(m->Serialize(), bytes);
    EXPECT_EQ(m->Name(), "M\xf3"
                         "dulo");

    Carpeta c;
    fs::copy_file(soporte::Datos("bad/modulos") / "utf8_invalido.bas", c / "Modulo.bas");
    soporte::Escribe(c / "P.vbp", Crlf("Type=Exe\nModule=M\xf3"
                                       "dulo; Modulo.bas\nName=\"P\"\n"));
    auto r = soporte::Lintrap({"list", (c / "P.vbp").string(), "--module", "Módulo"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.out, "Señal\tNo\n");
    r = soporte::Lintrap({"insert", (c / "P.vbp").string(), "--module", "Módulo", "--all"});
    ASSERT_EQ(r.codigo, 0) << r.err;
    const std::string escrito = soporte::Lee(c / "Modulo.bas");
    EXPECT_NE(escrito.find("MsgBox \"\xa1"
                           "Atenci\xf3n!\""),
              std::string::npos)
        << escrito;
    EXPECT_NE(escrito.find("\xc3\x28 \xff \xe9t\xe9"), std::string::npos);
}

// A file that is only a header, its last line without a break (written by hand or by another
// tool): code added to it must begin on a line of its own, or saving would glue the first code
// line onto the module's name attribute and the file would come back broken.
TEST(MalasEntradas, CodeAddedAfterAHeaderWithoutFinalLineBreakStartsOnItsOwnLine) {
    for (const std::string cabecera :
         {"Attribute VB_Name = \"Solo\"", "VERSION 1.0 CLASS\r\nAttribute VB_Name = \"Solo\"",
          "VERSION 1.0 CLASS\nAttribute VB_Name = \"Solo\""}) {
        SCOPED_TRACE(cabecera);
        auto m = files::ModuleFile::Parse(cabecera, "Solo.cls", 1252);
        EXPECT_EQ(m->Serialize(), cabecera);
        m->Code().InsertLines(1, "Public Sub Paso()\r\nEnd Sub");
        m->Code().AddFromString("Private m_x As Long");

        auto releido = files::ModuleFile::Parse(m->Serialize(), "Solo.cls", 1252);
        EXPECT_EQ(releido->Name(), "Solo");
        ASSERT_EQ(releido->Code().CountOfLines(), 3);
        EXPECT_EQ(releido->Code().Lines(1, 3),
                  "Private m_x As Long\r\nPublic Sub Paso()\r\nEnd Sub");
    }
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
