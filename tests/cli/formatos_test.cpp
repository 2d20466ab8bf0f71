// check's outputs for build logs and code scanning: each finding points at the file's own line.
#include "app/cli/InformeCheck.h"
#include "tests/support/Archivos.h"
#include "tests/support/Lintrap.h"
#include "tests/support/Texto.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;

TEST(CheckFormatos, MsbuildAndSarifPointAtTheFileLineOfEveryFinding) {
    soporte::Carpeta tmp;
    // A module with attribute lines among its code (the file's line and the code's line part), in
    // a folder whose name a URI must encode.
    const fs::path vbp =
        soporte::Copia(soporte::Datos("cli/Atributos"), tmp / "con espacio #1") / "P.vbp";
    // The example in a copy too: lintrap locks a project beside its file while it reads it, and
    // a lock left in the source tree for a moment is copied by the tests running beside this one.
    const fs::path demo = soporte::Copia(soporte::Ejemplo(), tmp / "Demo") / "Demo.vbp";
    for (const fs::path& proyecto : {vbp, demo}) {
        SCOPED_TRACE(proyecto.string());
        const auto msbuild = soporte::Lintrap({"check", proyecto.string(), "--format", "msbuild"});
        ASSERT_EQ(msbuild.codigo, 1) << msbuild.err;
        const std::regex forma(R"((.+)\((\d+)\): warning (LT\d{4}): el procedimiento (\w+) (.*))");
        int vistos = 0;
        std::istringstream in(msbuild.out);
        for (std::string l; std::getline(in, l);) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(l, m, forma)) << l;
            if (m[3] != "LT0001")
                continue;
            // the procedure's header stands on the line named
            const auto lineas = soporte::Lineas(soporte::Lee(m[1].str()));
            const std::size_t n = std::stoul(m[2]);
            ASSERT_LE(n, lineas.size()) << l;
            EXPECT_NE(lineas[n - 1].find(" " + m[4].str() + "("), std::string::npos) << l;
            ++vistos;
        }
        EXPECT_GT(vistos, 0);

        const auto sarif = soporte::Lintrap({"check", proyecto.string(), "--format", "sarif"});
        ASSERT_EQ(sarif.codigo, 1) << sarif.err;
        const auto j = nlohmann::json::parse(sarif.out);
        EXPECT_EQ(j["version"], "2.1.0");
        const auto& run = j["runs"][0];
        const auto& reglas = run["tool"]["driver"]["rules"];
        ASSERT_EQ(run["results"].size(), std::count(msbuild.out.begin(), msbuild.out.end(), '\n'));
        for (const auto& r : run["results"]) {
            EXPECT_EQ(r["ruleId"], reglas[r["ruleIndex"].get<std::size_t>()]["id"]);
            const auto& lugar = r["locations"][0]["physicalLocation"];
            const std::string uri = lugar["artifactLocation"]["uri"];
            // the same line as the build log's, the file as a URI
            EXPECT_NE(msbuild.out.find("(" +
                                       std::to_string(lugar["region"]["startLine"].get<int>()) +
                                       "): warning " + r["ruleId"].get<std::string>()),
                      std::string::npos);
            EXPECT_EQ(uri.find_first_of(" #"), std::string::npos) << uri;
            if (proyecto == vbp) {
                EXPECT_NE(uri.find("/con%20espacio%20%231/Mod1.bas"), std::string::npos) << uri;
            }
        }
    }
}

TEST(CheckFormatos, EveryKindOfNoticeHasItsOwnCode) {
    std::set<std::string> codigos;
    for (int m = 0; m <= static_cast<int>(engine::Motivo::MarcaSinFin); ++m) {
        const std::string codigo = cli::CodigoDe(cli::TipoDe(static_cast<engine::Motivo>(m)));
        EXPECT_FALSE(codigo.empty()) << m;
        codigos.insert(codigo);
    }
    for (const char* tipo : {"noErrorHandling", "lineNumber", "lineLength", "lineNumbers"})
        codigos.insert(cli::CodigoDe(tipo));
    EXPECT_EQ(codigos.size(), static_cast<std::size_t>(engine::Motivo::MarcaSinFin) + 1 + 4);
}

} // namespace
