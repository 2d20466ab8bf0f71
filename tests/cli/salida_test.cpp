// What insert leaves on disk: --dry-run writes nothing, needs no writable file and shows exactly
// what a real run writes. (--out and --force: the reliability tests' save --out and the host's
// copies; the JSON of a dry run: the command table's.)

#include "base/CodePage.h"
#include "tests/support/Archivos.h"
#include "tests/support/Carpeta.h"
#include "tests/support/Lintrap.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace soporte;
namespace fs = std::filesystem;

namespace {

// The diff is shown in UTF-8: apply it to a UTF-8 copy, then go back to 1252.
void Aplica(const fs::path& carpeta, const std::string& diff) {
    for (auto& e : fs::directory_iterator(carpeta))
        Escribe(e.path(), codepage::AUtf8(Lee(e.path()), 1252));
    Escribe(carpeta / "cambios.diff", diff);
    const std::string orden =
        "cd '" + carpeta.string() + "' && patch -s -p1 < cambios.diff && rm cambios.diff";
    ASSERT_EQ(std::system(orden.c_str()), 0);
    for (auto& e : fs::directory_iterator(carpeta))
        Escribe(e.path(), *codepage::DesdeUtf8(Lee(e.path()), 1252));
}

} // namespace

// The dry run works in one thread, the real run in two: the same bytes either way. (The rules, and
// a removal giving the code back: the engine's tests.)
TEST(DryRun, NoEscribeNadaYElDiffEsLoQueEscribiriaUnaEjecucionReal) {
    for (const char* modo : {"numbers", "handler"}) {
        SCOPED_TRACE(modo);
        Carpeta c;
        auto vbp = (Copia(Datos("cli/Prueba"), c / "p") / "Prueba.vbp").string();
        fs::copy(c / "p", c / "real", fs::copy_options::recursive);
        fs::copy(c / "p", c / "parche", fs::copy_options::recursive);
        for (const auto& e : fs::directory_iterator(c / "p")) { // a dry run never needs to write
            fs::permissions(e.path(), fs::perms::owner_read);
        }
        const auto antes = Foto(c / "p");

        auto r = Lintrap(
            {"insert", vbp, "--all-modules", "--all", "--mode", modo, "--dry-run", "--jobs", "1"});
        ASSERT_EQ(r.codigo, 0) << r.err;
        EXPECT_EQ(Foto(c / "p"), antes);
        EXPECT_NE(r.out.find("--- a/Calculos.bas\n+++ b/Calculos.bas\n@@ -"), std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("Debug.Print \"ñ\""), std::string::npos); // shown in UTF-8

        ASSERT_EQ(Lintrap({"insert", (c / "real" / "Prueba.vbp").string(), "--all-modules", "--all",
                           "--mode", modo, "--jobs", "2"})
                      .codigo,
                  0);
        Aplica(c / "parche", r.out);
        EXPECT_EQ(Contenido(c / "parche"), Contenido(c / "real"));
    }
}
