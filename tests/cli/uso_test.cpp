// The command line's grammar: help, version, and usage errors with exit code 2.

#include "tests/cli/Ejecuta.h"
#include "tests/cli/ProyectoPrueba.h"

#include "host/files/ProjectLock.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace prueba;

TEST(Uso, AyudaYVersion) {
    auto ayuda = Lintrap({"--help"});
    EXPECT_EQ(ayuda.codigo, 0);
    for (const char* orden : {"list", "insert", "remove", "save", "check"})
        EXPECT_NE(ayuda.out.find(orden), std::string::npos) << orden;
    auto insert = Lintrap({"insert", "--help"});
    EXPECT_EQ(insert.codigo, 0);
    EXPECT_NE(insert.out.find("--dry-run"), std::string::npos);
    auto version = Lintrap({"--version"});
    EXPECT_EQ(version.codigo, 0);
    EXPECT_EQ(version.out, "lintrap " LINTRAP_VERSION "\n");
}

TEST(Uso, ErroresDeUsoSalenConDosYNoTocanNada) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    auto antes = Contenido(c / "p");
    const std::vector<std::vector<std::string>> malos = {
        {},
        {"borra", vbp},
        {"insert", vbp, "--all"}, // which modules?
        {"insert", vbp, "--all", "--all-modules", "--module", "Calculos"},
        {"insert", vbp, "--all-modules", "--all", "--mode", "colores"},
        {"insert", vbp, "--all-modules", "--all", "--variant", "nada"},
        {"insert", vbp, "--all-modules", "--all", "--proc", "Suma"},
        {"insert", vbp, "--all-modules", "--all", "--dry-run", "--out", "x"},
        {"list", vbp, "--codepage", "65001"}, // not a single-byte code page
        {"save", vbp},                        // no --out
    };
    for (const auto& args : malos) {
        auto r = Lintrap(args);
        std::string todo;
        for (const auto& a : args)
            todo += a + " ";
        EXPECT_EQ(r.codigo, 2) << todo;
        EXPECT_NE(r.err, "") << todo;
    }
    auto modo = Lintrap({"insert", vbp, "--all-modules", "--all", "--mode", "colores"});
    for (const char* valido : {"numbers", "handler", "resume-next"})
        EXPECT_NE(modo.err.find(valido), std::string::npos) << modo.err;
    EXPECT_EQ(Contenido(c / "p"), antes);
}

// The argument library's own words come out in Spanish, like every other message: its help's
// headings, and each of its usage errors naming what is wrong.
TEST(Uso, LaBibliotecaDeArgumentosHablaEspanol) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p").string();
    for (const std::vector<std::string>& ayuda :
         {std::vector<std::string>{"--help"}, std::vector<std::string>{"insert", "--help"}}) {
        auto r = Lintrap(ayuda);
        EXPECT_EQ(r.codigo, 0);
        EXPECT_NE(r.out.find("Uso:"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("Opciones:"), std::string::npos) << r.out;
        for (const char* ingles :
             {"Usage", "Options", "Subcommands", "Print this help", "REQUIRED"})
            EXPECT_EQ(r.out.find(ingles), std::string::npos) << ingles << " in\n" << r.out;
    }
    const std::vector<std::pair<std::vector<std::string>, std::string>> casos = {
        {{}, "falta la orden"},
        {{"list"}, "falta PROJECT"},
        {{"list", vbp, "sobra"}, "no se esperaba: sobra"},
        {{"list", vbp, "--codepage"}, "--codepage necesita un valor"},
        {{"list", vbp, "--codepage", "abc"}, "no admite \"abc\""},
        {{"save", vbp}, "falta --out"},
        {{"--wait", "-1", "list", vbp}, "no pueden ser negativos"},
        {{"--wait", "abc", "list", vbp}, "no admite \"abc\""},
        {{"--wait", "nan", "list", vbp}, "--wait nan: no es un número de segundos"},
    };
    for (const auto& [args, texto] : casos) {
        auto r = Lintrap(args);
        EXPECT_EQ(r.codigo, 2);
        EXPECT_NE(r.err.find(texto), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Use --help"), std::string::npos) << r.err;
        for (const char* ingles : {"required", "expected", "Run with", "convert", "Value"})
            EXPECT_EQ(r.err.find(ingles), std::string::npos) << ingles << " in " << r.err;
    }
}

// A wait beyond a day is waited as a day, not given up at once: the run takes the project when
// another process lets it go a second later.
TEST(Uso, UnaEsperaEnormeEsperaAQueSeSuelteElProyecto) {
    Carpeta c;
    auto vbp = ProyectoPequeno(c / "p");
    for (const char* espera : {"1e20", "inf"}) {
        int tubo[2];
        ASSERT_EQ(pipe(tubo), 0);
        const pid_t otro = fork();
        if (otro == 0) {
            const int fd = open(files::ProjectLock::NameFor(vbp).c_str(), O_RDWR | O_CREAT, 0644);
            if (fd < 0 || flock(fd, LOCK_EX) != 0 || write(tubo[1], "x", 1) != 1)
                _exit(1);
            sleep(1);
            _exit(0); // its end lets the lock go
        }
        char x = 0;
        ASSERT_EQ(read(tubo[0], &x, 1), 1);
        auto r = Lintrap({"--wait", espera, "list", vbp.string(), "--names"});
        EXPECT_EQ(r.codigo, 0) << espera << ": " << r.err;
        waitpid(otro, nullptr, 0);
        close(tubo[0]);
        close(tubo[1]);
    }
}
