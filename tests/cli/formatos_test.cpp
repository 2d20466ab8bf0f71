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

// A project whose module has a hidden attribute line inside its code, so that the file's line
// and the code's line part, in a folder whose name a URI must encode.
fs::path ProyectoConAtributos(const soporte::Carpeta& tmp) {
    const fs::path carpeta = tmp / "con espacio #1";
    fs::create_directories(carpeta);
    soporte::Escribe(carpeta / "P.vbp", soporte::Crlf("Type=Exe\nModule=Mod1; Mod1.bas\n"));
    soporte::Escribe(carpeta / "Mod1.bas",
                     soporte::Crlf("Attribute VB_Name = \"Mod1\"\n"
                                   "Option Explicit\n"
                                   "Public Function Uno() As Long\n"
                                   "Attribute Uno.VB_Description = \"primera\"\n"
                                   "Attribute Uno.VB_HelpID = 1\n"
                                   "    Uno = 1\n"
                                   "End Function\n"
                                   "Public Sub Dos()\n"
                                   "10  Dos2\n"
                                   "End Sub\n"));
    return carpeta / "P.vbp";
}

TEST(CheckFormatos, MsbuildAndSarifPointAtTheFileLineOfEveryFinding) {
    soporte::Carpeta tmp;
    const fs::path vbp = ProyectoConAtributos(tmp);
    for (const fs::path& proyecto :
         {vbp, fs::path(LINTRAP_SOURCE_DIR) / "examples" / "Demo" / "Demo.vbp"}) {
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

TEST(CheckFormatos, JsonKeepsTheCodeLineAndTheFileLine) {
    soporte::Carpeta tmp;
    const fs::path vbp = ProyectoConAtributos(tmp);
    // --json is --format json: no conflict
    EXPECT_EQ(soporte::Lintrap({"check", vbp.string(), "--json", "--format", "json"}).codigo, 1);
    const auto json = soporte::Lintrap({"check", vbp.string(), "--json"});
    const auto primero = nlohmann::json::parse(json.out)["findings"][0];
    EXPECT_EQ(primero["procedure"], "Uno");
    EXPECT_EQ(primero["line"], 2);     // in the code: the header and attributes hidden
    EXPECT_EQ(primero["fileLine"], 3); // in the file
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
