// lintrap insert / remove over a whole project, written in place. The rules themselves are the
// engine tests'; what a command would write, and what it refuses, the command table's
// (ordenes.txt).

#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>

using namespace soporte;
namespace fs = std::filesystem;

// A whole project numbered, given back, then given the handler, with one job and with two: the
// same bytes either way; numbering leaves the project file untouched.
TEST(InsertRemove, TodoElProyectoConUnoODosTrabajosYVueltaAtras) {
    Carpeta c;
    const auto uno = Proyecto(c / "uno", 24, 12).string();
    const auto dos = Proyecto(c / "dos", 24, 12).string();
    const auto antes = Contenido(c / "uno");
    const std::vector<std::pair<std::string, std::string>> pasos = {
        {"insert", "numbers"}, {"remove", "numbers"}, {"insert", "handler"}};
    for (const auto& [orden, modo] : pasos) {
        SCOPED_TRACE(orden + " " + modo);
        auto a = Lintrap({orden, uno, "--all-modules", "--all", "--mode", modo, "--jobs", "1"});
        auto b = Lintrap({orden, dos, "--all-modules", "--all", "--mode", modo, "--jobs", "2"});
        ASSERT_EQ(a.codigo, 0) << a.err;
        ASSERT_EQ(b.codigo, 0) << b.err;
        EXPECT_EQ(a.out + b.out, "");
        EXPECT_EQ(a.err, b.err);
        EXPECT_TRUE(Contenido(c / "uno") == Contenido(c / "dos"));
        if (modo == "numbers") {
            EXPECT_EQ(a.err, ""); // no progress line when stderr is not a terminal
        }
        if (orden == "remove") {
            EXPECT_EQ(Contenido(c / "uno"), antes);
        }
        for (const auto& [nombre, bytes] : Contenido(c / "uno")) {
            // every module numbered from its first procedure's body
            EXPECT_EQ(bytes.find("\r\n40     x = x + 0\r\n") != std::string::npos,
                      orden == "insert" && modo == "numbers" && nombre != "P.vbp")
                << nombre;
        }
    }
}
