// The example project's module files, and the checker's own sample of tricky but sound lines,
// pass the same checks as the shipped runtime.
#include "tests/support/Archivos.h"
#include "tests/vb6/Vb6Checker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

TEST(ExampleSources, EveryModuleFileIsSound) {
    namespace fs = std::filesystem;
    const std::set<std::string> extensiones = {".bas", ".cls", ".frm", ".ctl",
                                               ".pag", ".dob", ".dsr"};
    int revisados = 0;
    for (const char* carpeta : {"examples", "tests/vb6/datos"}) {
        for (const auto& e :
             fs::recursive_directory_iterator(fs::path(LINTRAP_SOURCE_DIR) / carpeta)) {
            if (e.is_regular_file() && extensiones.count(e.path().extension().string())) {
                EXPECT_EQ(vb6check::Texto(vb6check::Modulo(soporte::Lee(e.path())).Comprobar()), "")
                    << e.path();
                ++revisados;
            }
        }
    }
    EXPECT_GE(revisados, 2);
}

} // namespace
