// The example project's module files pass the same checks as the shipped runtime.
#include "tests/support/Archivos.h"
#include "tests/vb6/Vb6Checker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

TEST(ExampleSources, EveryModuleFileIsSound) {
    namespace fs = std::filesystem;
    const fs::path carpeta = fs::path(LINTRAP_SOURCE_DIR) / "examples";
    const std::set<std::string> extensiones = {".bas", ".cls", ".frm", ".ctl",
                                               ".pag", ".dob", ".dsr"};
    int revisados = 0;
    if (fs::is_directory(carpeta)) {
        for (const auto& e : fs::recursive_directory_iterator(carpeta)) {
            if (!e.is_regular_file() || !extensiones.count(e.path().extension().string()))
                continue;
            vb6check::Modulo m(soporte::Lee(e.path()));
            EXPECT_EQ(vb6check::Texto(m.Comprobar()), "") << e.path();
            ++revisados;
        }
    }
    if (revisados == 0)
        GTEST_SKIP() << "no module files in " << carpeta;
}

} // namespace
