// Every seed and every saved finding of the fuzz targets goes through the same checks again, so
// a fault once found stays fixed in every build, sanitizers included.

#include "tests/fuzz/Casos.h"
#include "tests/fuzz/Invariantes.h"
#include "tests/support/Archivos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

TEST(FuzzCorpus, EverySeedAndFindingStillHolds) {
    const std::pair<const char*, std::function<void(std::string_view)>> objetivos[] = {
        {"module", fuzz::CasoModulo}, {"project", fuzz::CasoProyecto}, {"engine", fuzz::CasoMotor}};
    for (const auto& [objetivo, caso] : objetivos) {
        const fs::path carpeta = fs::path(LINTRAP_SOURCE_DIR) / "tests/fuzz/corpus" / objetivo;
        std::vector<fs::path> entradas(fs::directory_iterator(carpeta), {});
        std::sort(entradas.begin(), entradas.end());
        EXPECT_FALSE(entradas.empty()) << "no seeds in " << carpeta;
        for (const auto& entrada : entradas) {
            SCOPED_TRACE(entrada.string());
            try {
                caso(soporte::Lee(entrada));
            } catch (const fuzz::Hallazgo& h) {
                ADD_FAILURE() << h.what();
            }
        }
    }
}
