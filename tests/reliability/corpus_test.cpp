// Every seed and every saved finding of the fuzz targets goes through the same checks again, so
// a fault once found stays fixed in every build, sanitizers included.

#include "tests/fuzz/Casos.h"
#include "tests/fuzz/Invariantes.h"
#include "tests/reliability/Apoyo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

void Reproduce(const std::string& objetivo, const std::function<void(std::string_view)>& caso) {
    const fs::path carpeta = fs::path(LINTRAP_SOURCE_DIR) / "tests/fuzz/corpus" / objetivo;
    std::vector<fs::path> entradas;
    for (const auto& e : fs::directory_iterator(carpeta)) {
        entradas.push_back(e.path());
    }
    std::sort(entradas.begin(), entradas.end());
    ASSERT_FALSE(entradas.empty()) << "no seeds in " << carpeta;
    for (const auto& entrada : entradas) {
        SCOPED_TRACE(entrada.string());
        try {
            caso(apoyo::Lee(entrada));
        } catch (const fuzz::Hallazgo& h) {
            ADD_FAILURE() << h.what();
        }
    }
}

TEST(FuzzCorpus, EveryModuleSeedAndFindingStillHolds) {
    Reproduce("module", fuzz::CasoModulo);
}

TEST(FuzzCorpus, EveryProjectSeedAndFindingStillHolds) {
    Reproduce("project", fuzz::CasoProyecto);
}

TEST(FuzzCorpus, EveryEngineSeedAndFindingStillHolds) {
    Reproduce("engine", fuzz::CasoMotor);
}

} // namespace
