// What insert leaves on disk: --dry-run writes nothing, needs no writable file and shows exactly
// what a real run writes; --out writes a whole copy and leaves the sources alone (save --out: the
// reliability tests; the JSON of a dry run: the command table's).

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

        auto r = Lintrap({"insert", vbp, "--all-modules", "--all", "--mode", modo, "--dry-run"});
        ASSERT_EQ(r.codigo, 0) << r.err;
        EXPECT_EQ(Foto(c / "p"), antes);
        EXPECT_NE(r.out.find("--- a/Calculos.bas\n+++ b/Calculos.bas\n@@ -"), std::string::npos)
            << r.out;
        EXPECT_NE(r.out.find("Debug.Print \"ñ\""), std::string::npos); // shown in UTF-8

        ASSERT_EQ(Lintrap({"insert", (c / "real" / "Prueba.vbp").string(), "--all-modules", "--all",
                           "--mode", modo})
                      .codigo,
                  0);
        Aplica(c / "parche", r.out);
        EXPECT_EQ(Contenido(c / "parche"), Contenido(c / "real"));
    }
}

// The copy holds what an insertion in place would have written; a second build into the same
// folder needs --force.
TEST(Out, InsertEnUnaCopiaDejaLosFuentesComoEstaban) {
    Carpeta c;
    const auto vbp = (Copia(Ejemplo(), c / "Demo") / "Demo.vbp").string();
    const auto antes = Foto(c / "Demo");
    const std::vector<std::string> insert = {"insert", vbp,     "--all-modules",
                                             "--all",  "--out", (c / "build").string()};
    auto r = Lintrap(insert);
    ASSERT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(Foto(c / "Demo"), antes);
    const auto real = (Copia(Ejemplo(), c / "real") / "Demo.vbp").string();
    ASSERT_EQ(Lintrap({"insert", real, "--all-modules", "--all"}).codigo, 0);
    EXPECT_EQ(Contenido(c / "build"), Contenido(c / "real"));

    auto otra = Lintrap(insert);
    EXPECT_EQ(otra.codigo, 2);
    EXPECT_NE(otra.err.find("build"), std::string::npos) << otra.err;
    auto forzada = insert;
    forzada.push_back("--force");
    EXPECT_EQ(Lintrap(forzada).codigo, 0);
}
